// The diff of one file and the root of a preview's paths, as tables of calls
// (tests/data/run/unified_diff.txt).
#include "run/unified_diff.h"

#include <gtest/gtest.h>

#include "run/run_preview.h"
#include "support/case_file.h"

namespace qm {
namespace {

std::optional<std::string> side(const std::string& text) {
  return text == "<none>" ? std::nullopt : std::optional<std::string>(text);
}

class UnifiedDiffs : public testing::CaseTest {};

TEST_P(UnifiedDiffs, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"diff", [](const std::vector<std::string>& a) { return unifiedDiff(side(a[0]), side(a[1]), a[2]); }},
      {"commonFolder", [](const std::vector<std::string>& a) { return deepestCommonFolder(a); }},
  });
}

QM_CASES_FROM(UnifiedDiffs, "run/unified_diff.txt");

}  // namespace
}  // namespace qm
