// The checks that the end-to-end runs rely on, shown to find the faults
// they are there for (and to pass their sound neighbours), so that a run
// that passes them has really been looked at.
#include "integration/output_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/temp_folder.h"

namespace qm::testing {
namespace {

struct CheckCase {
  std::string what;
  std::string original;
  std::string processed;
  std::size_t problems;  // how many the check finds
};

void verify(const std::function<Problems(const std::string&, const std::string&)>& check,
            const std::vector<CheckCase>& cases) {
  for (const CheckCase& c : cases) {
    const Problems found = check(c.original, c.processed);
    std::string shown;
    for (const std::string& problem : found) shown += "\n  " + problem;
    EXPECT_EQ(found.size(), c.problems) << c.what << shown;
  }
}

const std::string kSs = "'SS****** Do Not Delete, required by Quillmere";
const std::string kSe = "'SE****** Do Not Delete, required by Quillmere";
const std::string kEs = "'ES****** Do Not Delete, required by Quillmere";
const std::string kEe = "'EE****** Do Not Delete, required by Quillmere";

TEST(OutputChecks, NumberingProblems) {
  verify([](const std::string&, const std::string& p) { return numberingProblems(p); },
         {
             {"statements numbered", "", crlf({"Sub A()", "10     x = 1", "15     y = 2", "End Sub"}), 0},
             {"a directive left alone", "", crlf({"Sub A()", "#If X Then", "10 x = 1", "#End If", "End Sub"}), 0},
             {"a numbered #If", "", crlf({"Sub A()", "10 #If X Then", "15 x = 1", "#End If", "End Sub"}), 1},
             {"a numbered #Else", "", crlf({"Sub A()", "#If X Then", "#Else", "10   #Else", "End Sub"}), 1},
             {"a numbered Attribute line", "",
              crlf({"Property Get N() As Long", "10 Attribute N.VB_UserMemId = 0", "15 N = 1", "End Property"}), 1},
             {"a numbered Type member", "",
              crlf({"Public Type T", "    Quantity As Long", "10     SubTotal As Long", "End Type"}), 1},
             {"a numbered Enum member", "", crlf({"Private Enum E", "10 eFirst = 1", "End Enum"}), 1},
             {"a number outside any procedure", "", crlf({"10 Option Explicit", "Sub A()", "End Sub"}), 1},
             {"a numbered header continuation", "", crlf({"Sub A(x, _", "10 y)", "15 z = 1", "End Sub"}), 1},
             {"a scoped Property is a procedure too", "",
              crlf({"Public Property Get Total() As Double", "10 Total = 1", "End Property"}), 0},
         });
}

TEST(OutputChecks, AttributeProblems) {
  const std::string original =
      crlf({"Property Get N() As Long", "Attribute N.VB_UserMemId = 0", "    N = 1", "End Property"});
  const std::string continued = crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long",
                                      "Attribute F.VB_Description = \"Adds\"", "    F = a + b", "End Function"});
  verify(attributeProblems,
         {
             {"unchanged", original, original, 0},
             {"block below the attribute", original,
              crlf({"Property Get N() As Long", "Attribute N.VB_UserMemId = 0", kSs, "On Error GoTo E", kSe,
                    "10     N = 1", "End Property"}),
              0},
             {"block between header and attribute", original,
              crlf({"Property Get N() As Long", kSs, "On Error GoTo E", kSe, "Attribute N.VB_UserMemId = 0",
                    "10     N = 1", "End Property"}),
              1},
             {"attribute under a continued header", continued,
              crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long",
                    "Attribute F.VB_Description = \"Adds\"", kSs, kSe, "10     F = a + b", "End Function"}),
              0},
             {"block inside a continued header's attributes", continued,
              crlf({"Public Function F(ByVal a As Long, _", "    ByVal b As Long) As Long", kSs, kSe,
                    "Attribute F.VB_Description = \"Adds\"", "10     F = a + b", "End Function"}),
              1},
             {"a header lost", original, crlf({"    N = 1", "End Property"}), 1},
             {"a header changed", original,
              crlf({"10 Property Get N() As Long", "Attribute N.VB_UserMemId = 0", "    N = 1", "End Property"}), 1},
         });
}

TEST(OutputChecks, InsertedBlockProblems) {
  const std::string original = crlf({"Private Function R(ByVal d As Double) As Double", "Dim Subtotal As Double",
                                     "Subtotal = d * 100", "R = Subtotal", "End Function"});
  auto block = [](std::initializer_list<std::string_view> around) { return crlf(around); };
  verify(insertedBlockProblems,
         {
             {"one block pair", original,
              block({"Private Function R(ByVal d As Double) As Double", kSs, "On Error GoTo E", kSe,
                     "Dim Subtotal As Double", "Subtotal = d * 100", "R = Subtotal", kEs, "E:", kEe, "End Function"}),
              0},
             {"a block under comments", crlf({"Sub A()", "' does a", "x = 1", "End Sub"}),
              block({"Sub A()", "' does a", kSs, kSe, "x = 1", kEs, kEe, "End Sub"}), 0},
             {"a second block under a mistaken header", original,
              block({"Private Function R(ByVal d As Double) As Double", kSs, "On Error GoTo E", kSe,
                     "Dim Subtotal As Double", "Subtotal = d * 100", kSs, "On Error GoTo E", kSe, "R = Subtotal", kEs,
                     "E:", kEe, "End Function"}),
              2},
             {"a block never closed", original,
              block({"Private Function R(ByVal d As Double) As Double", kSs, "On Error GoTo E",
                     "Dim Subtotal As Double", "Subtotal = d * 100", "R = Subtotal", "End Function"}),
              1},
             {"a handler block beside an earlier one", crlf({"Sub A()", kSs, kSe, "x = 1", kEs, kEe, "End Sub"}),
              crlf({"Sub A()", kSs, kSe, kSs, kSe, "x = 1", kEs, kEe, kEs, kEe, "End Sub"}), 0},
             {"a handler block away from the end line", original,
              block({"Private Function R(ByVal d As Double) As Double", kSs, kSe, "Dim Subtotal As Double", kEs, kEe,
                     "Subtotal = d * 100", "R = Subtotal", "End Function"}),
              1},
         });
}

TEST(OutputChecks, QuotedHeaderProblems) {
  const std::string header = "Public Function Pad(ByVal s As String, Optional ByVal c As String = \"_\") As String";
  const std::string continued = "Public Function Pad(ByVal s As String, _";
  verify([](const std::string&, const std::string& p) { return quotedHeaderProblems(p); },
         {
             {"quotes doubled", "",
              crlf({header,
                    "Const sPROCEDURE as String = \"Public Function Pad(ByVal s As String, Optional ByVal c "
                    "As String = \"\"_\"\") As String\"",
                    "End Function"}),
              0},
             {"quotes as they are", "",
              crlf({header,
                    "Const sPROCEDURE as String = \"Public Function Pad(ByVal s As String, Optional ByVal c As "
                    "String = \"_\") As String\"",
                    "End Function"}),
              1},
             {"a continued header joined with its blanks", "",
              crlf({continued, "      ByVal n As Long) As String",
                    "Const sPROCEDURE as String = \"Public Function Pad(ByVal s As String,  ByVal n As Long) As "
                    "String\"",
                    "End Function"}),
              0},
             {"another header's text", "", crlf({"Sub A()", "Const sPROCEDURE as String = \"Sub B()\"", "End Sub"}), 1},
         });
}

TEST(OutputChecks, ExitBeforeHandlerProblems) {
  const std::string earlier = crlf({"Sub A()", kSs, kSe, "x = 1", kEs, "ErrorHandler:", kEe, "End Sub"});
  verify(exitBeforeHandlerProblems,
         {
             {"exit first", crlf({"Function F()", "End Function"}),
              crlf({"Function F()", kEs, "10 Exit Function", "ErrorHandler:", "15 Resume", kEe, "End Function"}), 0},
             {"falling into the handler", crlf({"Sub A()", "End Sub"}),
              crlf({"Sub A()", kEs, "ErrorHandler:", "10 Resume Next", kEe, "End Sub"}), 1},
             {"the exit of another kind", crlf({"Property Get P()", "End Property"}),
              crlf({"Property Get P()", kEs, "Exit Sub", "ErrorHandler:", kEe, "End Property"}), 1},
             {"an earlier run's block is the user's", earlier, earlier, 0},
             {"a new block beside an earlier one", earlier,
              crlf({"Sub A()", kSs, kSe, kSs, kSe, "x = 1", kEs, "ErrorHandler:", kEe, kEs, "Exit Sub",
                    "ErrorHandler:", kEe, "End Sub"}),
              0},
             {"a new block beside an earlier one, falling through", earlier,
              crlf({"Sub A()", kSs, kSe, kSs, kSe, "x = 1", kEs, "Exit Sub", "ErrorHandler:", kEe, kEs,
                    "ErrorHandler:", kEe, "End Sub"}),
              1},
         });
}

TEST(OutputChecks, VariableReportProblems) {
  const ProcessedMember util{
      "modUtil.bas", "Module", "Utilities",
      crlf({"Attribute VB_Name = \"Utilities\"", "Public LastError As String", "Public Type InvoiceLine",
            "    Quantity As Long", "End Type", "Public CurrentLine As InvoiceLine", "Private mCount As Long",
            "Private mLines() As InvoiceLine",
            "Public Function LineTotal(ByRef tLine As InvoiceLine, ByVal n As Long) As Long", "Dim lTotal As Long",
            "sLocalVariableDump = sLocalVariableDump & sVariableReport(n, \"n\") & VBCrLf",
            "sLocalVariableDump = sLocalVariableDump & sVariableReport(lTotal, \"lTotal\") & "
            "VBCrLf",
            "End Function", "Private Function sModuleVariables() as string",
            "sMessage = sMessage & sVariableReport(mCount, \"mCount\") & VBCrLf", "End Function"})};
  const ProcessedMember invoice{"clsInvoice.cls", "Class", "clsInvoice",
                                crlf({"Attribute VB_Name = \"clsInvoice\"", "Public Customer As String"})};
  const ProcessedMember form{"frmMain.frm", "Form", "frmMain",
                             crlf({"Attribute VB_Name = \"frmMain\"", "Public CurrentCustomer As String"})};
  auto global = [](const std::string& report) {
    return crlf({"Attribute VB_Name = \"GlobalVariables\"", "Public Function sGlobalVariables() as string",
                 "sMessage = sMessage & " + report + " & VBCrLf", "End Function",
                 "Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)",
                 "End Function"});
  };
  auto withLine = [&util](const std::string& line) {
    ProcessedMember changed = util;
    changed.text.insert(changed.text.find("End Function"), line + "\r\n");
    return changed;
  };
  const struct {
    std::string what;
    std::vector<ProcessedMember> members;
    std::string global;
    std::size_t problems;
  } cases[] = {
      {"a form's public variable",
       {util, invoice, form},
       global("sVariableReport(frmMain.CurrentCustomer, \"frmMain.CurrentCustomer\")"),
       0},
      {"a module under its VB name",
       {util, invoice, form},
       global("sVariableReport(Utilities.LastError, \"Utilities.LastError\")"),
       0},
      {"a module under its file name",
       {util, invoice, form},
       global("sVariableReport(modUtil.LastError, \"modUtil.LastError\")"),
       1},
      {"a class's public variable",
       {util, invoice, form},
       global("sVariableReport(clsInvoice.Customer, \"clsInvoice.Customer\")"),
       2},
      {"a public variable of a Type",
       {util, invoice, form},
       global("sVariableReport(Utilities.CurrentLine, \"Utilities.CurrentLine\")"),
       1},
      {"a label that differs", {util, invoice, form}, global("sVariableReport(Utilities.LastError, \"LastError\")"), 1},
      {"a parameter of a Type",
       {withLine("sLocalVariableDump = sLocalVariableDump & sVariableReport(tLine, \"tLine\") & VBCrLf"), invoice},
       "",
       1},
      {"a piece that is no name",
       {withLine("sLocalVariableDump = sLocalVariableDump & sVariableReport(ByRef tLine, \"ByRef tLine\") & VBCrLf"),
        invoice},
       "",
       1},
      {"a name the procedure does not have",
       {withLine("sLocalVariableDump = sLocalVariableDump & sVariableReport(nCount, \"nCount\") & VBCrLf"), invoice},
       "",
       1},
      {"a module-level array of a Type",
       {[&] {
         ProcessedMember changed = util;
         changed.text.insert(changed.text.rfind("End Function"),
                             "sMessage = sMessage & sVariableReport(mLines, "
                             "\"mLines\") & VBCrLf\r\n");
         return changed;
       }()},
       "",
       1},
  };
  for (const auto& c : cases) {
    const Problems found = variableReportProblems(c.members, c.global);
    std::string shown;
    for (const std::string& problem : found) shown += "\n  " + problem;
    EXPECT_EQ(found.size(), c.problems) << c.what << shown;
  }
}

}  // namespace
}  // namespace qm::testing
