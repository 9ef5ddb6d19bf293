// The passes on member files: each rewrites its file in place with the text
// its pass gives in memory, leaves no scratch file, and says why when it
// cannot. A failure part way is the properties' business
// (engine_properties_test.cpp).
#include <gtest/gtest.h>

#include "engine/analysis.h"
#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "platform/file_system.h"
#include "support/default_style_texts.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

class EngineFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.makeFolder("program");
    temp.write("Module1.bas", input);
    analyseText(input, list, notes);
  }
  const std::string& in(const std::string& name, const std::string& text) {
    temp.write(name, text);
    return text;
  }

  testing::TempFolder temp;
  NativeFileSystem native;
  Workspace ws{native, temp.path() + "program", temp.path()};
  const std::string input = crlf({"Sub A()", "    x = 1", "    y = 2", "    z = 3", "End Sub"});
  ProcedureList list;
  AnalysisNotes notes;
};

TEST_F(EngineFiles, AnalysisReadsTheFileUnderAnyCaseWithoutChangingIt) {
  const std::string text = in("MODA.BAS", crlf({"Sub A()", "On Error GoTo 0", "End Sub", "Sub B()", "' Cr\xE9" "dit",
                                                "End Sub"}));
  const ProcedureCounts counts = AnalyseFile(native, temp.path() + "modA.bas", list, notes);
  EXPECT_EQ(counts.procedures, 2);
  EXPECT_EQ(counts.handled, 1);
  EXPECT_EQ(temp.read("MODA.BAS"), text);
  const ProcedureCounts missing = AnalyseFile(native, temp.path() + "Missing.bas", list, notes);
  EXPECT_EQ(missing.procedures, -1);
  EXPECT_EQ(missing.handled, 0);
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(coveragePercent(missing), 0);
}

TEST_F(EngineFiles, AnalysisCountsTheExampleModuleAsWritten) {
  ProcedureList example;
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

TEST_F(EngineFiles, InsertionWritesThePassesTextOrNothing) {
  auto sources = [&](std::string_view minLines) {
    return InsertionSources{testing::kDefaultOnError, testing::kDefaultHandler, minLines, "Billing", list};
  };
  EXPECT_FALSE(sInsertErrorHandling(ws, temp.file("Module1.bas"), "Module1.bas", true, true, sources("ten")).ok());
  EXPECT_EQ(temp.read("Module1.bas"), input);
  const auto missing = sInsertErrorHandling(ws, temp.file("Gone.bas"), "Gone.bas", true, true, sources("0"));
  EXPECT_NE(missing.message().find("Gone.bas"), std::string::npos) << missing.message();
  const auto result = sInsertErrorHandling(ws, temp.file("Module1.bas"), "Module1.bas", true, true, sources("0"));
  ASSERT_TRUE(result.ok()) << result.message();
  EXPECT_EQ(*result, "1 out of 1");
  EXPECT_EQ(temp.read("Module1.bas"), InsertionPass::prepare(sources("0"), "Module1.bas", true, true)->run(input).text);
  EXPECT_FALSE(temp.exists("program/WorkingFile"));
}

TEST_F(EngineFiles, NumberingWritesThePassesTextOnceAndReturnsTheNextNumber) {
  std::string failure;
  EXPECT_EQ(sngAddLineNumbers(ws, temp.file("Module1.bas"), 10, 5, &failure), 25);
  const std::string once = temp.read("Module1.bas");
  EXPECT_EQ(once, NumberingPass(10, 5).run(input).text);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(sngAddLineNumbers(ws, temp.file("Module1.bas"), 100, 5), 100);
  EXPECT_EQ(temp.read("Module1.bas"), once);
  // Nothing to number leaves the file, and no scratch file even from an earlier failure.
  const std::string declarations = in("modGlobals.bas", crlf({"Attribute VB_Name = \"modGlobals\"", "Public gCount"}));
  temp.write("program/linenumbertemp", "left by an earlier failure");
  EXPECT_EQ(sngAddLineNumbers(ws, temp.file("modGlobals.bas"), 10, 5), 10);
  EXPECT_EQ(temp.read("modGlobals.bas"), declarations);
  EXPECT_FALSE(temp.exists("program/linenumbertemp"));
}

TEST_F(EngineFiles, NumberingFailsWithTheReasonAndChangesNothing) {
  std::string failure;
  EXPECT_LT(sngAddLineNumbers(ws, temp.file("Gone.bas"), 10, 5, &failure), 0);
  EXPECT_NE(failure.find("Gone.bas"), std::string::npos) << failure;
  EXPECT_LT(sngAddLineNumbers(ws, temp.file("Module1.bas"), 10, 0, &failure), 0);
  EXPECT_NE(failure.find("increment"), std::string::npos) << failure;
  EXPECT_LT(sngAddLineNumbers(ws, temp.file("Module1.bas"), 10, -5), 0);
  EXPECT_EQ(temp.read("Module1.bas"), input);
}

TEST_F(EngineFiles, RemovalWritesThePassesTextOrSaysWhichBlockIsNeverClosed) {
  const std::string blocks = in("Module2.bas", crlf({"Sub A()", testing::kSS, "On Error GoTo H", testing::kSE, "End Sub"}));
  const auto removed = sDeleteInsertedCode(ws, temp.file("Module2.bas"));
  ASSERT_TRUE(removed.ok()) << removed.message();
  EXPECT_EQ(*removed, "1");
  EXPECT_EQ(temp.read("Module2.bas"), RemovalPass().run(blocks)->text);
  const std::string unclosed = in("Module3.bas", crlf({"Sub A()", testing::kSS, "    x = 1", "End Sub"}));
  const auto refused = sDeleteInsertedCode(ws, temp.file("Module3.bas"));
  ASSERT_FALSE(refused.ok());
  EXPECT_NE(refused.message().find("Module3.bas"), std::string::npos) << refused.message();
  EXPECT_NE(refused.message().find("line 2 is never closed"), std::string::npos) << refused.message();
  EXPECT_EQ(temp.read("Module3.bas"), unclosed);
  EXPECT_FALSE(temp.exists("program/WorkingFile"));
  EXPECT_FALSE(sDeleteInsertedCode(ws, temp.file("Gone.bas")).ok());
}

}  // namespace
}  // namespace qm
