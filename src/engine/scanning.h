// The shared scanning rules: what a comment, a procedure header, a procedure
// end, a continued line, a marker line and an ignore tag are. Every pass
// (analysis, insertion, removal, numbering, variable dump) asks these and
// nothing else, so they all agree on what a line is.
//
// Keyword tests are word tests: the keyword must be followed by a character
// that cannot continue a VB word (or by the end of the text), so "Subtotal = 5"
// is a statement, not a header, and "End Subscription" is no end line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/product.h"

namespace qm {

enum class ProcedureKind { Sub, Function, Property };

// Which lines open a procedure. Classic: the ten keyword forms below, the
// only ones the program served for years, so that a project keeps giving
// exactly the output it always gave. All: every header VB6 writes, on the
// person's request: an optional scope word (Public, Private, Friend), an
// optional Static, then Sub, Function or Property Get, Let or Set, a blank
// and a name. Declare and Event lines are no procedures in either form.
enum class HeaderForms { Classic, All };
inline HeaderForms headerFormsFor(bool allProcedures) {
  return allProcedures ? HeaderForms::All : HeaderForms::Classic;
}

// True when `text` begins with `keyword` (ignoring ASCII case) and the
// character after it, if any, is not a letter, a digit or "_".
bool beginsWithWord(std::string_view text, std::string_view keyword);

// Position (0..9) of the first header keyword that `text` begins with:
// "private sub", "public sub", "friend sub", "sub", "private function",
// "public function", "friend function", "function", "property let",
// "property get".
std::optional<int> headerKeyword(std::string_view text);

// When `text` begins with `word` followed by a blank, a tab or its end:
// takes the word and the blanks after it off `text` and answers true.
// Otherwise leaves `text` as it is.
bool consumeWord(std::string_view& text, std::string_view word);
// True when `text` opens a procedure in the given forms.
bool isHeader(std::string_view text, HeaderForms forms);

// The kind of procedure that `text` closes ("end sub", "end function",
// "end property"), if it is an end line.
std::optional<ProcedureKind> endKeyword(std::string_view text);

// "Exit Sub", "Exit Function" or "Exit Property".
std::string_view exitStatement(ProcedureKind kind);

// A comment line's trimmed form begins with an apostrophe.
inline bool isComment(std::string_view trimmed) { return !trimmed.empty() && trimmed.front() == '\''; }

// The trimmed form ends with "_" (nothing checks the blank before it).
inline bool continues(std::string_view trimmed) { return !trimmed.empty() && trimmed.back() == '_'; }

// A line whose trimmed form starts with "#" (a compiler directive) or with
// the word "Attribute": never numbered, never treated as a statement.
bool isDirectiveOrAttribute(std::string_view trimmed);
bool isAttributeLine(std::string_view trimmed);

// Marker lines written around inserted code, recognised by the first nine
// characters of the trimmed line, case counting.
enum class Marker { None, SS, SE, ES, EE };
Marker markerOf(std::string_view trimmed);
// The whole marker line as written, e.g. "'SS****** Do Not Delete, required by Quillmere".
std::string_view markerLine(Marker marker);


// "'[L NUMS] (Line numbers added by Quillmere)".
std::string_view lineNumberMarkerLine();
// Case-sensitive test used by the analysis.
bool isLineNumberMarker(std::string_view trimmed);
// Case-insensitive test used by line numbering.
bool isLineNumberMarkerNoCase(std::string_view trimmed);

// Ignore tags, compared on the first `width` characters of the lower-cased
// trimmed line: nine for the insertion, eight for the variable dump.
bool opensIgnore(std::string_view trimmed, std::size_t width = 9);
bool closesIgnore(std::string_view trimmed, std::size_t width = 9);

// The module's name that an "Attribute VB_Name = " line gives (its first 20
// characters compared without regard to case): the rest of the line with
// every double quote and then its first blank removed. Nothing for any other
// line.
std::optional<std::string> vbNameAttribute(std::string_view line);

// A quoted value as a form or module writes it, turned into the unquoted form
// a project file uses: every double quote goes, then the first blank.
std::string unquotedValue(std::string_view value);

}  // namespace qm
