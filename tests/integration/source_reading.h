// How the end-to-end checks read Visual Basic 6 source: a deliberately
// separate, broader reading than the product's own scanning rules, so that a
// fault in those rules cannot hide itself by agreeing with the check. It
// knows every procedure form VB6 accepts (scoped Property procedures,
// Property Set, Static), the Type and Enum blocks, line numbers, compiler
// directives, Attribute lines and the marker lines around inserted code.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

using Lines = std::vector<std::string>;

// The lines of a text, split at CR LF or a lone LF, without terminators.
Lines sourceLines(std::string_view text);
// The text rejoined with CR LF after every line, as a line-by-line pass writes it.
std::string withCrLfLines(std::string_view text);
// Without leading and trailing blanks and tabs.
std::string_view trimmedText(std::string_view text);
std::string lowered(std::string_view text);

// The digits of a leading line number and the blanks after them; nothing
// when the line does not start with a digit.
std::optional<std::size_t> lineNumberLength(std::string_view line);
// The line's trimmed text after its line number.
std::string_view statementText(std::string_view line);

bool isCommentLine(std::string_view line);
bool isAttributeLine(std::string_view line);
bool isDirectiveLine(std::string_view line);

enum class MarkerKind { None, SS, SE, ES, EE };
MarkerKind markerKind(std::string_view line);

// "Sub", "Function" or "Property" when the line opens, or closes, a procedure.
std::optional<std::string> procedureHeaderKind(std::string_view line);
std::optional<std::string> procedureEndKind(std::string_view line);

struct ProcedureSpan {
  std::size_t header = 0;      // the header's first line
  std::size_t headerLast = 0;  // its last continuation line
  std::size_t end = 0;         // the end line; lines.size() when the file ends first
  std::string kind;
  std::string name;
};
// The procedures in order, Type and Enum members never taken for headers. A
// procedure whose header line also ends it ("Function F(): End Function")
// ends on that line; the headers met before an end line (the branches of an
// #If) each get a span to the end line they share.
std::vector<ProcedureSpan> procedureSpans(const Lines& lines);

// Whether the header line (its last continuation line) also closes the procedure.
bool closesOnItsLine(std::string_view line);

// The lines of the span that the compiler reads together with its header:
// the other branches of every #If block that holds the header are left out;
// #If blocks that the body opens are followed through every branch.
std::vector<std::size_t> compiledPath(const Lines& lines, const ProcedureSpan& span);

// The label the line's statement text begins with ("Found" for
// "Found:   ' retry"); nothing for ":=", a line number or any other statement.
std::optional<std::string> leadingLabel(std::string_view line);

// For each line, whether it lies in an #If ... #End If block, the directive lines included.
std::vector<bool> conditionalLines(const Lines& lines);

// The header as the inserted code quotes it: a continued header trimmed
// piece by piece without the underscores, the pieces joined by one blank.
std::string joinedHeaderText(const Lines& lines, const ProcedureSpan& span);

// For each line, whether it lies in a Type ... End Type or Enum ... End Enum block.
std::vector<bool> typeAndEnumLines(const Lines& lines);
// The names declared by Type blocks, lower-cased.
std::vector<std::string> userTypeNames(const Lines& lines);

// The value of `text` when it is exactly one VB string literal (doubled
// quotes undone); nothing when its quotes do not pair up.
std::optional<std::string> stringLiteralValue(std::string_view text);
// The value of the file's Attribute VB_Name line; "" when it has none.
std::string vbNameOf(std::string_view text);

// What lines `first` to `last` name, read once for many look-ups: every word
// outside strings and comments that does not follow a ".", and for each
// name the types it is declared with "As" (as a parameter, variable, list
// item or array); all lower-cased.
struct ScopeNames {
  std::set<std::string> words;
  std::map<std::string, std::vector<std::string>> types;
};
ScopeNames scopeNames(const Lines& lines, std::size_t first, std::size_t last);

// The names a line declares with Dim, Static or Const (every statement of
// it, every item of each list) and the label it begins with; as VB compares
// them: lower-cased, without a trailing type character.
std::vector<std::string> namesDeclaredOn(std::string_view line);
// The parameters of a joined header, compared the same way.
std::vector<std::string> parameterNames(std::string_view joinedHeader);
// `name` as VB compares it.
std::string comparable(std::string_view name);

}  // namespace qm::testing
