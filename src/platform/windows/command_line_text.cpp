#if defined(_WIN32)  // only the Windows build compiles this file
#include "platform/windows/command_line_text.h"

namespace qm::windows {

namespace {

bool needsQuotes(std::string_view argument) {
  return argument.empty() || argument.find_first_of(" \t\n\v\"") != std::string_view::npos;
}

bool isCommandLineBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::string quotedArgument(std::string_view argument, bool always) {
  if (!always && !needsQuotes(argument)) return std::string(argument);
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are literal unless a quote follows them.
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, '\\');  // the closing quote follows them
  out.push_back('"');
  return out;
}

std::string commandLineText(std::string_view program, const std::vector<ProcessArgument>& arguments) {
  std::string out = program.find_first_of(" \t") == std::string_view::npos
                        ? std::string(program)
                        : "\"" + std::string(program) + "\"";
  for (const ProcessArgument& argument : arguments) {
    out.push_back(' ');
    out += quotedArgument(argument.text, argument.isPath);
  }
  return out;
}

std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t close = commandLine.find(L'"', 1);
    at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
  } else {
    while (at < commandLine.size() && !isCommandLineBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && isCommandLineBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

}  // namespace qm::windows
#endif  // defined(_WIN32)
