// Where members land in a backup or a copy, as a table of calls
// (tests/data/run/member_places.txt).
#include "run/member_places.h"

#include <gtest/gtest.h>

#include "support/case_file.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

// "a;b;c" as a list; an empty text as none.
std::vector<std::string> listOf(const std::string& text) {
  std::vector<std::string> items;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(';', start), text.size());
    items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

class MemberPlaces : public testing::CaseTest {};

TEST_P(MemberPlaces, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"foldedPath", [](const Arguments& a) {
         bool outside = false;
         const std::string folded = foldedPath(a[0], &outside);
         return folded + (outside ? " (outside)" : "");
       }},
      {"placeMembers", [](const Arguments& a) {  // listed | outside folder | taken => relative paths
         const auto taken = listOf(a[2]);
         std::string out;
         for (const MemberPlace& place : placeMembers(listOf(a[0]), "C:\\P\\", a[1], {taken.begin(), taken.end()})) {
           out += (out.empty() ? "" : ";") + place.relative;
         }
         return out;
       }},
  });
}

QM_CASES_FROM(MemberPlaces, "run/member_places.txt");

}  // namespace
}  // namespace qm
