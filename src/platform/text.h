// Byte-text helpers shared by every pass. Source text is 8-bit and never
// decoded: case folding touches ASCII letters only, trimming removes the
// space character only (never tabs), and all other bytes pass through.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

inline char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char asciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);

// The text without leading and trailing space characters (code 32 only).
std::string_view trimSpaces(std::string_view text);

// Blanks as VB itself sees them between words: spaces and tabs.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
// The text without leading blanks.
std::string_view skipBlanks(std::string_view text);
// The text without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// True when `text` begins with `prefix`, ignoring ASCII letter case.
// Inline: every pass asks it of nearly every line.
inline bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
  }
  return true;
}
bool equalsNoCase(std::string_view a, std::string_view b);
bool endsWith(std::string_view text, std::string_view suffix);
bool startsWith(std::string_view text, std::string_view prefix);

// Position of `needle` in `haystack` ignoring ASCII case, or npos.
std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

// Replaces every occurrence of `tag` (ignoring case) by `replacement`.
std::string replaceAllNoCase(std::string_view text, std::string_view tag, std::string_view replacement);
// Replaces every occurrence of `from` (case counting) by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
// Letters, digits and the underscore: the characters that continue a VB word.
inline bool isWordChar(char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '_'; }

// VB's "round half to even" for a double.
double roundHalfEven(double value);

// Text of a whole number, as VB's Str$ would show it without its sign blank.
std::string decimal(long long value);

}  // namespace qm
