#include "wizard/list_sort.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <system_error>

#include "platform/text.h"

namespace qm {

namespace {

// Reads a run of digits from the front of `text` into `out`; returns how many.
std::size_t takeDigits(std::string_view& text, std::string& out) {
  std::size_t count = 0;
  while (!text.empty() && isAsciiDigit(text.front())) {
    out.push_back(text.front());
    text.remove_prefix(1);
    ++count;
  }
  return count;
}

// --- dates -----------------------------------------------------------------

struct DateTime {
  int year = 1899, month = 12, day = 30;  // the day that a bare time belongs to
  int hour = 0, minute = 0, second = 0;
};

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// A number of one to `maxDigits` digits from the front of `text`.
std::optional<int> takeNumber(std::string_view& text, std::size_t maxDigits) {
  std::string digits;
  const std::size_t count = takeDigits(text, digits);
  if (count == 0 || count > maxDigits) return std::nullopt;
  return std::stoi(digits);
}

bool takeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

// "yyyy-mm-dd", with "-", "/" or "." between the parts (one kind throughout).
bool takeDate(std::string_view& text, DateTime& out) {
  std::string_view rest = text;
  const auto year = takeNumber(rest, 4);
  if (!year || *year < 100 || rest.empty()) return false;
  const char separator = rest.front();
  if (separator != '-' && separator != '/' && separator != '.') return false;
  rest.remove_prefix(1);
  const auto month = takeNumber(rest, 2);
  if (!month || !takeChar(rest, separator)) return false;
  const auto day = takeNumber(rest, 2);
  if (!day || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month)) return false;
  out.year = *year;
  out.month = *month;
  out.day = *day;
  text = rest;
  return true;
}

// "h:mm" or "h:mm:ss", 24-hour, or 12-hour with " AM" / " PM" after it.
bool takeTime(std::string_view& text, DateTime& out) {
  std::string_view rest = text;
  const auto hour = takeNumber(rest, 2);
  if (!hour || !takeChar(rest, ':')) return false;
  const auto minute = takeNumber(rest, 2);
  if (!minute) return false;
  int second = 0;
  if (takeChar(rest, ':')) {
    const auto s = takeNumber(rest, 2);
    if (!s) return false;
    second = *s;
  }
  int h = *hour;
  const std::string_view afterBlanks = trimBlanks(rest);
  if (equalsNoCase(afterBlanks, "am") || equalsNoCase(afterBlanks, "pm")) {
    if (h < 1 || h > 12) return false;
    const bool pm = equalsNoCase(afterBlanks, "pm");
    h = (h % 12) + (pm ? 12 : 0);
    rest = std::string_view();
  }
  if (h > 23 || *minute > 59 || second > 59) return false;
  out.hour = h;
  out.minute = *minute;
  out.second = second;
  text = rest;
  return true;
}

std::optional<DateTime> dateValue(std::string_view text) {
  text = trimBlanks(text);
  DateTime value;
  if (takeDate(text, value)) {
    text = trimBlanks(text);
    if (text.empty()) return value;
  }
  if (takeTime(text, value) && trimBlanks(text).empty()) return value;
  return std::nullopt;
}

void appendPadded(std::string& out, int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out.append(digits);
}

std::string dateKey(const DateTime& d) {
  std::string key;
  appendPadded(key, d.year, 4);
  appendPadded(key, d.month, 2);
  appendPadded(key, d.day, 2);
  appendPadded(key, d.hour, 2);
  appendPadded(key, d.minute, 2);
  appendPadded(key, d.second, 2);
  return key;
}

// --- ordering --------------------------------------------------------------

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

std::optional<double> numericValue(std::string_view text) {
  std::string_view rest = trimBlanks(text);
  std::string normal;  // the number in the form from_chars reads
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    if (rest.front() == '-') normal.push_back('-');
    rest.remove_prefix(1);
  }
  std::size_t digits = takeDigits(rest, normal);
  if (takeChar(rest, '.')) {
    normal.push_back('.');
    digits += takeDigits(rest, normal);
  }
  if (digits == 0) return std::nullopt;
  if (!rest.empty() && (asciiLower(rest.front()) == 'e' || asciiLower(rest.front()) == 'd')) {
    rest.remove_prefix(1);
    normal.push_back('e');
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
      normal.push_back(rest.front());
      rest.remove_prefix(1);
    }
    if (takeDigits(rest, normal) == 0) return std::nullopt;
  }
  if (!rest.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
  return value;
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
    const auto value = numericValue(cellText);
    if (!value) return std::string();
    if (*value >= 0) return fixedPointKey(*value);
    return "&" + sInvertNumber(fixedPointKey(-*value));
  }
  if (dataType == kSortDate) {
    const auto value = dateValue(cellText);
    return value ? dateKey(*value) : std::string(cellText);
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
