// The only place that knows which command-line form the platform uses.
#include "platform/command_line_syntax.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace qm {

#ifdef _WIN32

bool commandLineIsOneString() { return true; }

// GetCommandLineA gives the program's own path first (quoted when it holds
// blanks); the argument text is what follows it and the blanks after it.
std::vector<std::string> commandLineArguments(int, char**) {
  const std::string whole = GetCommandLineA();
  std::size_t at = 0;
  if (!whole.empty() && whole[0] == '"') {
    const std::size_t close = whole.find('"', 1);
    at = close == std::string::npos ? whole.size() : close + 1;
  } else {
    while (at < whole.size() && whole[at] != ' ' && whole[at] != '\t') ++at;
  }
  while (at < whole.size() && (whole[at] == ' ' || whole[at] == '\t')) ++at;
  return {whole.substr(at)};
}

#else

bool commandLineIsOneString() { return false; }

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  return words;
}

#endif

}  // namespace qm
