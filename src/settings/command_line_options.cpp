// The table of commands and switches, and the help written from it.
#include "settings/command_line_options.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace qm {

namespace {

constexpr std::array kOptions{
    CommandLineOption{"--analyse", "PROJECT.vbp", OptionUse::Command,
                      "print the project files page: procedures and coverage per member"},
    CommandLineOption{"--rollback", "PROJECT.vbp [BACKUP]", OptionUse::Command,
                      "roll back from BACKUP (as the list shows it), or from the newest backup"},
    CommandLineOption{"--help", "", OptionUse::Command, "print this help", "-h /?"},
    CommandLineOption{"--version", "", OptionUse::Command, "print the version"},

    CommandLineOption{"/p", "PROJECT.vbp", OptionUse::Run, "the project: an update run without a window"},
    CommandLineOption{"/a", "", OptionUse::Run, "select all files"},
    CommandLineOption{"/r", "", OptionUse::Run, "remove inserted code (when the project has some)"},
    CommandLineOption{"/b", "", OptionUse::Run, "back the project up (otherwise: make a new copy)"},
    CommandLineOption{"/c", "FOLDER", OptionUse::Run, "the folder of the new copy"},
    CommandLineOption{"/s", "STYLE", OptionUse::Run, "the code style"},
    CommandLineOption{"/m", "", OptionUse::Run, "compile the project afterwards"},
    CommandLineOption{"/l", "", OptionUse::Run, "number the lines"},
    CommandLineOption{"/v", "", OptionUse::Run, "add the variable dump"},
    CommandLineOption{"/i", "LINES", OptionUse::Run, "leave out procedures of fewer lines of code"},
    CommandLineOption{"/e", "", OptionUse::Run, "do not skip procedures that already handle errors"},
    CommandLineOption{"/t", "", OptionUse::Run, "do not skip procedures inside '<ignore> tags"},
    CommandLineOption{"/x", "", OptionUse::Run, "include all procedures and user controls"},
    CommandLineOption{"--dry-run", "", OptionUse::Run,
                      "change nothing: the run's changes as a unified diff for patch -p1 on\n"
                      "                        standard output; standard error starts with \"# root: \" and its folder"},

    CommandLineOption{"--min-coverage", "N", OptionUse::Analyse,
                      "fail when a member with procedures has a coverage below N percent"},
    CommandLineOption{"--format", "tsv|json", OptionUse::Analyse, "the report's form (tsv: as the page shows it)"},
    CommandLineOption{"--all-procedures", "", OptionUse::Analyse,
                      "count every procedure form; list user controls, property pages, user documents"},
};

bool isLetterSwitch(std::string_view name) { return name.size() == 2 && name[0] == '/'; }

bool spells(const CommandLineOption& option, std::string_view word) {
  if (isLetterSwitch(option.name)) {
    return word.size() == 2 && (word[0] == '/' || word[0] == '-') && asciiLower(word[1]) == option.name[1];
  }
  if (equalsNoCase(word, option.name)) return true;
  std::string_view aliases = option.aliases;
  while (!aliases.empty()) {
    const std::size_t blank = aliases.find(' ');
    if (equalsNoCase(aliases.substr(0, blank), word)) return true;
    aliases = blank == std::string_view::npos ? std::string_view() : aliases.substr(blank + 1);
  }
  return false;
}

std::string letters(bool valuesOnly) {
  std::string out;
  for (const CommandLineOption& option : kOptions) {
    if (option.use == OptionUse::Run && isLetterSwitch(option.name) && (!valuesOnly || !option.value.empty())) {
      out.push_back(option.name[1]);
    }
  }
  return out;
}

// The option as the usage writes it: its name and what its value is called.
std::string spelled(const CommandLineOption& option) {
  std::string out(option.name);
  if (!option.value.empty()) {
    out += ' ';
    out += option.value;
  }
  return out;
}

std::string optionLines(OptionUse use) {
  std::string out;
  for (const CommandLineOption& option : kOptions) {
    if (option.use != use) continue;
    std::string head(2, ' ');
    head += spelled(option);
    if (!option.aliases.empty()) {
      head += " (";
      head += replaceAll(option.aliases, " ", ", ");
      head += ")";
    }
    // A long head puts its meaning on a line of its own, in the column.
    if (head.size() > 22) head += "\n";
    head.resize(head.back() == '\n' ? head.size() + 24 : std::max<std::size_t>(head.size() + 2, 24), ' ');
    out += head + std::string(option.meaning) + "\n";
  }
  return out;
}

std::string status(int value, std::string_view meaning) {
  std::string out(2, ' ');
  out += std::to_string(value);
  out += "  ";
  out += meaning;
  out += "\n";
  return out;
}

}  // namespace

std::span<const CommandLineOption> commandLineOptions() { return kOptions; }

const CommandLineOption* findOption(std::string_view word, OptionUse use) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                  [&](const CommandLineOption& o) { return o.use == use && spells(o, word); });
  return found == kOptions.end() ? nullptr : &*found;
}

const CommandLineOption* findAnyOption(std::string_view word) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const CommandLineOption& o) { return spells(o, word); });
  return found == kOptions.end() ? nullptr : &*found;
}

std::string runSwitchLetters() { return letters(false); }
std::string runValueSwitchLetters() { return letters(true); }

std::string usageText() {
  std::string run = "       quillmere /p PROJECT.vbp";
  for (const CommandLineOption& option : kOptions) {
    if (option.use != OptionUse::Run || option.name == "/p") continue;
    run += " [";
    run += spelled(option);
    run += "]";
  }
  std::string analyse = "       quillmere --analyse PROJECT.vbp";
  for (const CommandLineOption& option : kOptions) {
    if (option.use != OptionUse::Analyse) continue;
    analyse += " [";
    analyse += spelled(option);
    analyse += "]";
  }
  std::string out = "usage: quillmere [PROJECT.vbp]\n";
  out += run;
  out += "\n";
  out += analyse;
  out += "\n       quillmere --rollback PROJECT.vbp [BACKUP]\n       quillmere --help | --version\n";
  return out;
}

std::string helpText(std::string_view programFolder, std::string_view settingsPlace) {
  std::string out = usageText();
  out += "\nWithout arguments the wizard opens; with only a project file, the wizard opens it.\n";
  out += "\nCommands:\n" + optionLines(OptionUse::Command);
  out += "\nSwitches of an update run (on Linux each its own word, and -x works as well as /x):\n" +
         optionLines(OptionUse::Run);
  out += "\nOptions of --analyse:\n" + optionLines(OptionUse::Analyse);
  out += "\nExit statuses:\n";
  out += status(kExitSucceeded, "every step succeeded; the coverage gate passed");
  out += status(kExitNotStarted,
                "the run could not start or the project cannot be read: nothing was changed;\n"
                "     the reason is on standard error and in the failure log");
  out += status(kExitStepFailed,
                "an update run or a roll back went to its end, but some step failed (a \"Failed\"\n"
                "     or \"Not found\" line); also: the command line is wrong, and nothing was touched");
  out += status(kExitBelowCoverage, "a member's coverage is below --min-coverage (named on standard error)");
  out += "\nWhere things live:\n";
  out += "  styles (*.style) and the failure log \"QMR Command Line Failure.txt\": " + std::string(programFolder) + "\n";
  out += "  settings: " + std::string(settingsPlace) + "\n";
  return out;
}

}  // namespace qm
