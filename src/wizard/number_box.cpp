// A strict reading of a number as the user writes it: no thousands
// separators, no hexadecimal, nothing after the number but blanks.
#include "wizard/number_box.h"

#include <charconv>
#include <cfloat>
#include <cmath>
#include <string>

#include "platform/text.h"

namespace qm {

namespace {

// The number rewritten with "." as its separator, the form from_chars reads
// whatever locale the process runs in,
// or nothing when the text does not have the shape of a number.
std::optional<std::string> canonicalNumber(std::string_view text, std::string_view separator) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  std::size_t end = text.size();
  while (end > i && isBlank(text[end - 1])) --end;
  text = text.substr(i, end - i);

  std::string out;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) out.push_back(text[at++]);
  bool digits = false;
  while (at < text.size() && isAsciiDigit(text[at])) {
    out.push_back(text[at++]);
    digits = true;
  }
  if (!separator.empty() && text.substr(at, separator.size()) == separator) {
    at += separator.size();
    out.push_back('.');
    while (at < text.size() && isAsciiDigit(text[at])) {
      out.push_back(text[at++]);
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  if (at < text.size() && (asciiLower(text[at]) == 'e' || asciiLower(text[at]) == 'd')) {
    out.push_back('e');
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) out.push_back(text[at++]);
    bool exponentDigits = false;
    while (at < text.size() && isAsciiDigit(text[at])) {
      out.push_back(text[at++]);
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;
  return out;
}

}  // namespace

std::optional<float> singleFromText(std::string_view text, std::string_view decimalSeparator) {
  const auto canonical = canonicalNumber(text, decimalSeparator);
  if (!canonical) return std::nullopt;
  const char* first = canonical->data();
  if (*first == '+') ++first;  // from_chars takes a minus sign only
  double value = 0;
  const auto [end, error] = std::from_chars(first, canonical->data() + canonical->size(), value);
  // A value too small to tell from zero reads as zero; one too large is no single.
  if (error == std::errc::result_out_of_range) {
    const bool tooSmall = canonical->find("e-") != std::string::npos;
    if (!tooSmall) return std::nullopt;
    value = 0;
  } else if (error != std::errc() || end != canonical->data() + canonical->size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(value);
}

void checkNumberBox(TextBox& box, std::string_view defaultText, std::string_view decimalSeparator) {
  if (!singleFromText(box.text, decimalSeparator)) box.text = std::string(defaultText);
}

}  // namespace qm
