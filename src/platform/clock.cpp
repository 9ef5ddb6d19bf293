#include "platform/clock.h"

namespace qm {

std::string englishMonthAbbreviation(int month) {
  static constexpr const char* kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (month < 1 || month > 12) return {};
  return kNames[month - 1];
}

// Month names end up in folder names, which the backup list maps between
// "-" and ":"; a separator, a colon or a character Windows refuses in a name
// would break either.
std::string monthNameForFolders(std::string_view localName, int month) {
  std::string out;
  for (char c : localName) {
    if (std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos) out.push_back(c);
  }
  return out.empty() ? englishMonthAbbreviation(month) : out;
}

}  // namespace qm
