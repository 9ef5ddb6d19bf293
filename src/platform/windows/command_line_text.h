// A program and its arguments as the one command-line string that
// CreateProcessW takes, written so that the program's start-up code (the C
// runtime, CommandLineToArgvW) splits it back into exactly these arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/process.h"

namespace qm::windows {

// `argument` as one word of a command line: unchanged when it needs no
// quotes, else in double quotes with backslashes doubled where they come
// before a quote. `always` quotes even a plain word.
std::string quotedArgument(std::string_view argument, bool always = false);

// The program's path in quotes when it holds a blank (the first word of a
// command line is read up to the closing quote, without escapes), then each
// argument; a path argument is always quoted.
std::string commandLineText(std::string_view program, const std::vector<ProcessArgument>& arguments);

// The argument text after the program's own name in a whole command line,
// as GetCommandLineW gives it: the name is read up to its closing quote
// when it starts with one, else up to the first blank; the blanks after it
// are not part of the arguments.
std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine);

}  // namespace qm::windows
