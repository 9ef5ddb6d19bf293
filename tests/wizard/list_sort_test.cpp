// Sorting list rows by value, and the project files list's header click, as
// tables of calls (tests/data/wizard/list_sort.txt).
#include "wizard/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/case_file.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

// "name=value" is a row of two cells, "name" a row of one; every other row is ticked.
std::vector<ListRow> rowsOf(const std::string& written) {
  std::vector<ListRow> rows;
  for (const std::string& word : words(written)) {
    const std::size_t equals = word.find('=');
    ListRow row{{word.substr(0, equals)}, rows.size() % 2 == 0, word};
    if (equals != std::string::npos) row.cells.push_back(word.substr(equals + 1));
    rows.push_back(row);
  }
  return rows;
}

// The rows' names in their order, or what no longer travels with its row.
std::string namesOf(const std::vector<ListRow>& rows, const std::vector<ListRow>& before) {
  std::string out;
  for (const ListRow& row : rows) {
    const auto was = std::find_if(before.begin(), before.end(), [&](const ListRow& b) { return b.tag == row.tag; });
    if (was == before.end() || was->cells != row.cells || was->ticked != row.ticked) return "moved apart: " + row.tag;
    out += (out.empty() ? "" : " ") + row.cells[0];
  }
  return out;
}

std::int16_t sortType(const std::string& written) { return written == "number" ? kSortNumber : kSortText; }

class ListSort : public testing::CaseTest {};

TEST_P(ListSort, GivesWhatTheTableSays) {
  testing::expectRows(c, {
      {"ascendingKeys", [](const Arguments& a) {  // number keys compare as text as their values compare
         const std::vector<std::string> numbers = words(a[0]);
         for (std::size_t i = 0; i + 1 < numbers.size(); ++i) {
           if (!(sortKey(numbers[i], kSortNumber) < sortKey(numbers[i + 1], kSortNumber))) {
             return numbers[i] + " before " + numbers[i + 1];
           }
         }
         return std::string("yes");
       }},
      {"sameKey", [](const Arguments& a) {
         return std::string(sortKey(a[0], kSortNumber) == sortKey(a[1], kSortNumber) ? "yes" : "no");
       }},
      {"isNumber", [](const Arguments& a) { return std::string(sortKey(a[0], kSortNumber).empty() ? "no" : "yes"); }},
      {"sort", [](const Arguments& a) {  // column | type | up or down | rows
         const std::vector<ListRow> before = rowsOf(a[3]);
         std::vector<ListRow> rows = before;
         SortListView(rows, static_cast<std::int16_t>(std::stoi(a[0])), sortType(a[1]), a[2] == "up");
         return namesOf(rows, before);
       }},
      {"clicks", [](const Arguments& a) {  // on Name, Procedures, Coverage: the direction and the names
         const std::vector<ListRow> before = {{{"B.bas", "10", "50"}, true, "B"},
                                              {{"A.bas", "9", "100"}, false, "A"},
                                              {{"C.bas", "100", "0"}, true, "C"}};
         std::vector<ListRow> rows = before;
         bool ascending = false;
         for (const std::string& column : words(a[0])) projectFilesColumnClick(rows, std::stoi(column), ascending);
         return (ascending ? "up " : "down ") + namesOf(rows, before);
       }},
  });
}

QM_CASES_FROM(ListSort, "wizard/list_sort.txt");

}  // namespace
}  // namespace qm
