// Sort keys from cell texts, sorting list rows by them, and the header click.
#include "wizard/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

// --- keys -------------------------------------------------------------------

// Keys compare as text exactly as their numbers compare as values.
TEST(SortKeys, TextOrderOfNumberKeysIsValueOrder) {
  const std::vector<std::string> numbers = {"-1e6", "-100", "-10", "-9.5", "-1", "-0.5", "-0.123456789", "0",
                                            "0.0000000001", "0.5", ".75", "8.", "9", "10", "66.6", "66.67",
                                            "100", "1.5e3", "123456789012345"};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    for (std::size_t j = 0; j < numbers.size(); ++j) {
      const std::string a = sortKey(numbers[i], kSortNumber);
      const std::string b = sortKey(numbers[j], kSortNumber);
      EXPECT_EQ(a < b, i < j) << numbers[i] << " against " << numbers[j];
    }
  }
  EXPECT_EQ(sortKey(" +3\t", kSortNumber), sortKey("3", kSortNumber));
  EXPECT_EQ(sortKey("-0", kSortNumber), sortKey("0", kSortNumber));
  for (const char* noNumber : {"n/a", "", "-", ".", "1.2.3", "1e", "12abc", "1,5", "2D2", "1e999"}) {
    EXPECT_EQ(sortKey(noNumber, kSortNumber), "") << noNumber;
  }
  EXPECT_EQ(sortKey("Module1.bas", kSortText), "Module1.bas");
}

// --- sorting ----------------------------------------------------------------

std::vector<ListRow> rowsOf(const std::vector<std::vector<std::string>>& cells) {
  std::vector<ListRow> rows;
  int n = 0;
  for (const auto& c : cells) rows.push_back(ListRow{c, n % 2 == 0, "tag" + std::to_string(n++)});
  return rows;
}

std::vector<std::string> column(const std::vector<ListRow>& rows, std::size_t index) {
  std::vector<std::string> out;
  for (const auto& row : rows) out.push_back(index < row.cells.size() ? row.cells[index] : "<none>");
  return out;
}

TEST(SortingRows, OrdersRowsByValue) {
  const struct {
    std::vector<std::string> cells;  // the sort column, one row each
    std::int16_t type;
    bool ascending;
    std::vector<std::string> sorted;
  } cases[] = {
      {{"10", "9", "100"}, kSortNumber, true, {"9", "10", "100"}},
      {{"10", "9", "100"}, kSortText, true, {"10", "100", "9"}},
      {{"3", "-5", "0", "-10", "12", "-0.5"}, kSortNumber, true, {"-10", "-5", "-0.5", "0", "3", "12"}},
      {{"50", "n/a", "7.5"}, kSortNumber, true, {"n/a", "7.5", "50"}},
      {{"50", "n/a", "7.5"}, kSortNumber, false, {"50", "7.5", "n/a"}},
      {{"-1", "", "x"}, kSortNumber, true, {"", "x", "-1"}},
      {{"66.67", "66.6", "100", "0.5"}, kSortNumber, true, {"0.5", "66.6", "66.67", "100"}},
      {{"b.bas", "A.bas", "C.bas"}, kSortText, true, {"A.bas", "b.bas", "C.bas"}},
  };
  for (const auto& c : cases) {
    std::vector<std::vector<std::string>> cells;
    for (const auto& text : c.cells) cells.push_back({"name " + text, text});
    auto rows = rowsOf(cells);
    SortListView(rows, 2, c.type, c.ascending);
    EXPECT_EQ(column(rows, 1), c.sorted) << c.cells.front() << c.ascending;
  }
}

TEST(SortingRows, EqualKeysKeepTheirOrderInBothDirections) {
  auto rows = rowsOf({{"a", "5"}, {"b", "x"}, {"c", "5"}, {"d", "y"}});
  SortListView(rows, 2, kSortNumber, true);
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"b", "d", "a", "c"}));
  SortListView(rows, 2, kSortNumber, false);
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"a", "c", "b", "d"}));
}

TEST(SortingRows, CellsTicksAndTagsTravelUnchangedWithTheirRows) {
  const auto before = rowsOf({{"Form1.frm", "12", "50"}, {"Module1.bas", "9", "100"}, {"Class1.cls", "-3", "n/a"}});
  auto rows = before;
  SortListView(rows, 2, kSortNumber, true);
  ASSERT_EQ(rows.size(), before.size());
  for (const auto& row : rows) {
    const auto same = std::find_if(before.begin(), before.end(), [&](const ListRow& b) { return b.tag == row.tag; });
    ASSERT_NE(same, before.end());
    EXPECT_EQ(row.cells, same->cells);
    EXPECT_EQ(row.ticked, same->ticked);
  }
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"Class1.cls", "Module1.bas", "Form1.frm"}));
}

TEST(SortingRows, MissingCellsSortAsEmptyAndBadColumnsChangeNothing) {
  auto rows = rowsOf({{"a", "2"}, {"b"}, {"c", "1"}});
  SortListView(rows, 2, kSortNumber, true);
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"b", "c", "a"}));
  const auto before = column(rows, 0);
  SortListView(rows, 0, kSortText, false);
  SortListView(rows, -3, kSortText, false);
  EXPECT_EQ(column(rows, 0), before);
}

// --- the header click --------------------------------------------------------

TEST(ColumnClick, DirectionIsSharedByAllColumnsAndFlipsOnEveryClick) {
  auto rows = rowsOf({{"B.bas", "10", "50"}, {"A.bas", "9", "100"}, {"C.bas", "100", "0"}});
  bool ascending = false;

  projectFilesColumnClick(rows, 1, ascending);  // "Name": first click ascends
  EXPECT_TRUE(ascending);
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"A.bas", "B.bas", "C.bas"}));

  projectFilesColumnClick(rows, 2, ascending);  // "Procedures": the next click descends
  EXPECT_FALSE(ascending);
  EXPECT_EQ(column(rows, 1), (std::vector<std::string>{"100", "10", "9"}));

  projectFilesColumnClick(rows, 3, ascending);  // "Coverage (%)": ascends again
  EXPECT_TRUE(ascending);
  EXPECT_EQ(column(rows, 2), (std::vector<std::string>{"0", "50", "100"}));

  const auto before = column(rows, 0);
  projectFilesColumnClick(rows, 4, ascending);  // no such column: the flag still flips
  EXPECT_FALSE(ascending);
  EXPECT_EQ(column(rows, 0), before);
}

}  // namespace
}  // namespace qm
