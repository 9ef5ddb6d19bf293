#include <gtest/gtest.h>

#include <regex>

#include "engine/scanning.h"
#include "platform/file_system.h"
#include "platform/lines.h"
#include "support/temp_folder.h"
#include "vardump/variable_dump.h"

namespace qm {
namespace {

using testing::crlf;

std::string local(std::string_view name) {
  return "sLocalVariableDump = sLocalVariableDump & sVariableReport(" + std::string(name) + ", \"" +
         std::string(name) + "\") & VBCrLf\r\n";
}

std::string moduleLine(std::string_view name) {
  return "sMessage = sMessage & sVariableReport(" + std::string(name) + ", \"" + std::string(name) +
         "\") & VBCrLf\r\n";
}

std::string publicLine(std::string_view qualified) { return moduleLine(qualified); }

const std::string kNoLocals = "sLocalVariableDump = \"No Local Variables\"";

// The function appended when the option is on, for the given module-level names.
std::string moduleFunction(std::initializer_list<std::string_view> names) {
  std::string out = crlf({"Private Function sModuleVariables() as string",
                          "'Function to return all the values of the variables available", "'at module level.",
                          "'Requires:", "'   Nothing", "'Returns:",
                          "'   A string containing a list of variables and their values",
                          "'Code Created by Quillmere from Oskavel Software",
                          "'Visit www.oskavel.example for more information", "", "Dim sMessage as String", ""});
  for (auto name : names) out += moduleLine(name);
  if (names.size() == 0) out += "sMessage = \"No Module Level Variables\"";
  out += "\r\n'Return the module dump string\r\nsModuleVariables = sMessage\r\nEnd Function\r\n";
  return out;
}

struct Dumped {
  std::string text;
  DumpState state;
};

Dumped dump(std::string_view text, std::string_view fileName = "modMain.bas", bool option = false,
            bool skipIgnore = false, const std::set<std::string>& userTypes = {}) {
  Dumped result;
  result.text = VariableDumpPass(DumpOptions{fileName, skipIgnore, option, &userTypes}).run(text, result.state);
  return result;
}

// --- the text around procedures ------------------------------------------------

// Each case gives the text that each "<Variable_Dump>" of the input, in
// order, must become; a tag that must stay is given as itself. The pass ends
// every line in CR LF, a last one without a terminator too.
const std::string kTag = "<Variable_Dump>";
const std::string kSS = "'SS****** Do Not Delete, required by Quillmere";
const std::string kSE = "'SE****** Do Not Delete, required by Quillmere";

struct DumpCase {
  const char* name;
  std::string input;
  std::vector<std::string> fills;
  bool localDumpUsed = true;
  bool skipIgnoreTagged = false;
};
void PrintTo(const DumpCase& c, std::ostream* os) { *os << c.name; }

std::string filled(const DumpCase& c) {
  std::string out = c.input;
  std::size_t pos = 0;
  for (const std::string& fill : c.fills) {
    pos = out.find(kTag, pos);
    if (pos == std::string::npos) break;
    out.replace(pos, kTag.size(), fill);
    pos += fill.size();
  }
  if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
  return out;
}

class ProcedureDumpTest : public ::testing::TestWithParam<DumpCase> {};

TEST_P(ProcedureDumpTest, ReplacesTagsWithReportLines) {
  const auto& c = GetParam();
  const Dumped out = dump(c.input, "modMain.bas", /*option=*/false, c.skipIgnoreTagged);
  EXPECT_EQ(out.text, filled(c));
  EXPECT_EQ(out.state.localDumpUsed, c.localDumpUsed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProcedureDumpTest,
    ::testing::Values(
        DumpCase{"two parameters without locals get the no locals text",
                 crlf({"Private Sub Save(ByVal sPath As String, nMode As Integer)", "    Kill sPath",
                       "ErrorHandler:", "    <Variable_Dump>", "End Sub"}),
                 {kNoLocals}, false},
        DumpCase{"parameter first then local",
                 crlf({"Public Function Twice(ByVal n As Long) As Long", "    Dim nResult As Long",
                       "    Twice = n * 2", kTag, "End Function"}),
                 {local("n") + local("nResult")}},
        DumpCase{"local as long kept, object left out",
                 crlf({"Sub Tally()", "Dim nTotal As Long", "Dim rs As Recordset", kTag, "End Sub"}),
                 {local("nTotal")}},
        DumpCase{"lower case tag is not expanded", crlf({"Sub A(x)", "Dim n As Long", "<variable_dump>", "End Sub"}),
                 {}, false},
        DumpCase{"tag between SS and SE markers is left",
                 crlf({"Sub A(x)", kSS, kTag, kSE, "Dim n As Long", kTag, "End Sub"}),
                 {kTag, local("x") + local("n")}},
        DumpCase{"declarations between SS and SE are not reported",
                 crlf({"Sub A()", kSS, "Dim sLocalVariableDump as String 'Used for variable dump", kSE, kTag,
                       "End Sub"}),
                 {kNoLocals}, false},
        DumpCase{"ignore tags reported when not skipped",
                 crlf({"Sub A()", "'<Ignore>", "Dim n As Long", "'</Ignore>", kTag, "End Sub"}), {local("n")}},
        DumpCase{"ignore tags skipped when asked",
                 crlf({"Sub A()", "'<Ignore>", "Dim n As Long", "'</Ignore>", "Dim m As Long", kTag, "End Sub"}),
                 {local("m")}, true, true},
        DumpCase{"tag inside an ignored stretch is left",
                 crlf({"Sub A()", "Dim n As Long", "'<ignore>", kTag, "End Sub"}), {kTag}, false, true},
        DumpCase{"a header ends skipping", crlf({"'<ignore>", "Sub A()", "Dim n As Long", kTag, "End Sub"}),
                 {local("n")}, true, true},
        DumpCase{"module level dim is cleared by the first header",
                 crlf({"Dim mLoose As Long", "Sub A()", kTag, "End Sub"}), {kNoLocals}, false},
        DumpCase{"each header starts afresh",
                 crlf({"Sub A(p)", "Dim n As Long", "End Sub", "Sub B()", kTag, "End Sub"}), {kNoLocals}, false},
        DumpCase{"indented header is recognised",
                 crlf({"Sub A(p)", "Dim n As Long", "End Sub", "  Sub B(q)", "Dim m As Long", kTag, "End Sub"}),
                 {local("q") + local("m")}},
        DumpCase{"every tag of a line replaced", crlf({"Sub A()", "Dim n As Long", kTag + kTag, "End Sub"}),
                 {local("n"), local("n")}},
        DumpCase{"a second tag gets the same lines", crlf({"Sub A()", "Dim n As Long", kTag, kTag, "End Sub"}),
                 {local("n"), local("n")}},
        DumpCase{"no locals text does not swallow a later declaration",
                 crlf({"Sub A()", kTag, "Dim n As Long", kTag, "End Sub"}), {kNoLocals, local("n")}},
        DumpCase{"list of locals", crlf({"Sub A()", "Dim a As Integer, b As Long, c", kTag, "End Sub"}),
                 {local("a") + local("b") + local("c")}},
        DumpCase{"array last in a list is dropped", crlf({"Sub A()", "Dim p As Long, q() As Long", kTag, "End Sub"}),
                 {local("p")}},
        DumpCase{"comment words of a list are no names",
                 crlf({"Sub A()", "Dim a As Long, b ' totals, c", kTag, "End Sub"}), {local("a") + local("b")}},
        DumpCase{"bounds in a list give no names",
                 crlf({"Sub A()", "Dim m(1 To 2, 3 To 4) As Long, k As Long, a(0 To 5) As Long", kTag, "End Sub"}),
                 {local("k")}},
        DumpCase{"assignment to Dimension is no declaration", crlf({"Sub A()", "Dimension = 3", kTag, "End Sub"}),
                 {kNoLocals}, false},
        DumpCase{"byval and optional words taken off parameters",
                 crlf({"Sub A(ByVal x, Optional y = 5, Optional ByRef z)", "Dim n", kTag, "End Sub"}),
                 {local("x") + local("y") + local("z") + local("n")}},
        DumpCase{"header comment gives no parameters",
                 crlf({"Sub A(p As Long) ' called from B(x, y)", "Dim n", kTag, "End Sub"}),
                 {local("p") + local("n")}},
        DumpCase{"suffixed names are reported as written", crlf({"Sub A(s$)", "Dim n%", kTag, "End Sub"}),
                 {local("s$") + local("n%")}},
        DumpCase{"static locals", crlf({"Sub A()", "    Static nCalls As Long", kTag, "End Sub"}),
                 {local("nCalls")}},
        DumpCase{"declarations inside an If block in any branch are not reported",
                 crlf({"Sub A()", "#If DEBUGGING Then", "  Dim t As Long", "  #If Win64 Then", "    Dim p As Long",
                       "  #End If", "#Else", "  Dim u As Long", "#End   If", "Dim n As Long", kTag, "End Sub"}),
                 {local("n")}},
        DumpCase{"Type and Enum members are neither locals nor headers",
                 crlf({"Sub A(x)", "Dim n As Long", "End Sub", "Private Type Rec", "    sUB As Long",
                       "    Dim2 As Long", "End Type", "Enum E", "  Function", "End Enum", kTag}),
                 {local("x") + local("n")}},
        DumpCase{"commented declaration is not reported", crlf({"Sub A()", "'Dim n As Long", kTag, "End Sub"}),
                 {kNoLocals}, false},
        DumpCase{"bytes of other lines pass through",
                 "VERSION 5.00\r\n'caf\xE9\r\n\tDim t As Long\r\nSub A()\r\n<Variable_Dump>\r\nEnd Sub",
                 {kNoLocals}, false}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

// --- module-level and public variables ----------------------------------------

TEST(ModuleFunction, ListsPrivateVariablesWhenTheOptionIsOn) {
  const std::string input = crlf({"Attribute VB_Name = \"modMain\"", "Option Explicit",
                                  "Private mCount As Long", "Private mName As String, mForm As Form, mFlag",
                                  "Sub A()", "End Sub"});
  EXPECT_EQ(dump(input, "modMain.bas", true).text, input + moduleFunction({"mCount", "mName", "mFlag"}));
}

TEST(ModuleFunction, SaysNoModuleVariablesWhenThereAreNone) {
  const std::string input = crlf({"Attribute VB_Name = \"modMain\"", "Sub A()", "Dim n As Long", "End Sub"});
  EXPECT_EQ(dump(input, "modMain.bas", true).text, input + moduleFunction({}));
}

TEST(ModuleFunction, OptionOffAppendsNothingButStillExpandsTags) {
  const std::string input = crlf({"Private mCount As Long", "Sub A()", "Dim n As Long", "<Variable_Dump>",
                                  "End Sub"});
  const Dumped out = dump(input, "modMain.bas", false);
  EXPECT_EQ(out.text, crlf({"Private mCount As Long", "Sub A()", "Dim n As Long"}) + local("n") +
                          crlf({"", "End Sub"}));
}

TEST(ModuleFunction, ReplacesTheCopyAnEarlierRunAppended) {
  const std::string body = crlf({"Attribute VB_Name = \"modMain\"", "Private mOld As Long", "Private mNew As Long",
                                 "Sub A()", "End Sub"});
  const std::string once = dump(body, "modMain.bas", true).text;
  // The editor re-cases the header when the module is saved.
  std::string edited = once;
  edited.replace(edited.find("as string"), 9, "As String");
  EXPECT_EQ(dump(edited, "modMain.bas", true).text, once);
  EXPECT_EQ(dump(once, "modMain.bas", true).text, once);
}

TEST(ModuleFunction, AnEarlierCopyStaysWhenTheOptionIsOff) {
  const std::string once = dump(crlf({"Private m As Long"}), "modMain.bas", true).text;
  EXPECT_EQ(dump(once, "modMain.bas", false).text, once);
}

TEST(ModuleFunction, AnUnfinishedEarlierCopyTakesNoOtherProcedure) {
  const std::string input = crlf({"Private Function sModuleVariables() as string", "Dim sMessage as String",
                                  "Sub Keep()", "End Sub"});
  EXPECT_EQ(dump(input, "modMain.bas", true).text, crlf({"Sub Keep()", "End Sub"}) + moduleFunction({}));
}

struct PublicCase {
  const char* name;
  const char* fileName;
  std::string input;
  std::string expectedGlobalLines;
  int expectedCount;
};
void PrintTo(const PublicCase& c, std::ostream* os) { *os << c.name; }


class PublicVariableTest : public ::testing::TestWithParam<PublicCase> {};

TEST_P(PublicVariableTest, GoesToTheGlobalLinesQualifiedByTheModuleName) {
  const auto& c = GetParam();
  const Dumped out = dump(c.input, c.fileName, true);
  EXPECT_EQ(out.state.globalLines, c.expectedGlobalLines);
  EXPECT_EQ(out.state.globalCount, c.expectedCount);
  EXPECT_EQ(out.text.substr(0, c.input.size()), c.input) << "the source lines stay as they were";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PublicVariableTest,
    ::testing::Values(
        PublicCase{"form public variable", "frmMain.frm",
                   crlf({"VERSION 5.00", "Begin VB.Form frmMain", "   Caption = \"Main\"", "End",
                         "Attribute VB_Name = \"frmMain\"", "Public Total As Long"}),
                   publicLine("frmMain.Total"), 1},
        PublicCase{"each list item qualified", "frmMain.frm",
                   crlf({"Attribute VB_Name = \"frmMain\"", "Public a As Long, b As String, o As Object"}),
                   publicLine("frmMain.a") + publicLine("frmMain.b"), 2},
        PublicCase{"module named other than its file", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"Utilities\"", "Public x As Integer"}), publicLine("Utilities.x"), 1},
        PublicCase{"module named as its file", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"modUtil\"", "Public x As Integer"}), publicLine("modUtil.x"), 1},
        PublicCase{"name declared after the variables", "modUtil.bas",
                   crlf({"Public x As Integer", "Attribute VB_Name = \"Utilities\""}), publicLine("Utilities.x"), 1},
        PublicCase{"no attribute falls back to the file name", "Forms\\modOld.bas", crlf({"Public x As Integer"}),
                   publicLine("modOld.x"), 1},
        PublicCase{"unusable module name leaves them out", "my util.bas", crlf({"Public x As Integer"}), "", 0},
        PublicCase{"class public variable left out", "clsInvoice.cls",
                   crlf({"VERSION 1.0 CLASS", "Attribute VB_Name = \"clsInvoice\"", "Public Amount As Currency",
                         "Public a, b"}),
                   "", 0},
        PublicCase{"class in capitals left out", "CINVOICE.CLS",
                   crlf({"Attribute VB_Name = \"CInvoice\"", "Public Amount As Currency"}), "", 0},
        PublicCase{"public constant, enum and type", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"modUtil\"", "Public Const VERSION As String = \"1\"",
                         "Public Enum eKind", "Public Type tPoint", "Public Declare Function GetTickCount Lib "
                         "\"kernel32\" () As Long"}),
                   "", 0},
        PublicCase{"scoped property procedures give nothing", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"modUtil\"", "Public Property Let Value(ByVal i As Long, ByVal v As Long)",
                         "End Property", "Public Property Get Count() As Long", "End Property",
                         "Public Event Changed(a As Long, b As Long)"}),
                   "", 0},
        PublicCase{"public event and constant lists give nothing", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"modUtil\"", "Public Const A = 1, B = 2", "Public Event Done"}), "", 0},
        PublicCase{"public variables under an If block are left out", "modUtil.bas",
                   crlf({"Attribute VB_Name = \"modUtil\"", "#If False Then", "Public gOld As Long", "#Else",
                         "Public gNew As Long, gNewer As Long", "#End If", "Public gKept As Long"}),
                   publicLine("modUtil.gKept"), 1}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(ModuleFunction, ReportsNoParameterOfAScopedPropertyAndNothingUnderAnIf) {
  const std::string input = crlf({"Attribute VB_Name = \"cThunk\"", "Private mKept As Long", "#If VBA7 Then",
                                  "Private mPtr As Long", "#End If",
                                  "Private Property Let X(pThunk As IUnknown, Optional ByVal Index As Long, ByVal v As Long)",
                                  "End Property", "Private Static Function F(a As Long, b As Long) As Long",
                                  "End Function"});
  const Dumped out = dump(input, "cThunk.cls", true);
  EXPECT_NE(out.text.find(moduleLine("mKept")), std::string::npos);
  for (const char* phantom : {"mPtr", "Index", "pThunk", "a", "b", "v"}) {
    EXPECT_EQ(out.text.find("sVariableReport(" + std::string(phantom) + ","), std::string::npos) << phantom;
  }
}

TEST(ClassModule, KeepsItsModuleFunctionAndLocals) {
  const std::string input = crlf({"Attribute VB_Name = \"clsInvoice\"", "Private mAmount As Currency",
                                  "Public Total As Currency", "Public Sub Add(ByVal n As Currency)",
                                  "<Variable_Dump>", "End Sub"});
  const Dumped out = dump(input, "clsInvoice.cls", true);
  EXPECT_EQ(out.text, crlf({"Attribute VB_Name = \"clsInvoice\"", "Private mAmount As Currency",
                            "Public Total As Currency", "Public Sub Add(ByVal n As Currency)", kNoLocals,
                            "End Sub"}) +
                          moduleFunction({"mAmount"}));
  EXPECT_EQ(out.state.globalCount, 0);
}

TEST(PublicVariables, AccumulateOverFilesInOrder) {
  DumpState state;
  const std::set<std::string> none;
  VariableDumpPass(DumpOptions{"modA.bas", false, true, &none})
      .run(crlf({"Attribute VB_Name = \"modA\"", "Public x As Long"}), state);
  VariableDumpPass(DumpOptions{"frmB.frm", false, true, &none})
      .run(crlf({"Attribute VB_Name = \"frmB\"", "Public y As Long", "Public z"}), state);
  EXPECT_EQ(state.globalLines, publicLine("modA.x") + publicLine("frmB.y") + publicLine("frmB.z"));
  EXPECT_EQ(state.globalCount, 3);
  state.clear();
  EXPECT_EQ(state.globalLines, "");
  EXPECT_EQ(state.globalCount, 0);
  EXPECT_FALSE(state.localDumpUsed);
}

// --- user-defined types ------------------------------------------------------------

TEST(UserTypes, VariablesOfThemAreNeverReported) {
  // The analysis found these Type blocks somewhere in the project. "Decimal"
  // names a type like a simple one, which the type test alone would let pass.
  const std::set<std::string> userTypes = {"tpoint", "decimal"};
  const std::string input = crlf({
      "Attribute VB_Name = \"modGeo\"",
      "Public gOrigin As tPoint",
      "Public gAmount As Decimal, gCount As Long",
      "Private mShape() As tPoint",
      "Private mLast As Decimal",
      "Dim mLoose As Long",
      "Sub Move(pt As tPoint, ByVal d As Decimal, ByVal n As Long)",
      "Dim pts() As tPoint",
      "Dim here As tPoint, amt As Decimal, k As Long",
      "Dim t\tAs tPoint",
      "Dim u _",
      "    As tPoint",
      "Dim v As Long, w _",
      "    As tPoint",
      "<Variable_Dump>",
      "End Sub",
  });
  const Dumped out = dump(input, "modGeo.bas", true, false, userTypes);
  std::string expectedBody = input;
  expectedBody.replace(expectedBody.find(kTag), kTag.size(), local("n") + local("k") + local("v"));
  EXPECT_EQ(out.text, expectedBody + moduleFunction({}));
  EXPECT_EQ(out.state.globalLines, publicLine("modGeo.gCount"));
  EXPECT_EQ(out.state.globalCount, 1);
}

TEST(UserTypes, ASimpleTypeStaysReportedWhenNoUserTypeHasItsName) {
  const Dumped out = dump(crlf({"Sub A()", "Dim d As Decimal", "<Variable_Dump>", "End Sub"}), "m.bas", false,
                          false, {"tpoint"});
  EXPECT_EQ(out.text, crlf({"Sub A()", "Dim d As Decimal"}) + local("d") + crlf({"", "End Sub"}));
}

// --- every reported name is one that compiles -----------------------------------

// Every sVariableReport( call in `text` names a plain identifier or
// module.identifier, and labels it with the same text.
void expectOnlyPlainReports(const std::string& text) {
  static const std::regex call(R"re(sVariableReport\(([^,]*), "([^"]*)"\) & VBCrLf)re");
  static const std::regex plain(R"re(([A-Za-z][A-Za-z0-9_]*\.)?[A-Za-z][A-Za-z0-9_]*[%&!#@$]?)re");
  std::size_t calls = 0;
  std::size_t found = 0;
  for (std::size_t pos = text.find("sVariableReport("); pos != std::string::npos;
       pos = text.find("sVariableReport(", pos + 1)) {
    ++calls;
  }
  for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
    ++found;
    const std::string argument = (*it)[1];
    EXPECT_TRUE(std::regex_match(argument, plain)) << "argument: [" << argument << "]";
    EXPECT_EQ(argument, (*it)[2].str());
  }
  EXPECT_EQ(calls, found) << "a report call of another shape";
}

TEST(ReportedNames, ArePlainIdentifiersWhateverTheDeclarationsLookLike) {
  const std::string awkward = crlf({
      "Attribute VB_Name = \"modAwkward\"",
      "Option Explicit",
      "Private Const A = 1, B = 2",
      "Public Const C As Long = 3, D = 4",
      "Private m(1, 2) As Long, mk As Long, mq() As Long",
      "Public g(1 To 2, 3 To 4), gz As Byte, gw",
      "Private Declare Function GetTickCount Lib \"kernel32\" () As Long",
      "Public Event Changed(ByVal a As Long, ByVal b As Long)",
      "Dim x: x = 5",
      "Public Property Let Value(ByVal i As Long, ByVal v As Long)",
      "End Property",
      "Sub Fill(ByVal a, b() As Long, Optional c = \"'\", Optional ByVal d As Long = 5, ParamArray e())",
      "Dim p As Long, q() As Long, r(0 To 5) As Long",
      "Dimension = 3",
      "Dim s As String * 5, t As Long ' u, v, w",
      "Dim y, _",
      "    z",
      "Dim arr(1 To 5)",
      "Static st$, sn%",
      "Subtotal = 5",
      "<Variable_Dump>",
      "End Sub",
      "Function F(Optional ByRef o = Nothing) As Long ' see (h, i)",
      "Dim nF As Long",
      "<Variable_Dump>",
      "End Function",
  });
  const Dumped out = dump(awkward, "modAwkward.bas", true);
  expectOnlyPlainReports(out.text);
  expectOnlyPlainReports(out.state.globalLines);
  // What is certainly a variable is still reported.
  EXPECT_NE(out.text.find(local("a") + local("c") + local("p") + local("t") + local("y") + local("st$") +
                          local("sn%")),
            std::string::npos);
  EXPECT_NE(out.text.find(local("o") + local("nF")), std::string::npos);
  EXPECT_NE(out.text.find(moduleLine("mk") + "\r\n'Return"), std::string::npos);
  EXPECT_EQ(out.state.globalLines, publicLine("modAwkward.gz") + publicLine("modAwkward.gw"));
}

TEST(ReportedNames, ArePlainInTheExampleProject) {
  const std::string folder = testing::exampleFolder();
  NativeFileSystem files;
  if (!files.isFolder(folder)) GTEST_SKIP() << "no example project";
  DumpState state;
  const std::set<std::string> userTypes = {"invoiceline"};
  std::set<std::string> reportableModules;  // VB names of the forms and standard modules
  int members = 0;
  for (const std::string sub : {"", "Forms/"}) {
    for (const auto& entry : files.list(folder + sub, "*.*")) {
      const std::string extension = entry.name.size() > 4 ? entry.name.substr(entry.name.size() - 4) : "";
      if (extension != ".bas" && extension != ".cls" && extension != ".frm") continue;
      auto text = files.readFile(folder + sub + entry.name);
      ASSERT_TRUE(text.ok());
      ++members;
      for (auto line : splitLines(*text)) {
        if (auto name = vbNameAttribute(line); name && extension != ".cls") reportableModules.insert(*name);
      }
      expectOnlyPlainReports(VariableDumpPass(DumpOptions{entry.name, false, true, &userTypes}).run(*text, state));
    }
  }
  expectOnlyPlainReports(state.globalLines);
  EXPECT_GT(members, 0);
  static const std::regex qualified(R"(sVariableReport\(([A-Za-z0-9_]+)\.)");
  for (auto it = std::sregex_iterator(state.globalLines.begin(), state.globalLines.end(), qualified);
       it != std::sregex_iterator(); ++it) {
    EXPECT_EQ(reportableModules.count((*it)[1].str()), 1u) << "qualified by " << (*it)[1].str();
  }
}

}  // namespace
}  // namespace qm
