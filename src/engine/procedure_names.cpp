#include "engine/procedure_names.h"

#include "engine/scanning.h"
#include "engine/statements.h"
#include "engine/type_blocks.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

// Letters, digits and "_" from the start: a name without its type character.
std::string_view leadingName(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && isWordChar(text[length])) ++length;
  return text.substr(0, length);
}

// The text between the first "(" and the ")" that closes it.
std::string_view parameterList(std::string_view header) {
  const std::size_t open = header.find('(');
  if (open == std::string_view::npos) return {};
  int depth = 0;
  bool inString = false;
  for (std::size_t i = open; i < header.size(); ++i) {
    const char c = header[i];
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return header.substr(open + 1, i - open - 1);
  }
  return header.substr(open + 1);
}

std::string_view withoutLastChar(std::string_view text) { return text.substr(0, text.size() - 1); }

}  // namespace

std::string_view procedureName(std::string_view header) {
  std::string_view text = skipBlanks(header);
  if (!consumeWord(text, "private") && !consumeWord(text, "public")) consumeWord(text, "friend");
  consumeWord(text, "static");
  if (!consumeWord(text, "sub") && !consumeWord(text, "function") && consumeWord(text, "property")) {
    if (!consumeWord(text, "get") && !consumeWord(text, "let")) consumeWord(text, "set");
  }
  return leadingName(text);
}

std::vector<std::string_view> parameterNames(std::string_view joinedHeader) {
  std::vector<std::string_view> names;
  const std::string_view list = parameterList(joinedHeader);
  for (std::string_view item : listItems(list)) {
    item = skipBlanks(item);
    while (consumeWord(item, "optional") || consumeWord(item, "byval") || consumeWord(item, "byref") ||
           consumeWord(item, "paramarray")) {
    }
    const std::string_view name = leadingName(item);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

void addNamesOfLine(std::string_view line, NameSet& names, const NameSet* only) {
  const std::string_view text = withoutLineNumber(skipBlanks(line));
  if (text.empty() || !isAsciiLetter(text.front())) return;  // neither a label nor a statement that declares
  auto add = [&names, only](std::string_view name) {
    std::string comparable = comparableName(name);
    if (only == nullptr || only->count(comparable) > 0) names.insert(std::move(comparable));
  };
  if (auto label = labelOf(text)) add(*label);
  auto addDeclared = [&add](std::string_view statement) {
    for (const std::string_view name : declaredNames(statement)) add(name);
  };
  // Most lines hold one statement; only a colon can start another.
  if (text.find(':') == std::string_view::npos) {
    addDeclared(text);
    return;
  }
  for (const std::string_view statement : statementsOf(text)) addDeclared(statement);
}

FileProcedureNames::FileProcedureNames(std::string_view text, const NameSet* only, HeaderForms forms) {
  auto keep = [only](NameSet& names, std::string_view name) {
    std::string comparable = comparableName(name);
    if (only == nullptr || only->count(comparable) > 0) names.insert(std::move(comparable));
  };
  TypeBlocks typeBlocks;
  bool inBody = false;
  bool headerContinues = false;
  std::string joinedHeader;
  LineReader reader(text);
  std::string_view line;
  for (std::size_t index = 0; reader.next(line); ++index) {
    if (typeBlocks.inside(line)) continue;
    const std::string_view trimmed = trimSpaces(line);
    if (isComment(trimmed)) continue;
    if (headerContinues) {
      headerContinues = continues(trimmed);
      joinedHeader.push_back(' ');
      joinedHeader.append(headerContinues ? withoutLastChar(trimmed) : trimmed);
      if (!headerContinues) {
        for (const std::string_view name : parameterNames(joinedHeader)) keep(bodies_.back(), name);
        if (closesOnItsLine(line)) inBody = false;
      }
      continue;
    }
    if (isHeader(line, forms)) {
      if (!inBody) bodies_.emplace_back();
      inBody = !closesOnItsLine(line);
      bodyOfHeaderLine_[index] = bodies_.size() - 1;
      NameSet& names = bodies_.back();
      keep(names, procedureName(line));
      headerContinues = continues(trimmed);
      joinedHeader.assign(headerContinues ? withoutLastChar(trimmed) : line);
      if (!headerContinues) {
        for (const std::string_view name : parameterNames(joinedHeader)) keep(names, name);
      }
      continue;
    }
    if (!inBody) continue;
    if (endKeyword(trimmed)) {
      inBody = false;
      continue;
    }
    addNamesOfLine(line, bodies_.back(), only);
  }
}

const NameSet* FileProcedureNames::namesForHeaderLine(std::size_t lineIndex) const {
  const auto hit = bodyOfHeaderLine_.find(lineIndex);
  return hit == bodyOfHeaderLine_.end() ? nullptr : &bodies_[hit->second];
}

}  // namespace qm
