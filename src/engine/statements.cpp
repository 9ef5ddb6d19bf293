#include "engine/statements.h"

#include "engine/scanning.h"
#include "platform/text.h"

namespace qm {

namespace {

std::string_view leadingWord(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && isWordChar(text[length])) ++length;
  return text.substr(0, length);
}

}  // namespace

std::string_view withoutLineNumber(std::string_view text) {
  std::size_t digits = 0;
  while (digits < text.size() && isAsciiDigit(text[digits])) ++digits;
  if (digits == 0 || digits == text.size() || !isBlank(text[digits])) return text;
  return trimBlanks(text.substr(digits));
}

std::vector<std::string_view> statementsOf(std::string_view line) {
  std::vector<std::string_view> statements;
  const std::string_view text = withoutLineNumber(trimBlanks(line));
  bool inString = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool atEnd = i == text.size();
    if (!atEnd && text[i] == '"') inString = !inString;
    if (!atEnd && (inString || text[i] == '"')) continue;
    const bool comment = !atEnd && text[i] == '\'';
    const bool separator = !atEnd && text[i] == ':' && (i + 1 == text.size() || text[i + 1] != '=');
    if (!atEnd && !comment && !separator) continue;
    const std::string_view statement = trimBlanks(text.substr(start, i - start));
    if (beginsWithWord(statement, "rem")) break;
    if (!statement.empty()) statements.push_back(statement);
    if (!separator) break;
    start = i + 1;
  }
  return statements;
}

std::optional<std::string_view> labelOf(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && isBlank(line[begin])) ++begin;
  const std::string_view text = line.substr(begin);
  if (text.empty() || !isAsciiLetter(text.front())) return std::nullopt;
  const std::string_view name = leadingWord(text);
  const std::size_t colon = name.size();
  if (colon >= text.size() || text[colon] != ':') return std::nullopt;
  if (colon + 1 == text.size()) return name;
  const char after = text[colon + 1];
  if (isBlank(after) || after == '\'') return name;
  return std::nullopt;
}

bool closesOnItsLine(std::string_view line) {
  if (line.find(':') == std::string_view::npos) return false;
  const std::vector<std::string_view> statements = statementsOf(line);
  for (std::size_t i = 1; i < statements.size(); ++i) {
    if (endKeyword(statements[i])) return true;
  }
  return false;
}

std::vector<std::string_view> declaredNames(std::string_view statement) {
  std::vector<std::string_view> names;
  std::string_view list = statement;
  if (list.empty()) return names;
  const char first = asciiLower(list.front());
  if (first != 'd' && first != 's' && first != 'c') return names;
  if (!consumeWord(list, "dim") && !consumeWord(list, "static") && !consumeWord(list, "const")) return names;
  for (std::string_view item : listItems(list)) {
    item = trimBlanks(item);
    consumeWord(item, "withevents");
    const std::string_view name = leadingWord(item);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

std::vector<std::string_view> listItems(std::string_view list) {
  std::vector<std::string_view> items;
  int depth = 0;
  bool inString = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const char c = list[i];
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (c == ',' && depth == 0) {
      items.push_back(list.substr(start, i - start));
      start = i + 1;
    }
  }
  items.push_back(list.substr(start));
  return items;
}

std::string comparableName(std::string_view name) { return toLower(name); }

}  // namespace qm
