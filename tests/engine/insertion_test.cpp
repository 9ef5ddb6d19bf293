#include "engine/insertion.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/tag_filling.h"
#include "engine_fixtures.h"

namespace qm {
namespace {

using testing::join;
using testing::kDefaultHandler;
using testing::kDefaultOnError;
using testing::kEE;
using testing::kES;
using testing::kSE;
using testing::kSS;
using testing::Lines;

// A short style, without final line breaks, so that each case shows every
// tag it fills in a line or two.
const std::string kShortOnError = "On Error GoTo EH ' <Procedure_Name> #<Increment>";
const std::string kShortHandler = "<Exit_Routine>\r\nEH: Report <Module_Name>, <Project_Name>";

Lines onErrorBlock(const std::string& quotedHeader, int number) {
  return {kSS, "On Error GoTo EH ' " + quotedHeader + " #" + std::to_string(number), kSE};
}
Lines handlerBlock(const std::string& exitStatement) {
  return {kES, exitStatement, "EH: Report \"frmMain.frm\", \"Billing\"", kEE};
}

struct InsertCase {
  std::string name;
  std::string input;
  std::string expected;  // empty: the input unchanged
  std::string summary = "1 out of 1";
  std::string minLines = "0";
  bool skipIgnoreTagged = true;
  bool skipExistingHandlers = true;
  // Records in list order; when absent every header of the input is recorded
  // as a long procedure without error handling.
  std::optional<std::vector<ProcedureRecord>> records = std::nullopt;
  // Records that the analysis of another member made before this file's.
  std::vector<ProcedureRecord> otherFileRecords = {};
  std::string onError = kShortOnError;
  std::string handler = kShortHandler;
};
void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }

InsertionOutcome insert(const InsertCase& c) {
  ProcedureList list;
  for (const auto& record : c.otherFileRecords) list.append("C:\\Billing\\frmOther.frm", record);
  if (c.records) {
    for (const auto& record : *c.records) list.append("C:\\Billing\\frmMain.frm", record);
  } else {
    for (std::string_view line : splitLines(c.input)) {
      if (isHeader(line)) list.append("C:\\Billing\\frmMain.frm", {std::string(line), false, 50});
    }
  }
  const InsertionSources sources{c.onError, c.handler, c.minLines, "Billing", list, "c:\\billing\\FRMMAIN.frm"};
  auto pass = InsertionPass::prepare(sources, "frmMain.frm", c.skipIgnoreTagged, c.skipExistingHandlers);
  EXPECT_TRUE(pass.ok()) << pass.message();
  return pass->run(c.input);
}

class Insertion : public ::testing::TestWithParam<InsertCase> {};

TEST_P(Insertion, WritesExactlyTheExpectedText) {
  const InsertCase& c = GetParam();
  const InsertionOutcome out = insert(c);
  EXPECT_EQ(out.text, c.expected.empty() ? c.input : c.expected);
  EXPECT_EQ(out.summary(), c.summary);
}

const std::string kPadHeader =
    "Public Function Pad(ByVal s As String, Optional ByVal c As String = \"_\") As String";

const std::string kFirstInsertion = join({{"Private Sub cmdSave_Click()"},
                                          onErrorBlock("\"Private Sub cmdSave_Click()\"", 0),
                                          {"    SaveInvoice"},
                                          handlerBlock("Exit Sub"),
                                          {"End Sub"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, Insertion,
    ::testing::Values(
        InsertCase{.name = "comments below the header stay above the block",
                   .input = join({{"Option Explicit", "Private Sub Form_Load()", "' Sets the caption",
                                   "    Caption = \"Billing\"", "End Sub"}}),
                   .expected = join({{"Option Explicit", "Private Sub Form_Load()", "' Sets the caption"},
                                     onErrorBlock("\"Private Sub Form_Load()\"", 0),
                                     {"    Caption = \"Billing\""},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "a blank line is the first statement line",
                   .input = join({{"Sub Main()", "", "    Run", "End Sub"}}),
                   .expected = join({{"Sub Main()"}, onErrorBlock("\"Sub Main()\"", 0), {"", "    Run"},
                                     handlerBlock("Exit Sub"), {"End Sub"}})},
        InsertCase{.name = "continued header joined piece by piece",
                   .input = join({{"Public Function Total(ByVal a As Long, _", "      ByVal b As Long, _",
                                   "      ByVal c As Long) As Long", "    Total = a + b + c", "End Function"}}),
                   .expected = join({{"Public Function Total(ByVal a As Long, _", "      ByVal b As Long, _",
                                      "      ByVal c As Long) As Long"},
                                     onErrorBlock("\"Public Function Total(ByVal a As Long,  ByVal b As Long,  "
                                                  "ByVal c As Long) As Long\"",
                                                  0),
                                     {"    Total = a + b + c"},
                                     handlerBlock("Exit Function"),
                                     {"End Function"}})},
        InsertCase{.name = "attribute lines under a continued header stay above the block",
                   .input = join({{"Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                                   "Attribute Total.VB_Description = \"Adds two amounts\"",
                                   "Attribute Total.VB_UserMemId = 0", "    Total = a + b", "End Function"}}),
                   .expected = join({{"Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                                      "Attribute Total.VB_Description = \"Adds two amounts\"",
                                      "Attribute Total.VB_UserMemId = 0"},
                                     onErrorBlock("\"Public Function Total(ByVal a As Long,  ByVal b As Long) As Long\"",
                                                  0),
                                     {"    Total = a + b"},
                                     handlerBlock("Exit Function"),
                                     {"End Function"}})},
        InsertCase{.name = "attribute and comment lines under a single line header",
                   .input = join({{"Public Sub Refresh()", "Attribute Refresh.VB_UserMemId = -550", "' repaint",
                                   "    Paint", "End Sub"}}),
                   .expected = join({{"Public Sub Refresh()", "Attribute Refresh.VB_UserMemId = -550", "' repaint"},
                                     onErrorBlock("\"Public Sub Refresh()\"", 0),
                                     {"    Paint"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "ignore tag before the first statement without closing tag drops the block",
                   .input = join({{"Private Sub Timer1_Timer()", "'<Ignore> polled too often", "    Tick", "End Sub",
                                   "Private Sub Form_Unload(Cancel As Integer)", "    Save", "End Sub"}}),
                   .expected = join({{"Private Sub Timer1_Timer()", "'<Ignore> polled too often", "    Tick",
                                      "End Sub", "Private Sub Form_Unload(Cancel As Integer)"},
                                     onErrorBlock("\"Private Sub Form_Unload(Cancel As Integer)\"", 1),
                                     {"    Save"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "1 out of 2"},
        InsertCase{.name = "ignore tag before the first statement with closing tag",
                   .input = join({{"Sub A()", "'<ignore>", "    x = 1", "'</ignore>", "    y = 2", "End Sub"}}),
                   .expected = join({{"Sub A()", "'<ignore>", "    x = 1", "'</ignore>"},
                                     onErrorBlock("\"Sub A()\"", 0),
                                     {"    y = 2"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "ignore tags are plain comments unless asked for",
                   .input = join({{"Sub A()", "'<ignore>", "    x = 1", "'</ignore>", "End Sub"}}),
                   .expected = join({{"Sub A()", "'<ignore>"}, onErrorBlock("\"Sub A()\"", 0),
                                     {"    x = 1", "'</ignore>"}, handlerBlock("Exit Sub"), {"End Sub"}}),
                   .skipIgnoreTagged = false},
        InsertCase{.name = "header inside an ignored stretch is not counted and the stretch ends with it",
                   .input = join({{"'<IGNORE>", "Private Sub A()", "    x = 1", "End Sub", "Private Sub B()",
                                   "    y = 1", "End Sub"}}),
                   .expected = join({{"'<IGNORE>", "Private Sub A()", "    x = 1", "End Sub", "Private Sub B()"},
                                     onErrorBlock("\"Private Sub B()\"", 1),
                                     {"    y = 1"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "an apostrophe and a blank before the tag open nothing",
                   .input = join({{"' <ignore>", "Sub A()", "    x = 1", "End Sub"}}),
                   .expected = join({{"' <ignore>", "Sub A()"}, onErrorBlock("\"Sub A()\"", 0), {"    x = 1"},
                                     handlerBlock("Exit Sub"), {"End Sub"}})},
        InsertCase{.name = "a header answers with its own file's record, numbered across every file",
                   .input = join({{"Private Sub Form_Load()", "    Init", "End Sub", "Private Sub cmdPrint_Click()",
                                   "    PrintOut", "End Sub"}}),
                   .expected = join({{"Private Sub Form_Load()"},
                                     onErrorBlock("\"Private Sub Form_Load()\"", 2),
                                     {"    Init"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub", "Private Sub cmdPrint_Click()"},
                                     onErrorBlock("\"Private Sub cmdPrint_Click()\"", 3),
                                     {"    PrintOut"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "2 out of 2",
                   .records = std::vector<ProcedureRecord>{{"Private Sub Form_Load()", false, 9},
                                                           {"Private Sub cmdPrint_Click()", false, 9}},
                   .otherFileRecords = {{"Private Sub Form_Load()", true, 9}, {"Private Sub cmdOK_Click()", false, 9}}},
        InsertCase{.name = "a header that only another file has is counted and left alone",
                   .input = join({{"Private Sub Form_Load()", "    Init", "End Sub"}}),
                   .summary = "0 out of 1",
                   .records = std::vector<ProcedureRecord>{},
                   .otherFileRecords = {{"Private Sub Form_Load()", false, 9}}},
        InsertCase{.name = "two identical headers of an If pair take the first and the second record",
                   .input = join({{"#If VBA7 Then", "Private Sub Paint()", "#Else", "Private Sub Paint()", "#End If",
                                   "    Draw", "End Sub"}}),
                   .expected = join({{"#If VBA7 Then", "Private Sub Paint()", "#Else", "Private Sub Paint()", "#End If"},
                                     onErrorBlock("\"Private Sub Paint()\"", 1),
                                     {"    Draw"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "1 out of 2",
                   .records = std::vector<ProcedureRecord>{{"Private Sub Paint()", false, 0},
                                                           {"Private Sub Paint()", false, 9}}},
        InsertCase{.name = "second insertion without skipping finds its own label and adds nothing",
                   .input = kFirstInsertion,
                   .summary = "0 out of 1",
                   .skipExistingHandlers = false,
                   .records = std::vector<ProcedureRecord>{{"Private Sub cmdSave_Click()", true, 8}}},
        InsertCase{.name = "a parameter, a Dim or a label that the blocks would add again leaves the procedure alone",
                   .input = join({{"Sub A(ByVal eh$, n As Long)", "    x = 1", "End Sub", "Sub B()",
                                   "    Dim x As Long, Eh As String", "End Sub", "Sub C()", "  10 eH:   ' retry",
                                   "End Sub", "Sub D(ByVal ehx As Long)", "    Static y: Const EHX = 1", "End Sub"}}),
                   .expected = join({{"Sub A(ByVal eh$, n As Long)", "    x = 1", "End Sub", "Sub B()",
                                      "    Dim x As Long, Eh As String", "End Sub", "Sub C()", "  10 eH:   ' retry",
                                      "End Sub", "Sub D(ByVal ehx As Long)"},
                                     onErrorBlock("\"Sub D(ByVal ehx As Long)\"", 3),
                                     {"    Static y: Const EHX = 1"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "1 out of 4"},
        InsertCase{.name = "a one-line procedure gets no block and the next procedure does",
                   .input = join({{"Private Function Stub() As Long: End Function ' later", "Private x As Long",
                                   "Sub A()", "    x = 1", "End Sub"}}),
                   .expected = join({{"Private Function Stub() As Long: End Function ' later", "Private x As Long",
                                      "Sub A()"},
                                     onErrorBlock("\"Sub A()\"", 1),
                                     {"    x = 1"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "1 out of 2"},
        InsertCase{.name = "a colon and End Sub inside a string do not end the header's procedure",
                   .input = join({{"Sub A(Optional s = \": End Sub\")", "    x = 1", "End Sub"}}),
                   .expected = join({{"Sub A(Optional s = \": End Sub\")"},
                                     onErrorBlock("\"Sub A(Optional s = \"\": End Sub\"\")\"", 0),
                                     {"    x = 1"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "the members of a Type or Enum block are no headers or end lines",
                   .input = join({{"Private Type Rec", "sUB As Long", "End Type", "Enum Kinds", "Function = 1",
                                   "End Sub", "End Enum", "Sub A()", "    x = 1", "End Sub"}}),
                   .expected = join({{"Private Type Rec", "sUB As Long", "End Type", "Enum Kinds", "Function = 1",
                                      "End Sub", "End Enum", "Sub A()"},
                                     onErrorBlock("\"Sub A()\"", 0),
                                     {"    x = 1"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .records = std::vector<ProcedureRecord>{{"Sub A()", false, 9}}},
        InsertCase{.name = "second insertion skipping existing handlers changes nothing",
                   .input = kFirstInsertion,
                   .summary = "0 out of 1",
                   .records = std::vector<ProcedureRecord>{{"Private Sub cmdSave_Click()", true, 8}}},
        InsertCase{.name = "with minLines 0 a procedure needs two counted lines",
                   .input = join({{"Sub Short()", "End Sub", "Sub Enough()", "    x = 1", "End Sub"}}),
                   .expected = join({{"Sub Short()", "End Sub", "Sub Enough()"}, onErrorBlock("\"Sub Enough()\"", 1),
                                     {"    x = 1"}, handlerBlock("Exit Sub"), {"End Sub"}}),
                   .summary = "1 out of 2",
                   .records = std::vector<ProcedureRecord>{{"Sub Short()", false, 1}, {"Sub Enough()", false, 2}}},
        InsertCase{.name = "a fraction of minLines is rounded half to even",
                   .input = join({{"Sub A()", "    x = 1", "End Sub"}}),
                   .summary = "0 out of 1",
                   .minLines = "2.5",
                   .records = std::vector<ProcedureRecord>{{"Sub A()", false, 3}}},
        InsertCase{.name = "a negative minLines lets an empty procedure qualify",
                   .input = join({{"Sub A()", "End Sub"}}),
                   .expected = join({{"Sub A()"}, onErrorBlock("\"Sub A()\"", 0), handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .minLines = "-3",
                   .records = std::vector<ProcedureRecord>{{"Sub A()", false, -1}}},
        InsertCase{.name = "a header without a record is counted and left alone",
                   .input = join({{"Sub A()", "    x = 1", "End Sub"}}),
                   .summary = "0 out of 1",
                   .records = std::vector<ProcedureRecord>{{"Sub A() ", false, 50}}},
        InsertCase{.name = "a file without procedures is unchanged",
                   .input = join({{"VERSION 5.00", "Begin VB.Form frmMain ", "   Caption         =   \"Billing\"",
                                   "End", "Attribute VB_Name = \"frmMain\"", "Option Explicit",
                                   "Private mTotal As Currency", "Public Property Get Total() As Currency",
                                   "    Total = mTotal", "End Property", "    Private Sub Indented()",
                                   "    End Sub"}}),
                   .summary = "0 out of 0"},
        InsertCase{.name = "the end line never comes",
                   .input = join({{"Private Sub A()", "    x = 1"}}),
                   .expected = join({{"Private Sub A()"}, onErrorBlock("\"Private Sub A()\"", 0), {"    x = 1"}})},
        InsertCase{.name = "a single line header keeps its trailing blanks in the quoted header",
                   .input = join({{"Private Sub A()  ", "    x = 1", "End Sub"}}),
                   .expected = join({{"Private Sub A()  "}, onErrorBlock("\"Private Sub A()  \"", 0), {"    x = 1"},
                                     handlerBlock("Exit Sub"), {"End Sub"}})},
        InsertCase{.name = "double quotes in the header are doubled",
                   .input = join({{kPadHeader, "    Pad = s & c", "End Function"}}),
                   .expected = join({{kPadHeader},
                                     onErrorBlock("\"Public Function Pad(ByVal s As String, Optional ByVal c As "
                                                  "String = \"\"_\"\") As String\"",
                                                  0),
                                     {"    Pad = s & c"},
                                     handlerBlock("Exit Function"),
                                     {"End Function"}})},
        InsertCase{.name = "the exit tag in any case in the handler only",
                   .input = join({{"Property Get Name() As String", "    Name = mName", "End Property"}}),
                   .expected = join({{"Property Get Name() As String", kSS, "' <exit_routine> stays", kSE,
                                      "    Name = mName", kES, "Exit Property", "Exit Property", kEE,
                                      "End Property"}}),
                   .onError = "' <exit_routine> stays",
                   .handler = "<exit_routine>\r\n<EXIT_ROUTINE>"},
        InsertCase{.name = "tags in any case and the variable dump tag left alone",
                   .input = join({{"Friend Sub Apply()", "    Go", "End Sub"}}),
                   .expected = join({{"Friend Sub Apply()", kSS,
                                      "\"Friend Sub Apply()\"|\"frmMain.frm\"|\"Billing\"|1|<VARIABLE_dump>", kSE,
                                      "    Go", kES, "\"Friend Sub Apply()\" 1 <Variable_Dump>", kEE, "End Sub"}}),
                   .records = std::vector<ProcedureRecord>{{"Private Sub Other()", false, 5},
                                                           {"Friend Sub Apply()", false, 5}},
                   .onError = "<procedure_NAME>|<MODULE_name>|<project_name>|<INCREMENT>|<VARIABLE_dump>",
                   .handler = "<Procedure_Name> <Increment> <Variable_Dump>"},
        InsertCase{.name = "Subtotal in the first column is a statement, not a header",
                   .input = join({{"Private Sub Recalc()", "Subtotal = 5", "    Total = Subtotal * 2", "End Sub"}}),
                   .expected = join({{"Private Sub Recalc()"}, onErrorBlock("\"Private Sub Recalc()\"", 0),
                                     {"Subtotal = 5", "    Total = Subtotal * 2"}, handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "a header in each branch of a directive shares one block below the directive",
                   .input = join({{"#If Win32 Then", "Private Sub Paint(ByVal hDC As Long)", "#ElseIf Mac Then",
                                   "Private Sub Paint(ByVal hDC As Integer)", "#Else",
                                   "Private Sub Paint(ByVal hDC As Byte)", "#End If", "    Draw hDC", "End Sub"}}),
                   .expected = join({{"#If Win32 Then", "Private Sub Paint(ByVal hDC As Long)", "#ElseIf Mac Then",
                                      "Private Sub Paint(ByVal hDC As Integer)", "#Else",
                                      "Private Sub Paint(ByVal hDC As Byte)", "#End If"},
                                     onErrorBlock("\"Private Sub Paint(ByVal hDC As Byte)\"", 2),
                                     {"    Draw hDC"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}}),
                   .summary = "1 out of 3"},
        InsertCase{.name = "a procedure opening with its own directive keeps the block above it",
                   .input = join({{"Private Sub Paint()", "#If DEBUG Then", "    Trace", "#End If", "    Draw", "End Sub"}}),
                   .expected = join({{"Private Sub Paint()"}, onErrorBlock("\"Private Sub Paint()\"", 0),
                                     {"#If DEBUG Then", "    Trace", "#End If", "    Draw"},
                                     handlerBlock("Exit Sub"),
                                     {"End Sub"}})},
        InsertCase{.name = "End Sub followed by a comment ends the procedure",
                   .input = join({{"Sub A()", "    x = 1", "End Sub ' done", "End Subscription"}}),
                   .expected = join({{"Sub A()"}, onErrorBlock("\"Sub A()\"", 0), {"    x = 1"},
                                     handlerBlock("Exit Sub"), {"End Sub ' done", "End Subscription"}})},
        InsertCase{.name = "8-bit bytes and tabs pass through",
                   .input = join({{"Sub Gr\xfc\xdf()", "\t' Stra\xdf" "e", "\tx = \"\xe9\"", "End Sub"}}),
                   .expected = join({{"Sub Gr\xfc\xdf()"}, onErrorBlock("\"Sub Gr\xfc\xdf()\"", 0),
                                     {"\t' Stra\xdf" "e", "\tx = \"\xe9\""}, handlerBlock("Exit Sub"),
                                     {"End Sub"}}),}),
    [](const auto& info) { return testing::caseName(info.param.name); });

TEST(InsertionNameClash, SaysWhichProcedureKeepsWhichName) {
  const std::string input = join({{"Private Sub Save(ByVal sModule$)", "    Store sModule", "End Sub",
                                   "Public Function Load(Optional ByVal s As String = \"\") As Boolean",
                                   "ErrorHandler: ' by hand", "End Function"}});
  ProcedureList list;
  testing::recordEveryHeader(input, list);
  const InsertionSources sources{kDefaultOnError, kDefaultHandler, "0", "Billing", list};
  auto pass = InsertionPass::prepare(sources, "modStore.bas", true, false);
  ASSERT_TRUE(pass.ok());
  const InsertionOutcome out = pass->run(input);
  EXPECT_EQ(out.text, input);
  ASSERT_EQ(out.clashes.size(), 2u);
  EXPECT_EQ(out.clashes[0].procedure, "Save");
  EXPECT_EQ(out.clashes[0].name, "smodule");
  EXPECT_EQ(out.clashes[1].procedure, "Load");
  EXPECT_EQ(out.clashes[1].name, "errorhandler");
}

struct ShortenCase {
  std::string quoted;
  std::size_t size;
  std::optional<std::string> expected;
};

TEST(QuotedHeaderShortening, KeepsBothEndsAndEveryDoubledQuoteWhole) {
  const std::vector<ShortenCase> cases = {
      {"\"Sub Abcdefgh()\"", 11, "\"Sub...h()\""},
      {"\"Sub Abcdefgh()\"", 12, "\"Sub ...h()\""},
      {"\"Sub Abcdefgh()\"", 5, "\"...\""},
      {"\"Sub Abcdefgh()\"", 4, std::nullopt},
      {"\"Sub A()\"", 9, std::nullopt},
      {"\"a\"\"bcdef\"\"g\"", 9, "\"a...\"\"g\""},
      {"\"a\"\"bcdef\"\"g\"", 10, "\"a\"\"b...g\""},
      {"\"a\"\"bcdef\"\"g\"", 11, "\"a\"\"...\"\"g\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shortenedQuotedHeader(c.quoted, c.size), c.expected) << c.quoted << " to " << c.size;
  }
}

TEST(InsertionLongHeader, NoFilledLineIsLongerThanVbAccepts) {
  // A header continued over many lines, with string defaults whose quotes
  // must stay doubled, joins to far more than one line may hold.
  std::vector<std::string> lines = {"Public Function Build( _"};
  for (int i = 0; i < 60; ++i) {
    lines.push_back("    Optional ByVal p" + std::to_string(i) + " As String = \"\"\"x\"\"\", _");
  }
  lines.push_back("    Optional ByVal last As Long) As String");
  lines.push_back("    Build = p0");
  lines.push_back("End Function");
  std::string input;
  for (const auto& line : lines) input += line + "\r\n";
  ProcedureList list;
  testing::recordEveryHeader(input, list);
  const InsertionSources sources{kDefaultOnError, kDefaultHandler, "0", "Billing", list};
  auto pass = InsertionPass::prepare(sources, "modBuild.bas", true, false);
  ASSERT_TRUE(pass.ok());
  const InsertionOutcome out = pass->run(input);
  ASSERT_EQ(out.summary(), "1 out of 1");
  bool sawProcedureConstant = false;
  for (std::string_view line : splitLines(out.text)) {
    if (line.rfind("Const sPROCEDURE", 0) != 0) continue;
    sawProcedureConstant = true;
    EXPECT_EQ(line.size(), kLongestStyleLine);
    const std::string_view literal = line.substr(line.find('"'));
    EXPECT_EQ(literal.back(), '"');
    EXPECT_NE(literal.find("..."), std::string_view::npos);
    // Inside the literal every double quote stands doubled.
    const std::string_view inner = literal.substr(1, literal.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
      if (inner[i] != '"') continue;
      ASSERT_LT(i + 1, inner.size());
      EXPECT_EQ(inner[i + 1], '"') << inner;
      ++i;
    }
  }
  EXPECT_TRUE(sawProcedureConstant);
}

TEST(InsertionDefaultStyle, WritesTheStyleAroundOneProcedureExactly) {
  const std::string input = join({{"Private Sub cmdPrint_Click()", "' prints the invoice", "    PrintInvoice",
                                   "End Sub"}});
  ProcedureList list;
  list.append("frmOther.frm", {"Private Sub cmdOK_Click()", false, 4});
  testing::recordEveryHeader(input, list);
  const InsertionSources sources{kDefaultOnError, kDefaultHandler, "0", "Billing", list};
  auto pass = InsertionPass::prepare(sources, "frmInvoice.frm", true, true);
  ASSERT_TRUE(pass.ok());
  const InsertionOutcome out = pass->run(input);
  // The handler has no tag but the exit one, so it stands as the style holds it.
  const std::string handler = kDefaultHandler.substr(std::string("<Exit_Routine>\r\n").size());
  EXPECT_EQ(out.text, join({{"Private Sub cmdPrint_Click()", "' prints the invoice", kSS,
                             "On Error GoTo ErrorHandler", "Const sPROJECT as String = \"Billing\"",
                             "Const sMODULE as String = \"frmInvoice.frm\"",
                             "Const sPROCEDURE as String = \"Private Sub cmdPrint_Click()\"",
                             "Dim sErrorMessage As String", "", kSE, "    PrintInvoice", kES, "Exit Sub"}}) +
                          handler + join({{"", kEE, "End Sub"}}));
  EXPECT_EQ(out.summary(), "1 out of 1");
}

struct ThresholdCase {
  std::string text;
  std::optional<std::int16_t> threshold;  // none: the text is refused
};

class InsertionThreshold : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(InsertionThreshold, IsMinLinesPlusTwoInSixteenBits) {
  const auto& c = GetParam();
  const auto got = insertionThreshold(c.text);
  ASSERT_EQ(got.ok(), c.threshold.has_value()) << "'" << c.text << "'";
  if (c.threshold) {
    EXPECT_EQ(*got, *c.threshold) << "'" << c.text << "'";
  } else {
    EXPECT_NE(got.message().find(c.text), std::string::npos) << got.message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertionThreshold,
    ::testing::Values(ThresholdCase{"0", 2}, ThresholdCase{" 3 ", 5}, ThresholdCase{"+4", 6},
                      ThresholdCase{"1.5", 4}, ThresholdCase{"2.5", 4}, ThresholdCase{"3.5", 6},
                      ThresholdCase{".5", 2}, ThresholdCase{"-2", 0}, ThresholdCase{"-2.5", 0},
                      ThresholdCase{"1e2", 102}, ThresholdCase{"32765", 32767}, ThresholdCase{"-32768", -32766},
                      ThresholdCase{"32765.4", 32767}, ThresholdCase{"32766", std::nullopt},
                      ThresholdCase{"32765.5", std::nullopt}, ThresholdCase{"-32769", std::nullopt},
                      ThresholdCase{"1e9", std::nullopt}, ThresholdCase{"", std::nullopt},
                      ThresholdCase{"abc", std::nullopt}, ThresholdCase{"5 lines", std::nullopt},
                      ThresholdCase{"0x10", std::nullopt}, ThresholdCase{"inf", std::nullopt},
                      ThresholdCase{"--1", std::nullopt}, ThresholdCase{"1,5", std::nullopt}));

TEST(TagFilling, LaterTagsInAnEarlierValueAreFilledToo) {
  // Replacing tag after tag, each on the result of the one before, fills a
  // later tag that an earlier value brought in, but not an earlier one.
  const TagTemplate handler("[<Module_Name>] [<Procedure_Name>] [<Increment>]", true);
  std::string out;
  handler.appendFilled(out, {"P<increment><Module_Name>", "M<EXIT_ROUTINE><Procedure_Name>", "J", "7", "Exit Sub"});
  EXPECT_EQ(out, "[MExit Sub<Procedure_Name>] [P7MExit Sub<Procedure_Name>] [7]");
}

TEST(TagFilling, UnknownAndBrokenTagsStayAsWritten) {
  const TagTemplate onError("<<Increment>> <Increment <Exit_Routine> <Other>", false);
  std::string out;
  onError.appendFilled(out, {"", "", "", "12", "Exit Sub"});
  EXPECT_EQ(out, "<12> <Increment <Exit_Routine> <Other>");
}

TEST(TagFilling, SurvivesCopies) {
  std::optional<TagTemplate> original(std::in_place, "a<Increment>b", true);
  const TagTemplate copy = *original;
  original.reset();
  std::string out;
  copy.appendFilled(out, {"", "", "", "3", ""});
  EXPECT_EQ(out, "a3b");
}

}  // namespace
}  // namespace qm
