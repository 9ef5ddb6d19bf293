// Texts in the coverage report's JSON: UTF-8 kept, any other byte read as
// Latin-1, and JSON's own characters escaped (tests/data/wizard/json_text.txt).
#include "wizard/coverage_report.h"

#include <gtest/gtest.h>

#include "support/case_file.h"

namespace qm {
namespace {

class JsonText : public testing::CaseTest {};

TEST_P(JsonText, GiveWhatTheTableSays) {
  testing::expectRows(c, {{"name", [](const std::vector<std::string>& a) {
    ProjectCoverage coverage;
    coverage.name = a[0];
    const std::string json = coverageJson(coverage);
    const std::size_t from = json.find("\"name\": ") + 8;
    return json.substr(from, json.find(", \"details\"") - from);
  }}});
}

QM_CASES_FROM(JsonText, "wizard/json_text.txt");

}  // namespace
}  // namespace qm
