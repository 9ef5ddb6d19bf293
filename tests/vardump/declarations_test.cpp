// Reading declaration lines and headers for the names the dump reports; the
// tables are in tests/data/vardump.
#include "vardump/declarations.h"

#include <gtest/gtest.h>

#include "support/case_file.h"

namespace qm {
namespace {

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += name + "\r\n";
  return out;
}

class DeclarationParsing : public testing::CaseTest {};
TEST_P(DeclarationParsing, YieldsScopeAndName) { EXPECT_EQ(ParseDeclaration(c.text("line")), c.text("parsed")); }
QM_CASES_FROM(DeclarationParsing, "vardump/parse_declaration.txt");

class DeclarationLists : public testing::CaseTest {};
TEST_P(DeclarationLists, YieldsNamesInOrder) {
  EXPECT_EQ(joined(SplitDeclarationList(c.text("line"))), c.text("names", ""));
}
QM_CASES_FROM(DeclarationLists, "vardump/split_declaration_list.txt");

class HeaderParameters : public testing::CaseTest {};
TEST_P(HeaderParameters, YieldsTheReportableParameters) {
  EXPECT_EQ(joined(sAnalyseTitle(c.text("header"))), c.text("names", ""));
}
QM_CASES_FROM(HeaderParameters, "vardump/analyse_title.txt");

class PlainNames : public testing::CaseTest {};
TEST_P(PlainNames, KeepsOnlyCertainNames) {
  EXPECT_EQ(plainVariableName(c.text("piece")), c.optional("name"));
}
QM_CASES_FROM(PlainNames, "vardump/plain_variable_name.txt");

TEST(DeclarationListItems, CarryTheirTypesLowerCased) {
  std::string types;
  for (const auto& item : declarationListItems("Dim a As Integer, b As LONG, c")) types += "[" + item.typeText + "]";
  EXPECT_EQ(types, "[integer][long][]");
}

TEST(Comments, DeclarationsAreCutAtTheFirstApostropheHeadersOutsideLiterals) {
  EXPECT_EQ(withoutComment("Dim a As Long ' note"), "Dim a As Long");
  EXPECT_EQ(withoutComment("Dim a As Long"), "Dim a As Long");
  EXPECT_EQ(withoutComment("' all comment"), "");
  EXPECT_EQ(withoutTrailingComment("Sub S(Optional c = \"'\") ' why"), "Sub S(Optional c = \"'\")");
  EXPECT_EQ(withoutTrailingComment("Sub S(a As Long) ' see (x, y)"), "Sub S(a As Long)");
  EXPECT_EQ(withoutTrailingComment("Sub S()"), "Sub S()");
}

TEST(SimpleTypes, AreWholeTypeTextsComparedWithoutCase) {
  for (const char* type : {"integer", "Long", "SINGLE", "double", "currency", "date", "string", "boolean", "variant",
                           "decimal", "byte", " long "}) {
    EXPECT_TRUE(isSimpleType(type)) << type;
  }
  for (const char* type : {"object", "string * 5", "new collection", "long = 5", "longs", ""}) {
    EXPECT_FALSE(isSimpleType(type)) << type;
  }
  // Module names take no type character.
  EXPECT_TRUE(isPlainIdentifier("frmMain", false));
  EXPECT_FALSE(isPlainIdentifier("frm$", false));
  EXPECT_FALSE(isPlainIdentifier("my util", false));
}

}  // namespace
}  // namespace qm
