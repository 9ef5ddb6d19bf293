// Sort keys from cell texts, sorting list rows by them, and the header click.
#include "wizard/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace qm {
namespace {

// --- keys -------------------------------------------------------------------

TEST(SortKeys, TurnCellsIntoKeysWhoseTextOrderIsTheValueOrder) {
  const struct {
    std::string cell;
    std::int16_t type;
    std::string key;
  } cases[] = {
      {"0", kSortNumber, "00000000000000000000.0000000000"},
      {"100", kSortNumber, "00000000000000000100.0000000000"},
      {"66.5", kSortNumber, "00000000000000000066.5000000000"},
      {"0.123456789049", kSortNumber, "00000000000000000000.1234567890"},
      {"  42 ", kSortNumber, "00000000000000000042.0000000000"},
      {"\t7\t", kSortNumber, "00000000000000000007.0000000000"},
      {"+3", kSortNumber, "00000000000000000003.0000000000"},
      {"1.5e3", kSortNumber, "00000000000000001500.0000000000"},
      {"2D2", kSortNumber, "00000000000000000200.0000000000"},
      {".25", kSortNumber, "00000000000000000000.2500000000"},
      {"8.", kSortNumber, "00000000000000000008.0000000000"},
      {"-5", kSortNumber, "&99999999999999999994.9999999999"},
      {"-0.5", kSortNumber, "&99999999999999999999.4999999999"},
      {"-0", kSortNumber, "00000000000000000000.0000000000"},
      {"n/a", kSortNumber, ""},
      {"", kSortNumber, ""},
      {"-", kSortNumber, ""},
      {".", kSortNumber, ""},
      {"1.2.3", kSortNumber, ""},
      {"1e", kSortNumber, ""},
      {"12abc", kSortNumber, ""},
      {"1,5", kSortNumber, ""},
      {"1e999", kSortNumber, ""},
      {"Module1.bas", kSortText, "Module1.bas"},
      {"10", 7, "10"},
      {"2024-03-05", kSortDate, "20240305000000"},
      {"2024-03-05 14:03:27", kSortDate, "20240305140327"},
      {"1999/12/31 23:59", kSortDate, "19991231235900"},
      {"2024-03-05 2:03 PM", kSortDate, "20240305140300"},
      {"2024-03-05 12:00 am", kSortDate, "20240305000000"},
      {"9:15:00", kSortDate, "18991230091500"},
      {"2024-02-29", kSortDate, "20240229000000"},
      {"2023-02-29", kSortDate, "2023-02-29"},
      {"2024-13-01", kSortDate, "2024-13-01"},
      {"2024-01-01 24:00", kSortDate, "2024-01-01 24:00"},
      {"soon", kSortDate, "soon"},
  };
  for (const auto& c : cases) EXPECT_EQ(sortKey(c.cell, c.type), c.key) << "'" << c.cell << "' " << c.type;
  const std::pair<std::string, std::string> inverted[] = {{"0123456789", "9876543210"}, {"-12.5", " 87.4"}, {"", ""},
                                                          {"a1b", "a8b"}};
  for (const auto& [in, out] : inverted) EXPECT_EQ(sInvertNumber(in), out);
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
      {{"2024-01-02 10:00", "2023-12-31", "2024-01-02 9:00"}, kSortDate, true,
       {"2023-12-31", "2024-01-02 9:00", "2024-01-02 10:00"}},
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

TEST(ColumnClick, NameIsTextCountsAreNumbers) {
  const std::pair<int, std::optional<std::int16_t>> cases[] = {
      {0, std::nullopt}, {1, kSortText}, {2, kSortNumber}, {3, kSortNumber}, {4, std::nullopt}};
  for (const auto& [column, type] : cases) EXPECT_EQ(projectFilesColumnType(column), type) << column;
}

}  // namespace
}  // namespace qm
