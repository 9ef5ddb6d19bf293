// What one run adds, the next takes out again, and a roll back puts the
// project back as it was: an Add run with a backup followed by a Delete run
// gives back every member byte for byte (the global variables module that
// the first run wrote is the only new member line), and a roll back to the
// first run's backup restores every top-level file. A roll back after a run
// that brought in a style's extra files takes those out again too.
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

std::map<std::string, std::string> topLevelFiles(const std::string& folder) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) out[entry.path().filename().string()] = RunBench::readNative(entry.path().string());
  }
  return out;
}

bool holdsMarkers(std::string_view text) {
  const std::vector<std::string> lines = sourceLines(text);
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& l) { return markerKind(l) != MarkerKind::None; });
}

// The entry of the backup list that stands for the first run's folder.
bool selectBackup(MainWindow& window, const std::string& entry) {
  DropDownList& list = window.page1.rollBack.cmbBackups;
  const auto found = std::find(list.entries.begin(), list.entries.end(), entry);
  if (found == list.entries.end()) return false;
  list.selected = static_cast<std::size_t>(found - list.entries.begin());
  return true;
}

// The project file without the global variables module's member line, and
// whether that line was there exactly once.
std::string withoutGlobalVariablesLine(std::string_view projectText, int& found) {
  std::string out;
  found = 0;
  for (const std::string& line : sourceLines(projectText)) {
    if (line == "Module=GlobalVariables; GlobalVariables.bas") {
      ++found;
      continue;
    }
    out += line + "\r\n";
  }
  return out;
}

const LocalDateTime kFirstRun{2024, 12, 5, 14, 3, 27};
const LocalDateTime kSecondRun{2024, 12, 5, 14, 5, 2};
constexpr std::string_view kFirstBackupEntry = "Backup on 05 Dec at 14:03:27";

// The whole round trip on one bench. `exact` asks every member back byte
// for byte; otherwise (a corpus project) a member that already held marker
// lines is passed over (the removal takes earlier runs' blocks too), and a
// member with lone LF line ends may come back with CR LF.
Problems roundTripProblems(RunBench& bench, bool exact) {
  Problems out;
  std::map<std::string, std::string> members;
  for (const ProjectMember& member : bench.members()) {
    if (!member.path.empty()) members[member.path] = bench.read(member.path);
  }
  const std::string projectText = bench.read(bench.projectFile);
  const std::map<std::string, std::string> topLevel = topLevelFiles(bench.projectFolder);
  const bool hadGlobalModule = projectText.find("GlobalVariables.bas") != std::string::npos;

  bench.writeStyle("Dump.style", dumpStyleText());
  bench.clock.time = kFirstRun;
  if (bench.run({"/a", "/b", "/e", "/t", "/s", "Dump"}).exitStatus != 0) out.push_back("the Add run failed");
  const bool added =
      std::any_of(members.begin(), members.end(), [&](const auto& m) { return bench.read(m.first) != m.second; });

  bench.clock.time = kSecondRun;
  if (bench.run({"/r", "/b", "/a"}).exitStatus != 0) out.push_back("the Delete run failed");
  const bool removed = bench.window->page3.optDelete.selected;
  if (added && !removed) out.push_back("the Delete run did not remove: " + bench.summary());

  if (added && removed) {
    for (const auto& [path, original] : members) {
      if (!exact && holdsMarkers(original)) continue;
      const std::string now = bench.read(path);
      if (now != original && (exact || now != withCrLfLines(original))) {
        out.push_back(path + " did not come back as it was:\n" + now);
      }
    }
    int listed = 0;
    const std::string rest = withoutGlobalVariablesLine(bench.read(bench.projectFile), listed);
    if (rest != projectText && (exact || rest != withCrLfLines(projectText))) {
      out.push_back("the project file gained more than the global variables module:\n" + bench.read(bench.projectFile));
    }
    if (listed != 1 && !(hadGlobalModule && listed == 0)) {
      out.push_back("the global variables module is listed " + std::to_string(listed) + " times");
    }
  }

  MainWindow& window = bench.openWizard();
  if (!selectBackup(window, std::string(kFirstBackupEntry))) {
    out.push_back("the first run's backup is not offered");
    return out;
  }
  bench.dialogs.answerOk = true;
  window.cmdRollback_Click();
  if (!window.bProceed) out.push_back("the roll back did not take place");
  for (const auto& [name, original] : topLevel) {
    if (bench.read(bench.projectFolder + name) != original) out.push_back(name + " was not restored by the roll back");
  }
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
  // The module the first run wrote stays in the folder; the project file no
  // longer lists it.
  EXPECT_TRUE(fs::exists(bench->projectFolder + "GlobalVariables.bas"));
  EXPECT_EQ(bench->read(bench->projectFile).find("GlobalVariables"), std::string::npos);
}

TEST(RoundTrip, TheAddRunReallyChangedEveryMemberOfTheExample) {
  // Without this the round trip above could pass by changing nothing.
  auto bench = RunBench::example();
  std::map<std::string, std::string> before;
  for (const ProjectMember& member : bench->members()) before[member.path] = bench->read(member.path);
  bench->writeStyle("Dump.style", dumpStyleText());
  ASSERT_EQ(bench->run({"/a", "/b", "/e", "/t", "/s", "Dump"}).exitStatus, 0);
  ASSERT_EQ(before.size(), 4U);
  for (const auto& [path, text] : before) EXPECT_NE(bench->read(path), text) << path;
  const std::vector<std::string> lines = sourceLines(bench->read(bench->projectFile));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Module=GlobalVariables; GlobalVariables.bas"), 1)
      << bench->read(bench->projectFile);
}

TEST(RoundTrip, RollingBackARunWithExtraFilesTakesThemOutAgain) {
  auto bench = RunBench::example();
  bench->write("extras/modErrorLog.bas",
               crlf({"Attribute VB_Name = \"modErrorLog\"", "Option Explicit", "",
                     "Public Sub LogError(ByVal sText As String)", "    Debug.Print sText", "End Sub"}));
  bench->write("extras/clsErrorInfo.cls",
               crlf({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
                     "Attribute VB_Name = \"clsErrorInfo\"", "Option Explicit", "Public Number As Long"}));
  const std::vector<std::string> extras = {bench->path("extras/modErrorLog.bas"),
                                           bench->path("extras/clsErrorInfo.cls")};
  bench->writeStyle("Extras.style", dumpStyleText(extras));
  const std::map<std::string, std::string> topLevel = topLevelFiles(bench->projectFolder);

  ASSERT_EQ(bench->run({"/a", "/b", "/l", "/v", "/s", "Extras"}).exitStatus, 0) << bench->summary();
  ASSERT_TRUE(fs::exists(bench->projectFolder + "modErrorLog.bas")) << bench->summary();
  ASSERT_TRUE(fs::exists(bench->projectFolder + "clsErrorInfo.cls"));

  MainWindow& window = bench->openWizard();
  ASSERT_TRUE(selectBackup(window, std::string(kFirstBackupEntry)))
      << "offered: " << window.page1.rollBack.cmbBackups.entries.size();
  window.bShowWarning = false;
  window.cmdRollback_Click();
  EXPECT_TRUE(window.bProceed);
  EXPECT_FALSE(fs::exists(bench->projectFolder + "modErrorLog.bas"));
  EXPECT_FALSE(fs::exists(bench->projectFolder + "clsErrorInfo.cls"));
  EXPECT_FALSE(fs::exists(bench->projectFolder + "uninstall.dat"));
  EXPECT_TRUE(fs::exists(bench->path("extras/modErrorLog.bas"))) << "the style's own file stays";
  for (const auto& [name, original] : topLevel) {
    EXPECT_EQ(bench->read(bench->projectFolder + name), original) << name;
  }
}

TEST(RoundTrip, EveryCorpusProjectComesBack) {
  const auto corpus = corpusFolder();
  if (!corpus) GTEST_SKIP() << "no corpus folder";
  const std::vector<CorpusProject> projects = corpusProjects(*corpus);
  if (projects.empty()) GTEST_SKIP() << "the corpus folder holds no project";
  for (const CorpusProject& project : projects) {
    RunBench bench(project.folder, project.projectInside);
    const Problems problems = roundTripProblems(bench, /*exact=*/false);
    EXPECT_TRUE(problems.empty()) << project.projectInside << listed(problems);
  }
}

}  // namespace
}  // namespace qm::testing
