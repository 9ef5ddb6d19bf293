// The declaration rules: plain character scans over one line, with the
// exact positions and words the dump has always used.
#include "vardump/declarations.h"

#include <array>

#include "engine/scanning.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr std::size_t npos = std::string_view::npos;

struct DeclarationKeyword {
  std::string_view word;
  char scope;
};
// Tested in this order; the first that matches wins.
constexpr std::array<DeclarationKeyword, 4> kDeclarationKeywords = {
    {{"dim", 'l'}, {"private", 'm'}, {"static", 'l'}, {"public", 'g'}}};

constexpr std::array<std::string_view, 11> kSimpleTypes = {
    "integer", "long", "single", "double", "currency", "date", "string", "boolean", "variant", "decimal", "byte"};

const DeclarationKeyword* declarationKeyword(std::string_view line) {
  for (const auto& keyword : kDeclarationKeywords) {
    if (beginsWithWord(line, keyword.word)) return &keyword;
  }
  return nullptr;
}

bool contains(std::string_view line, std::string_view word) { return findNoCase(line, word) != npos; }

// "Private Property Let X(ByVal Index As Long)", "Public Event Changed(n)",
// "Private Static Function F(a, b)": a scope word followed by one of these
// words opens or declares something other than a variable, whatever its
// brackets hold.
bool declaresNoVariable(std::string_view line, const DeclarationKeyword& keyword) {
  constexpr std::array<std::string_view, 8> kNotVariables = {"property", "event", "declare", "sub",
                                                            "function", "type",  "enum",    "const"};
  std::string_view rest = trimSpaces(line.substr(keyword.word.size()));
  if (beginsWithWord(rest, "static")) rest = trimSpaces(rest.substr(6));
  for (const auto word : kNotVariables) {
    if (beginsWithWord(rest, word)) return true;
  }
  return false;
}

// The words searched with a blank on each side. " enum " is searched in the
// line with a blank put in front, so it also matches at the line's start.
bool hasExclusionWord(std::string_view line, bool withConst) {
  if (startsWithNoCase(line, "enum ") || contains(line, " enum ")) return true;
  if (contains(line, " procedure ") || contains(line, " function ") || contains(line, " sub ")) return true;
  if (withConst && contains(line, " const ")) return true;
  return contains(line, " type ");
}

std::string typeTextAfter(std::string_view text, std::size_t asPosition) {
  return toLower(trimSpaces(text.substr(asPosition + 3)));
}

// Cuts one list item or parameter token (already trimmed, not empty) into its
// name and type. a is where " as " starts, b the first blank. When both are
// the same blank the name is what stands before it; otherwise the name is what
// stands between the first blank and " as ", which drops a leading word such
// as WithEvents or ByVal.
struct CutItem {
  bool typed = false;
  DeclaredName item;
};
CutItem cutItem(std::string_view token) {
  CutItem cut;
  const std::size_t a = findNoCase(token, " as ");
  if (a == npos) {
    cut.item.name = std::string(token);
    return cut;
  }
  const std::size_t b = token.find(' ');
  cut.typed = true;
  cut.item.typeText = typeTextAfter(token, a);
  cut.item.name = std::string(a == b ? trimSpaces(token.substr(0, b)) : trimSpaces(token.substr(b, a - b)));
  return cut;
}

// The rule applied at each comma of a list and of a parameter list: a typed
// item needs a simple type, and no item may end with ")".
std::optional<DeclaredName> checkedItem(std::string_view token) {
  CutItem cut = cutItem(token);
  if (cut.typed && !isSimpleType(cut.item.typeText)) return std::nullopt;
  if (endsWith(cut.item.name, ")")) return std::nullopt;
  return std::move(cut.item);
}

// The last item of a list is not tested for ")", so an array written last
// keeps its brackets.
std::optional<DeclaredName> checkedLastItem(std::string_view token) {
  CutItem cut = cutItem(token);
  if (cut.typed && !isSimpleType(cut.item.typeText)) return std::nullopt;
  return std::move(cut.item);
}

void keep(std::vector<DeclaredName>& out, std::optional<DeclaredName> item) {
  if (item && !item->name.empty()) out.push_back(std::move(*item));
}

template <typename Items>
std::vector<std::string> namesOf(Items items) {
  std::vector<std::string> names;
  names.reserve(items.size());
  for (auto& item : items) names.push_back(std::move(item.name));
  return names;
}

bool startsWithWordAndBlank(std::string_view text, std::string_view word) {
  return text.size() > word.size() && text[word.size()] == ' ' && startsWithNoCase(text, word);
}

bool isTypeCharacter(char c) {
  return c == '%' || c == '&' || c == '!' || c == '#' || c == '@' || c == '$';
}

}  // namespace

bool isSimpleType(std::string_view typeText) {
  const std::string type = toLower(trimSpaces(typeText));
  for (auto simple : kSimpleTypes) {
    if (type == simple) return true;
  }
  return false;
}

std::string_view withoutComment(std::string_view trimmedLine) {
  const std::size_t quote = trimmedLine.find('\'');
  if (quote == npos) return trimmedLine;
  return trimSpaces(trimmedLine.substr(0, quote));
}

std::string_view withoutTrailingComment(std::string_view line) {
  bool inLiteral = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') inLiteral = !inLiteral;
    if (line[i] == '\'' && !inLiteral) return trimSpaces(line.substr(0, i));
  }
  return trimSpaces(line);
}

std::optional<DeclarationLine> classifyDeclaration(std::string_view trimmedLine) {
  const std::string_view line = withoutComment(trimmedLine);
  const DeclarationKeyword* keyword = declarationKeyword(line);
  if (keyword == nullptr || declaresNoVariable(line, *keyword)) return std::nullopt;

  DeclarationLine declaration;
  declaration.scope = keyword->scope;
  if (line.find(',') != npos) {
    if (hasExclusionWord(line, /*withConst=*/false)) return std::nullopt;
    declaration.isList = true;
    return declaration;
  }
  if (hasExclusionWord(line, /*withConst=*/true)) return std::nullopt;

  const std::string_view body = trimSpaces(line.substr(keyword->word.size()));
  const std::size_t p = findNoCase(body, " as ");
  if (p == npos) {
    if (endsWith(body, ")")) return std::nullopt;  // an array
    declaration.single.name = std::string(body);  // no type: a Variant
    return declaration;
  }
  declaration.single.typeText = typeTextAfter(body, p);
  if (!isSimpleType(declaration.single.typeText)) return std::nullopt;
  declaration.single.name = std::string(trimSpaces(body.substr(0, p)));
  if (endsWith(declaration.single.name, ")")) return std::nullopt;
  return declaration;
}

std::string ParseDeclaration(std::string_view trimmedLine) {
  const auto declaration = classifyDeclaration(trimmedLine);
  if (!declaration) return {};
  if (declaration->isList) return std::string{'c', declaration->scope};
  return declaration->scope + declaration->single.name;
}

std::vector<DeclaredName> declarationListItems(std::string_view trimmedLine) {
  std::vector<DeclaredName> items;
  std::string token;
  bool started = false;
  for (const char c : trimmedLine) {
    if (c == ' ') {
      if (started) token.push_back(c);
      started = true;
    } else if (c == ',') {
      const std::string_view item = trimSpaces(token);
      if (!item.empty()) keep(items, checkedItem(item));
      token.clear();
    } else if (started) {
      token.push_back(c);
    }
  }
  const std::string_view last = trimSpaces(token);
  if (!last.empty()) keep(items, checkedLastItem(last));
  return items;
}

std::vector<std::string> SplitDeclarationList(std::string_view trimmedLine) {
  return namesOf(declarationListItems(trimmedLine));
}

std::vector<DeclaredName> parameterItems(std::string_view header) {
  std::vector<DeclaredName> items;
  std::string token;
  bool closed = false;
  for (const char c : header) {
    if (c == '(') {
      token.clear();  // drops the procedure's name, and anything before a later "("
    } else if (c != ',' && c != ')') {
      if (!closed) token.push_back(c);
    } else {
      const std::string_view item = trimSpaces(token);
      if (!item.empty()) keep(items, checkedItem(item));
      closed = (c == ')');
      token.clear();
    }
  }
  return items;
}

std::vector<std::string> sAnalyseTitle(std::string_view header) { return namesOf(parameterItems(header)); }

bool isPlainIdentifier(std::string_view text, bool allowTypeCharacter) {
  if (allowTypeCharacter && !text.empty() && isTypeCharacter(text.back())) text.remove_suffix(1);
  if (text.empty() || !isAsciiLetter(text.front())) return false;
  for (const char c : text) {
    if (!isWordChar(c)) return false;
  }
  return true;
}

std::optional<std::string> plainVariableName(std::string_view piece) {
  constexpr std::array<std::string_view, 5> kLeadingWords = {"byval", "byref", "optional", "paramarray",
                                                             "withevents"};
  piece = trimSpaces(piece);
  bool optional = false;
  for (bool stripped = true; stripped;) {
    stripped = false;
    for (auto word : kLeadingWords) {
      if (startsWithWordAndBlank(piece, word)) {
        optional = optional || word == "optional";
        piece = trimSpaces(piece.substr(word.size()));
        stripped = true;
      }
    }
  }
  if (optional) {
    const std::size_t equals = piece.find('=');
    if (equals != npos) piece = trimSpaces(piece.substr(0, equals));
  }
  if (!isPlainIdentifier(piece)) return std::nullopt;
  return std::string(piece);
}

}  // namespace qm
