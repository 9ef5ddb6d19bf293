// Windows paths as the product handles them on any platform, and lines as
// Visual Basic reads them, as tables of calls (tests/data/platform/paths.txt).
#include "platform/paths.h"

#include <gtest/gtest.h>

#include "platform/lines.h"
#include "support/case_file.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

class Paths : public testing::CaseTest {};

TEST_P(Paths, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"joinPath", [](const Arguments& a) { return joinPath(a[0], a[1]); }},
      {"bareName", [](const Arguments& a) { return std::string(bareName(a[0])); }},
      {"folderOf", [](const Arguments& a) { return std::string(folderOf(a[0])); }},
      {"withTrailingSeparator", [](const Arguments& a) { return withTrailingSeparator(a[0]); }},
      {"withoutTrailingSeparator", [](const Arguments& a) { return std::string(withoutTrailingSeparator(a[0])); }},
      {"wildcardMatch", [](const Arguments& a) { return std::string(wildcardMatch(a[0], a[1]) ? "yes" : "no"); }},
      {"splitLines", [](const Arguments& a) {  // each line followed by "|"
         std::string lines;
         for (auto line : splitLines(a[0])) lines += std::string(line) + "|";
         return lines;
       }},
  });
}

QM_CASES_FROM(Paths, "platform/paths.txt");

}  // namespace
}  // namespace qm
