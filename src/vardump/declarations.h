// Recognising variable declarations and procedure parameters in single
// source lines, for the variable dump.
//
// The three routines with the old names (ParseDeclaration,
// SplitDeclarationList, sAnalyseTitle) keep the program's long-standing text
// rules exactly: plain case-insensitive searches, fixed positions, no
// tokenizer. Because of that they can yield pieces that are not variable
// names at all (a parameter that still carries ByVal, part of an array's
// bounds, "q()" from the end of a list). They are kept that way on purpose and
// a separate step, plainVariableName, decides what the generated code may
// name. The one deliberate departure: the declaration keywords are word tests
// like every other keyword test, so "Dimension = 3" or "Publicity = 1" is a
// statement, not a declaration of "ension = 3".
//
// The routines return the names they find as a vector. The program used to
// fill an array that kept an empty element after the last name; here no empty
// name is ever returned, so callers need no such guard.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A name as the declaration rules cut it, with the type text it was declared
// with: lower-cased and trimmed, empty when the declaration names no type.
struct DeclaredName {
  std::string name;
  std::string typeText;
};

// What a line declares, as ParseDeclaration sees it.
struct DeclarationLine {
  char scope = 'l';     // 'l' local (Dim, Static), 'm' module (Private), 'g' public (Public)
  bool isList = false;  // the line holds commas: take the names from declarationListItems
  DeclaredName single;  // the one variable when !isList
};

// "integer", "long", "single", "double", "currency", "date", "string",
// "boolean", "variant", "decimal", "byte", compared lower-cased with the whole
// trimmed type text.
bool isSimpleType(std::string_view typeText);

// The line cut before its first apostrophe and trimmed (an apostrophe inside
// a string literal cuts it too, which no declaration that the dump reports
// can contain).
std::string_view withoutComment(std::string_view trimmedLine);

// The line without a trailing comment: cut at the first apostrophe that does
// not stand inside a double-quoted literal, then trimmed. For procedure
// headers, whose optional parameters may have string defaults.
std::string_view withoutTrailingComment(std::string_view line);

// The declaration the line makes, or nothing when the dump reports nothing
// for it (not a declaration, a constant, an enumeration, a type block, a
// procedure or an external declaration, an array, a type that is not simple).
std::optional<DeclarationLine> classifyDeclaration(std::string_view trimmedLine);

// "" when the line declares nothing to report; "l"/"m"/"g" + name for one
// variable; "c" + scope letter for a list whose names SplitDeclarationList
// gives.
std::string ParseDeclaration(std::string_view trimmedLine);

// The items of a declaration list (the first word of the line, the
// declaration keyword, is never collected), with their types.
std::vector<DeclaredName> declarationListItems(std::string_view trimmedLine);
std::vector<std::string> SplitDeclarationList(std::string_view trimmedLine);

// The parameters of a procedure header, with their types. Only parameters of
// a simple type or without a type are given.
std::vector<DeclaredName> parameterItems(std::string_view header);
std::vector<std::string> sAnalyseTitle(std::string_view header);

// The plain Visual Basic name that `piece` certainly stands for, or nothing.
// Leading ByVal, ByRef, Optional, ParamArray and WithEvents words are taken
// off, and after Optional a trailing "= default" too; what remains must be a
// letter followed by letters, digits or "_", optionally ended by one type
// character (% & ! # @ $), as in "s$". Anything else (blanks, brackets,
// operators, bounds) is not certainly a variable and gives nothing.
std::optional<std::string> plainVariableName(std::string_view piece);

// True when `text` is a letter followed by letters, digits or "_", with an
// optional final type character when `allowTypeCharacter`.
bool isPlainIdentifier(std::string_view text, bool allowTypeCharacter = true);

}  // namespace qm
