// A full unattended run, as `quillmere /p Billing.vbp /a /b /l /v /e /t`
// makes it (insertion into every procedure, ignore tags and existing
// handlers not spared, line numbers, the variable dump), must leave every
// file of the project one that VB6 still compiles: no number in front of a
// directive, an Attribute line or a Type member; procedure attributes still
// under their headers with the inserted block below them; one block per
// procedure; header constants whose quotes pair up; a handler that normal
// execution does not fall into; and variable reports that name variables
// that exist where they are named; no number in front of a header or a
// label, no number or label twice in a procedure, and exactly one pair of
// blocks in every procedure that wanted one. The same runs, and one with the
// default options, go over the Warehouse project in tests/data (the shapes
// real projects have that once broke a run) and over every project of the
// corpus when there is one.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "integration/output_checks.h"
#include "integration/run_bench.h"
#include "integration/source_reading.h"
#include "support/default_style_texts.h"

namespace qm::testing {
namespace {

const std::vector<std::string> kFullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};

struct RunCase {
  std::string what;
  std::vector<std::string> switches;
  bool dumpStyle;  // otherwise the default style the program writes itself
};

const RunCase kRunCases[] = {
    {"full run, default style", kFullRun, false},
    {"full run, local variable dump", kFullRun, true},
    {"add with the dump, existing handlers spared", {"/a", "/b", "/v"}, true},
    {"default options with line numbers", {"/a", "/b", "/l"}, false},
};

bool dumps(const RunCase& c) { return std::find(c.switches.begin(), c.switches.end(), "/v") != c.switches.end(); }

WantedBlocks wantedBlocks(const RunCase& c) {
  const bool everyProcedure = std::find(c.switches.begin(), c.switches.end(), "/e") != c.switches.end();
  return {!everyProcedure, namesDeclaredIn(c.dumpStyle ? dumpStyleText() : kDefaultOnError + kDefaultHandler)};
}

struct RunResult {
  std::vector<ProcessedMember> after;
  std::string summary;
  std::string allText;  // every member after the run, one after the other
  Problems problems;    // every check over every member, each naming its member
};

RunResult runAndCheck(RunBench& bench, const RunCase& c) {
  const std::map<std::string, std::string> before = bench.memberTexts();
  std::vector<std::string> switches = c.switches;
  if (c.dumpStyle) {
    bench.writeStyle("Dump.style", dumpStyleText());
    switches.insert(switches.end(), {"/s", "Dump"});
  }
  RunResult result;
  if (bench.run(switches).exitStatus != 0) result.problems.push_back("the run failed");
  result.summary = bench.summary();
  const std::size_t last = result.summary.rfind("\r\n");
  if (last == std::string::npos || result.summary.compare(last, 22, "\r\nUpdate completed in ") != 0 ||
      !result.summary.ends_with(" seconds.")) {
    result.problems.push_back("the summary does not end with its timing line");
  }
  for (const std::string& line : sourceLines(result.summary)) {
    if (line.find("...Failed") != std::string::npos) result.problems.push_back("the run said: " + line);
  }
  auto add = [&result](const std::string& where, const Problems& found) {
    for (const std::string& problem : found) result.problems.push_back(where + ": " + problem);
  };
  WantedBlocks wanted = wantedBlocks(c);
  wanted.allForms = bench.allProcedures;
  for (const ProjectMember& member : bench.members()) {
    if (before.count(member.path) == 0) continue;  // the global variables module
    const std::string& original = before.at(member.path);
    const std::string processed = RunBench::read(member.path);
    result.after.push_back({member.name, member.kind, member.vbName, processed});
    result.allText += processed;
    add(member.name, numberingProblems(processed));
    add(member.name, attributeProblems(original, processed));
    add(member.name, insertedBlockProblems(original, processed));
    add(member.name, quotedHeaderProblems(processed));
    add(member.name, exitBeforeHandlerProblems(original, processed));
    add(member.name, repeatedLabelProblems(processed));
    add(member.name, handlerProblems(original, processed, wanted));
  }
  add("variable dump",
      variableReportProblems(result.after, RunBench::read(bench.projectFolder + "GlobalVariables.bas")));
  return result;
}

std::string listed(const Problems& problems) {
  std::string out;
  for (std::size_t i = 0; i < problems.size() && i < 40; ++i) out += "\n  " + problems[i];
  if (problems.size() > 40) out += "\n  ... and " + std::to_string(problems.size() - 40) + " more";
  return out;
}

int linesWhere(const std::string& text, bool (*holds)(const std::string&)) {
  int n = 0;
  for (const std::string& line : sourceLines(text)) n += holds(line) ? 1 : 0;
  return n;
}

int occurrences(const std::string& text, std::string_view what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(FullRun, TheExampleProjectStaysValidVb) {
  for (const RunCase& c : kRunCases) {
    auto bench = RunBench::example();
    const RunResult result = runAndCheck(*bench, c);
    EXPECT_TRUE(result.problems.empty()) << c.what << listed(result.problems) << "\n" << result.summary;
    ASSERT_EQ(result.after.size(), 4U) << c.what;

    // The checks had something to look at: blocks, numbers, a header with a
    // string in it, reports of every scope.
    EXPECT_GE(linesWhere(result.allText, [](const std::string& l) { return markerKind(l) == MarkerKind::SS; }), 10)
        << c.what;
    if (c.switches == kFullRun) {
      EXPECT_GE(linesWhere(result.allText, [](const std::string& l) { return lineNumberLength(l).has_value(); }), 100)
          << c.what;
    }
    EXPECT_EQ(occurrences(result.allText, "\"\"_\"\""), 1) << c.what << ": the header of Pad is quoted once";
    if (dumps(c)) {
      EXPECT_NE(RunBench::read(bench->projectFolder + "GlobalVariables.bas")
                    .find("sVariableReport(Utilities.LastError, \"Utilities.LastError\")"),
                std::string::npos)
          << c.what;
    }
    if (c.dumpStyle) {
      EXPECT_GE(occurrences(result.allText, "sLocalVariableDump = sLocalVariableDump & "), 3) << c.what;
    }
  }
}

TEST(FullRun, TheAttributeLinesOfTheExampleStayUnderTheirHeaders) {
  auto bench = RunBench::example();
  runAndCheck(*bench, kRunCases[0]);
  const std::string util = RunBench::read(bench->projectFolder + "modUtil.bas");
  const std::string invoice = RunBench::read(bench->projectFolder + "clsInvoice.cls");
  EXPECT_NE(util.find("                    Optional ByVal c As String = \"_\") As String\r\n"
                      "Attribute Pad.VB_Description = \"Pads a text on the right to n characters.\"\r\n" +
                      kSS + "\r\n"),
            std::string::npos)
      << util;
  EXPECT_NE(invoice.find("Property Get Number() As Long\r\nAttribute Number.VB_UserMemId = 0\r\n" + kSS + "\r\n"),
            std::string::npos)
      << invoice;
  // The directives and the Type block went through unnumbered, and the
  // assignment to SubTotal in the first column was numbered as a statement.
  for (const char* unchanged : {"\r\n#If DEBUG_BUILD Then\r\n", "\r\n#Const DEBUG_BUILD = 1\r\n",
                                "\r\n    SubTotal As Currency\r\nEnd Type\r\n", " SubTotal = dAmount * 100\r\n"}) {
    EXPECT_NE(util.find(unchanged), std::string::npos) << unchanged;
  }
  EXPECT_EQ(util.find("\r\nSubTotal = dAmount * 100\r\n"), std::string::npos) << "left unnumbered";
}

TEST(FullRun, TheWarehouseProjectStaysValidVb) {
  for (const RunCase& c : kRunCases) {
    RunBench bench(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/Warehouse", "Warehouse.vbp");
    const RunResult result = runAndCheck(bench, c);
    EXPECT_TRUE(result.problems.empty()) << c.what << listed(result.problems) << "\n" << result.summary;
    ASSERT_EQ(result.after.size(), 5U) << c.what;

    // The checks had something to look at: blocks in most procedures, the
    // procedures whose names clash said so, and the dump reported variables.
    EXPECT_GE(linesWhere(result.allText, [](const std::string& l) { return markerKind(l) == MarkerKind::SS; }), 10)
        << c.what;
    for (const char* left : {"LogLine was left as it was, since it already has the name smodule",
                             "TryPaint was left as it was, since it already has the name errorhandler"}) {
      EXPECT_NE(lowered(result.summary).find(lowered(left)), std::string::npos) << c.what << ": " << left;
    }
    if (dumps(c)) {
      EXPECT_NE(RunBench::read(bench.projectFolder + "GlobalVariables.bas").find("sVariableReport(modGlobals.gUserName"),
                std::string::npos)
          << c.what;
    }
  }
}

// With the option, every procedure of the Gauges project (a user control, a
// property page, a user document, scoped and Set properties, Static
// procedures) but its one-line one gains its blocks; its designer and
// resource files stay as they were.
TEST(FullRun, WithAllProceduresEveryMemberKindAndProcedureFormIsServed) {
  RunBench bench(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/Gauges", "Gauges.vbp");
  bench.allProcedures = true;
  const std::map<std::string, std::string> original = bench.files();
  const RunResult result = runAndCheck(bench, kRunCases[1]);
  EXPECT_TRUE(result.problems.empty()) << listed(result.problems) << "\n" << result.summary;
  ASSERT_EQ(result.after.size(), 6U);
  EXPECT_EQ(linesWhere(result.allText, [](const std::string& l) { return markerKind(l) == MarkerKind::SS; }), 29);
  EXPECT_EQ(occurrences(result.allText, "Exit Property\r\nErrorHandler:"), 12);
  for (const char* untouched : {"Gauges.res", "dsrReport.dsr", "dsrReport.dsx", "ctlGauge.ctx"}) {
    const std::string path = "projects/Gauges/" + std::string(untouched);
    EXPECT_EQ(bench.files().at(path), original.at(path)) << untouched;
  }
}

TEST(FullRun, EveryCorpusProjectStaysValidVb) {
  const std::vector<CorpusProject> projects = corpusProjects();
  if (projects.empty()) GTEST_SKIP() << "no corpus";
  for (const CorpusProject& project : projects) {
    for (const RunCase& c : kRunCases) {
      RunBench bench(project.folder, project.projectInside);
      const RunResult result = runAndCheck(bench, c);
      EXPECT_TRUE(result.problems.empty())
          << project.projectInside << " (" << c.what << ")" << listed(result.problems) << "\n"
          << result.summary;
    }
  }
}

}  // namespace
}  // namespace qm::testing
