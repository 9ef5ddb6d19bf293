#include "integration/source_reading.h"

#include <cctype>

namespace qm::testing {

namespace {

char lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool continuesWord(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string lowerText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowered(c);
  return out;
}

// Removes one word and the blanks after it when the text starts with it.
bool takeWord(std::string_view& text, std::string_view word) {
  if (!startsWithWord(text, word)) return false;
  text.remove_prefix(word.size());
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return true;
}

std::string takeIdentifier(std::string_view& text) {
  std::size_t n = 0;
  if (n < text.size() && (std::isalpha(static_cast<unsigned char>(text[n])) != 0 || text[n] == '[')) {
    while (n < text.size() && (continuesWord(text[n]) || text[n] == '[' || text[n] == ']')) ++n;
  }
  std::string name(text.substr(0, n));
  text.remove_prefix(n);
  return name;
}

// The statement part of a line with string contents blanked out and any
// comment cut off, so that words inside either are never taken for code.
std::string codeOnly(std::string_view line) {
  std::string out;
  bool inString = false;
  for (char c : line) {
    if (inString) {
      if (c == '"') {
        inString = false;
        out.push_back('"');
      } else {
        out.push_back(' ');
      }
      continue;
    }
    if (c == '"') {
      inString = true;
      out.push_back('"');
      continue;
    }
    if (c == '\'') break;
    out.push_back(c);
  }
  return out;
}

// Positions where `word` stands as a whole word in `code` (not after a "."),
// ignoring case.
std::vector<std::size_t> wordPositions(std::string_view code, std::string_view word) {
  std::vector<std::size_t> out;
  if (word.empty()) return out;
  const std::string lowCode = lowerText(code);
  const std::string lowWord = lowerText(word);
  for (std::size_t at = lowCode.find(lowWord); at != std::string::npos; at = lowCode.find(lowWord, at + 1)) {
    const bool startOk = at == 0 || (!continuesWord(lowCode[at - 1]) && lowCode[at - 1] != '.');
    const std::size_t after = at + lowWord.size();
    const bool endOk = after >= lowCode.size() || !continuesWord(lowCode[after]);
    if (startOk && endOk) out.push_back(at);
  }
  return out;
}

std::string_view skipBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The words that may stand before Type or Enum.
std::string_view withoutScopeWord(std::string_view text) {
  (void)(takeWord(text, "public") || takeWord(text, "private") || takeWord(text, "global"));
  return text;
}

std::optional<std::string> blockOpener(std::string_view line) {
  std::string_view text = withoutScopeWord(trimmedText(afterLineNumber(line)));
  for (std::string_view word : {"type", "enum"}) {
    std::string_view rest = text;
    if (!takeWord(rest, word)) continue;
    if (takeIdentifier(rest).empty()) continue;
    rest = skipBlanks(rest);
    if (!rest.empty() && rest.front() != '\'') continue;  // "Type = 3" in a form's description is no block
    return std::string(word);
  }
  return std::nullopt;
}

bool blockCloser(std::string_view line, std::string_view word) {
  std::string_view text = trimmedText(afterLineNumber(line));
  return takeWord(text, "end") && startsWithWord(text, word);
}

}  // namespace

std::vector<std::string> sourceLines(std::string_view text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      out.emplace_back(text.substr(start));
      break;
    }
    std::size_t end = lf;
    if (end > start && text[end - 1] == '\r') --end;
    out.emplace_back(text.substr(start, end - start));
    start = lf + 1;
  }
  return out;
}

std::string withCrLfLines(std::string_view text) {
  std::string out;
  for (const std::string& line : sourceLines(text)) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string_view trimmedText(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool startsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (lowered(text[i]) != lowered(word[i])) return false;
  }
  return text.size() == word.size() || !continuesWord(text[word.size()]);
}

std::optional<std::size_t> lineNumberLength(std::string_view line) {
  std::size_t n = 0;
  while (n < line.size() && std::isdigit(static_cast<unsigned char>(line[n])) != 0) ++n;
  if (n == 0) return std::nullopt;
  while (n < line.size() && isBlank(line[n])) ++n;
  return n;
}

std::string_view afterLineNumber(std::string_view line) {
  const auto length = lineNumberLength(line);
  return length ? line.substr(*length) : line;
}

bool isCommentLine(std::string_view line) {
  const std::string_view text = trimmedText(line);
  return !text.empty() && text.front() == '\'';
}

bool isAttributeLine(std::string_view line) { return startsWithWord(trimmedText(line), "attribute"); }

bool isDirectiveLine(std::string_view line) {
  const std::string_view text = trimmedText(line);
  return !text.empty() && text.front() == '#';
}

bool continuesOnNextLine(std::string_view line) {
  const std::string_view text = trimmedText(line);
  return !text.empty() && text.back() == '_';
}

MarkerKind markerKind(std::string_view line) {
  const std::string_view text = trimmedText(line);
  if (text.rfind("'SS******", 0) == 0) return MarkerKind::SS;
  if (text.rfind("'SE******", 0) == 0) return MarkerKind::SE;
  if (text.rfind("'ES******", 0) == 0) return MarkerKind::ES;
  if (text.rfind("'EE******", 0) == 0) return MarkerKind::EE;
  return MarkerKind::None;
}

std::optional<std::string> procedureHeaderKind(std::string_view line) {
  std::string_view text = trimmedText(afterLineNumber(line));
  (void)(takeWord(text, "public") || takeWord(text, "private") || takeWord(text, "friend"));
  takeWord(text, "static");
  std::string kind;
  if (takeWord(text, "sub")) {
    kind = "Sub";
  } else if (takeWord(text, "function")) {
    kind = "Function";
  } else if (takeWord(text, "property")) {
    if (!(takeWord(text, "get") || takeWord(text, "let") || takeWord(text, "set"))) return std::nullopt;
    kind = "Property";
  } else {
    return std::nullopt;
  }
  if (takeIdentifier(text).empty()) return std::nullopt;
  return kind;
}

std::optional<std::string> procedureEndKind(std::string_view line) {
  std::string_view text = trimmedText(afterLineNumber(line));
  if (!takeWord(text, "end")) return std::nullopt;
  if (startsWithWord(text, "sub")) return "Sub";
  if (startsWithWord(text, "function")) return "Function";
  if (startsWithWord(text, "property")) return "Property";
  return std::nullopt;
}

std::vector<ProcedureSpan> procedureSpans(const std::vector<std::string>& lines) {
  std::vector<ProcedureSpan> out;
  std::size_t i = 0;
  while (i < lines.size()) {
    const auto kind = procedureHeaderKind(lines[i]);
    if (!kind) {
      ++i;
      continue;
    }
    ProcedureSpan span;
    span.header = i;
    span.kind = *kind;
    std::string_view text = trimmedText(lines[i]);
    for (std::string_view word :
         {"public", "private", "friend", "static", "sub", "function", "property", "get", "let", "set"}) {
      takeWord(text, word);
    }
    span.name = takeIdentifier(text);
    std::size_t last = i;
    while (last + 1 < lines.size() && continuesOnNextLine(lines[last])) ++last;
    span.headerLast = last;
    std::size_t j = last + 1;
    while (j < lines.size() && !procedureEndKind(lines[j]) && !procedureHeaderKind(lines[j])) ++j;
    span.end = (j < lines.size() && procedureEndKind(lines[j])) ? j : lines.size();
    out.push_back(span);
    i = j < lines.size() && procedureEndKind(lines[j]) ? j + 1 : j;
  }
  return out;
}

std::string joinedHeaderText(const std::vector<std::string>& lines, const ProcedureSpan& span) {
  if (span.headerLast == span.header) return lines[span.header];
  auto spacesTrimmed = [](std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
  };
  std::string joined;
  for (std::size_t i = span.header; i <= span.headerLast; ++i) {
    std::string_view piece = spacesTrimmed(lines[i]);
    if (i < span.headerLast) piece.remove_suffix(1);  // its underscore
    if (i > span.header) joined.push_back(' ');
    joined.append(piece);
  }
  return joined;
}

std::vector<LineRange> typeAndEnumBlocks(const std::vector<std::string>& lines) {
  std::vector<LineRange> out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto word = blockOpener(lines[i]);
    if (!word) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !blockCloser(lines[j], *word)) ++j;
    out.push_back({i, j < lines.size() ? j : lines.size() - 1});
    i = j;
  }
  return out;
}

std::vector<std::string> userTypeNames(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    const auto word = blockOpener(line);
    if (!word || *word != "type") continue;
    std::string_view text = withoutScopeWord(trimmedText(afterLineNumber(line)));
    takeWord(text, "type");
    out.push_back(lowerText(takeIdentifier(text)));
  }
  return out;
}

std::optional<std::string> stringLiteralValue(std::string_view text) {
  if (text.size() < 2 || text.front() != '"') return std::nullopt;
  std::string value;
  std::size_t i = 1;
  while (i < text.size()) {
    if (text[i] != '"') {
      value.push_back(text[i++]);
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '"') {
      value.push_back('"');
      i += 2;
      continue;
    }
    return i + 1 == text.size() ? std::optional<std::string>(value) : std::nullopt;
  }
  return std::nullopt;  // never closed
}

std::string vbNameOf(std::string_view text) {
  std::string name;
  for (const std::string& line : sourceLines(text)) {
    std::string_view rest = line;
    if (!takeWord(rest, "attribute") || !takeWord(rest, "vb_name")) continue;
    rest = skipBlanks(rest);
    if (rest.empty() || rest.front() != '=') continue;
    rest = trimmedText(rest.substr(1));
    if (auto value = stringLiteralValue(rest)) name = *value;
  }
  return name;
}

std::vector<std::string> declaredTypesOf(const std::vector<std::string>& lines, std::size_t first, std::size_t last,
                                         std::string_view name) {
  std::vector<std::string> types;
  for (std::size_t i = first; i <= last && i < lines.size(); ++i) {
    const std::string code = codeOnly(afterLineNumber(lines[i]));
    for (std::size_t at : wordPositions(code, name)) {
      std::string_view rest = std::string_view(code).substr(at + name.size());
      if (!rest.empty() && std::string_view("$%&!#@").find(rest.front()) != std::string_view::npos) {
        rest.remove_prefix(1);
      }
      rest = skipBlanks(rest);
      if (!rest.empty() && rest.front() == '(') {
        int depth = 0;
        std::size_t n = 0;
        for (; n < rest.size(); ++n) {
          if (rest[n] == '(') ++depth;
          if (rest[n] == ')' && --depth == 0) break;
        }
        if (n == rest.size()) continue;
        rest = skipBlanks(rest.substr(n + 1));
      }
      if (!takeWord(rest, "as")) continue;
      takeWord(rest, "new");
      std::string type = takeIdentifier(rest);
      while (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        type += "." + takeIdentifier(rest);
      }
      if (!type.empty()) types.push_back(lowerText(type));
    }
  }
  return types;
}

bool mentionsWord(const std::vector<std::string>& lines, std::size_t first, std::size_t last, std::string_view name) {
  for (std::size_t i = first; i <= last && i < lines.size(); ++i) {
    if (!wordPositions(codeOnly(afterLineNumber(lines[i])), name).empty()) return true;
  }
  return false;
}

}  // namespace qm::testing
