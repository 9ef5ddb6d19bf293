#include "integration/source_reading.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

namespace qm::testing {

namespace {

constexpr auto kIgnoringCase = std::regex::ECMAScript | std::regex::icase;

// Trimmed statement texts the patterns below are matched against.
const std::regex kHeader(
    R"(^(?:(?:public|private|friend)\s+)?(?:static\s+)?(sub|function|property\s+(?:get|let|set))\s+([a-z\[][\w\[\]]*))",
    kIgnoringCase);
const std::regex kEnd(R"(^end\s+(sub|function|property)\b)", kIgnoringCase);
// "Type = 3" in a form's description is no block.
const std::regex kBlockOpener(R"(^(?:(?:public|private|global)\s+)?(type|enum)\s+([a-z\[][\w\[\]]*)\s*(?:'.*)?$)",
                              kIgnoringCase);
const std::regex kBlockCloser(R"(^end\s+(type|enum)\b)", kIgnoringCase);

std::string kindOf(const std::string& keyword) {
  const std::string word = lowered(keyword.substr(0, 3));
  return word == "sub" ? "Sub" : word == "fun" ? "Function" : "Property";
}

// The statement part of a line with string contents blanked out and any
// comment cut off, so that words inside either are never taken for code.
std::string codeOnly(std::string_view line) {
  std::string out;
  bool inString = false;
  for (char c : statementText(line)) {
    if (!inString && c == '\'') break;
    if (c == '"') inString = !inString;
    out.push_back(inString && c != '"' ? ' ' : c);
  }
  return out;
}

// "if", "elseif", "else" or "end if" for a conditional-compilation line; "" for any other.
std::string directiveWord(std::string_view line) {
  static const std::regex directive(R"(^#\s*(if|elseif|else|end\s*if)\b)", kIgnoringCase);
  const std::string text(trimmedText(line));
  std::smatch match;
  if (!std::regex_search(text, match, directive)) return "";
  const std::string word = lowered(match.str(1));
  return word.starts_with("end") ? "end if" : word;
}

// Where `name` stands as a whole word, not after a "."; the rest of the pattern follows it.
std::regex wordPattern(std::string_view name, std::string_view rest) {
  return std::regex("(?:^|[^\\w.])" + std::string(name) + "(?![\\w])" + std::string(rest), kIgnoringCase);
}

}  // namespace

Lines sourceLines(std::string_view text) {
  Lines out;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r' && end < text.size()) --end;
    out.emplace_back(text.substr(start, end - start));
    start = next;
  }
  return out;
}

std::string withCrLfLines(std::string_view text) {
  std::string out;
  for (const std::string& line : sourceLines(text)) out += line + "\r\n";
  return out;
}

std::string_view trimmedText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::optional<std::size_t> lineNumberLength(std::string_view line) {
  std::size_t n = 0;
  while (n < line.size() && line[n] >= '0' && line[n] <= '9') ++n;
  if (n == 0) return std::nullopt;
  while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
  return n;
}

std::string_view statementText(std::string_view line) {
  return trimmedText(line.substr(lineNumberLength(line).value_or(0)));
}

bool isCommentLine(std::string_view line) { return trimmedText(line).rfind('\'', 0) == 0; }

bool isAttributeLine(std::string_view line) {
  static const std::regex attribute(R"(^attribute\b)", kIgnoringCase);
  const std::string_view text = trimmedText(line);
  return std::regex_search(text.begin(), text.end(), attribute);
}

bool isDirectiveLine(std::string_view line) { return trimmedText(line).rfind('#', 0) == 0; }

MarkerKind markerKind(std::string_view line) {
  const std::string_view text = trimmedText(line);
  if (text.size() < 9 || text.front() != '\'' || text.substr(3, 6) != "******") return MarkerKind::None;
  const std::string_view letters = text.substr(1, 2);
  if (letters == "SS") return MarkerKind::SS;
  if (letters == "SE") return MarkerKind::SE;
  if (letters == "ES") return MarkerKind::ES;
  if (letters == "EE") return MarkerKind::EE;
  return MarkerKind::None;
}

std::optional<std::string> procedureHeaderKind(std::string_view line) {
  const std::string text(statementText(line));
  std::smatch match;
  if (!std::regex_search(text, match, kHeader)) return std::nullopt;
  return kindOf(match[1]);
}

std::optional<std::string> procedureEndKind(std::string_view line) {
  const std::string text(statementText(line));
  std::smatch match;
  if (!std::regex_search(text, match, kEnd)) return std::nullopt;
  return kindOf(match[1]);
}

bool closesOnItsLine(std::string_view line) {
  static const std::regex closing(R"(:\s*end\s+(?:sub|function|property)\s*$)", kIgnoringCase);
  const std::string code = codeOnly(line);
  const std::string_view text = trimmedText(code);
  return std::regex_search(text.begin(), text.end(), closing);
}

std::vector<ProcedureSpan> procedureSpans(const Lines& lines) {
  const std::vector<bool> inBlock = typeAndEnumLines(lines);
  const auto isHeaderAt = [&](std::size_t i) { return !inBlock[i] && procedureHeaderKind(lines[i]).has_value(); };
  const auto lastOfHeader = [&](std::size_t i) {
    while (i + 1 < lines.size() && trimmedText(lines[i]).ends_with('_')) ++i;
    return i;
  };
  std::vector<ProcedureSpan> out;
  for (std::size_t i = 0; i < lines.size();) {
    const std::string text(statementText(lines[i]));
    std::smatch match;
    if (inBlock[i] || !std::regex_search(text, match, kHeader)) {
      ++i;
      continue;
    }
    // The headers met before an end line (the branches of an #If) share one body.
    std::vector<ProcedureSpan> group{ProcedureSpan{i, lastOfHeader(i), 0, kindOf(match[1]), match[2]}};
    std::size_t j = group.back().headerLast;
    if (closesOnItsLine(lines[j])) {
      group.back().end = j;
      out.push_back(group.back());
      i = j + 1;
      continue;
    }
    for (++j; j < lines.size() && !(!inBlock[j] && procedureEndKind(lines[j])); ++j) {
      if (!isHeaderAt(j)) continue;
      const std::string next(statementText(lines[j]));
      std::regex_search(next, match, kHeader);
      group.push_back(ProcedureSpan{j, lastOfHeader(j), 0, kindOf(match[1]), match[2]});
      j = group.back().headerLast;
    }
    for (ProcedureSpan& span : group) {
      span.end = std::min(j, lines.size());
      out.push_back(span);
    }
    i = j + 1;
  }
  return out;
}

std::vector<std::size_t> compiledPath(const Lines& lines, const ProcedureSpan& span) {
  std::vector<std::size_t> out;
  int depth = 0;  // the #If blocks opened since the header
  for (std::size_t i = span.header; i <= span.end && i < lines.size(); ++i) {
    const std::string word = directiveWord(lines[i]);
    if (word == "if") {
      ++depth;
    } else if (word == "end if") {
      if (depth > 0) --depth;
    } else if ((word == "else" || word == "elseif") && depth == 0) {
      // The branch that holds the header ends here: the others are not compiled with it.
      for (int inner = 0; ++i <= span.end && i < lines.size();) {
        const std::string skipped = directiveWord(lines[i]);
        if (skipped == "if") ++inner;
        if (skipped == "end if" && inner-- == 0) break;
      }
      continue;
    }
    out.push_back(i);
  }
  return out;
}

std::optional<std::string> leadingLabel(std::string_view line) {
  static const std::regex label(R"(^([a-z][a-z0-9_]*):(?!=)(?:[ \t']|$))", kIgnoringCase);
  const std::string text(trimmedText(line));
  std::smatch match;
  // Statements that may stand alone before a colon are no labels.
  static const std::set<std::string> keywords = {"beep", "do",     "else", "end",  "loop",
                                                 "next", "resume", "return", "stop", "wend"};
  if (!std::regex_search(text, match, label) || keywords.count(lowered(match.str(1))) > 0) return std::nullopt;
  return match.str(1);
}

std::vector<bool> conditionalLines(const Lines& lines) {
  std::vector<bool> out(lines.size(), false);
  int depth = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string word = directiveWord(lines[i]);
    if (word == "if") ++depth;
    out[i] = depth > 0;
    if (word == "end if" && depth > 0) --depth;
  }
  return out;
}

std::string joinedHeaderText(const Lines& lines, const ProcedureSpan& span) {
  if (span.headerLast == span.header) return lines[span.header];
  std::string joined;
  for (std::size_t i = span.header; i <= span.headerLast; ++i) {
    std::string_view piece = lines[i];
    while (!piece.empty() && piece.front() == ' ') piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    if (i < span.headerLast) piece.remove_suffix(1);  // its underscore
    if (i > span.header) joined.push_back(' ');
    joined.append(piece);
  }
  return joined;
}

std::vector<bool> typeAndEnumLines(const Lines& lines) {
  std::vector<bool> out(lines.size(), false);
  std::string open;  // the block word while inside a block
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string text(statementText(lines[i]));
    std::smatch match;
    if (open.empty() && std::regex_search(text, match, kBlockOpener)) open = lowered(match.str(1));
    out[i] = !open.empty();
    if (std::regex_search(text, match, kBlockCloser) && lowered(match.str(1)) == open) open.clear();
  }
  return out;
}

std::vector<std::string> userTypeNames(const Lines& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    const std::string text(statementText(line));
    std::smatch match;
    if (std::regex_search(text, match, kBlockOpener) && lowered(match.str(1)) == "type") {
      out.push_back(lowered(match.str(2)));
    }
  }
  return out;
}

std::optional<std::string> stringLiteralValue(std::string_view text) {
  if (text.size() < 2 || text.front() != '"') return std::nullopt;
  std::string value;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != '"') {
      value.push_back(text[i]);
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      value.push_back(text[++i]);
    } else {
      return i + 1 == text.size() ? std::optional<std::string>(value) : std::nullopt;
    }
  }
  return std::nullopt;  // never closed
}

std::string vbNameOf(std::string_view text) {
  static const std::regex vbName(R"(^attribute\s+vb_name\s*=\s*(".*?")\s*$)", kIgnoringCase);
  std::string name;
  for (const std::string& line : sourceLines(text)) {
    std::smatch match;
    if (!std::regex_search(line, match, vbName)) continue;
    if (auto value = stringLiteralValue(match.str(1))) name = *value;
  }
  return name;
}

std::string comparable(std::string_view name) {
  if (!name.empty() && std::string_view("$%&!#@").find(name.back()) != std::string_view::npos) name.remove_suffix(1);
  return lowered(name);
}

std::vector<std::string> namesDeclaredOn(std::string_view line) {
  static const std::regex declaration(R"(^(?:dim|static|const)\s+(.*)$)", kIgnoringCase);
  static const std::regex item(R"(^\s*(?:withevents\s+)?([a-z][a-z0-9_]*))", kIgnoringCase);
  std::vector<std::string> out;
  if (auto label = leadingLabel(statementText(line))) out.push_back(comparable(*label));
  const std::string code = codeOnly(line);
  std::vector<std::string> statements(1);
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code[i] == ':' && (i + 1 == code.size() || code[i + 1] != '=')) {
      statements.emplace_back();
    } else {
      statements.back().push_back(code[i]);
    }
  }
  for (const std::string& statement : statements) {
    const std::string text(trimmedText(statement));
    std::smatch match;
    if (!std::regex_search(text, match, declaration)) continue;
    // Items split at commas outside brackets.
    const std::string list = match.str(1);
    int depth = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
      if (i < list.size() && list[i] == '(') ++depth;
      if (i < list.size() && list[i] == ')') --depth;
      if (i < list.size() && !(list[i] == ',' && depth == 0)) continue;
      const std::string piece = list.substr(begin, i - begin);
      std::smatch name;
      if (std::regex_search(piece, name, item)) out.push_back(comparable(name.str(1)));
      begin = i + 1;
    }
  }
  return out;
}

std::vector<std::string> parameterNames(std::string_view joinedHeader) {
  static const std::regex item(R"(^\s*(?:(?:optional|byval|byref|paramarray)\s+)*([a-z][a-z0-9_]*))",
                               kIgnoringCase);
  const std::string code = codeOnly(joinedHeader);
  std::vector<std::string> out;
  const std::size_t open = code.find('(');
  if (open == std::string::npos) return out;
  int depth = 0;
  std::size_t begin = open + 1;
  for (std::size_t i = open; i < code.size(); ++i) {
    if (code[i] == '(') ++depth;
    if (code[i] == ')') --depth;
    const bool closes = depth == 0;
    if (!(closes || (code[i] == ',' && depth == 1))) continue;
    const std::string piece = code.substr(begin, i - begin);
    std::smatch name;
    if (std::regex_search(piece, name, item)) out.push_back(comparable(name.str(1)));
    begin = i + 1;
    if (closes) break;
  }
  return out;
}

std::vector<std::string> declaredTypesOf(const Lines& lines, std::size_t first, std::size_t last,
                                         std::string_view name) {
  // The name, a type character, array bounds (one level of inner brackets), As, New, the type.
  const std::regex declaration =
      wordPattern(name, R"([$%&!#@]?\s*(?:\((?:[^()]|\([^()]*\))*\))?\s*as\s+(?:new\s+)?([\w.]+))");
  std::vector<std::string> types;
  for (std::size_t i = first; i <= last && i < lines.size(); ++i) {
    const std::string code = codeOnly(lines[i]);
    for (auto it = std::sregex_iterator(code.begin(), code.end(), declaration); it != std::sregex_iterator(); ++it) {
      types.push_back(lowered((*it)[1].str()));
    }
  }
  return types;
}

ScopeNames scopeNames(const Lines& lines, std::size_t first, std::size_t last) {
  // A name, a type character, array bounds (one level of inner brackets), As, New, the type.
  static const std::regex declaration(
      R"((?:^|[^\w.])([a-z][\w]*)[$%&!#@]?\s*(?:\((?:[^()]|\([^()]*\))*\))?\s*as\s+(?:new\s+)?([\w.]+))",
      kIgnoringCase);
  const auto isWordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
  ScopeNames out;
  for (std::size_t i = first; i <= last && i < lines.size(); ++i) {
    const std::string code = codeOnly(lines[i]);
    for (std::size_t k = 0; k < code.size();) {
      if (!isWordChar(code[k])) {
        ++k;
        continue;
      }
      std::size_t end = k;
      while (end < code.size() && isWordChar(code[end])) ++end;
      if (k == 0 || code[k - 1] != '.') out.words.insert(lowered(code.substr(k, end - k)));
      k = end;
    }
    // Searched again right after each name found, since a function's
    // bracketed parameters would otherwise vanish inside its own match.
    std::smatch match;
    for (auto from = code.cbegin(); std::regex_search(from, code.cend(), match, declaration,
                                                      from == code.cbegin() ? std::regex_constants::match_default
                                                                            : std::regex_constants::match_prev_avail);) {
      out.types[lowered(match[1].str())].push_back(lowered(match[2].str()));
      from = match[1].second;
    }
  }
  return out;
}

}  // namespace qm::testing
