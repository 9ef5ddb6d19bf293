#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/analysis.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

struct CountCase {
  const char* name;
  std::string text;
  std::int16_t procedures;
  std::int16_t handled;
};

TEST(AnalyseText, CountsProceduresAndTheOnesThatHandleErrors) {
  const std::string marker = "'[L NUMS] (Line numbers added by Quillmere)";
  const std::vector<CountCase> cases = {
      {"no procedures", crlf({"Attribute VB_Name = \"modEmpty\"", "Option Explicit", "Public x As Long"}), 0, 0},
      {"empty text", "", 0, 0},
      {"one handled twice counts once",
       crlf({"Private Sub A()", "    On Error GoTo ErrorHandler", "    x = 1", "    On Error GoTo 0", "End Sub"}), 1, 1},
      {"every On Error form",
       crlf({"Sub A()", "On Error Resume Next", "End Sub", "Sub B()", "  on error goto 0", "End Sub", "Sub C()",
             "ON ERROR GOTO Handler", "End Sub"}),
       3, 3},
      {"On Error in a comment is not handling", crlf({"Sub A()", "    ' On Error GoTo Handler", "End Sub"}), 1, 0},
      {"statement with a trailing comment still counts", crlf({"Sub A()", "    On Error Resume Next ' why", "End Sub"}),
       1, 1},
      {"every header keyword, ignoring case",
       crlf({"Private Sub A()", "Public Sub B()", "Friend Sub C()", "Sub D()", "Private Function E()",
             "Public Function F()", "Friend Function G()", "Function H()", "Property Let I(v)", "Property Get J()",
             "PRIVATE SUB K()", "property get L()"}),
       12, 0},
      {"procedures the rules do not recognise",
       crlf({"Public Property Get A()", "Private Property Let B(v)", "Friend Property Get C()", "Property Set D(o)",
             "Static Sub E()", "Static Function F()", "Private Static Sub G()", "Sub", "Private Declare Function H Lib \"k\" ()"}),
       1, 0},
      {"an indented header is not a header as read",
       crlf({"  Private Sub A()", "    On Error GoTo X", "  End Sub", "Sub B()", "End Sub"}), 1, 0},
      {"keywords are whole words",
       crlf({"Sub A()", "Subtotal = 5", "SubTotal = SubTotal + 1", "Functions.Add x", "Propertyletter = 1",
             "Sub_Total = 2", "Sub2 = 3", "End Sub", "Function F(x)", "End Function", "Sub B ' done", "End Sub"}),
       3, 0},
      {"declarations before the first header belong to no procedure",
       crlf({"Option Explicit", "On Error Resume Next", "Private mX As Long", "Sub A()", "End Sub"}), 1, 0},
      {"On Error after a later header counts for that one only",
       crlf({"Sub A()", "End Sub", "Sub B()", "On Error GoTo 0", "End Sub", "Sub C()", "End Sub"}), 3, 1},
      {"a tab-indented On Error is not trimmed away", crlf({"Sub A()", "\tOn Error GoTo X", "End Sub"}), 1, 0},
      {"lone LF line ends", "Sub A()\nOn Error GoTo X\nEnd Sub\nSub B()\nEnd Sub\n", 2, 1},
      {"last line without terminator", "Sub A()\r\nOn Error GoTo X", 1, 1},
      {"#If branches hold a header each",
       crlf({"#If DEBUG_BUILD Then", "Public Sub Log(ByVal s As String)", "    On Error Resume Next",
             "    Debug.Print s", "End Sub", "#Else", "Public Sub Log(ByVal s As String)", "End Sub", "#End If"}),
       2, 1},
      // Numbered files: On Error counts behind its line number once the file says it is numbered.
      {"numbered", crlf({marker, "Sub A()", "10 On Error GoTo ErrorHandler", "20 x = 1", "End Sub"}), 1, 1},
      // Lines numbered by hand: the number and the blanks after it are passed over in any file.
      {"numbered by hand", crlf({"Sub A()", "10 On Error GoTo ErrorHandler", "End Sub"}), 1, 1},
      {"a number glued to the statement is none",
       crlf({"Sub A()", "10On Error GoTo X", "End Sub", "Sub B()", "x = 10 ' On Error", "End Sub"}), 2, 0},
      {"marker in lower case is just a comment",
       crlf({"'[l nums] (Line numbers added by Quillmere)", "Sub A()", "  10\tOn Error GoTo X", "End Sub"}), 1, 1},
      {"a one-line procedure has no handler and counts no line",
       crlf({"Private Function Stub() As Long: End Function", "On Error GoTo X", "Sub B()", "End Sub"}), 2, 0},
      {"Type and Enum members are no headers",
       crlf({"Private Type Rec", "Sub As Long", "End Type", "Public Enum E", "Function = 1", "End Enum", "Sub B()",
             "End Sub"}),
       1, 0},
      {"indented marker counts (trimmed)", crlf({"   " + marker, "Sub A()", "10 On Error GoTo X", "End Sub"}), 1, 1},
      {"digits anywhere are dropped", crlf({marker, "Sub A()", "1 0 On Err9or GoTo 30", "End Sub"}), 1, 1},
      {"marker later in the file applies from there",
       crlf({"Sub A()", "1 0 On Error GoTo X", "End Sub", marker, "Sub B()", "2 0 On Error GoTo X", "End Sub"}), 2, 1},
      {"numbered header with a number is no header", crlf({marker, "10 Sub A()", "On Error GoTo X"}), 0, 0},
  };
  for (const auto& c : cases) {
    ProcedureList list;
    AnalysisNotes notes;
    const ProcedureCounts counts = analyseText(c.text, list, notes);
    EXPECT_EQ(counts.procedures, c.procedures) << c.name;
    EXPECT_EQ(counts.handled, c.handled) << c.name;
    EXPECT_EQ(list.size(), static_cast<std::size_t>(c.procedures)) << c.name;
  }
}

TEST(AnalyseText, RecordsEachHeaderAsReadWithItsCountedLines) {
  const std::string text = crlf({
      "Attribute VB_Name = \"modA\"",
      "Private Sub First(ByVal a As Long, _",
      "                  ByVal b As Long) ",
      "    ' a comment is never counted",
      "    On Error GoTo Handler",
      "    x = a + b",
      "",
      "Handler:",
      "End Sub",
      "",
      "FUNCTION second() ",
      "End Function",
      "Property Get Third()",
  });
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(text, list, notes);
  ASSERT_EQ(counts.procedures, 3);
  EXPECT_EQ(counts.handled, 1);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.at(0).headerText, "Private Sub First(ByVal a As Long, _");
  EXPECT_TRUE(list.at(0).hasErrorHandling);
  // continuation, On Error, x =, blank, label, End Sub, blank: seven, less one.
  EXPECT_EQ(list.at(0).lineCount, 6);
  EXPECT_EQ(list.at(1).headerText, "FUNCTION second() ");
  EXPECT_FALSE(list.at(1).hasErrorHandling);
  EXPECT_EQ(list.at(1).lineCount, 0);
  EXPECT_EQ(list.at(2).headerText, "Property Get Third()");
  EXPECT_EQ(list.at(2).lineCount, 0);
}

TEST(AnalyseText, AppendsToTheListAcrossFilesAndNotesAccumulate) {
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(crlf({"Sub A()", "'SE****** Do Not Delete, required by Quillmere", "End Sub"}), list, notes,
              "C:\\P\\One.bas");
  EXPECT_TRUE(notes.insertedCodeFound);
  analyseText(crlf({"Sub A()", "End Sub", "Sub B()", "End Sub"}), list, notes, "C:\\P\\Two.bas");
  EXPECT_TRUE(notes.insertedCodeFound) << "a clean file never clears the flag";
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.positionsOf("c:\\p\\one.BAS"), std::vector<std::size_t>({0}));
  EXPECT_EQ(list.positionsOf("C:\\P\\Two.bas"), std::vector<std::size_t>({1, 2}));
}

TEST(AnalyseText, NoticesInsertedCodeByItsSEMarkerOnly) {
  struct Case {
    const char* name;
    std::string line;
    bool found;
  };
  const std::vector<Case> cases = {
      {"SE marker", "'SE****** Do Not Delete, required by Quillmere", true},
      {"indented SE marker", "        'SE****** Do Not Delete, required by Quillmere", true},
      {"SE marker, other tail", "'SE******", true},
      {"lower case", "'se****** Do Not Delete, required by Quillmere", false},
      {"SS marker", "'SS****** Do Not Delete, required by Quillmere", false},
      {"EE marker", "'EE****** Do Not Delete, required by Quillmere", false},
      {"too few stars", "'SE***** Do Not Delete", false},
      {"tab before it", "\t'SE****** Do Not Delete, required by Quillmere", false},
  };
  for (const auto& c : cases) {
    ProcedureList list;
    AnalysisNotes notes;
    analyseText(crlf({"Sub A()", c.line, "End Sub"}), list, notes);
    EXPECT_EQ(notes.insertedCodeFound, c.found) << c.name;
  }
}

TEST(AnalyseText, CollectsTheNamesOfUserDefinedTypes) {
  const std::string text = crlf({
      "Public Type InvoiceLine",
      "    Description As String",
      "    SubTotal As Currency",
      "End Type",
      "Private Type tPOINT",
      "    X As Long",
      "End Type",
      "Type Raw_Bytes",
      "End Type",
      "  Type Indented ' with a comment",
      "' Type InAComment",
      "Public TypeCount As Long",
      "Private Typed As Long",
      "x = TypeName(y)",
      "Dim t As InvoiceLine",
      "Public Enum eKind",
      "End Enum",
  });
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(text, list, notes);
  EXPECT_EQ(notes.userTypes, (std::set<std::string>{"invoiceline", "tpoint", "raw_bytes", "indented"}));
}

TEST(UserTypeName, NamesOnlyTypeBlockOpeners) {
  struct Case {
    std::string line;
    std::optional<std::string> name;
  };
  const std::vector<Case> cases = {
      {"Type Money", "money"},
      {"PUBLIC TYPE Money", "money"},
      {"private\tType\tMoney", "money"},
      {"Type", std::nullopt},
      {"Type = 3", std::nullopt},
      {"Type 3D", std::nullopt},
      {"Types Money", std::nullopt},
      {"Public Money As Type", std::nullopt},
      {"Friend Type Money", std::nullopt},
      {"End Type", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(userTypeName(c.line), c.name) << c.line;
}

TEST(AnalyseText, FailsPastThe16BitProcedureCountButKeepsItsRecords) {
  std::string text;
  for (int i = 0; i < 32768; ++i) text += "Sub P" + std::to_string(i) + "()\r\n";
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(text, list, notes);
  EXPECT_EQ(counts.procedures, -1);
  EXPECT_EQ(counts.handled, 0);
  EXPECT_EQ(list.size(), 32768u);
}

TEST(AnalyseText, AVeryLongProcedureKeepsTheLargestLineCount) {
  std::string text = "Sub Long()\r\n";
  for (int i = 0; i < 40000; ++i) text += "x = 1\r\n";
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(text, list, notes);
  EXPECT_EQ(counts.procedures, 1);
  EXPECT_EQ(list.at(0).lineCount, 32767);
}

TEST(AnalyseFile, AMissingFileGivesMinusOneAndLeavesTheListAlone) {
  testing::TempFolder temp;
  NativeFileSystem files;
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = AnalyseFile(files, temp.path() + "Missing.bas", list, notes);
  EXPECT_EQ(counts.procedures, -1);
  EXPECT_EQ(counts.handled, 0);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(coveragePercent(counts), 0);
}

TEST(AnalyseFile, ReadsTheFileWithoutChangingIt) {
  testing::TempFolder temp;
  const std::string text = crlf({"Attribute VB_Name = \"modA\"", "Sub A()", "On Error GoTo 0", "End Sub", "Sub B()",
                                 "' Cr\xE9" "dit", "End Sub"});
  temp.write("MODA.BAS", text);
  NativeFileSystem files;
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = AnalyseFile(files, temp.path() + "modA.bas", list, notes);
  EXPECT_EQ(counts.procedures, 2);
  EXPECT_EQ(counts.handled, 1);
  EXPECT_EQ(temp.read("MODA.BAS"), text);
}

TEST(AnalyseFile, TheExampleModuleCountsAsWritten) {
  NativeFileSystem files;
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = AnalyseFile(files, testing::exampleFolder() + "modUtil.bas", list, notes);
  // Pad, LineTotal, RoundAmount and SplitAmounts, and LogMessage once in each
  // #If branch; the Static function and "SubTotal = ..." are no headers.
  EXPECT_EQ(counts.procedures, 6);
  EXPECT_EQ(counts.handled, 2);
  EXPECT_EQ(notes.userTypes, (std::set<std::string>{"invoiceline"}));
  EXPECT_FALSE(notes.insertedCodeFound);
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list.at(0).headerText, "Public Function Pad(ByVal s As String, ByVal n As Integer, _");
  EXPECT_EQ(list.at(4).headerText, list.at(5).headerText);
}

TEST(CoveragePercent, RoundsHalfToEven) {
  struct Case {
    std::int16_t procedures, handled, percent;
  };
  const std::vector<Case> cases = {
      {0, 0, 0},  {-1, 0, 0}, {4, 1, 25}, {8, 1, 12},  {8, 3, 38},  {8, 5, 62}, {8, 7, 88},
      {3, 1, 33}, {3, 2, 67}, {4, 4, 100}, {4, 3, 75}, {2, 1, 50}, {1, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(coveragePercent({c.procedures, c.handled}), c.percent) << c.handled << " of " << c.procedures;
  }
}

}  // namespace
}  // namespace qm
