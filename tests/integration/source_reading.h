// How the end-to-end checks read Visual Basic 6 source: a deliberately
// separate, broader reading than the product's own scanning rules, so that a
// fault in those rules cannot hide itself by agreeing with the check. It
// knows every procedure form VB6 accepts (scoped Property procedures,
// Property Set, Static), the Type and Enum blocks, line numbers, compiler
// directives, Attribute lines and the marker lines around inserted code.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

// The lines of a text, split at CR LF or a lone LF, without terminators.
std::vector<std::string> sourceLines(std::string_view text);

// The text rejoined with CR LF after every line: what a file looks like once
// it has been through a pass that reads lines and writes CR LF.
std::string withCrLfLines(std::string_view text);

// Without leading and trailing blanks and tabs.
std::string_view trimmedText(std::string_view text);

// Starts with `word` (ignoring case), followed by a character that cannot
// continue a VB word, or by the end of the text.
bool startsWithWord(std::string_view text, std::string_view word);

// The digits of a line number at the start of the line and the blanks after
// them; nothing when the line does not start with a digit.
std::optional<std::size_t> lineNumberLength(std::string_view line);
// The line's text after its line number (the whole line when it has none).
std::string_view afterLineNumber(std::string_view line);

bool isCommentLine(std::string_view line);
bool isAttributeLine(std::string_view line);
bool isDirectiveLine(std::string_view line);
bool continuesOnNextLine(std::string_view line);

enum class MarkerKind { None, SS, SE, ES, EE };
MarkerKind markerKind(std::string_view line);

// "Sub", "Function" or "Property" when the line (trimmed, after a line
// number) opens a procedure of any form VB6 accepts; nothing otherwise.
std::optional<std::string> procedureHeaderKind(std::string_view line);
// "Sub", "Function" or "Property" when the line closes a procedure.
std::optional<std::string> procedureEndKind(std::string_view line);

struct ProcedureSpan {
  std::size_t header = 0;      // the header's first line
  std::size_t headerLast = 0;  // its last continuation line
  std::size_t end = 0;         // the end line; lines.size() when the file ends first
  std::string kind;            // of the header
  std::string name;
};

// Every procedure of the text, in file order.
std::vector<ProcedureSpan> procedureSpans(const std::vector<std::string>& lines);

// The header as the inserted code quotes it: a single line as it stands; a
// continued header trimmed piece by piece without the underscores, the
// pieces joined by one blank.
std::string joinedHeaderText(const std::vector<std::string>& lines, const ProcedureSpan& span);

struct LineRange {
  std::size_t first = 0;  // the opening line
  std::size_t last = 0;   // the closing line
};

// The Type ... End Type and Enum ... End Enum blocks.
std::vector<LineRange> typeAndEnumBlocks(const std::vector<std::string>& lines);

// The names declared by Type blocks, lower-cased.
std::vector<std::string> userTypeNames(const std::vector<std::string>& lines);

// The value of `text` when it is exactly one VB string literal (doubled
// quotes inside undone); nothing when its quotes do not pair up.
std::optional<std::string> stringLiteralValue(std::string_view text);

// The value of the file's Attribute VB_Name line; "" when it has none.
std::string vbNameOf(std::string_view text);

// The types that lines `first` to `last` declare `name` with (a parameter,
// a Dim, a Public or Private declaration, an item of a list, an array),
// lower-cased; empty when no line declares it with "As".
std::vector<std::string> declaredTypesOf(const std::vector<std::string>& lines, std::size_t first, std::size_t last,
                                         std::string_view name);

// True when `name` occurs as a whole word in one of the lines (outside strings and comments).
bool mentionsWord(const std::vector<std::string>& lines, std::size_t first, std::size_t last, std::string_view name);

}  // namespace qm::testing
