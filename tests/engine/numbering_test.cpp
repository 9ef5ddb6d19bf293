// The numbering pass: texts in, texts out (tests/data/engine/numbering.txt),
// how a number is written, and the member file it numbers in place.
#include "engine/numbering.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

class Numbering : public testing::CaseTest {};

TEST_P(Numbering, NumbersTheStatementLinesOfEveryProcedure) {
  const std::string& input = c.text("input");
  const auto out = NumberingPass(c.number("start"), static_cast<std::int16_t>(c.number("increment"))).run(input);
  // The file keeps its text when there was nothing to number or it was numbered already.
  EXPECT_EQ(out.alreadyNumbered || out.numberedLines == 0 ? input : out.text, c.text("expected", input));
  EXPECT_EQ(out.nextNumber, c.number("next"));
}

QM_CASES_FROM(Numbering, "engine/numbering.txt");

TEST(LineNumbers, AreWrittenAsPlainDigitsAndOnlyADigitFirstStartsOne) {
  const std::pair<double, const char*> written[] = {{10, "10"},       {0, "0"},  {9999995, "9999995"},
                                                    {1e7, "10000000"}, {123456789, "123456789"},
                                                    {10.5, "10"}};  // a fraction would not be a line number
  for (const auto& [number, text] : written) EXPECT_EQ(lineNumberText(number), text) << number;
  for (const char* numbered : {"0", "9 x = 1"}) EXPECT_TRUE(bStartsWithDigit(numbered)) << numbered;
  for (const char* plain : {"", "a1", " 1", "\xb2"}) EXPECT_FALSE(bStartsWithDigit(plain)) << plain;
}

class NumberingFile : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.makeFolder("program");
    temp.write("Module1.bas", input);
  }
  float number(Workspace& on, std::string_view file, float start = 10, std::int16_t increment = 5) {
    return sngAddLineNumbers(on, temp.file(file), start, increment, &failure);
  }

  testing::TempFolder temp;
  NativeFileSystem native;
  Workspace ws{native, temp.path() + "program", temp.path()};
  const std::string input = crlf({"Sub A()", "    x = 1", "    y = 2", "    z = 3", "End Sub"});
  std::string failure;
};

TEST_F(NumberingFile, PutsTheNumberedTextInPlaceOnceAndReturnsTheNextNumber) {
  EXPECT_EQ(number(ws, "Module1.bas"), 25);
  const std::string once = temp.read("Module1.bas");
  EXPECT_EQ(once, NumberingPass(10, 5).run(input).text);
  EXPECT_FALSE(temp.exists("program/linenumbertemp"));
  EXPECT_EQ(failure, "");
  EXPECT_EQ(number(ws, "Module1.bas", 100), 100);
  EXPECT_EQ(temp.read("Module1.bas"), once);
}

TEST_F(NumberingFile, NothingToNumberLeavesTheFileAndNoScratchFile) {
  const std::string declarations = crlf({"Attribute VB_Name = \"modGlobals\"", "Public gCount As Long"});
  temp.write("modGlobals.bas", declarations);
  temp.write("program/linenumbertemp", "left by an earlier failure");
  EXPECT_EQ(number(ws, "modGlobals.bas"), 10);
  EXPECT_EQ(temp.read("modGlobals.bas"), declarations);
  EXPECT_FALSE(temp.exists("program/linenumbertemp"));
}

TEST_F(NumberingFile, FailsWithTheReasonAndChangesNothing) {
  EXPECT_LT(number(ws, "Gone.bas"), 0);
  EXPECT_NE(failure.find("Gone.bas"), std::string::npos) << failure;
  EXPECT_LT(number(ws, "Module1.bas", 10, 0), 0);
  EXPECT_NE(failure.find("increment"), std::string::npos) << failure;
  EXPECT_LT(number(ws, "Module1.bas", 10, -5), 0);
  testing::FaultyFileSystem faulty([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Write && path.find("Module1.bas") != std::string::npos;
  });
  Workspace faultyWs{faulty, ws.programFolder, ws.workingFolder};
  failure.clear();
  EXPECT_LT(number(faultyWs, "Module1.bas"), 0);
  EXPECT_FALSE(failure.empty());
  EXPECT_EQ(temp.read("Module1.bas"), input);
}

}  // namespace
}  // namespace qm
