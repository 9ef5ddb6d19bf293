// Sort keys and the stable sort of list rows by them.
#include "wizard/list_sort.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <system_error>

#include "platform/text.h"
#include "platform/typed_number.h"

namespace qm {

namespace {

bool lessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
  });
}

}  // namespace

std::string sInvertNumber(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (isAsciiDigit(c)) {
      c = static_cast<char>('9' - (c - '0'));
    } else if (c == '-') {
      c = ' ';
    }
  }
  return out;
}

std::string fixedPointKey(double nonNegative) {
  nonNegative += 0.0;  // -0 would otherwise be written with its sign
  std::array<char, 400> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), nonNegative, std::chars_format::fixed, 10);
  if (error != std::errc()) return std::string();
  std::string text(buffer.data(), end);
  const std::size_t point = text.find('.');
  if (point < 20) text.insert(0, 20 - point, '0');
  return text;
}

std::string sortKey(std::string_view cellText, std::int16_t dataType) {
  if (dataType == kSortNumber) {
    const auto value = typedNumber(cellText);
    if (!value) return std::string();
    if (*value >= 0) return fixedPointKey(*value);
    std::string key = "&";
    key += sInvertNumber(fixedPointKey(-*value));
    return key;
  }
  return std::string(cellText);
}

void SortListView(std::vector<ListRow>& rows, std::int16_t sortColumn, std::int16_t dataType, bool ascending) {
  if (sortColumn < 1) return;
  const auto cell = static_cast<std::size_t>(sortColumn - 1);
  std::vector<std::string> keys;
  keys.reserve(rows.size());
  for (const ListRow& row : rows) {
    keys.push_back(cell < row.cells.size() ? sortKey(row.cells[cell], dataType) : std::string());
  }
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return ascending ? lessNoCase(keys[a], keys[b]) : lessNoCase(keys[b], keys[a]);
  });
  std::vector<ListRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t index : order) sorted.push_back(std::move(rows[index]));
  rows = std::move(sorted);
}

std::optional<std::int16_t> projectFilesColumnType(int column) {
  if (column == 1) return kSortText;
  if (column == 2 || column == 3) return kSortNumber;
  return std::nullopt;
}

void projectFilesColumnClick(std::vector<ListRow>& rows, int column, bool& bSortAscending) {
  bSortAscending = !bSortAscending;
  if (const auto type = projectFilesColumnType(column)) {
    SortListView(rows, static_cast<std::int16_t>(column), *type, bSortAscending);
  }
}

}  // namespace qm
