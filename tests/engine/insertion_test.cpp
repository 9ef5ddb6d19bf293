// The insertion pass: texts in, texts out (tests/data/engine/insertion.txt),
// the rules a text cannot show (the minimum's reading, long headers, tag
// filling), and the member file it rewrites in place.
#include "engine/insertion.h"

#include <gtest/gtest.h>

#include "engine/tag_filling.h"
#include "engine_fixtures.h"
#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/default_style_texts.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::kDefaultHandler;
using testing::kDefaultOnError;

class Insertion : public testing::CaseTest {};

TEST_P(Insertion, WritesExactlyTheExpectedText) {
  ProcedureList list;
  testing::appendRecords(list, "C:\\Billing\\frmOther.frm", c.lines("otherFileRecords"));
  if (c.has("records")) {
    testing::appendRecords(list, "C:\\Billing\\frmMain.frm", c.lines("records"));
  } else {
    testing::recordEveryHeader(c.text("input"), list, "C:\\Billing\\frmMain.frm");
  }
  const InsertionSources sources{c.text("onError"), c.text("handler"), c.text("minLines"), "Billing", list,
                                 "c:\\billing\\FRMMAIN.frm"};
  auto pass = InsertionPass::prepare(sources, "frmMain.frm", c.flag("skipIgnoreTagged", true),
                                     c.flag("skipExistingHandlers", true));
  ASSERT_TRUE(pass.ok()) << pass.message();
  const InsertionOutcome out = pass->run(c.text("input"));
  EXPECT_EQ(out.text, c.text("expected", c.text("input")));
  EXPECT_EQ(out.summary(), c.text("summary"));
  std::string clashes;
  for (const NameClash& clash : out.clashes) clashes += clash.procedure + " " + clash.name + "\r\n";
  EXPECT_EQ(clashes, c.text("clashes", ""));
}

QM_CASES_FROM(Insertion, "engine/insertion.txt");

TEST(InsertionThreshold, IsMinLinesPlusTwoInSixteenBitsRoundedHalfToEven) {
  const std::pair<const char*, std::int16_t> read[] = {
      {"0", 2},   {" 3 ", 5}, {"+4", 6},  {"1.5", 4},       {"2.5", 4},          {"3.5", 6},        {".5", 2},
      {"-2", 0},  {"-2.5", 0}, {"1e2", 102}, {"32765", 32767}, {"-32768", -32766}, {"32765.4", 32767}};
  for (const auto& [text, threshold] : read) {
    const auto got = insertionThreshold(text);
    ASSERT_TRUE(got.ok()) << "'" << text << "': " << got.message();
    EXPECT_EQ(*got, threshold) << "'" << text << "'";
  }
  for (const char* text : {"32766", "32765.5", "-32769", "1e9", "", "abc", "5 lines", "0x10", "inf", "--1", "1,5"}) {
    const auto got = insertionThreshold(text);
    ASSERT_FALSE(got.ok()) << "'" << text << "'";
    EXPECT_NE(got.message().find(text), std::string::npos) << got.message();
  }
}

TEST(QuotedHeaderShortening, KeepsBothEndsAndEveryDoubledQuoteWhole) {
  const struct {
    const char* quoted;
    std::size_t size;
    std::optional<std::string> shortened;
  } cases[] = {{"\"Sub Abcdefgh()\"", 11, "\"Sub...h()\""},   {"\"Sub Abcdefgh()\"", 12, "\"Sub ...h()\""},
               {"\"Sub Abcdefgh()\"", 5, "\"...\""},         {"\"Sub Abcdefgh()\"", 4, std::nullopt},
               {"\"Sub A()\"", 9, std::nullopt},             {"\"a\"\"bcdef\"\"g\"", 9, "\"a...\"\"g\""},
               {"\"a\"\"bcdef\"\"g\"", 10, "\"a\"\"b...g\""}, {"\"a\"\"bcdef\"\"g\"", 11, "\"a\"\"...\"\"g\""}};
  for (const auto& c : cases) {
    EXPECT_EQ(shortenedQuotedHeader(c.quoted, c.size), c.shortened) << c.quoted << " to " << c.size;
  }
}

TEST(InsertionLongHeader, NoFilledLineIsLongerThanVbAccepts) {
  // A header continued over many lines, with string defaults whose quotes
  // must stay doubled, joins to far more than one line may hold.
  std::string input = "Public Function Build( _\r\n";
  for (int i = 0; i < 60; ++i) input += "    Optional ByVal p" + std::to_string(i) + " As String = \"\"\"x\"\"\", _\r\n";
  input += "    Optional ByVal last As Long) As String\r\n    Build = p0\r\nEnd Function\r\n";
  ProcedureList list;
  testing::recordEveryHeader(input, list);
  auto pass = InsertionPass::prepare({kDefaultOnError, kDefaultHandler, "0", "Billing", list}, "modBuild.bas", true,
                                     false);
  ASSERT_TRUE(pass.ok());
  const InsertionOutcome out = pass->run(input);
  ASSERT_EQ(out.summary(), "1 out of 1");
  const std::size_t at = out.text.find("Const sPROCEDURE");
  ASSERT_NE(at, std::string::npos);
  const std::string line = out.text.substr(at, out.text.find("\r\n", at) - at);
  EXPECT_EQ(line.size(), kLongestStyleLine);
  std::string literal = line.substr(line.find('"'));
  EXPECT_TRUE(literal.size() > 2 && literal.back() == '"' && literal.find("...") != std::string::npos) << literal;
  // Inside the literal every double quote stands doubled.
  literal = literal.substr(1, literal.size() - 2);
  for (auto pair = literal.find("\"\""); pair != std::string::npos; pair = literal.find("\"\"", pair)) {
    literal.erase(pair, 2);
  }
  EXPECT_EQ(literal.find('"'), std::string::npos) << line;
}

TEST(TagFilling, FillsLaterTagsAnEarlierValueBroughtInAndLeavesOthersAsWritten) {
  // Replacing tag after tag, each on the result of the one before, fills a
  // later tag that an earlier value brought in, but not an earlier one.
  std::string out;
  TagTemplate("[<Module_Name>] [<Procedure_Name>] [<Increment>]", true)
      .appendFilled(out, {"P<increment><Module_Name>", "M<EXIT_ROUTINE><Procedure_Name>", "J", "7", "Exit Sub"});
  EXPECT_EQ(out, "[MExit Sub<Procedure_Name>] [P7MExit Sub<Procedure_Name>] [7]");
  out.clear();
  TagTemplate("<<Increment>> <Increment <Exit_Routine> <Other>", false).appendFilled(out, {"", "", "", "12", "Exit Sub"});
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

class InsertionFile : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.makeFolder("program");
    temp.write("frmMain.frm", input);
    testing::recordEveryHeader(input, list);
  }
  Result<std::string> insert(Workspace& on, std::string_view file, std::string_view minLines = "0") {
    return sInsertErrorHandling(on, temp.file(file), file, true, true, sources(minLines));
  }
  InsertionSources sources(std::string_view minLines) const {
    return {kDefaultOnError, kDefaultHandler, minLines, "Billing", list};
  }

  testing::TempFolder temp;
  NativeFileSystem native;
  Workspace ws{native, temp.path() + "program", temp.path()};
  ProcedureList list;
  const std::string input = testing::crlf({"Private Sub Form_Load()", "    Init", "End Sub"});
};

TEST_F(InsertionFile, ReplacesTheFileWithThePassesTextAndLeavesNoScratchFile) {
  const auto result = insert(ws, "frmMain.frm");
  ASSERT_TRUE(result.ok()) << result.message();
  EXPECT_EQ(*result, "1 out of 1");
  EXPECT_EQ(temp.read("frmMain.frm"), InsertionPass::prepare(sources("0"), "frmMain.frm", true, true)->run(input).text);
  EXPECT_FALSE(temp.exists("program/WorkingFile"));
}

TEST_F(InsertionFile, AnUnusableMinimumAMissingFileOrAFailedWriteChangesNothing) {
  EXPECT_FALSE(insert(ws, "frmMain.frm", "ten").ok());
  const auto missing = insert(ws, "frmOther.frm");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("frmOther.frm"), std::string::npos) << missing.message();
  EXPECT_FALSE(temp.exists("program/WorkingFile"));
  testing::FaultyFileSystem faulty([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Write && path.find("frmMain.frm") != std::string::npos;
  });
  Workspace faultyWs{faulty, ws.programFolder, ws.workingFolder};
  EXPECT_FALSE(insert(faultyWs, "frmMain.frm").ok());
  EXPECT_EQ(temp.read("frmMain.frm"), input);
}

}  // namespace
}  // namespace qm
