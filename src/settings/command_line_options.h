// Every command and switch the program's command line knows, with its value
// and its meaning: the one table that the argument checks and the usage text
// both read, so a new switch is one row.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qm {

// The exit statuses, for scripts and build pipelines.
inline constexpr int kExitSucceeded = 0;      // every step succeeded; the coverage gate passed
inline constexpr int kExitNotStarted = 1;     // the run could not start; the project cannot be read
inline constexpr int kExitStepFailed = 2;     // the run went to its end, but some step failed
inline constexpr int kExitUsage = 2;          // the command line is wrong: nothing was touched
inline constexpr int kExitBelowCoverage = 3;  // a member's coverage is below --min-coverage

// Where an option belongs.
enum class OptionUse {
  Command,  // a first word that picks what the program does
  Run,      // a switch of an update run ("/p ...")
  Analyse,  // an option of "--analyse"
};

struct CommandLineOption {
  std::string_view name;      // "/a", "--dry-run", "--analyse"
  std::string_view value;     // how its value is written in the usage; "" for a flag
  OptionUse use;
  std::string_view meaning;   // one line of the help
  std::string_view aliases = {};  // further spellings, blank-separated
};

std::span<const CommandLineOption> commandLineOptions();

// The option a word names in `use`: a letter switch as "/x" or "-x" in either
// case, a long name or an alias as written (ignoring case); nullptr when none.
const CommandLineOption* findOption(std::string_view word, OptionUse use);
// The option a word names in any use; nullptr when none.
const CommandLineOption* findAnyOption(std::string_view word);

// The letters of the update run's switches ("parbcsmlvietx"), and those of
// them that take a value.
std::string runSwitchLetters();
std::string runValueSwitchLetters();

// The synopsis: one line per way of starting the program.
std::string usageText();
// The whole help: the synopsis, every option with its meaning, the exit
// statuses, and where the settings, the styles and the failure log live.
std::string helpText(std::string_view programFolder, std::string_view settingsPlace);

}  // namespace qm
