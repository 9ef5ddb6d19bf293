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

class DeclarationRules : public testing::CaseTest {};
TEST_P(DeclarationRules, GiveWhatTheTableSays) {
  using Arguments = std::vector<std::string>;
  const auto yesNo = [](bool value) { return std::string(value ? "yes" : "no"); };
  testing::expectRows(c, {
      {"isSimpleType", [&](const Arguments& a) { return yesNo(isSimpleType(a[0])); }},
      {"withoutComment", [](const Arguments& a) { return std::string(withoutComment(a[0])); }},
      {"withoutTrailingComment", [](const Arguments& a) { return std::string(withoutTrailingComment(a[0])); }},
      {"moduleName", [&](const Arguments& a) { return yesNo(isPlainIdentifier(a[0], false)); }},
      {"itemTypes", [](const Arguments& a) {
         std::string types;
         for (const auto& item : declarationListItems(a[0])) types += "[" + item.typeText + "]";
         return types;
       }},
  });
}
QM_CASES_FROM(DeclarationRules, "vardump/declaration_rules.txt");

}  // namespace
}  // namespace qm
