#include "engine/numbering.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "engine/scanning.h"
#include "engine/statements.h"
#include "engine/type_blocks.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

// Lines that never get a number, whatever their place; a line that is none
// of these is a statement. VB refuses a number in front of a label.
bool isUnnumberedKind(std::string_view trimmed) {
  return beginsWithWord(trimmed, "case") || endsWith(trimmed, ":") || beginsWithWord(trimmed, "dim") ||
         beginsWithWord(trimmed, "const") || trimmed.empty() || bStartsWithDigit(trimmed) ||
         labelOf(trimmed).has_value();
}

// The number a line begins with (blanks before it passed over), without
// leading zeros, as the text lineNumberText would write for it.
std::string_view leadingNumber(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && line[begin] == ' ') ++begin;
  std::size_t end = begin;
  while (end < line.size() && isAsciiDigit(line[end])) ++end;
  while (begin + 1 < end && line[begin] == '0') ++begin;
  return line.substr(begin, end - begin);
}

// Every number with which a line of the text begins: numbers written by hand
// that the numbering must not write a second time.
std::unordered_set<std::string_view> numbersInUse(std::string_view text) {
  std::unordered_set<std::string_view> numbers;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    const std::string_view number = leadingNumber(line);
    if (!number.empty()) numbers.insert(number);
  }
  return numbers;
}

// The whole part of the number in plain digits. A double holds every whole
// number below 2^53 exactly, far beyond any line number; larger values are
// still written digit by digit rather than with an exponent.
void appendLineNumber(std::string& out, double number) {
  const double whole = std::floor(number);
  char buffer[400];
  if (std::fabs(whole) < 9e15) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(whole)).ptr;
    out.append(buffer, end);
    return;
  }
  const int length = std::snprintf(buffer, sizeof buffer, "%.0f", whole);
  out.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace

bool bStartsWithDigit(std::string_view text) { return !text.empty() && isAsciiDigit(text.front()); }

std::string lineNumberText(double number) {
  std::string out;
  appendLineNumber(out, number);
  return out;
}

NumberingOutcome NumberingPass::run(std::string_view text) const {
  NumberingOutcome outcome;
  std::string& out = outcome.text;
  out.reserve(text.size() + text.size() / 8 + 64);
  appendLine(out, lineNumberMarkerLine());
  const std::unordered_set<std::string_view> inUse = numbersInUse(text);
  TypeBlocks typeBlocks;
  bool inProcedure = false;
  bool headerContinues = false;
  bool previousContinued = false;
  // Numbers are computed from the start each time rather than summed up in
  // single precision, so that they stay distinct and exact at any size.
  const double start = start_;
  long long step = 0;  // the next number is start + step * increment
  std::string number;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    const std::string_view trimmed = trimSpaces(line);
    if (isComment(trimmed)) {
      if (isLineNumberMarkerNoCase(trimmed)) {
        return NumberingOutcome{{}, true, 0, start_};
      }
      appendLine(out, line);
      continue;
    }
    // A directive or an attribute interrupts nothing: the statement before
    // it still decides whether the line after it continues.
    if (isDirectiveOrAttribute(trimmed)) {
      appendLine(out, line);
      continue;
    }
    if (typeBlocks.inside(line)) {
      appendLine(out, line);
      previousContinued = continues(trimmed);
      continue;
    }
    if (headerContinues) {
      // The last line of a continued header may still close the procedure.
      headerContinues = continues(trimmed);
      if (!headerContinues && closesOnItsLine(trimmed)) inProcedure = false;
    } else if (isHeader(trimmed, forms_)) {
      // Never numbered; the lines after it are, unless it ends on its own line.
      headerContinues = continues(trimmed);
      inProcedure = headerContinues || !closesOnItsLine(trimmed);
    } else if (!isUnnumberedKind(trimmed)) {
      if (endKeyword(trimmed)) inProcedure = false;
      if (inProcedure && !previousContinued) {
        do {
          number = lineNumberText(start + static_cast<double>(step++) * increment_);
        } while (inUse.count(number) > 0);
        out.append(number);
        out.push_back(' ');
        ++outcome.numberedLines;
      }
    }
    appendLine(out, line);
    previousContinued = continues(trimmed);
  }
  outcome.nextNumber = static_cast<float>(start + static_cast<double>(step) * increment_);
  return outcome;
}

}  // namespace qm
