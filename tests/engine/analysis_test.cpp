// The analysis: texts in, counts and records out
// (tests/data/engine/analysis.txt), its limits, and the files it reads.
#include "engine/analysis.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

class Analysis : public testing::CaseTest {};

TEST_P(Analysis, CountsAndRecordsTheProceduresAsRead) {
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(c.text("input"), list, notes);
  EXPECT_EQ(counts.procedures, c.number("procedures"));
  EXPECT_EQ(counts.handled, c.number("handled"));
  std::string records;
  for (std::size_t i = 0; i < list.size(); ++i) records += testing::recordLine(list.at(i)) + "\r\n";
  EXPECT_EQ(records, c.text("records", ""));
  EXPECT_EQ(notes.insertedCodeFound, c.flag("insertedCode", false));
  std::string userTypes;
  for (const std::string& name : notes.userTypes) userTypes += (userTypes.empty() ? "" : " ") + name;
  EXPECT_EQ(userTypes, c.text("userTypes"));
}

QM_CASES_FROM(Analysis, "engine/analysis.txt");

TEST(AnalyseText, AppendsToTheListAcrossFilesAndNotesAccumulate) {
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(crlf({"Sub A()", "'SE****** Do Not Delete, required by Quillmere", "End Sub"}), list, notes,
              "C:\\P\\One.bas");
  analyseText(crlf({"Sub A()", "End Sub", "Sub B()", "End Sub"}), list, notes, "C:\\P\\Two.bas");
  EXPECT_TRUE(notes.insertedCodeFound) << "a clean file never clears the flag";
  EXPECT_EQ(list.positionsOf("c:\\p\\one.BAS"), std::vector<std::size_t>({0}));
  EXPECT_EQ(list.positionsOf("C:\\P\\Two.bas"), std::vector<std::size_t>({1, 2}));
}

TEST(AnalyseText, KeepsToSixteenBits) {
  // Past 32767 procedures the count fails, but every record is kept.
  std::string many;
  for (int i = 0; i < 32768; ++i) many += "Sub P" + std::to_string(i) + "()\r\n";
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(many, list, notes);
  EXPECT_EQ(counts.procedures, -1);
  EXPECT_EQ(counts.handled, 0);
  EXPECT_EQ(list.size(), 32768u);
  // A longer procedure keeps the largest line count.
  std::string longOne = "Sub Long()\r\n";
  for (int i = 0; i < 40000; ++i) longOne += "x = 1\r\n";
  ProcedureList one;
  ASSERT_EQ(analyseText(longOne, one, notes).procedures, 1);
  EXPECT_EQ(one.at(0).lineCount, 32767);
}

TEST(UserTypeName, NamesOnlyTypeBlockOpeners) {
  for (const char* opener : {"Type Money", "PUBLIC TYPE Money", "private\tType\tMoney"}) {
    EXPECT_EQ(userTypeName(opener), "money") << opener;
  }
  for (const char* other : {"Type", "Type = 3", "Type 3D", "Types Money", "Public Money As Type", "Friend Type Money",
                            "End Type"}) {
    EXPECT_EQ(userTypeName(other), std::nullopt) << other;
  }
}

TEST(AnalyseFile, ReadsTheFileUnderAnyCaseWithoutChangingIt) {
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
  const ProcedureCounts missing = AnalyseFile(files, temp.path() + "Missing.bas", list, notes);
  EXPECT_EQ(missing.procedures, -1);
  EXPECT_EQ(missing.handled, 0);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(coveragePercent(missing), 0);
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
  const std::int16_t cases[][3] = {{0, 0, 0},  {-1, 0, 0}, {4, 1, 25},  {8, 1, 12}, {8, 3, 38}, {8, 5, 62}, {8, 7, 88},
                                   {3, 1, 33}, {3, 2, 67}, {4, 4, 100}, {4, 3, 75}, {2, 1, 50}, {1, 0, 0}};
  for (const auto& [procedures, handled, percent] : cases) {
    EXPECT_EQ(coveragePercent({procedures, handled}), percent) << handled << " of " << procedures;
  }
}

}  // namespace
}  // namespace qm
