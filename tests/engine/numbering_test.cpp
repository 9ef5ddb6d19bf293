#include "engine/numbering.h"

#include <gtest/gtest.h>

#include "engine/insertion.h"
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

const std::string kMarker = "'[L NUMS] (Line numbers added by Quillmere)";

struct NumberCase {
  std::string name;
  std::string input;
  std::string expected;  // the file as it ends up; empty: the input unchanged
  float next;
  float start = 10;
  std::int16_t increment = 5;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

// What the file holds after numbering: the numbered text, or the input
// untouched when there was nothing to number or it was numbered already.
std::string numberedFile(const NumberingOutcome& out, const std::string& input) {
  return out.alreadyNumbered || out.numberedLines == 0 ? input : out.text;
}

class Numbering : public ::testing::TestWithParam<NumberCase> {};

TEST_P(Numbering, NumbersTheStatementLinesOfEveryProcedure) {
  const auto& c = GetParam();
  const auto out = NumberingPass(c.start, c.increment).run(c.input);
  EXPECT_EQ(numberedFile(out, c.input), c.expected.empty() ? c.input : c.expected);
  EXPECT_EQ(out.nextNumber, c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Numbering,
    ::testing::Values(
        NumberCase{"three statements from 10 by 5",
                   join({{"Private Sub A()", "    x = 1", "    y = 2", "    z = 3", "End Sub"}}),
                   join({{kMarker, "Private Sub A()", "10     x = 1", "15     y = 2", "20     z = 3", "End Sub"}}),
                   25},
        NumberCase{"case, dim, const, labels, blanks and numbered lines are skipped",
                   join({{"Private Sub B(ByVal n As Long)", "Dim s As String", "Const MAX As Long = 3",
                          "    Select Case n", "    Case 1", "        s = \"one\"", "    Case Else",
                          "        s = \"many\"", "    End Select", "", "   ", "ErrorHandler:", "    ReDim a(n)",
                          "    Static count As Long", "20  Done", "End Sub"}}),
                   join({{kMarker, "Private Sub B(ByVal n As Long)", "Dim s As String", "Const MAX As Long = 3",
                          "10     Select Case n", "    Case 1", "15         s = \"one\"", "    Case Else",
                          "25         s = \"many\"", "30     End Select", "", "   ", "ErrorHandler:",
                          "35     ReDim a(n)", "40     Static count As Long", "20  Done", "End Sub"}}),
                   45},
        NumberCase{"a number that any line carries already is never written again",
                   join({{"Sub A()", "    x = 1", "End Sub", "Sub B()", "    y = 2", "    z = 3", "End Sub",
                          "Sub C()", "  0015 Resume Next", "020 Beep", "End Sub"}}),
                   join({{kMarker, "Sub A()", "10     x = 1", "End Sub", "Sub B()", "25     y = 2", "30     z = 3",
                          "End Sub", "Sub C()", "  0015 Resume Next", "020 Beep", "End Sub"}}),
                   35},
        NumberCase{"labels are never numbered, with or without a comment or statement after them",
                   join({{"Sub A()", "Found:   ' retry", "Again: x = 1", "  Done:", "\tTabbed:", "    a := 1",
                          "    Call Go(b:=1)", "End Sub"}}),
                   join({{kMarker, "Sub A()", "Found:   ' retry", "Again: x = 1", "  Done:", "\tTabbed:",
                          "10     a := 1", "15     Call Go(b:=1)", "End Sub"}}),
                   20},
        NumberCase{"the second header of an If pair is never numbered",
                   join({{"#If VBA7 Then", "Private Declare PtrSafe Sub Sleep Lib \"kernel32\" (ByVal n As Long)",
                          "Private Sub Paint(ByVal h As LongPtr)", "#Else", "Private Sub Paint(ByVal h As Long)",
                          "#End If", "    Draw h", "End Sub"}}),
                   join({{kMarker, "#If VBA7 Then",
                          "Private Declare PtrSafe Sub Sleep Lib \"kernel32\" (ByVal n As Long)",
                          "Private Sub Paint(ByVal h As LongPtr)", "#Else", "Private Sub Paint(ByVal h As Long)",
                          "#End If", "10     Draw h", "End Sub"}}),
                   15},
        NumberCase{"a one-line procedure leaves the lines after it outside any procedure",
                   join({{"Private Function Stub() As Long: End Function", "Private mX As Long",
                          "Public Sub Two(a, _", "    b): End Sub", "Private mY As Long", "Sub C()", "    c = 1",
                          "End Sub"}}),
                   join({{kMarker, "Private Function Stub() As Long: End Function", "Private mX As Long",
                          "Public Sub Two(a, _", "    b): End Sub", "Private mY As Long", "Sub C()", "10     c = 1",
                          "End Sub"}}),
                   15},
        NumberCase{"keywords are whole words",
                   join({{"Sub C()", "Dimension = 3", "Cases = 2", "Constant = 1", "Dim x As Long", "End Sub"}}),
                   join({{kMarker, "Sub C()", "10 Dimension = 3", "15 Cases = 2", "20 Constant = 1", "Dim x As Long",
                          "End Sub"}}),
                   25},
        NumberCase{"a continued statement gets one number and a continued Dim none",
                   join({{"Sub D()", "    MsgBox \"a\" & _", "        \"b\"", "    Dim s As String, _",
                          "        t As String", "    Call Go", "End Sub"}}),
                   join({{kMarker, "Sub D()", "10     MsgBox \"a\" & _", "        \"b\"", "    Dim s As String, _",
                          "        t As String", "15     Call Go", "End Sub"}}),
                   20},
        NumberCase{"no line of a continued header is numbered",
                   join({{"Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                          "    Total = a + b", "End Function"}}),
                   join({{kMarker, "Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                          "10     Total = a + b", "End Function"}}),
                   15},
        NumberCase{"an indented header is recognised",
                   join({{"    Private Sub E()", "        x = 1", "    End Sub", "        y = 1"}}),
                   join({{kMarker, "    Private Sub E()", "10         x = 1", "    End Sub", "        y = 1"}}), 15},
        NumberCase{"directives and attribute lines are never numbered",
                   join({{"Attribute VB_Name = \"modMain\"", "#Const DEBUGGING = 1",
                          "Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                          "Attribute Total.VB_UserMemId = 0", "#If DEBUGGING Then", "    Debug.Print a", "#Else",
                          "  #ElseIf Win16 Then", "#End If", "    Total = a + b", "End Function"}}),
                   join({{kMarker, "Attribute VB_Name = \"modMain\"", "#Const DEBUGGING = 1",
                          "Public Function Total(ByVal a As Long, _", "    ByVal b As Long) As Long",
                          "Attribute Total.VB_UserMemId = 0", "#If DEBUGGING Then", "10     Debug.Print a", "#Else",
                          "  #ElseIf Win16 Then", "#End If", "15     Total = a + b", "End Function"}}),
                   20},
        NumberCase{"a directive does not end a continued statement",
                   join({{"Sub F()", "    x = a + _", "#If True Then", "#End If", "        b", "    y = 3",
                          "End Sub"}}),
                   join({{kMarker, "Sub F()", "10     x = a + _", "#If True Then", "#End If", "        b",
                          "15     y = 3", "End Sub"}}),
                   20},
        NumberCase{"End Sub with a comment is an end line, End Subscription is not",
                   join({{"Sub G()", "    x = 1", "End Subscription", "End Sub ' done", "Private mCount As Long"}}),
                   join({{kMarker, "Sub G()", "10     x = 1", "15 End Subscription", "End Sub ' done",
                          "Private mCount As Long"}}),
                   20},
        NumberCase{"numbering runs on from procedure to procedure",
                   join({{"Sub H()", "    a", "End Sub", "Private mX As Long", "Sub I()", "    b", "End Sub"}}),
                   join({{kMarker, "Sub H()", "10     a", "End Sub", "Private mX As Long", "Sub I()", "15     b",
                          "End Sub"}}),
                   20},
        NumberCase{"scoped and Set property procedures are not recognised",
                   join({{"Public Property Get Name() As String", "    Name = mName", "End Property",
                          "Property Set Font(ByVal f As StdFont)", "    Set mFont = f", "End Property",
                          "Property Let Name(ByVal v As String)", "    mName = v", "End Property"}}),
                   join({{kMarker, "Public Property Get Name() As String", "    Name = mName", "End Property",
                          "Property Set Font(ByVal f As StdFont)", "    Set mFont = f", "End Property",
                          "Property Let Name(ByVal v As String)", "10     mName = v", "End Property"}}),
                   15},
        NumberCase{"the members of a Type block are no procedure",
                   join({{"Private Type Invoice", "    SubTotal As Currency", "    sUB As Long", "Function As Long",
                          "End Type", "Enum Kinds", "  Property Get = 1", "End Enum"}}),
                   "", 10},
        NumberCase{"a file without procedures is left unchanged",
                   join({{"VERSION 5.00", "Begin VB.Form frmMain ", "End", "Attribute VB_Name = \"frmMain\"",
                          "Option Explicit"}}),
                   "", 10},
        NumberCase{"the marker in any case anywhere stops the pass",
                   join({{"Sub A()", "    x = 1", "End Sub", "    '[l NuMs] numbered by hand", "Sub B()", "    y = 1",
                          "End Sub"}}),
                   "", 10},
        NumberCase{"a marker after a blank is only a comment",
                   join({{"' [L NUMS]", "Sub A()", "    x = 1", "End Sub"}}),
                   join({{kMarker, "' [L NUMS]", "Sub A()", "10     x = 1", "End Sub"}}), 15},
        NumberCase{"other start and increment", join({{"Sub A()", "x", "y", "End Sub"}}),
                   join({{kMarker, "Sub A()", "100 x", "101 y", "End Sub"}}), 102, 100, 1},
        NumberCase{"numbers stay exact beyond single precision",
                   join({{"Sub A()", "x", "y", "z", "End Sub"}}),
                   join({{kMarker, "Sub A()", "16777216 x", "16777221 y", "16777226 z", "End Sub"}}), 16777232.0f,
                   16777216.0f, 5}),
    [](const auto& info) { return testing::caseName(info.param.name); });

TEST(NumberingDefaultStyle, NumbersTheStatementsOfTheInsertedBlocks) {
  const std::string input = join({{"Private Sub cmdPrint_Click()", "    PrintInvoice", "End Sub"}});
  ProcedureList list;
  testing::recordEveryHeader(input, list);
  auto insertion =
      InsertionPass::prepare({kDefaultOnError, kDefaultHandler, "0", "Billing", list}, "frmInvoice.frm", true, true);
  ASSERT_TRUE(insertion.ok());
  const std::string inserted = insertion->run(input).text;

  const auto out = NumberingPass(10, 5).run(inserted);
  EXPECT_EQ(out.text,
            join({{kMarker,
                   "Private Sub cmdPrint_Click()",
                   kSS,
                   "10 On Error GoTo ErrorHandler",
                   "Const sPROJECT as String = \"Billing\"",
                   "Const sMODULE as String = \"frmInvoice.frm\"",
                   "Const sPROCEDURE as String = \"Private Sub cmdPrint_Click()\"",
                   "Dim sErrorMessage As String",
                   "",
                   kSE,
                   "15     PrintInvoice",
                   kES,
                   "20 Exit Sub",
                   "ErrorHandler:",
                   "25 sErrorMessage = \"Error \" & Err.Number & vbCrLf",
                   "30 sErrorMessage = sErrorMessage & Err.Description & vbCrLf",
                   "35 sErrorMessage = sErrorMessage & \"Location: \" & sPROJECT & \": \"",
                   "40 sErrorMessage = sErrorMessage & sMODULE & \": \" & sPROCEDURE & vbCrLf ",
                   "45 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, \"Error in \" & sPROJECT)",
                   "Case vbAbort",
                   "50     End",
                   "Case vbRetry",
                   "55     Resume",
                   "Case vbIgnore",
                   "60     Resume Next",
                   "65 End Select",
                   "",
                   kEE,
                   "End Sub"}}));
  EXPECT_EQ(out.nextNumber, 70);
}

TEST(StartsWithDigit, LooksAtTheFirstCharacterOnly) {
  EXPECT_TRUE(bStartsWithDigit("0"));
  EXPECT_TRUE(bStartsWithDigit("9 x = 1"));
  EXPECT_FALSE(bStartsWithDigit(""));
  EXPECT_FALSE(bStartsWithDigit("a1"));
  EXPECT_FALSE(bStartsWithDigit(" 1"));
  EXPECT_FALSE(bStartsWithDigit("\xb2"));  // superscript two in Latin-1
}

TEST(LineNumberText, IsPlainDigitsAtAnySize) {
  EXPECT_EQ(lineNumberText(10), "10");
  EXPECT_EQ(lineNumberText(0), "0");
  EXPECT_EQ(lineNumberText(9999995), "9999995");
  EXPECT_EQ(lineNumberText(10000000), "10000000");
  EXPECT_EQ(lineNumberText(123456789), "123456789");
  EXPECT_EQ(lineNumberText(10.5), "10");  // a fraction would not be a line number
}

}  // namespace
}  // namespace qm
