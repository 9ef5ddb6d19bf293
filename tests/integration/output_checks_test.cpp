// The checks that the end-to-end runs rely on, shown to find the faults
// they are there for (and to pass their sound neighbours), so that a run
// that passes them has really been looked at.
#include "integration/output_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/default_style_texts.h"

namespace qm::testing {
namespace {

using Check = std::function<Problems(const std::string& original, const std::string& processed)>;

struct CheckCase {
  std::string what;
  std::string original;
  std::string processed;
  std::size_t problems;  // how many the check finds
};

std::string shown(const Problems& found) {
  std::string out;
  for (const std::string& problem : found) out += "\n  " + problem;
  return out;
}

void verify(const Check& check, const std::vector<CheckCase>& cases) {
  for (const CheckCase& c : cases) {
    const Problems found = check(c.original, c.processed);
    EXPECT_EQ(found.size(), c.problems) << c.what << shown(found);
  }
}

Check processedOnly(Problems (*check)(std::string_view)) {
  return [check](const std::string&, const std::string& processed) { return check(processed); };
}

TEST(OutputChecks, NumberingProblems) {
  verify(processedOnly(numberingProblems),
         {
             {"statements numbered", "", crlf({"Sub A()", "10     x = 1", "15     y = 2", "End Sub"}), 0},
             {"a directive left alone", "", crlf({"Sub A()", "#If X Then", "10 x = 1", "#End If", "End Sub"}), 0},
             {"a scoped Property is a procedure too", "",
              crlf({"Public Property Get Total() As Double", "10 Total = 1", "End Property"}), 0},
             {"a numbered #If", "", crlf({"Sub A()", "10 #If X Then", "15 x = 1", "#End If", "End Sub"}), 1},
             {"a numbered Attribute line", "",
              crlf({"Property Get N() As Long", "10 Attribute N.VB_UserMemId = 0", "15 N = 1", "End Property"}), 1},
             {"a numbered Type member", "", crlf({"Public Type T", "10     SubTotal As Long", "End Type"}), 1},
             {"a numbered Enum member", "", crlf({"Private Enum E", "10 eFirst = 1", "End Enum"}), 1},
             {"a number outside any procedure", "", crlf({"10 Option Explicit", "Sub A()", "End Sub"}), 1},
             {"a numbered header continuation", "", crlf({"Sub A(x, _", "10 y)", "15 z = 1", "End Sub"}), 1},
             {"a numbered header", "", crlf({"10 Private Sub A()", "15 x = 1", "End Sub"}), 1},
             {"the second header of an #If pair numbered", "",
              crlf({"#If VBA7 Then", "Sub A(ByVal h As LongPtr)", "#Else", "10 Sub A(ByVal h As Long)", "#End If",
                    "15 x = h", "End Sub"}),
              1},
             {"an #If pair with its body numbered", "",
              crlf({"#If VBA7 Then", "Sub A()", "#Else", "Sub A()", "#End If", "10 x = 1", "End Sub"}), 0},
             {"a numbered label with a comment", "", crlf({"Sub A()", "10 Found:   ' retry", "15 x = 1", "End Sub"}), 1},
             {"a label and a named argument left alone", "",
              crlf({"Sub A()", "Found:   ' retry", "10 Show Modal:=1", "End Sub"}), 0},
             {"a one-line procedure, then a numbered module line", "",
              crlf({"Private Function Stub() As Long: End Function", "10 Private mCount As Long"}), 1},
             {"a one-line procedure, then a numbered procedure", "",
              crlf({"Private Function Stub() As Long: End Function ' later", "Sub A()", "10 x = 1", "End Sub"}), 0},
             {"a numbered Type member named like a keyword", "",
              crlf({"Private Type T", "10     sUB As Long", "PrivatePageCount As Long", "End Type"}), 1},
         });
}

TEST(OutputChecks, RepeatedLabelProblems) {
  verify(processedOnly(repeatedLabelProblems),
         {
             {"numbers and labels once each", "",
              crlf({"Sub A()", "10 On Error GoTo E", "20 x = 1", "30 Exit Sub", "E:", "40 Resume", "End Sub"}), 0},
             {"the same numbers in two procedures", "",
              crlf({"Sub A()", "10 x = 1", "E:", "End Sub", "Sub B()", "10 x = 2", "E:", "End Sub"}), 0},
             {"a hand-written number written again", "", crlf({"Sub A()", "10 x = 1", "20 y = 1", "10 z = 1", "End Sub"}), 1},
             {"a number with a leading zero", "", crlf({"Sub A()", "010 x = 1", "10 y = 1", "End Sub"}), 1},
             {"a label defined twice, in other letter case", "",
              crlf({"Sub A()", "ErrorHandler:", "x = 1", "errorhandler: ' again", "End Sub"}), 1},
             {"a label twice in the body an #If pair shares", "",
              crlf({"#If VBA7 Then", "Sub A()", "#Else", "Sub A()", "#End If", "E:", "E:", "End Sub"}), 1},
             {"statements before a colon are no labels", "",
              crlf({"Sub A()", "If x Then", "Else: y = 1", "End If", "If z Then", "Else: y = 2", "End If", "End Sub"}), 0},
         });
}

TEST(OutputChecks, HandlerProblems) {
  const WantedBlocks skipping{true, namesDeclaredIn(kDefaultOnError + kDefaultHandler)};
  const WantedBlocks everyProcedure{false, skipping.blockNames};
  const auto with = [](const WantedBlocks& wanted) {
    return [wanted](const std::string& original, const std::string& processed) {
      return handlerProblems(original, processed, wanted);
    };
  };
  const std::string plain = crlf({"Sub A()", "x = 1", "y = 2", "End Sub"});
  const std::string added = crlf({"Sub A()", kSS, kSE, "x = 1", "y = 2", kES, kEE, "End Sub"});
  const std::string oneLine = crlf({"Private Function Stub() As Long: End Function", "Sub A()", "x = 1", "y = 2", "End Sub"});
  const std::string clashing = crlf({"Public Sub Log(ByVal sModule$)", "x = 1", "y = 2", "End Sub"});
  const std::string handNumbered =
      crlf({"Sub A()", "10 On Error GoTo ErrorHandler", "20 x = 1", "ErrorHandler:", "30 y = 2", "End Sub"});
  const std::string own = crlf({"Sub A()", "If x Then GoTo ErrorHandler", "y = 1", "ErrorHandler:", "End Sub"});
  const std::string pair =
      crlf({"#If VBA7 Then", "Sub A()", "#Else", "Sub A()", "#End If", "x = 1", "y = 2", "End Sub"});
  verify(with(everyProcedure),
         {
             {"one block of each", plain, added, 0},
             {"a wanted procedure left alone", plain, plain, 1},
             {"a second ON ERROR block", plain,
              crlf({"Sub A()", kSS, kSE, kSS, kSE, "x = 1", "y = 2", kES, kEE, "End Sub"}), 1},
             {"an ON ERROR block without its handler", plain, crlf({"Sub A()", kSS, kSE, "x = 1", "y = 2", "End Sub"}), 1},
             {"a one-line procedure left alone", oneLine,
              crlf({"Private Function Stub() As Long: End Function", "Sub A()", kSS, kSE, "x = 1", "y = 2", kES, kEE,
                    "End Sub"}),
              0},
             {"a parameter named like a constant of the blocks, left alone", clashing, clashing, 0},
             {"a parameter named like a constant of the blocks, given blocks", clashing,
              crlf({"Public Sub Log(ByVal sModule$)", kSS, kSE, "x = 1", "y = 2", kES, kEE, "End Sub"}), 1},
             {"a procedure with the blocks' label, given blocks", own,
              crlf({"Sub A()", kSS, kSE, "If x Then GoTo ErrorHandler", "y = 1", "ErrorHandler:", kES, kEE, "End Sub"}),
              1},
             {"a scoped property left alone", crlf({"Public Property Get P() As Long", "x = 1", "P = x", "End Property"}),
              crlf({"Public Property Get P() As Long", "x = 1", "P = x", "End Property"}), 0},
             {"a Static function given blocks", crlf({"Static Function F()", "x = 1", "F = x", "End Function"}),
              crlf({"Static Function F()", kSS, kSE, "x = 1", "F = x", kES, kEE, "End Function"}), 1},
             {"an unscoped property left alone", crlf({"Property Get P() As Long", "x = 1", "P = x", "End Property"}),
              crlf({"Property Get P() As Long", "x = 1", "P = x", "End Property"}), 1},
             {"one statement: blocks or none", crlf({"Sub A()", "x = 1", "End Sub"}), crlf({"Sub A()", "x = 1", "End Sub"}),
              0},
             {"an #If pair with a block under each header", pair,
              crlf({"#If VBA7 Then", "Sub A()", kSS, kSE, "#Else", "Sub A()", kSS, kSE, "#End If", "x = 1", "y = 2",
                    kES, kEE, "End Sub"}),
              0},
             {"an #If pair with one block below both", pair,
              crlf({"#If VBA7 Then", "Sub A()", "#Else", "Sub A()", "#End If", kSS, kSE, "x = 1", "y = 2", kES, kEE,
                    "End Sub"}),
              0},
             {"an #If pair with a block under its second header only", pair,
              crlf({"#If VBA7 Then", "Sub A()", "#Else", "Sub A()", kSS, kSE, "#End If", "x = 1", "y = 2", kES, kEE,
                    "End Sub"}),
              1},
         });
  verify(with(skipping), {
                             {"a hand-numbered handler spared", handNumbered, handNumbered, 0},
                             {"a hand-numbered handler given a second one", handNumbered,
                              crlf({"Sub A()", kSS, kSE, "10 On Error GoTo ErrorHandler", "20 x = 1", "ErrorHandler:",
                                    "30 y = 2", kES, kEE, "End Sub"}),
                              1},
                             {"a procedure without a handler", plain, added, 0},
                         });
}

TEST(OutputChecks, AttributeProblems) {
  const std::string original =
      crlf({"Property Get N() As Long", "Attribute N.VB_UserMemId = 0", "    N = 1", "End Property"});
  const std::string continued = crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long",
                                      "Attribute F.VB_Description = \"Adds\"", "    F = a + b", "End Function"});
  verify(
      attributeProblems,
      {
          {"block below the attribute", original,
           crlf({"Property Get N() As Long", "Attribute N.VB_UserMemId = 0", kSS, kSE, "10 N = 1", "End Property"}), 0},
          {"block between header and attribute", original,
           crlf({"Property Get N() As Long", kSS, kSE, "Attribute N.VB_UserMemId = 0", "10 N = 1", "End Property"}), 1},
          {"attribute under a continued header", continued,
           crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long",
                 "Attribute F.VB_Description = \"Adds\"", kSS, kSE, "10     F = a + b", "End Function"}),
           0},
          {"block inside a continued header's attributes", continued,
           crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long", kSS, kSE,
                 "Attribute F.VB_Description = \"Adds\"", "10     F = a + b", "End Function"}),
           1},
          {"a header lost", original, crlf({"    N = 1", "End Property"}), 1},
          {"a header changed", original,
           crlf({"10 Property Get N() As Long", "Attribute N.VB_UserMemId = 0", "    N = 1", "End Property"}), 1},
      });
}

TEST(OutputChecks, InsertedBlockProblems) {
  const std::string header = "Private Function R(ByVal d As Double) As Double";
  const std::string original = crlf({header, "Dim Subtotal As Double", "Subtotal = d * 100", "End Function"});
  const std::string earlier = crlf({"Sub A()", kSS, kSE, "x = 1", kES, kEE, "End Sub"});
  verify(
      insertedBlockProblems,
      {
          {"one block pair", original,
           crlf({header, kSS, kSE, "Dim Subtotal As Double", "Subtotal = d * 100", kES, kEE, "End Function"}), 0},
          {"a block under comments", crlf({"Sub A()", "' does a", "x = 1", "End Sub"}),
           crlf({"Sub A()", "' does a", kSS, kSE, "x = 1", kES, kEE, "End Sub"}), 0},
          {"blocks beside an earlier run's", earlier,
           crlf({"Sub A()", kSS, kSE, kSS, kSE, "x = 1", kES, kEE, kES, kEE, "End Sub"}), 0},
          {"a second block under a mistaken header", original,
           crlf({header, kSS, kSE, "Dim Subtotal As Double", kSS, kSE, "Subtotal = d * 100", kES, kEE, "End Function"}),
           2},
          {"a block below a one-line procedure", crlf({"Private Function Stub() As Long: End Function", "Sub A()", "End Sub"}),
           crlf({"Private Function Stub() As Long: End Function", kSS, kSE, "Sub A()", "End Sub"}), 1},
          {"a block never closed", original,
           crlf({header, kSS, "On Error GoTo E", "Dim Subtotal As Double", "End Function"}), 1},
          {"a handler block away from the end line", original,
           crlf({header, kSS, kSE, "Dim Subtotal As Double", kES, kEE, "Subtotal = d * 100", "End Function"}), 1},
      });
}

TEST(OutputChecks, QuotedHeaderProblems) {
  const std::string header = "Public Function Pad(ByVal s As String, Optional ByVal c As String = \"_\") As String";
  const std::string constant = "Const sPROCEDURE as String = ";
  verify(
      processedOnly(quotedHeaderProblems),
      {
          {"quotes doubled", "",
           crlf({header,
                 constant + "\"Public Function Pad(ByVal s As String, Optional ByVal c As String = \"\"_\"\") As "
                            "String\"",
                 "End Function"}),
           0},
          {"a continued header joined with its blanks", "",
           crlf({"Public Function Pad(ByVal s As String, _", "      ByVal n As Long) As String",
                 constant + "\"Public Function Pad(ByVal s As String,  ByVal n As Long) As String\"", "End Function"}),
           0},
          {"quotes as they are", "", crlf({header, constant + "\"" + header + "\"", "End Function"}), 1},
          {"another header's text", "", crlf({"Sub A()", constant + "\"Sub B()\"", "End Sub"}), 1},
      });
}

TEST(OutputChecks, ExitBeforeHandlerProblems) {
  const std::string earlier = crlf({"Sub A()", kSS, kSE, "x = 1", kES, "ErrorHandler:", kEE, "End Sub"});
  verify(exitBeforeHandlerProblems,
         {
             {"exit first", crlf({"Function F()", "End Function"}),
              crlf({"Function F()", kES, "10 Exit Function", "ErrorHandler:", "15 Resume", kEE, "End Function"}), 0},
             {"an earlier run's block is the user's", earlier, earlier, 0},
             {"a new block beside an earlier one", earlier,
              crlf({"Sub A()", kSS, kSE, kSS, kSE, "x = 1", kES, "ErrorHandler:", kEE, kES, "Exit Sub",
                    "ErrorHandler:", kEE, "End Sub"}),
              0},
             {"falling into the handler", crlf({"Sub A()", "End Sub"}),
              crlf({"Sub A()", kES, "ErrorHandler:", "10 Resume Next", kEE, "End Sub"}), 1},
             {"the exit of another kind", crlf({"Property Get P()", "End Property"}),
              crlf({"Property Get P()", kES, "Exit Sub", "ErrorHandler:", kEE, "End Property"}), 1},
             {"a new block beside an earlier one, falling through", earlier,
              crlf({"Sub A()", kSS, kSE, kSS, kSE, "x = 1", kES, "Exit Sub", "ErrorHandler:", kEE, kES,
                    "ErrorHandler:", kEE, "End Sub"}),
              1},
         });
}

TEST(OutputChecks, VariableReportProblems) {
  auto report = [](const std::string& expression, const std::string& label) {
    return "sVariableReport(" + expression + ", \"" + label + "\")";
  };
  const ProcessedMember util{
      "modUtil.bas", "Module", "Utilities",
      crlf({"Attribute VB_Name = \"Utilities\"", "Public LastError As String", "Public Type InvoiceLine",
            "    Quantity As Long", "End Type", "Public CurrentLine As InvoiceLine", "Private mCount As Long",
            "Private mLines() As InvoiceLine",
            "Public Function LineTotal(ByRef tLine As InvoiceLine, ByVal n As Long) As Long", "Dim lTotal As Long",
            "s = s & " + report("n", "n") + " & " + report("lTotal", "lTotal"), "End Function",
            "Private Function sModuleVariables() as string", "s = s & " + report("mCount", "mCount"), "End Function"})};
  const ProcessedMember invoice{"clsInvoice.cls", "Class", "clsInvoice",
                                crlf({"Attribute VB_Name = \"clsInvoice\"", "Public Customer As String"})};
  const ProcessedMember form{"frmMain.frm", "Form", "frmMain",
                             crlf({"Attribute VB_Name = \"frmMain\"", "Public CurrentCustomer As String"})};
  auto global = [&](const std::string& expression, const std::string& label) {
    return crlf({"Attribute VB_Name = \"GlobalVariables\"", "Public Function sGlobalVariables() as string",
                 "sMessage = sMessage & " + report(expression, label) + " & VBCrLf", "End Function",
                 "Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)",
                 "End Function"});
  };
  // The module with one more report line in LineTotal (or, `moduleLevel`, in sModuleVariables).
  auto utilWith = [&](const std::string& expression, bool moduleLevel = false) {
    ProcessedMember changed = util;
    const std::size_t end = moduleLevel ? changed.text.rfind("End Function") : changed.text.find("End Function");
    changed.text.insert(end, "s = s & " + report(expression, expression) + "\r\n");
    return std::vector<ProcessedMember>{changed, invoice};
  };
  const std::vector<ProcessedMember> all = {util, invoice, form};
  const ProcessedMember legacy{
      "modLegacy.bas", "Module", "Legacy",
      crlf({"Attribute VB_Name = \"Legacy\"", "Public gNow As Long", "#If False Then", "Public gOld As Long", "#End If",
            "Private Type Slot", "    sUB As Long", "End Type",
            "Private Property Let Item(pThunk As IUnknown, Optional ByVal Index As Long, ByVal v As Long)",
            "End Property", "#If VBA7 Then", "Public Function Paint(ByVal hWnd As LongPtr) As Long", "#Else",
            "Public Function Paint(ByVal hWnd As Long) As Long", "#End If", "#If DEBUG_BUILD Then",
            "    Dim nTrace As Long", "#End If", "    Paint = hWnd", "End Function",
            "Private Function sModuleVariables() as string", "End Function"})};
  const std::vector<ProcessedMember> conditional = {legacy};
  // The module with one more report line in Paint (or, `moduleLevel`, in sModuleVariables).
  auto conditionalWith = [&](const std::string& expression, bool moduleLevel = false) {
    ProcessedMember changed = legacy;
    const std::size_t end =
        moduleLevel ? changed.text.rfind("End Function") : changed.text.find("    Paint = hWnd");
    changed.text.insert(end, "s = s & " + report(expression, expression) + "\r\n");
    return std::vector<ProcessedMember>{changed};
  };
  const struct {
    std::string what;
    std::vector<ProcessedMember> members;
    std::string global;
    std::size_t problems;
  } cases[] = {
      {"a form's public variable", all, global("frmMain.CurrentCustomer", "frmMain.CurrentCustomer"), 0},
      {"a module under its VB name", all, global("Utilities.LastError", "Utilities.LastError"), 0},
      {"a module under its file name", all, global("modUtil.LastError", "modUtil.LastError"), 1},
      {"a class's public variable", all, global("clsInvoice.Customer", "clsInvoice.Customer"), 2},
      {"a public variable of a Type", all, global("Utilities.CurrentLine", "Utilities.CurrentLine"), 1},
      {"a label that differs", all, global("Utilities.LastError", "LastError"), 1},
      {"a parameter of a Type", utilWith("tLine"), "", 1},
      {"a piece that is no name", utilWith("ByRef tLine"), "", 1},
      {"a name the procedure does not have", utilWith("nCount"), "", 1},
      {"a module-level array of a Type", utilWith("mLines", true), "", 1},
      {"a public variable under #If False", conditional, global("Legacy.gOld", "Legacy.gOld"), 1},
      {"a public variable beside an #If block", conditional, global("Legacy.gNow", "Legacy.gNow"), 0},
      {"a member of a Type named like a keyword", conditionalWith("sUB", true), "", 1},
      {"a property's parameter as a module variable", conditionalWith("Index", true), "", 1},
      {"a local declared under #If", conditionalWith("nTrace"), "", 1},
      {"a parameter of an #If pair of headers", conditionalWith("hWnd"), "", 0},
  };
  for (const auto& c : cases) {
    const Problems found = variableReportProblems(c.members, c.global);
    EXPECT_EQ(found.size(), c.problems) << c.what << shown(found);
  }
}

}  // namespace
}  // namespace qm::testing
