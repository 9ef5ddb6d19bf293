#include "platform/typed_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "platform/text.h"

namespace qm {

namespace {

std::size_t takeDigits(std::string_view& text, std::string& out) {
  std::size_t count = 0;
  while (!text.empty() && isAsciiDigit(text.front())) {
    out.push_back(text.front());
    text.remove_prefix(1);
    ++count;
  }
  return count;
}

void takeSign(std::string_view& text, std::string& out) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return;
  if (text.front() == '-') out.push_back('-');  // from_chars takes a minus sign only
  text.remove_prefix(1);
}

// The number in the form from_chars reads, or nothing when the text does not
// have the shape of one.
std::optional<std::string> normalForm(std::string_view text) {
  std::string out;
  takeSign(text, out);
  std::size_t digits = takeDigits(text, out);
  if (!text.empty() && text.front() == '.') {
    out.push_back('.');
    text.remove_prefix(1);
    digits += takeDigits(text, out);
  }
  if (digits == 0) return std::nullopt;
  if (!text.empty() && asciiLower(text.front()) == 'e') {
    out.push_back('e');
    text.remove_prefix(1);
    takeSign(text, out);
    if (takeDigits(text, out) == 0) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;
  return out;
}

// For a number from_chars found out of range: whether it lies beyond the
// largest double rather than too close to zero. Its order of magnitude is
// where its first significant digit stands plus its exponent.
bool beyondADouble(std::string_view normal) {
  const std::size_t e = normal.find('e');
  const std::string_view mantissa = normal.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = normal.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (error == std::errc::result_out_of_range) return !negative;
    if (negative) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;
  const long long order = first < point ? static_cast<long long>(point - first)
                                        : -static_cast<long long>(first - point - 1);
  return order + exponent > 0;
}

}  // namespace

std::optional<double> typedNumber(std::string_view text) {
  const auto normal = normalForm(trimBlanks(text));
  if (!normal) return std::nullopt;
  double value = 0;
  const char* last = normal->data() + normal->size();
  const auto [end, error] = std::from_chars(normal->data(), last, value);
  if (error == std::errc::result_out_of_range) {
    if (beyondADouble(*normal)) return std::nullopt;
    return 0.0;
  }
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace qm
