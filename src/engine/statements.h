// What one physical line says as statements: where a line's statements are
// (a line may hold several, separated by colons), whether it is a label,
// whether a procedure header closes on its own line, and which names its
// Dim, Static and Const statements declare. Shared by the passes that must
// not number a label, must not open a procedure that has already ended, and
// must not add a name that the procedure already has.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The text after a leading line number: digits followed by one or more
// blanks or tabs, all passed over ("10 On Error GoTo X"). The text itself
// when it does not begin that way.
std::string_view withoutLineNumber(std::string_view text);

// The statements of a line, each trimmed of blanks and tabs: the line is cut
// at colons that stand outside string literals and are not part of ":=", and
// ends at a comment (an apostrophe outside a literal, or a Rem statement). A
// leading line number is passed over; empty statements are left out.
std::vector<std::string_view> statementsOf(std::string_view line);

// The label that the line begins with: a letter followed by letters, digits
// and "_", directly followed by a colon that is not part of ":=", then the end
// of the line, a blank, a tab or a comment. Leading blanks and tabs are passed
// over. Nothing when the line does not begin with a label.
std::optional<std::string_view> labelOf(std::string_view line);

// A procedure header line that also holds its end: after a colon, one of the
// end keywords ends a statement, as in "Function Stub() As Long: End Function".
bool closesOnItsLine(std::string_view line);

// The names that one statement declares when it begins with the word Dim,
// Static or Const: every item of its list (split at commas outside brackets
// and string literals, an optional WithEvents taken off), each cut to its
// leading letters, digits and "_". Empty for any other statement.
std::vector<std::string_view> declaredNames(std::string_view statement);

// The items of a list, split at the commas that stand outside brackets and
// string literals.
std::vector<std::string_view> listItems(std::string_view list);

// A name as VB compares it: lower-cased. Every name is read up to its type
// character ($ % & ! # @), so "s$" and "s" already give the same name.
std::string comparableName(std::string_view name);

}  // namespace qm
