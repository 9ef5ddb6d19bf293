// The two command-line forms behind one set of questions, and the failure log
// an unattended run leaves instead of a message.
#include "settings/command_line.h"

#include "platform/product.h"
#include "platform/command_line_syntax.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

std::string GetSwitchValue(std::string_view commandLine, std::string_view switchText, bool includeSwitch,
                           std::string_view delimiter, bool caseSensitive) {
  if (delimiter.empty()) delimiter = "/";
  const std::size_t at = caseSensitive ? commandLine.find(switchText) : findNoCase(commandLine, switchText);
  if (at == std::string_view::npos) return {};
  std::string value;
  for (std::size_t i = at + switchText.size(); i < commandLine.size(); ++i) {
    // A character is compared with the whole delimiter, so only a
    // one-character delimiter can ever end the value.
    if (delimiter.size() == 1 && commandLine[i] == delimiter[0]) break;
    value.push_back(commandLine[i]);
  }
  return includeSwitch ? std::string(switchText) + value : value;
}

namespace {

constexpr std::string_view kSwitchLetters = "parbcsmlvietx";
constexpr std::string_view kValueSwitches = "pcsi";

// The switch letter a word stands for, or 0 when the word is no switch.
char switchOfWord(std::string_view word) {
  if (word.size() != 2 || (word[0] != '/' && word[0] != '-')) return 0;
  const char letter = asciiLower(word[1]);
  return kSwitchLetters.find(letter) == std::string_view::npos ? 0 : letter;
}

std::string withoutQuotes(std::string_view text) { return replaceAll(text, "\"", ""); }

std::string joinedByBlanks(const std::vector<std::string>& words) {
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) out.push_back(' ');
    out.append(words[i]);
  }
  return out;
}

}  // namespace

CommandLine CommandLine::fromText(std::string text) {
  CommandLine line;
  line.oneString_ = true;
  line.text_ = std::move(text);
  return line;
}

CommandLine CommandLine::fromWords(std::vector<std::string> words) {
  CommandLine line;
  line.oneString_ = false;
  line.text_ = joinedByBlanks(words);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char letter = switchOfWord(words[i]);
    if (letter == 0) continue;
    std::string value;
    const bool takesValue = kValueSwitches.find(letter) != std::string_view::npos;
    // A switch word right after a value switch is a switch of its own, not
    // its value: "/c /b" asks for a backup, it does not name a folder "/b".
    if (takesValue && i + 1 < words.size() && switchOfWord(words[i + 1]) == 0) value = words[++i];
    line.switches_.emplace(letter, std::move(value));  // the first occurrence wins
  }
  line.words_ = std::move(words);
  return line;
}

CommandLine CommandLine::fromArguments(std::vector<std::string> arguments) {
  if (!commandLineIsOneString()) return fromWords(std::move(arguments));
  return fromText(arguments.empty() ? std::string() : arguments.front());
}

bool CommandLine::hasSwitch(char letter) const {
  letter = asciiLower(letter);
  if (!oneString_) return switches_.count(letter) != 0;
  const std::string switchText{'/', letter};
  return !GetSwitchValue(text_, switchText, true, "/", false).empty();
}

std::string CommandLine::value(char letter) const {
  letter = asciiLower(letter);
  if (!oneString_) {
    const auto found = switches_.find(letter);
    return found == switches_.end() ? std::string() : found->second;
  }
  const std::string switchText{'/', letter};
  return GetSwitchValue(text_, switchText, false, "/", false);
}

std::string CommandLine::projectPathToOpen() const {
  if (text_.empty() || requestsUnattendedRun()) return {};
  if (!oneString_ && (words_.size() != 1 || switchOfWord(words_.front()) != 0)) return {};
  std::string path = withoutQuotes(oneString_ ? text_ : words_.front());
  return namesProjectFile(path) ? path : std::string();
}

std::string pathFromWorkingFolder(std::string_view path, std::string_view workingFolder) {
  const bool rooted = !path.empty() && isSeparator(path.front());
  const bool onDrive = path.size() >= 2 && path[1] == ':' && isAsciiLetter(path[0]);
  if (rooted || onDrive || path.empty()) return std::string(path);
  return joinPath(workingFolder, path);
}

bool namesProjectFile(std::string_view path) {
  return path.size() >= 3 && toLower(path.substr(path.size() - 3)) == "vbp";
}

std::string commandLineFailureLogPath(std::string_view programFolder) {
  return joinPath(programFolder, "QMR Command Line Failure.txt");
}

std::string commandLineFailureText(std::string_view commandLine) {
  std::string text = "Your command line request failed to complete.  ";
  text.append("If you cannot see why, please report this problem to ");
  text.append(kMakerName);
  text.append(" at ");
  text.append(kMakerAddress);
  text.append(" \r\n\r\nCommand Line Argument: ");
  text.append(commandLine);
  text.append("\r\n");
  return text;
}

Result<std::string> writeCommandLineFailure(Workspace& workspace, std::string_view commandLine) {
  const std::string path = commandLineFailureLogPath(workspace.programFolder);
  if (Status written = workspace.files.writeFile(path, commandLineFailureText(commandLine)); !written) {
    return written;
  }
  return path;
}

}  // namespace qm
