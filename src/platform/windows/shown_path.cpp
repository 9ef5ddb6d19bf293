#if defined(_WIN32)  // only the Windows build compiles this file
#include "platform/paths.h"

namespace qm {

std::string shownPath(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (isSeparator(c)) c = '\\';
  }
  return out;
}

}  // namespace qm
#endif  // defined(_WIN32)
