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
