#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "platform/paths.h"
#include "platform/text.h"
#include "run/backup.h"
#include "run_bench.h"
#include "support/case_file.h"

namespace qm {
namespace {

using testing::crlf;
using testing::Operation;
using testing::RunBench;

constexpr const char* kBackup = "Billing/Backup on 05 Dec at 14-03-27";
constexpr const char* kHeader = "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.";

// Each line against a pattern in which "*" stands for any text.
void expectLines(const std::vector<std::string>& lines, const std::vector<std::string>& patterns) {
  ASSERT_EQ(lines.size(), patterns.size()) << ::testing::PrintToString(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_TRUE(wildcardMatch(patterns[i], lines[i]))
        << "line " << i << ": " << lines[i] << "\n  expected: " << patterns[i];
  }
}

std::vector<std::string> fileLines(std::string_view name, bool numbers, RunAction action = RunAction::Add) {
  std::vector<std::string> out{
      "Creating backup of " + std::string(name) + "...Done",
      "Analysing " + std::string(name) +
          (action == RunAction::Add ? "...Done (* out of * procedures updated)" : "...Done (* procedures updated)")};
  if (numbers) out.push_back("Adding line numbers to " + std::string(name) + "...Success");
  return out;
}

std::vector<std::string> allFileLines(bool numbers, RunAction action = RunAction::Add) {
  std::vector<std::string> out;
  for (const char* name : {"frmMain.frm", "modUtil.bas", "clsInvoice.cls", "modShared.bas"}) {
    auto lines = fileLines(name, numbers, action);
    out.insert(out.end(), lines.begin(), lines.end());
  }
  return out;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The files of the example project outside its top level.
struct OtherFiles {
  std::string form;
  std::string shared;
  static OtherFiles of(const RunBench& bench) {
    return {bench.root.read("Billing/Forms/frmMain.frm"), bench.root.read("Shared/modShared.bas")};
  }
};

// ------------------------------------------------------------ Backup and roll back

TEST(BackupRun, ThenRollBackGivesBackEveryTopLevelFileAndDeletesTheRecordedExtras) {
  RunBench bench;
  bench.options.addLineNumbers = true;
  bench.style.files = {bench.extra("ErrorLog.bas"), "", bench.extra("Missing.bas"), bench.extra("ReadMe.txt")};
  const auto original = bench.topLevel("Billing");
  const OtherFiles before = OtherFiles::of(bench);

  const RunOutcome outcome = bench.run();
  EXPECT_TRUE(outcome.endedWithTimingLine);
  EXPECT_EQ(outcome.failures, 1);  // the missing extra file
  const std::string project = bench.project.projectFolder;
  expectLines(bench.summary.lines(),
              joined(allFileLines(true), {"Adding extra files ", shownPath(project + "ErrorLog.bas"),
                                          shownPath(bench.extra("Missing.bas")) + "...Not found",
                                          shownPath(project + "ReadMe.txt"), "Update completed in 0 seconds."}));

  // The backup holds the project as it was, and the run's record.
  auto backup = bench.topLevel(kBackup);
  EXPECT_EQ(backup["uninstall.dat"], crlf({kHeader, project + "ErrorLog.bas", project + "ReadMe.txt"}));
  backup.erase("uninstall.dat");
  // The members from outside the project's folder have a folder and a record of their own.
  EXPECT_EQ(backup["outside members.dat"],
            crlf({"MEMBERS FROM OUTSIDE THE PROJECT FOLDER, COPIED BY QUILLMERE.",
                  "Outside the project folder\\Shared\\modShared.bas|..\\Shared\\modShared.bas"}));
  backup.erase("outside members.dat");
  EXPECT_EQ(backup, original);
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/Forms/frmMain.frm"), before.form);
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/Outside the project folder/Shared/modShared.bas"), before.shared);

  // The project itself was changed in place, sub-folders and neighbours too.
  EXPECT_NE(bench.root.read("Billing/modUtil.bas"), original.at("modUtil.bas"));
  EXPECT_NE(bench.root.read("Billing/Forms/frmMain.frm"), before.form);
  EXPECT_NE(bench.root.read("Shared/modShared.bas"), before.shared);
  EXPECT_EQ(bench.root.read("Billing/ErrorLog.bas"), bench.root.read("extras/ErrorLog.bas"));
  const std::string vbp = bench.root.read("Billing/Billing.vbp");
  EXPECT_TRUE(startsWith(vbp, "RelatedDoc=ReadMe.txt\r\nModule=ErrorLog; ErrorLog.bas\r\n")) << vbp.substr(0, 200);
  EXPECT_TRUE(endsWith(vbp, original.at("Billing.vbp")));
  EXPECT_FALSE(bench.root.exists("work/TempDataFile"));
  EXPECT_EQ(bench.settings.writes(), 0);

  // Roll back.
  const auto entries = bListBackups(bench.files, project);
  ASSERT_EQ(entries, (std::vector<std::string>{"Backup on 05 Dec at 14:03:27"}));
  bool showWarning = false;
  const RollbackOutcome rolled = bench.rollBack(entries[0], showWarning);
  EXPECT_TRUE(rolled.performed);
  EXPECT_TRUE(rolled.failures.empty()) << ::testing::PrintToString(rolled.failures);
  EXPECT_EQ(rolled.restored, (std::vector<std::string>{"Billing.vbp", "clsInvoice.cls", "modUtil.bas", "uninstall.dat",
                                                       "Forms\\frmMain.frm", "..\\Shared\\modShared.bas"}));
  EXPECT_EQ(rolled.deleted, (std::vector<std::string>{project + "ErrorLog.bas", project + "ReadMe.txt"}));
  EXPECT_EQ(bench.topLevel("Billing"), original);
  EXPECT_EQ(bench.root.read("Billing/Forms/frmMain.frm"), before.form);
  EXPECT_EQ(bench.root.read("Shared/modShared.bas"), before.shared);
  // The backup stays, so it can be rolled back to again.
  EXPECT_TRUE(bench.root.exists(std::string(kBackup) + "/uninstall.dat"));
  EXPECT_EQ(bench.dialogs.warnings, 0);
  EXPECT_EQ(bench.panel, (std::vector<bool>{true, false}));
  EXPECT_GT(bench.clock.sleptTotal, 500);
  EXPECT_LT(bench.clock.sleptTotal, 600);
  EXPECT_EQ(bench.settings.writes(), 0);
}

TEST(BackupRun, YieldsAfterEveryLineThatSaysSo) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
  bench.style.files = {bench.extra("ErrorLog.bas"), bench.extra("Missing.bas")};
  bench.run();
  EXPECT_EQ(bench.yieldedAfter,
            (std::vector<std::string>{"Creating backup of modUtil.bas...", "Analysing modUtil.bas...",
                                      "Adding extra files ", shownPath(bench.project.projectFolder + "ErrorLog.bas"),
                                      shownPath(bench.extra("Missing.bas")) + "...Not found"}));
  EXPECT_GE(bench.summary.scrolls(), static_cast<int>(bench.summary.lines().size()));
}

TEST(BackupRun, TheProgressBarCountsItsUnitsAndIsHiddenAtTheEnd) {
  RunBench bench;
  bench.options.addLineNumbers = true;
  bench.options.variableDump = true;
  bench.options.compile = true;
  bench.vbLocation = "/opt/vb98/VB6.EXE";
  bench.style.files = {bench.extra("ErrorLog.bas"), bench.extra("Missing.bas")};
  bench.run();
  const int files = 4, extras = 2;
  EXPECT_EQ(bench.progress.events().front(), "max " + std::to_string(3 * files + 2 * extras + 1 + files + 1 + files));
  EXPECT_FALSE(bench.progress.exceeded());
  // One after the project copy, two per file, one per file for Add, one per
  // file for numbering, two per extra file; the compilation never counts.
  EXPECT_EQ(bench.progress.highest(), 1 + 2 * files + files + files + 2 * extras);
  EXPECT_FALSE(bench.progress.visible());
}

TEST(BackupRun, TwoRunsWithinOneSecondGetTwoBackupsThatBothRollBack) {
  RunBench bench;
  const auto original = bench.topLevel("Billing");
  bench.run();
  const auto afterFirst = bench.topLevel("Billing");
  bench.run();
  const auto entries = bListBackups(bench.files, bench.project.projectFolder);
  ASSERT_EQ(entries, (std::vector<std::string>{"Backup on 05 Dec at 14:03:27", "Backup on 05 Dec at 14:03:27 (2)"}));
  bool showWarning = false;
  bench.rollBack(entries[1], showWarning);
  EXPECT_EQ(bench.topLevel("Billing"), afterFirst);
  bench.rollBack(entries[0], showWarning);
  EXPECT_EQ(bench.topLevel("Billing"), original);
}

TEST(BackupRun, AnExtraFileAlreadyInTheProjectIsNeitherCopiedOntoItselfNorRecorded) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "clsInvoice.cls"};
  bench.style.files = {bench.project.projectFolder + "modUtil.bas"};
  const std::string module = bench.root.read("Billing/modUtil.bas");
  bench.run();
  expectLines(bench.summary.lines(),
              joined(fileLines("clsInvoice.cls", false),
                     {"Adding extra files ", shownPath(bench.project.projectFolder + "modUtil.bas"),
                      "Update completed in 0 seconds."}));
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas"), module);
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), crlf({kHeader}));
  // The project already lists the module: no second member line.
  const std::string vbp = bench.root.read("Billing/Billing.vbp");
  EXPECT_EQ(vbp.find("Module=Utilities; modUtil.bas"), vbp.rfind("Module=Utilities; modUtil.bas"));
}

TEST(BackupRun, AUsersFileOfTheSameNameIsReplacedButNeverRecordedSoRollBackGivesItBack) {
  RunBench bench;
  bench.root.write("Billing/ErrorLog.bas", "Attribute VB_Name = \"ErrorLog\"\r\n' the user's own version\r\n");
  const auto original = bench.topLevel("Billing");
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
  bench.style.files = {bench.extra("ErrorLog.bas")};
  bench.run();
  EXPECT_EQ(bench.root.read("Billing/ErrorLog.bas"), bench.root.read("extras/ErrorLog.bas"));
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), crlf({kHeader}));
  bool showWarning = false;
  const RollbackOutcome rolled = bench.rollBack("Backup on 05 Dec at 14:03:27", showWarning);
  EXPECT_TRUE(rolled.deleted.empty());
  EXPECT_EQ(bench.topLevel("Billing"), original);
}

TEST(BackupRun, DeleteWithTheVariableDumpStillWritesTheGlobalModule) {
  RunBench bench;
  bench.run();  // first put the code in
  bench.summary = {};
  bench.progress = {};
  bench.reload();
  bench.options.action = RunAction::Delete;
  bench.options.variableDump = true;
  bench.run();
  expectLines(bench.summary.lines(),
              joined(allFileLines(false, RunAction::Delete), {"Update completed in 0 seconds."}));
  EXPECT_TRUE(bench.root.exists("Billing/GlobalVariables.bas"));
  EXPECT_TRUE(startsWith(bench.root.read("Billing/Billing.vbp"), "Module=GlobalVariables; GlobalVariables.bas\r\n"));
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas").find("'SS******"), std::string::npos);
  EXPECT_EQ(bench.progress.highest(), 1 + 2 * 4);
}

TEST(BackupRun, EveryFileIsNumberedFromTheSameStart) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas",
                                 bench.project.projectFolder + "clsInvoice.cls"};
  bench.options.addLineNumbers = true;
  bench.options.lineNumberStart = 10;
  bench.run();
  for (const char* file : {"Billing/modUtil.bas", "Billing/clsInvoice.cls"}) {
    const std::string text = bench.root.read(file);
    const std::size_t first = text.find("\r\n10 ");
    EXPECT_NE(first, std::string::npos) << file;
    EXPECT_EQ(text.find("\r\n5 "), std::string::npos) << file;
  }
}

TEST(BackupRun, TheStyleIsReadAfreshForEveryFile) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas",
                                 bench.project.projectFolder + "clsInvoice.cls"};
  bench.options.skipExistingHandlers = false;
  // The editor changes the style while the first file is being worked on.
  bench.onYield = [&bench] {
    if (bench.lastLine() == "Creating backup of clsInvoice.cls...") {
      bench.style.onErrorText = crlf({"On Error GoTo Changed"});
    }
  };
  bench.run();
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas").find("On Error GoTo Changed"), std::string::npos);
  EXPECT_NE(bench.root.read("Billing/clsInvoice.cls").find("On Error GoTo Changed"), std::string::npos);
}

// ------------------------------------------------------------ new copies
// (What a new copy holds, made once or twice into one folder, with extra
// files and the variable dump, is a stored case of the end-to-end runs.)

TEST(NewCopyRun, IntoAFolderWhoseParentIsMissingChangesNothing) {
  RunBench bench;
  bench.options.saveMode = SaveMode::NewCopy;
  bench.options.newLocation = bench.root.file("Missing/Copy");
  bench.style.files = {bench.extra("ErrorLog.bas")};
  bench.options.compile = true;
  const auto original = bench.topLevel("Billing");
  const OtherFiles before = OtherFiles::of(bench);
  const RunOutcome outcome = bench.run();
  EXPECT_EQ(bench.summary.lines(),
            (std::vector<std::string>{"The chosen destination folder was not valid.", "No files were modified.",
                                      "Update completed in 0 seconds."}));
  EXPECT_TRUE(outcome.endedWithTimingLine);
  EXPECT_TRUE(outcome.refused);
  EXPECT_EQ(bench.yieldedAfter, (std::vector<std::string>{"No files were modified."}));
  EXPECT_EQ(bench.topLevel("Billing"), original);
  EXPECT_EQ(OtherFiles::of(bench).form, before.form);
  EXPECT_FALSE(bench.root.exists("Missing"));
  EXPECT_TRUE(bench.launcher.calls.empty());
  EXPECT_TRUE(bench.dialogs.messages.empty());
  EXPECT_FALSE(bench.progress.visible());
}

TEST(NewCopyRun, TheProjectsOwnFolderAndItsBackupsAreRefused) {
  for (const std::string& location :
       {std::string(), std::string("Billing"), std::string("Billing/Backup on 01 Jan at 00-00-00")}) {
    RunBench bench;
    bench.root.makeFolder("Billing/Backup on 01 Jan at 00-00-00");
    bench.options.saveMode = SaveMode::NewCopy;
    bench.options.newLocation = location.empty() ? "" : bench.root.file(location);
    const auto original = bench.topLevel("Billing");
    bench.run();
    EXPECT_EQ(bench.summary.lines().front(), "The chosen destination folder was not valid.") << location;
    EXPECT_EQ(bench.topLevel("Billing"), original) << location;
  }
}

// ------------------------------------------------------------ failures

// Runs over the example project whose disk fails where a case of
// tests/data/run/failing_runs.txt says: "selected" names the files to run on
// (default all), "extras" the style's extra files ("<extras>" and "<project>"
// stand for those folders); each line of "fail" an operation and a path
// pattern ("*" any text) that fails, "#n" for its n-th time only; "read only"
// a file made read-only first. The summary's lines must match "summary" ("*"
// any text); the files of "unchanged" keep their bytes, those of "changed" do
// not, those of "absent" are not there, and "record" is the backup's
// uninstall.dat.
class FailingRuns : public testing::CaseTest {
 protected:
  // With `shown`, the folders as the summary shows them.
  std::string places(std::string text, bool shown = false) const {
    const auto form = [shown](const std::string& path) { return shown ? shownPath(path) : path; };
    const std::pair<std::string, std::string> placeholders[] = {{"<extras>", form(bench.root.file("extras/"))},
                                                                {"<project>", form(bench.project.projectFolder)}};
    for (const auto& [name, path] : placeholders) {
      for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), path);
    }
    return text;
  }
  std::vector<std::string> listed(std::string_view key) const {
    std::vector<std::string> out;
    const std::string text = c.text(key, "");
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
      const std::size_t bar = std::min(text.find(" | ", at), text.size());
      out.push_back(places(text.substr(at, bar - at)));
      at = bar + 3;
    }
    return out;
  }

  RunBench bench;
};

TEST_P(FailingRuns, SayWhatFailedAndKeepTheFiles) {
  static const char* const kOperations[] = {"read", "write", "copy", "move", "remove", "create folder", "remove folder",
                                            "flush",  "link"};
  if (c.has("selected")) {
    bench.options.selectedFiles.clear();
    for (const std::string& file : listed("selected")) bench.options.selectedFiles.push_back(bench.project.projectFolder + file);
  }
  bench.style.files = listed("extras");
  std::vector<std::tuple<Operation, std::string, int>> failing;  // operation, pattern, only its n-th time (0: always)
  for (std::string line : c.lines("fail")) {
    const std::size_t hash = line.find(" #");
    const int nth = hash == std::string::npos ? 0 : std::stoi(line.substr(hash + 2));
    line = line.substr(0, hash);
    for (int op = static_cast<int>(std::size(kOperations)) - 1; op >= 0; --op) {  // "remove folder" before "remove"
      if (line.starts_with(std::string(kOperations[op]) + " ")) {
        failing.emplace_back(static_cast<Operation>(op), line.substr(std::strlen(kOperations[op]) + 1), nth);
        break;
      }
    }
  }
  bench.files.setRule([failing, seen = std::make_shared<std::map<std::size_t, int>>()](Operation op,
                                                                                       const std::string& path) mutable {
    for (std::size_t i = 0; i < failing.size(); ++i) {
      const auto& [failingOp, pattern, nth] = failing[i];
      if (op == failingOp && wildcardMatch(pattern, path) && (nth == 0 || ++(*seen)[i] == nth)) return true;
    }
    return false;
  });
  if (c.has("read only")) bench.root.setReadOnly(c.text("read only"));
  std::map<std::string, std::string> before;
  for (const std::string& file : c.lines("unchanged")) before[file] = bench.root.read(file);
  for (const std::string& file : c.lines("changed")) before[file] = bench.root.read(file);

  const RunOutcome outcome = bench.run();
  EXPECT_TRUE(outcome.endedWithTimingLine);
  if (c.has("failures")) {
    EXPECT_EQ(outcome.failures, static_cast<int>(c.number("failures")));
  }
  std::vector<std::string> patterns;
  for (const std::string& line : c.lines("summary")) patterns.push_back(places(line, true));
  if (c.has("summary")) expectLines(bench.summary.lines(), patterns);
  for (const std::string& file : c.lines("unchanged")) EXPECT_EQ(bench.root.read(file), before[file]) << file;
  for (const std::string& file : c.lines("changed")) EXPECT_NE(bench.root.read(file), before[file]) << file;
  for (const std::string& file : c.lines("absent")) EXPECT_FALSE(bench.root.exists(file)) << file;
  if (c.has("record")) {
    EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), places(c.text("record")));
  }
  if (c.has("project lacks")) {
    EXPECT_EQ(bench.root.read("Billing/Billing.vbp").find(c.text("project lacks")), std::string::npos);
  }
}

QM_CASES_FROM(FailingRuns, "run/failing_runs.txt");

// A run whose writes fail from some point on, for every point: no file is
// ever lost, truncated or half-changed, and every file the summary does not
// report as processed is exactly as it was.
TEST(FailingRun, AWriteThatFailsMidwayLosesNothing) {
  auto configure = [](RunBench& bench, bool numbers) {
    bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas",
                                   bench.project.projectFolder + "Forms\\frmMain.frm"};
    bench.options.addLineNumbers = numbers;
    bench.style.files = {bench.extra("ErrorLog.bas")};
  };
  std::map<std::string, std::string> processed, unnumbered;
  int mutations = 0;
  {
    RunBench clean;
    configure(clean, true);
    clean.run();
    mutations = clean.files.mutations();
    processed = {{"modUtil.bas", clean.root.read("Billing/modUtil.bas")},
                 {"frmMain.frm", clean.root.read("Billing/Forms/frmMain.frm")}};
  }
  {
    RunBench clean;
    configure(clean, false);
    clean.run();
    unnumbered = {{"modUtil.bas", clean.root.read("Billing/modUtil.bas")},
                  {"frmMain.frm", clean.root.read("Billing/Forms/frmMain.frm")}};
  }
  ASSERT_GT(mutations, 5);
  for (int n = 0; n <= mutations; ++n) {
    RunBench bench;
    configure(bench, true);
    const auto original = bench.topLevel("Billing");
    const std::map<std::string, std::string> originals{{"modUtil.bas", original.at("modUtil.bas")},
                                                       {"frmMain.frm", bench.root.read("Billing/Forms/frmMain.frm")}};
    bench.files.failFromMutation(n);
    const RunOutcome outcome = bench.run();
    ASSERT_TRUE(outcome.endedWithTimingLine);
    const auto lines = bench.summary.lines();
    EXPECT_TRUE(startsWith(lines.back(), "Update completed in ")) << n;

    const std::map<std::string, std::string> now{{"modUtil.bas", bench.root.read("Billing/modUtil.bas")},
                                                 {"frmMain.frm", bench.root.read("Billing/Forms/frmMain.frm")}};
    for (const auto& [name, text] : now) {
      const bool reportedDone =
          std::find(lines.begin(), lines.end(), "Creating backup of " + name + "...Done") != lines.end() &&
          std::none_of(lines.begin(), lines.end(),
                       [&](const std::string& line) {
                         return startsWith(line, "Analysing " + name + "...Failed") ||
                                startsWith(line, "Saving " + name) ||
                                startsWith(line, "Adding the variable dump to " + name);
                       }) &&
          std::any_of(lines.begin(), lines.end(),
                      [&](const std::string& line) { return startsWith(line, "Analysing " + name + "...Done"); });
      if (reportedDone) {
        EXPECT_TRUE(text == processed.at(name) || text == unnumbered.at(name)) << "mutation " << n << ": " << name;
      } else {
        EXPECT_EQ(text, originals.at(name)) << "mutation " << n << ": " << name;
      }
    }
    // The project file only ever gains whole lines at its top.
    EXPECT_TRUE(endsWith(bench.root.read("Billing/Billing.vbp"), original.at("Billing.vbp"))) << n;
    // Every other top-level file is as it was, apart from the added extra file.
    auto top = bench.topLevel("Billing");
    top.erase("modUtil.bas");
    top.erase("Billing.vbp");
    if (top.count("ErrorLog.bas")) {
      EXPECT_EQ(top["ErrorLog.bas"], bench.root.read("extras/ErrorLog.bas")) << n;
      top.erase("ErrorLog.bas");
    }
    auto rest = original;
    rest.erase("modUtil.bas");
    rest.erase("Billing.vbp");
    EXPECT_EQ(top, rest) << n;
    // Whatever made it into the backup folder is a whole copy.
    if (bench.root.exists(kBackup)) {
      for (const auto& [name, text] : bench.topLevel(kBackup)) {
        if (name != "uninstall.dat") {
          EXPECT_EQ(text, original.at(name)) << n << " " << name;
        }
      }
    }
  }
}

// ------------------------------------------------------------ timing

class TimingLines : public testing::CaseTest {};

TEST_P(TimingLines, RoundHalfToEvenAndDropTrailingZeros) {
  testing::expectRows(c, {{"elapsedSecondsText", [](const std::vector<std::string>& a) {
                             return elapsedSecondsText(std::stoll(a[0]), a[1]);
                           }}});
}

QM_CASES_FROM(TimingLines, "run/timing_line.txt");

TEST(TimingLine, UsesTheMonotonicClockAndTheUsersSeparator) {
  RunBench bench;
  bench.options.selectedFiles.clear();
  bench.clock.step = 1250;
  bench.clock.separator = ",";
  bench.run();
  EXPECT_EQ(bench.summary.lines(), (std::vector<std::string>{"Update completed in 1,25 seconds."}));
}

}  // namespace
}  // namespace qm
