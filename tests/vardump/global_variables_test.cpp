#include <gtest/gtest.h>

#include <cstring>

#include "platform/file_system.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"
#include "vardump/global_variables.h"

namespace qm {
namespace {

using testing::crlf;

const std::string kFreshModuleWithoutVariables = crlf({
    "Attribute VB_Name = \"GlobalVariables\"",
    "Option Explicit",
    "",
    "Public Function sGlobalVariables() as string",
    "'Function to return all the values of the variables available",
    "'at global level.",
    "'Requires:",
    "'   Nothing",
    "'Returns:",
    "'   A string containing a list of variables and their values",
    "'Code Created by Quillmere from Oskavel Software",
    "'Visit www.oskavel.example for more information",
    "",
    "Dim sMessage as String",
    "",
    "",
    "sMessage = \"No Global Variables\"",
    "",
    "'Return the module dump string",
    "sGlobalVariables = sMessage",
    "End Function",
    "",
    "Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)",
    "'Module reports on the value of a variable. If it is an unknown type or an array it",
    "'returns a string indicating this.",
    "'Requires:",
    "'VariableValue - value of the variable (no type specified)",
    "'sVariableName - string with the name of the variable",
    "'Returns:",
    "'sVariableReport - a string of the form sName = Ada Morrow",
    "'Inserted by Quillmere.  Visit www.oskavel.example for more information",
    "",
    "If IsArray(VariableValue) = True Then",
    "    sVariableReport = sVariableName & \" is an array\"",
    "Else",
    "    'not an array",
    "    Select Case VarType(VariableValue)",
    "    Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate, vbString, vbBoolean, vbVariant, vbDecimal, "
    "vbByte",
    "        'perfectly ok",
    "        sVariableReport = sVariableName & \" = \" & VariableValue",
    "    Case Else",
    "        'don't return",
    "        sVariableReport = sVariableName & \" is not a standard type\"",
    "    End Select",
    "End If",
    "",
    "End Function",
});

DumpState withVariables() {
  DumpState state;
  state.globalLines = crlf({"sMessage = sMessage & sVariableReport(Utilities.LastError, \"Utilities.LastError\") & VBCrLf",
                            "sMessage = sMessage & sVariableReport(frmMain.Total, \"frmMain.Total\") & VBCrLf"});
  state.globalCount = 2;
  return state;
}

std::size_t occurrences(const std::string& text, std::string_view what) {
  std::size_t count = 0;
  for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++count;
  return count;
}

TEST(GlobalVariablesModule, FreshModuleWithoutPublicVariables) {
  EXPECT_EQ(globalVariablesModuleText(DumpState{}, std::nullopt, false), kFreshModuleWithoutVariables);
}

TEST(GlobalVariablesModule, PublicVariablesFollowTheHeadAndAreNotCalledNone) {
  const std::string text = globalVariablesModuleText(withVariables(), std::nullopt, false);
  const std::string expectedMiddle = crlf({
      "Dim sMessage as String",
      "",
      "",
      "sMessage = sMessage & sVariableReport(Utilities.LastError, \"Utilities.LastError\") & VBCrLf",
      "sMessage = sMessage & sVariableReport(frmMain.Total, \"frmMain.Total\") & VBCrLf",
      "",
      "",
      "'Return the module dump string",
      "sGlobalVariables = sMessage",
      "End Function",
      "",
      "Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)",
  });
  EXPECT_NE(text.find(expectedMiddle), std::string::npos) << text;
  EXPECT_EQ(text.find("No Global Variables"), std::string::npos);
}

struct EarlierCase {
  const char* name;
  std::string earlier;
  bool exactName;
  std::string expected;
};
void PrintTo(const EarlierCase& c, std::ostream* os) { *os << c.name; }


class EarlierModuleTest : public ::testing::TestWithParam<EarlierCase> {};

TEST_P(EarlierModuleTest, EndsWithOneCopyOfEachFunction) {
  const auto& c = GetParam();
  const std::string text = globalVariablesModuleText(DumpState{}, c.earlier, c.exactName);
  EXPECT_EQ(text, c.expected);
  EXPECT_EQ(occurrences(text, "Function sGlobalVariables("), 1u);
  EXPECT_EQ(occurrences(text, "Function sVariableReport("), 1u);
  EXPECT_EQ(occurrences(text, "Attribute VB_Name"), 1u);
}

const std::string kFunctions = kFreshModuleWithoutVariables.substr(
    crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit", ""}).size());

std::string earlierRun() {
  DumpState state = withVariables();
  return globalVariablesModuleText(state, std::nullopt, false);
}

std::string recased(std::string text) {
  for (auto [from, to] : {std::pair{"sGlobalVariables() as string", "sGlobalVariables() As String"},
                          std::pair{"Dim sMessage as String", "Dim sMessage As String"}}) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from)) text.replace(pos, strlen(from), to);
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EarlierModuleTest,
    ::testing::Values(
        EarlierCase{"earlier run rewritten as if fresh", earlierRun(), true, kFreshModuleWithoutVariables},
        EarlierCase{"re-cased by the editor", recased(earlierRun()), true, kFreshModuleWithoutVariables},
        EarlierCase{"user code kept before and after",
                    crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit", "", "Public gMine As Long",
                          ""}) +
                        earlierRun().substr(crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit", ""})
                                                .size()) +
                        crlf({"", "Public Sub Mine()", "End Sub"}),
                    true,
                    crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit", "", "Public gMine As Long",
                          "", "Public Sub Mine()", "End Sub", ""}) +
                        kFunctions},
        EarlierCase{"two earlier copies both replaced", earlierRun() + kFunctions, true,
                    kFreshModuleWithoutVariables},
        EarlierCase{"same file under another case keeps its one attribute line", earlierRun(), false,
                    kFreshModuleWithoutVariables},
        EarlierCase{"file without functions gets them after its text",
                    crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit"}), true,
                    crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit", ""}) + kFunctions}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

class WriteGlobalVariablesTest : public ::testing::Test {
 protected:
  testing::TempFolder program;
  testing::TempFolder project;
};

TEST_F(WriteGlobalVariablesTest, WritesTheFreshModuleAndReturnsItsPath) {
  NativeFileSystem files;
  Workspace ws{files, program.path(), project.path()};
  auto path = writeGlobalVariablesModule(ws, project.path(), DumpState{});
  ASSERT_TRUE(path.ok()) << path.message();
  EXPECT_EQ(*path, project.path() + "GlobalVariables.bas");
  EXPECT_EQ(project.read("GlobalVariables.bas"), kFreshModuleWithoutVariables);
}

TEST_F(WriteGlobalVariablesTest, AFolderWithoutTrailingSeparatorGetsOne) {
  NativeFileSystem files;
  Workspace ws{files, program.path(), project.path()};
  std::string folder = project.path();
  folder.pop_back();
  auto path = writeGlobalVariablesModule(ws, folder, DumpState{});
  ASSERT_TRUE(path.ok());
  EXPECT_EQ(*path, folder + "\\GlobalVariables.bas");
  EXPECT_TRUE(project.exists("GlobalVariables.bas"));
}

TEST_F(WriteGlobalVariablesTest, ASecondRunLeavesOneCopyOfEachFunction) {
  NativeFileSystem files;
  Workspace ws{files, program.path(), project.path()};
  ASSERT_TRUE(writeGlobalVariablesModule(ws, project.path(), withVariables()).ok());
  ASSERT_TRUE(writeGlobalVariablesModule(ws, project.path(), DumpState{}).ok());
  EXPECT_EQ(project.read("GlobalVariables.bas"), kFreshModuleWithoutVariables);
}

TEST_F(WriteGlobalVariablesTest, AFileUnderAnotherCaseIsTheSameModule) {
  NativeFileSystem files;
  Workspace ws{files, program.path(), project.path()};
  project.write("globalvariables.bas", earlierRun());
  ASSERT_TRUE(writeGlobalVariablesModule(ws, project.path(), DumpState{}).ok());
  EXPECT_EQ(project.read("globalvariables.bas"), kFreshModuleWithoutVariables);
  const auto listed = files.list(project.path(), "*.bas");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "globalvariables.bas");
}

TEST_F(WriteGlobalVariablesTest, AFailedWriteLeavesTheEarlierModuleAsItWas) {
  testing::FaultyFileSystem files;
  files.failFromMutation(0);
  Workspace ws{files, program.path(), project.path()};
  const std::string earlier = earlierRun() + crlf({"", "Public Sub Mine()", "End Sub"});
  project.write("GlobalVariables.bas", earlier);
  auto path = writeGlobalVariablesModule(ws, project.path(), DumpState{});
  EXPECT_FALSE(path.ok());
  EXPECT_NE(path.message().find("GlobalVariables.bas"), std::string::npos) << path.message();
  EXPECT_EQ(project.read("GlobalVariables.bas"), earlier);
}

TEST_F(WriteGlobalVariablesTest, AnUnreadableEarlierModuleIsNotOverwritten) {
  testing::FaultyFileSystem files([](testing::Operation op, const std::string&) {
    return op == testing::Operation::Read;
  });
  Workspace ws{files, program.path(), project.path()};
  project.write("GlobalVariables.bas", "Public Sub Mine()\r\nEnd Sub\r\n");
  EXPECT_FALSE(writeGlobalVariablesModule(ws, project.path(), DumpState{}).ok());
  EXPECT_EQ(project.read("GlobalVariables.bas"), "Public Sub Mine()\r\nEnd Sub\r\n");
}

}  // namespace
}  // namespace qm
