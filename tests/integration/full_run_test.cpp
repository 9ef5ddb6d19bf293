// A full unattended run, as `quillmere /p Billing.vbp /a /b /l /v /e /t`
// makes it (insertion into every procedure, ignore tags and existing
// handlers not spared, line numbers, the variable dump), must leave every
// file of the project one that VB6 still compiles: no number in front of a
// directive, an Attribute line or a Type member; procedure attributes still
// under their headers with the inserted block below them; one block per
// procedure; header constants whose quotes pair up; a handler that normal
// execution does not fall into; and variable reports that name variables
// that exist where they are named. The same run goes over every project of
// the corpus when there is one.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "integration/output_checks.h"
#include "integration/run_bench.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

const std::vector<std::string> kFullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};

struct RunCase {
  std::string what;
  std::vector<std::string> switches;
  std::string style;  // "" for the default style the program writes itself
};

const std::vector<RunCase> kRunCases = {
    {"full run, default style", kFullRun, ""},
    {"full run, local variable dump", kFullRun, "Dump"},
    {"add with the dump, existing handlers spared", {"/a", "/b", "/v"}, "Dump"},
};

struct RunResult {
  std::map<std::string, std::string> before;  // member path -> text
  std::vector<ProcessedMember> after;
  std::string globalModule;
  StartUpOutcome outcome;
  std::string summary;
};

RunResult runOnBench(RunBench& bench, const RunCase& c) {
  RunResult result;
  for (const ProjectMember& member : bench.members()) {
    if (!member.path.empty()) result.before[member.path] = bench.read(member.path);
  }
  std::vector<std::string> switches = c.switches;
  if (!c.style.empty()) {
    bench.writeStyle(c.style + ".style", dumpStyleText());
    switches.insert(switches.end(), {"/s", c.style});
  }
  result.outcome = bench.run(switches);
  result.summary = bench.summary();
  for (const ProjectMember& member : bench.members()) {
    if (member.path.empty() || result.before.count(member.path) == 0) continue;
    result.after.push_back({member.name, member.kind, member.vbName, bench.read(member.path)});
  }
  result.globalModule = bench.read(bench.projectFolder + "GlobalVariables.bas");
  return result;
}

// Every check over every member; each problem names its member.
Problems problemsOf(const RunResult& result, const std::vector<ProjectMember>& members) {
  Problems out;
  auto add = [&out](const std::string& where, const Problems& found) {
    for (const std::string& problem : found) out.push_back(where + ": " + problem);
  };
  for (const ProjectMember& member : members) {
    if (result.before.count(member.path) == 0) continue;
    const std::string& original = result.before.at(member.path);
    const std::string processed = RunBench::readNative(member.path);
    add(member.name, numberingProblems(processed));
    add(member.name, attributeProblems(original, processed));
    add(member.name, insertedBlockProblems(original, processed));
    add(member.name, quotedHeaderProblems(processed));
    add(member.name, exitBeforeHandlerProblems(original, processed));
  }
  add("variable dump", variableReportProblems(result.after, result.globalModule));
  return out;
}

std::string listed(const Problems& problems) {
  std::string out;
  const std::size_t shown = std::min<std::size_t>(problems.size(), 40);
  for (std::size_t i = 0; i < shown; ++i) out += "\n  " + problems[i];
  if (problems.size() > shown) out += "\n  ... and " + std::to_string(problems.size() - shown) + " more";
  return out;
}

bool endsWithTimingLine(const std::string& summary) {
  const std::size_t last = summary.rfind("\r\n");
  return last != std::string::npos && summary.compare(last, 22, "\r\nUpdate completed in ") == 0 &&
         summary.size() > 9 && summary.compare(summary.size() - 9, 9, " seconds.") == 0;
}

int count(const std::vector<ProcessedMember>& members, const std::function<bool(const std::string&)>& holds) {
  int n = 0;
  for (const ProcessedMember& member : members) {
    for (const std::string& line : sourceLines(member.text)) n += holds(line) ? 1 : 0;
  }
  return n;
}

TEST(FullRun, TheExampleProjectStaysValidVb) {
  for (const RunCase& c : kRunCases) {
    auto bench = RunBench::example();
    const RunResult result = runOnBench(*bench, c);
    ASSERT_EQ(result.outcome.exitStatus, 0) << c.what << result.summary;
    EXPECT_TRUE(endsWithTimingLine(result.summary)) << c.what << result.summary;
    ASSERT_EQ(result.after.size(), 4U) << c.what;
    const Problems problems = problemsOf(result, bench->members());
    EXPECT_TRUE(problems.empty()) << c.what << listed(problems);

    // The checks had something to look at: blocks, numbers, attributes under
    // headers, a header with a string in it, reports of every scope.
    EXPECT_GE(count(result.after, [](const std::string& l) { return markerKind(l) == MarkerKind::SS; }), 10) << c.what;
    if (c.switches == kFullRun) {
      EXPECT_GE(count(result.after, [](const std::string& l) { return lineNumberLength(l).has_value(); }), 100)
          << c.what;
    }
    EXPECT_EQ(count(result.after, [](const std::string& l) { return l.find("\"\"_\"\"") != std::string::npos; }), 1)
        << c.what << ": the header of Pad, with its string, is quoted once";
    EXPECT_NE(result.globalModule.find("sVariableReport(Utilities.LastError, \"Utilities.LastError\")"),
              std::string::npos)
        << c.what << result.globalModule;
    if (c.style == "Dump") {
      EXPECT_GE(count(result.after,
                      [](const std::string& l) {
                        return l.find("sLocalVariableDump = sLocalVariableDump & ") != std::string::npos;
                      }),
                3)
          << c.what;
    }
  }
}

TEST(FullRun, TheAttributeLinesOfTheExampleStayUnderTheirHeaders) {
  auto bench = RunBench::example();
  const RunResult result = runOnBench(*bench, kRunCases[0]);
  const std::string util = bench->read(bench->projectFolder + "modUtil.bas");
  const std::string invoice = bench->read(bench->projectFolder + "clsInvoice.cls");
  EXPECT_NE(util.find("                    Optional ByVal c As String = \"_\") As String\r\n"
                      "Attribute Pad.VB_Description = \"Pads a text on the right to n characters.\"\r\n"
                      "'SS****** Do Not Delete, required by Quillmere\r\n"),
            std::string::npos)
      << util;
  EXPECT_NE(invoice.find("Property Get Number() As Long\r\n"
                         "Attribute Number.VB_UserMemId = 0\r\n"
                         "'SS****** Do Not Delete, required by Quillmere\r\n"),
            std::string::npos)
      << invoice;
  // The directives and the Type block went through unnumbered, and the
  // assignment to SubTotal in the first column was numbered as a statement.
  EXPECT_NE(util.find("\r\n#If DEBUG_BUILD Then\r\n"), std::string::npos);
  EXPECT_NE(util.find("\r\n#Const DEBUG_BUILD = 1\r\n"), std::string::npos);
  EXPECT_NE(util.find("\r\n    SubTotal As Currency\r\nEnd Type\r\n"), std::string::npos);
  EXPECT_NE(util.find(" SubTotal = dAmount * 100\r\n"), std::string::npos);
  EXPECT_EQ(util.find("\r\nSubTotal = dAmount * 100\r\n"), std::string::npos) << "left unnumbered";
}

TEST(FullRun, EveryCorpusProjectStaysValidVb) {
  const auto corpus = corpusFolder();
  if (!corpus) GTEST_SKIP() << "no corpus folder";
  const std::vector<CorpusProject> projects = corpusProjects(*corpus);
  if (projects.empty()) GTEST_SKIP() << "the corpus folder holds no project";
  for (const CorpusProject& project : projects) {
    for (const RunCase& c : kRunCases) {
      RunBench bench(project.folder, project.projectInside);
      const RunResult result = runOnBench(bench, c);
      const std::string what = project.projectInside + " (" + c.what + ")";
      EXPECT_EQ(result.outcome.exitStatus, 0) << what << result.summary;
      EXPECT_TRUE(endsWithTimingLine(result.summary)) << what << result.summary;
      const Problems problems = problemsOf(result, bench.members());
      EXPECT_TRUE(problems.empty()) << what << listed(problems);
    }
  }
}

}  // namespace
}  // namespace qm::testing
