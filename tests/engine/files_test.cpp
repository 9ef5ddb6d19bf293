// The analysis on member files: read under any spelling of the name, never
// changed, a missing file counted as a failure.
#include <gtest/gtest.h>

#include "engine/analysis.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(AnalyseFile, ReadsTheFileUnderAnyCaseWithoutChangingItAndCountsAMissingOneAsAFailure) {
  testing::TempFolder temp;
  NativeFileSystem native;
  ProcedureList list;
  AnalysisNotes notes;
  const std::string text = testing::crlf({"Sub A()", "On Error GoTo 0", "End Sub", "Sub B()", "' Cr\xE9" "dit", "End Sub"});
  temp.write("MODA.BAS", text);
  const ProcedureCounts counts = AnalyseFile(native, temp.path() + "modA.bas", list, notes);
  EXPECT_EQ(counts.procedures, 2);
  EXPECT_EQ(counts.handled, 1);
  EXPECT_EQ(temp.read("MODA.BAS"), text);
  const ProcedureCounts missing = AnalyseFile(native, temp.path() + "Missing.bas", list, notes);
  EXPECT_EQ(missing.procedures, -1);
  EXPECT_EQ(missing.handled, 0);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(coveragePercent(missing), 0);
}

TEST(AnalyseFile, CountsTheExampleModuleAsWritten) {
  NativeFileSystem native;
  ProcedureList example;
  AnalysisNotes notes;
  const ProcedureCounts counts = AnalyseFile(native, testing::exampleFolder() + "modUtil.bas", example, notes);
  // Pad, LineTotal, RoundAmount and SplitAmounts, and LogMessage once in each
  // #If branch; the Static function and "SubTotal = ..." are no headers.
  EXPECT_EQ(counts.procedures, 6);
  EXPECT_EQ(counts.handled, 2);
  EXPECT_EQ(notes.userTypes, (std::set<std::string>{"invoiceline"}));
  EXPECT_FALSE(notes.insertedCodeFound);
  ASSERT_EQ(example.size(), 6u);
  EXPECT_EQ(example.at(0).headerText, "Public Function Pad(ByVal s As String, ByVal n As Integer, _");
  EXPECT_EQ(example.at(4).headerText, example.at(5).headerText);
}

}  // namespace
}  // namespace qm
