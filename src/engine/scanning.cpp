#include "engine/scanning.h"

#include <array>

#include "platform/text.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, 10> kHeaderKeywords = {
    "private sub",      "public sub",      "friend sub",   "sub",          "private function",
    "public function",  "friend function", "function",     "property let", "property get"};

struct EndKeyword {
  std::string_view text;
  ProcedureKind kind;
};
constexpr std::array<EndKeyword, 3> kEndKeywords = {{{"end sub", ProcedureKind::Sub},
                                                     {"end function", ProcedureKind::Function},
                                                     {"end property", ProcedureKind::Property}}};

constexpr std::string_view kSS = "'SS****** Do Not Delete, required by Quillmere";
constexpr std::string_view kSE = "'SE****** Do Not Delete, required by Quillmere";
constexpr std::string_view kES = "'ES****** Do Not Delete, required by Quillmere";
constexpr std::string_view kEE = "'EE****** Do Not Delete, required by Quillmere";

std::string lowerPrefix(std::string_view text, std::size_t width) {
  return toLower(text.substr(0, width));
}

}  // namespace

bool beginsWithWord(std::string_view text, std::string_view keyword) {
  if (!startsWithNoCase(text, keyword)) return false;
  return text.size() == keyword.size() || !isWordChar(text[keyword.size()]);
}

bool consumeWord(std::string_view& text, std::string_view word) {
  if (!beginsWithWord(text, word)) return false;
  const std::string_view rest = text.substr(word.size());
  if (!rest.empty() && !isBlank(rest.front())) return false;
  text = skipBlanks(rest);
  return true;
}

std::optional<int> headerKeyword(std::string_view text) {
  // Every keyword starts with one of these letters; most lines fail here.
  if (text.empty()) return std::nullopt;
  const char first = asciiLower(text[0]);
  if (first != 'p' && first != 's' && first != 'f') return std::nullopt;
  // No two keywords match one text, so only those of its first two letters are tried.
  const char second = text.size() > 1 ? asciiLower(text[1]) : '\0';
  for (std::size_t i = 0; i < kHeaderKeywords.size(); ++i) {
    const std::string_view keyword = kHeaderKeywords[i];
    if (keyword[0] == first && keyword[1] == second && beginsWithWord(text, keyword)) return static_cast<int>(i);
  }
  return std::nullopt;
}

namespace {

bool opensAnyProcedure(std::string_view text) {
  if (!consumeWord(text, "public") && !consumeWord(text, "private")) consumeWord(text, "friend");
  consumeWord(text, "static");
  if (consumeWord(text, "property")) {
    if (!consumeWord(text, "get") && !consumeWord(text, "let") && !consumeWord(text, "set")) return false;
  } else if (!consumeWord(text, "sub") && !consumeWord(text, "function")) {
    return false;
  }
  // consumeWord passed the blanks after the keyword; a name must follow them.
  return !text.empty() && isAsciiLetter(text.front());
}

}  // namespace

bool isHeader(std::string_view text, HeaderForms forms) {
  if (forms == HeaderForms::Classic) return headerKeyword(text).has_value();
  if (text.empty()) return false;
  const char first = asciiLower(text[0]);
  return (first == 'p' || first == 's' || first == 'f') && opensAnyProcedure(text);
}

std::optional<ProcedureKind> endKeyword(std::string_view text) {
  if (text.empty() || asciiLower(text[0]) != 'e') return std::nullopt;
  for (const auto& keyword : kEndKeywords) {
    if (beginsWithWord(text, keyword.text)) return keyword.kind;
  }
  return std::nullopt;
}

std::string_view exitStatement(ProcedureKind kind) {
  switch (kind) {
    case ProcedureKind::Sub:
      return "Exit Sub";
    case ProcedureKind::Function:
      return "Exit Function";
    case ProcedureKind::Property:
      return "Exit Property";
  }
  return "Exit Sub";
}

bool isAttributeLine(std::string_view trimmed) { return beginsWithWord(trimmed, "attribute"); }

bool isDirectiveOrAttribute(std::string_view trimmed) {
  return (!trimmed.empty() && trimmed.front() == '#') || isAttributeLine(trimmed);
}

Marker markerOf(std::string_view trimmed) {
  if (trimmed.size() < 9 || trimmed[0] != '\'') return Marker::None;
  const std::string_view head = trimmed.substr(0, 9);
  if (head == kSS.substr(0, 9)) return Marker::SS;
  if (head == kSE.substr(0, 9)) return Marker::SE;
  if (head == kES.substr(0, 9)) return Marker::ES;
  if (head == kEE.substr(0, 9)) return Marker::EE;
  return Marker::None;
}

std::string_view markerLine(Marker marker) {
  switch (marker) {
    case Marker::SS:
      return kSS;
    case Marker::SE:
      return kSE;
    case Marker::ES:
      return kES;
    case Marker::EE:
      return kEE;
    case Marker::None:
      break;
  }
  return {};
}

std::string_view lineNumberMarkerLine() { return "'[L NUMS] (Line numbers added by Quillmere)"; }

bool isLineNumberMarker(std::string_view trimmed) { return startsWith(trimmed, "'[L NUMS]"); }

bool isLineNumberMarkerNoCase(std::string_view trimmed) { return startsWithNoCase(trimmed, "'[l nums]"); }

bool opensIgnore(std::string_view trimmed, std::size_t width) {
  return lowerPrefix(trimmed, width) == std::string_view("'<ignore>").substr(0, width);
}

bool closesIgnore(std::string_view trimmed, std::size_t width) {
  return lowerPrefix(trimmed, width) == std::string_view("'</ignore>").substr(0, width);
}

std::optional<std::string> vbNameAttribute(std::string_view line) {
  if (!startsWithNoCase(line, "attribute vb_name = ")) return std::nullopt;
  return unquotedValue(line.substr(19));
}

std::string unquotedValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    if (c != '"') out.push_back(c);
  }
  if (const std::size_t blank = out.find(' '); blank != std::string::npos) out.erase(blank, 1);
  return out;
}

}  // namespace qm
