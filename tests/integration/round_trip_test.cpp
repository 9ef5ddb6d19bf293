// What one run adds, the next takes out again, and a roll back puts the
// project back as it was: an Add run with a backup followed by a Delete run
// gives back every member byte for byte (the global variables module that
// the first run wrote is the only new member line), and a roll back to the
// first run's backup gives back every file of the projects' folders byte for
// byte, wherever they lie. Every project of the corpus, when there is one,
// also runs without a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "integration/run_bench.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

using Problems = std::vector<std::string>;

bool holdsMarkers(std::string_view text) {
  const Lines lines = sourceLines(text);
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& l) { return isMarkerLine(l); });
}

// A new start of the wizard, the first run's backup chosen, Roll Back pressed.
Problems rollBackToTheFirstRun(RunBench& bench, const std::map<std::string, std::string>& before) {
  Wizard& wizard = bench.openWizard();
  DropDownList& list = wizard.projectPage.rollBack.cmbBackups;
  const auto found = std::find(list.entries.begin(), list.entries.end(), "Backup on 05 Dec at 14:03:27");
  if (found == list.entries.end()) return {"the first run's backup is not offered"};
  list.selected = static_cast<std::size_t>(found - list.entries.begin());
  bench.dialogs.answerOk = true;
  wizard.projectPage.cmdRollback_Click();
  Problems out;
  if (!wizard.session.bProceed) out.push_back("the roll back did not take place");
  const auto now = bench.projectFiles(false);
  for (const auto& [name, original] : before) {
    if (!now.contains(name) || now.at(name) != original) out.push_back(name + " was not restored");
  }
  for (const auto& file : now) {
    if (!before.contains(file.first)) out.push_back(file.first + " was left behind");
  }
  return out;
}

// The whole round trip on one bench. `exact` asks every member back byte
// for byte, and every member changed by the Add; otherwise (a corpus
// project) a member that already held marker lines is passed over (the
// removal takes earlier runs' blocks too), and a member with lone LF line
// ends may come back with CR LF.
Problems roundTripProblems(RunBench& bench, bool exact) {
  Problems out;
  const std::map<std::string, std::string> members = bench.memberTexts();
  const std::string projectText = RunBench::read(bench.projectFile);
  const std::map<std::string, std::string> before = bench.projectFiles(false);
  const bool hadGlobalModule = projectText.find("GlobalVariables.bas") != std::string::npos;
  auto cameBack = [exact](const std::string& now, const std::string& was) {
    return now == was || (!exact && now == withCrLfLines(was));
  };

  bench.writeStyle("Dump.style", dumpStyleText());
  bench.clock.time = {2024, 12, 5, 14, 3, 27};
  if (bench.run({"/a", "/b", "/e", "/t", "/s", "Dump"}).exitStatus != 0) out.push_back("the Add run failed");
  int changed = 0;
  for (const auto& [path, text] : members) changed += RunBench::read(path) != text ? 1 : 0;
  for (const auto& [path, text] : members) {
    if (exact && RunBench::read(path) == text) out.push_back("the Add run left " + path + " unchanged");
  }

  bench.clock.time = {2024, 12, 5, 14, 5, 2};
  if (bench.run({"/r", "/b", "/a"}).exitStatus != 0) out.push_back("the Delete run failed");
  const bool removed = bench.wizard->optionsPage.optDelete.selected;
  if (changed > 0 && !removed) out.push_back("the Delete run did not remove: " + bench.summary());
  if (changed > 0 && removed) {
    for (const auto& [path, original] : members) {
      if ((exact || !holdsMarkers(original)) && !cameBack(RunBench::read(path), original)) {
        out.push_back(path + " did not come back as it was:\n" + RunBench::read(path));
      }
    }
    std::string rest;
    int listed = 0;
    for (const std::string& line : sourceLines(RunBench::read(bench.projectFile))) {
      if (line == "Module=GlobalVariables; GlobalVariables.bas") {
        ++listed;
      } else {
        rest += line + "\r\n";
      }
    }
    if (!cameBack(rest, projectText)) out.push_back("the project file gained more than the global variables module");
    if (listed != 1 && !(hadGlobalModule && listed == 0)) {
      out.push_back("the global variables module is listed " + std::to_string(listed) + " times");
    }
  }
  for (const std::string& problem : rollBackToTheFirstRun(bench, before)) out.push_back(problem);
  return out;
}

std::string listed(const Problems& problems) {
  std::string out;
  for (const std::string& problem : problems) out += "\n  " + problem;
  return out;
}

TEST(RoundTrip, AddThenDeleteThenRollBackGivesTheExampleBack) {
  auto bench = RunBench::example();
  const Problems problems = roundTripProblems(*bench, /*exact=*/true);
  EXPECT_TRUE(problems.empty()) << listed(problems);
  EXPECT_EQ(bench->memberTexts().size(), 4U);
  // The module the first run wrote stays in the folder; the project file no longer lists it.
  EXPECT_TRUE(fs::exists(bench->projectFolder + "GlobalVariables.bas"));
  EXPECT_EQ(RunBench::read(bench->projectFile).find("GlobalVariables"), std::string::npos);
}

TEST(RoundTrip, WithAllProceduresEveryMemberKindComesBack) {
  RunBench bench(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/Gauges", "Gauges.vbp");
  bench.allProcedures = true;
  const Problems problems = roundTripProblems(bench, /*exact=*/true);
  EXPECT_TRUE(problems.empty()) << listed(problems);
  EXPECT_EQ(bench.memberTexts().size(), 6U);
}

TEST(RoundTrip, EveryCorpusProjectRunsWithoutAFailureAndComesBack) {
  const std::vector<CorpusProject> projects = corpusProjects();
  if (projects.empty()) GTEST_SKIP() << "no corpus";
  for (const CorpusProject& project : projects) {
    for (const std::vector<std::string>& switches :
         {std::vector<std::string>{"/a", "/b", "/l", "/v", "/e", "/t"}, std::vector<std::string>{"/a", "/b", "/l"}}) {
      RunBench bench(project.folder, project.projectInside);
      EXPECT_EQ(bench.run(switches).exitStatus, 0) << project.projectInside;
      EXPECT_EQ(bench.summary().find("...Failed"), std::string::npos) << project.projectInside << "\n" << bench.summary();
    }
    for (const bool all : {false, true}) {
      RunBench bench(project.folder, project.projectInside);
      bench.allProcedures = all;
      const Problems problems = roundTripProblems(bench, /*exact=*/false);
      EXPECT_TRUE(problems.empty()) << project.projectInside << (all ? " (all procedures)" : "") << listed(problems);
    }
  }
}

}  // namespace
}  // namespace qm::testing
