// The engine's passes on texts in memory: the analysis, the insertion, the
// numbering and the removal over the cases of tests/data/engine, the small
// rules as tables of calls, and what a text case cannot show.
#include <gtest/gtest.h>

#include "engine/analysis.h"
#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "engine/scanning.h"
#include "engine/tag_filling.h"
#include "support/case_file.h"
#include "platform/lines.h"
#include "support/default_style_texts.h"

namespace qm {
namespace {

using testing::crlf;
using Arguments = std::vector<std::string>;

// Procedure records as the case files write them, one a line:
// "<counted lines> handled|unhandled <header as read>".
std::string recordLine(const ProcedureRecord& r) {
  return std::to_string(r.lineCount) + (r.hasErrorHandling ? " handled " : " unhandled ") + r.headerText;
}
void appendRecords(ProcedureList& list, std::string_view member, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::size_t count = line.find(' '), kind = line.find(' ', count + 1);
    list.append(member, {line.substr(kind + 1), line.compare(count + 1, kind - count - 1, "handled") == 0,
                         static_cast<std::int16_t>(std::stoi(line.substr(0, count)))});
  }
}
// A record for every line that opens a procedure, as a long one without error handling.
void recordEveryHeader(std::string_view text, ProcedureList& list, std::string_view member = "",
                       HeaderForms forms = HeaderForms::Classic) {
  for (std::string_view line : splitLines(text)) {
    if (isHeader(line, forms)) list.append(member, {std::string(line), false, 50});
  }
}

// A case reads every procedure form when it says "allProcedures: yes".
HeaderForms formsOf(const testing::Case& c) { return headerFormsFor(c.flag("allProcedures", false)); }

class Analysis : public testing::CaseTest {};

TEST_P(Analysis, CountsAndRecordsTheProceduresAsRead) {
  ProcedureList list;
  AnalysisNotes notes;
  const ProcedureCounts counts = analyseText(c.text("input"), list, notes, {}, formsOf(c));
  EXPECT_EQ(counts.procedures, c.number("procedures"));
  EXPECT_EQ(counts.handled, c.number("handled"));
  std::string records, userTypes;
  for (std::size_t i = 0; i < list.size(); ++i) records += recordLine(list.at(i)) + "\r\n";
  EXPECT_EQ(records, c.text("records", ""));
  EXPECT_EQ(notes.insertedCodeFound, c.flag("insertedCode", false));
  for (const std::string& name : notes.userTypes) userTypes += (userTypes.empty() ? "" : " ") + name;
  EXPECT_EQ(userTypes, c.text("userTypes"));
}

QM_CASES_FROM(Analysis, "engine/analysis.txt");

class Insertion : public testing::CaseTest {};

TEST_P(Insertion, WritesExactlyTheExpectedText) {
  ProcedureList list;
  appendRecords(list, "C:\\Billing\\frmOther.frm", c.lines("otherFileRecords"));
  if (c.has("records")) {
    appendRecords(list, "C:\\Billing\\frmMain.frm", c.lines("records"));
  } else {
    recordEveryHeader(c.text("input"), list, "C:\\Billing\\frmMain.frm", formsOf(c));
  }
  const InsertionSources sources{c.text("onError"), c.text("handler"), c.text("minLines"), "Billing", list,
                                 "c:\\billing\\FRMMAIN.frm", formsOf(c)};
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

class Numbering : public testing::CaseTest {};

TEST_P(Numbering, NumbersTheStatementLinesOfEveryProcedure) {
  const std::string& input = c.text("input");
  const auto increment = static_cast<std::int16_t>(c.number("increment"));
  const auto out = NumberingPass(c.number("start"), increment, formsOf(c)).run(input);
  // The file keeps its text when there was nothing to number or it was numbered already.
  EXPECT_EQ(out.alreadyNumbered || out.numberedLines == 0 ? input : out.text, c.text("expected", input));
  EXPECT_EQ(out.nextNumber, c.number("next"));
}

QM_CASES_FROM(Numbering, "engine/numbering.txt");

class Removal : public testing::CaseTest {};

TEST_P(Removal, TakesOutTheMarkedBlocksOnly) {
  const auto out = RemovalPass().run(c.text("input"));
  if (c.has("error")) {
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.message(), c.text("error"));
    return;
  }
  ASSERT_TRUE(out.ok()) << out.message();
  EXPECT_EQ(out->text, c.text("expected", c.text("input")));
  EXPECT_EQ(out->ssMarkers, c.number("markers"));
}

QM_CASES_FROM(Removal, "engine/removal.txt");

std::string shown(const std::optional<std::string>& value) { return value.value_or("<none>"); }
std::int16_t number(const std::string& text) { return static_cast<std::int16_t>(std::stoi(text)); }

class EngineRules : public testing::CaseTest {};

TEST_P(EngineRules, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"insertionThreshold", [](const Arguments& a) {
         const auto threshold = insertionThreshold(a[0]);  // a refusal names what was typed
         return threshold.ok() ? std::to_string(*threshold)
                               : threshold.message().find(a[0]) != std::string::npos ? "refused" : threshold.message();
       }},
      {"shortenedQuotedHeader", [](const Arguments& a) { return shown(shortenedQuotedHeader(a[0], std::stoul(a[1]))); }},
      {"coveragePercent", [](const Arguments& a) { return std::to_string(coveragePercent({number(a[0]), number(a[1])})); }},
      {"userTypeName", [](const Arguments& a) { return shown(userTypeName(a[0])); }},
      {"lineNumberText", [](const Arguments& a) { return lineNumberText(std::stod(a[0])); }},
      {"bStartsWithDigit", [](const Arguments& a) { return std::string(bStartsWithDigit(a[0]) ? "yes" : "no"); }},
      {"fill", [](const Arguments& a) {  // template | handler or on error | procedure | module | project | increment | exit
         std::string out;
         TagTemplate(a[0], a[1] == "handler").appendFilled(out, {a[2], a[3], a[4], a[5], a[6]});
         return out;
       }},
  });
}

QM_CASES_FROM(EngineRules, "engine/rules.txt");

TEST(Analysis, AppendsToTheListAcrossFilesAndKeepsToSixteenBits) {
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(crlf({"Sub A()", testing::kSE, "End Sub"}), list, notes, "C:\\P\\One.bas");
  analyseText(crlf({"Sub A()", "End Sub", "Sub B()", "End Sub"}), list, notes, "C:\\P\\Two.bas");
  EXPECT_TRUE(notes.insertedCodeFound) << "a clean file never clears the flag";
  EXPECT_EQ(list.positionsOf("c:\\p\\one.BAS"), std::vector<std::size_t>({0}));
  EXPECT_EQ(list.positionsOf("C:\\P\\Two.bas"), std::vector<std::size_t>({1, 2}));
  // Past 32767 procedures the count fails, but every record is kept; a
  // longer procedure keeps the largest line count.
  std::string many, longOne = "Sub Long()\r\n";
  for (int i = 0; i < 32768; ++i) many += "Sub P" + std::to_string(i) + "()\r\n";
  for (int i = 0; i < 40000; ++i) longOne += "x = 1\r\n";
  ProcedureList manyList, longList;
  const ProcedureCounts counts = analyseText(many, manyList, notes);
  EXPECT_EQ(counts.procedures, -1);
  EXPECT_EQ(counts.handled, 0);
  EXPECT_EQ(manyList.size(), 32768u);
  ASSERT_EQ(analyseText(longOne, longList, notes).procedures, 1);
  EXPECT_EQ(longList.at(0).lineCount, 32767);
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
