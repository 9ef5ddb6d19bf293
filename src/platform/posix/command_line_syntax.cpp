// The command line on POSIX systems: the shell has already split it into
// words, and "/" separates the folders of every path.
#include "platform/command_line_syntax.h"

namespace qm {

bool commandLineIsOneString() { return false; }

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  return words;
}

}  // namespace qm
