// The two command-line forms behind one set of questions, and the failure log
// an unattended run leaves instead of a message.
#include "settings/command_line.h"

#include <algorithm>

#include "platform/product.h"
#include "settings/command_line_options.h"
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

// The switch letter a word stands for, or 0 when the word is no letter switch.
char switchOfWord(std::string_view word) {
  const CommandLineOption* option = findOption(word, OptionUse::Run);
  if (option == nullptr || option->name.size() != 2) return 0;
  return option->name[1];
}

bool takesValue(char letter) { return runValueSwitchLetters().find(letter) != std::string::npos; }

// A word meant as a switch: "-" and more, or "/" and one character. Longer
// words starting with "/" are paths on POSIX systems.
bool looksLikeSwitch(std::string_view word) {
  return (word.size() >= 2 && word[0] == '-') || (word.size() == 2 && word[0] == '/');
}

std::string quoted(std::string_view word) {
  std::string out(1, '\'');
  out += word;
  out += '\'';
  return out;
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
  line.switchText_ = line.text_;
  line.takeLongOptionsFromText();
  return line;
}

// Long options are blank-separated words in the one string; they are taken
// out of the text before the switch search, so that they never end up in a
// switch's value. Whatever the search would pass over is only warned about.
void CommandLine::takeLongOptionsFromText() {
  std::size_t at = 0;
  while ((at = switchText_.find("--", at)) != std::string::npos) {
    if (at > 0 && !isBlank(switchText_[at - 1])) {
      at += 2;
      continue;
    }
    std::size_t end = at;
    while (end < switchText_.size() && !isBlank(switchText_[end])) ++end;
    const std::string word = switchText_.substr(at, end - at);
    const CommandLineOption* option = findOption(word, OptionUse::Run);
    if (option == nullptr) {
      warnings_.push_back("unknown switch " + quoted(word) + " ignored");
      at = end;
      continue;
    }
    options_.emplace_back(option->name);
    switchText_.erase(at, end - at);
  }
  if (!requestsUnattendedRun()) return;
  const std::string letters = runSwitchLetters();
  const std::size_t first = switchText_.find('/');
  if (const std::string_view before = trimBlanks(std::string_view(switchText_).substr(0, first)); !before.empty()) {
    warnings_.push_back("text before the first switch ignored: " + quoted(before));
  }
  for (std::size_t slash = first; slash != std::string::npos; slash = switchText_.find('/', slash + 1)) {
    const char letter = slash + 1 < switchText_.size() ? asciiLower(switchText_[slash + 1]) : ' ';
    if (letters.find(letter) == std::string::npos) {
      warnings_.push_back("unknown switch " + quoted(switchText_.substr(slash, 2)) + " ignored");
    }
  }
}

CommandLine CommandLine::fromWords(std::vector<std::string> words) {
  CommandLine line;
  line.oneString_ = false;
  line.text_ = joinedByBlanks(words);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char letter = switchOfWord(words[i]);
    if (letter == 0) continue;
    std::string value;
    // A switch word right after a value switch is a switch of its own, not
    // its value: "/c /b" does not name a folder "/b" (and is refused below).
    if (takesValue(letter) && i + 1 < words.size() && switchOfWord(words[i + 1]) == 0) value = words[++i];
    line.switches_.emplace(letter, std::move(value));  // the first occurrence wins
  }
  line.words_ = std::move(words);
  line.checkWords();
  return line;
}

void CommandLine::checkWords() {
  const auto fail = [this](std::string why) {
    if (problem_.empty()) problem_ = std::move(why);
  };
  const CommandLineOption* firstSwitch = nullptr;
  for (std::size_t i = 0; i < words_.size(); ++i) {
    const std::string& word = words_[i];
    if (const CommandLineOption* option = findOption(word, OptionUse::Run)) {
      if (firstSwitch == nullptr) firstSwitch = option;
      if (option->name.size() > 2) options_.emplace_back(option->name);
      if (option->value.empty()) continue;
      if (i + 1 >= words_.size() || findAnyOption(words_[i + 1]) != nullptr) {
        fail(quoted(word) + " needs a value (" + std::string(option->value) + ")");
      }
      ++i;
      continue;
    }
    if (findAnyOption(word) != nullptr) {
      fail(quoted(word) + " cannot be used here");
    } else if (looksLikeSwitch(word)) {
      fail("unknown switch " + quoted(word));
    } else if (i > 0 && findOption(words_[i - 1], OptionUse::Run) != nullptr) {
      fail(quoted(words_[i - 1]) + " takes no value, but is followed by " + quoted(word));
    } else if (words_.size() > 1) {
      fail("unexpected argument " + quoted(word));
    }
  }
  if (requestsUnattendedRun()) return;
  if (firstSwitch != nullptr) {
    fail(quoted(firstSwitch->name) + " belongs to an update run, which needs /p PROJECT.vbp");
  } else if (words_.size() == 1 && projectPathToOpen().empty()) {
    fail(quoted(words_.front()) + " is not a project file (.vbp)");
  }
}

bool CommandLine::hasOption(std::string_view name) const {
  return std::any_of(options_.begin(), options_.end(), [name](const std::string& o) { return equalsNoCase(o, name); });
}

CommandLine CommandLine::fromArguments(std::vector<std::string> arguments) {
  if (!commandLineIsOneString()) return fromWords(std::move(arguments));
  return fromText(arguments.empty() ? std::string() : arguments.front());
}

bool CommandLine::hasSwitch(char letter) const {
  letter = asciiLower(letter);
  if (!oneString_) return switches_.count(letter) != 0;
  const std::string switchText{'/', letter};
  return !GetSwitchValue(switchText_, switchText, true, "/", false).empty();
}

std::string CommandLine::value(char letter) const {
  letter = asciiLower(letter);
  if (!oneString_) {
    const auto found = switches_.find(letter);
    return found == switches_.end() ? std::string() : found->second;
  }
  const std::string switchText{'/', letter};
  return GetSwitchValue(switchText_, switchText, false, "/", false);
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
