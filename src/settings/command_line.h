// Reading the command line of an unattended run.
//
// `GetSwitchValue` is the switch search of the one-string form that Windows
// programs receive: a switch is found anywhere, in either case, and its value
// runs up to the next "/". Where "/" separates folders that form cannot carry
// a path, so there the arguments are taken as the shell split them: a word
// "/x" or "-x" (x one of the switch letters, either case) is a switch, and a
// value switch takes the next word as its value. `CommandLine` answers the
// same questions in both forms, so command-line mode never asks which one the
// platform uses.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/workspace.h"

namespace qm {

// The switch followed by its value when `includeSwitch`, else the value alone;
// "" when the switch does not occur. An empty delimiter means "/".
std::string GetSwitchValue(std::string_view commandLine, std::string_view switchText, bool includeSwitch,
                           std::string_view delimiter = "/", bool caseSensitive = false);

class CommandLine {
 public:
  // The one-string form, as received.
  static CommandLine fromText(std::string text);
  // The separate-words form.
  static CommandLine fromWords(std::vector<std::string> words);
  // This platform's form: one element holding the whole text where the
  // platform passes one string, the words otherwise.
  static CommandLine fromArguments(std::vector<std::string> arguments);

  bool empty() const { return text_.empty(); }
  // The command line as the failure log shows it: the text as received, or
  // the words joined by blanks.
  const std::string& asReceived() const { return text_; }

  // "/p" is present: the program runs unattended and shows no window.
  bool requestsUnattendedRun() const { return hasSwitch('p'); }
  // Any occurrence of the switch counts, whatever follows it.
  bool hasSwitch(char letter) const;
  // A long switch of an update run ("--dry-run"): in the words form a word of
  // its own, in the one-string form a blank-separated word anywhere.
  bool hasOption(std::string_view name) const;
  // The value of a value switch ('p', 'c', 's', 'i'), untrimmed; "" when the
  // switch is absent or has an empty value.
  std::string value(char letter) const;

  // The project that a command line of nothing but a project path names, with
  // its double quotes removed; "" when the command line is anything else.
  // Nothing is trimmed: a path followed by a blank is not a project.
  std::string projectPathToOpen() const;

  // Words form: why the words cannot be taken (an unknown switch, a value
  // where none belongs, a missing value), as one line; "" when they can.
  const std::string& usageProblem() const { return problem_; }
  // One-string form: the text that its switch search passes over, one
  // warning each; the line is still taken as that search reads it.
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  void checkWords();
  void takeLongOptionsFromText();

  bool oneString_ = true;
  std::string text_;
  std::string switchText_;  // one-string form: the text less its long options
  std::vector<std::string> options_;  // the long options given, as the table names them
  std::string problem_;
  std::vector<std::string> warnings_;
  std::vector<std::string> words_;
  std::map<char, std::string> switches_;  // words form: first occurrence of each switch
};

// A project path as given, made absolute against `workingFolder` when it is
// relative, so that the recent list never stores a path that only meant
// something in the folder the program was started from.
std::string pathFromWorkingFolder(std::string_view path, std::string_view workingFolder);

// True when the text's last three characters, lower-cased, are "vbp".
bool namesProjectFile(std::string_view path);

// "QMR Command Line Failure.txt" in the program's folder.
std::string commandLineFailureLogPath(std::string_view programFolder);
// The failure log's text for a command line.
std::string commandLineFailureText(std::string_view commandLine);
// Writes (replaces) the failure log; gives its path.
Result<std::string> writeCommandLineFailure(Workspace& workspace, std::string_view commandLine);

}  // namespace qm
