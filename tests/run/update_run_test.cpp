#include <gtest/gtest.h>

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

TEST(BackupRun, WithoutExtraFilesThereIsNoRecordAndNoExtraLine) {
  RunBench bench;
  bench.style.files = {"", "   "};  // empty entries are skipped
  bench.run();
  expectLines(bench.summary.lines(), joined(allFileLines(false), {"Update completed in 0 seconds."}));
  EXPECT_FALSE(bench.root.exists(std::string(kBackup) + "/uninstall.dat"));
}

TEST(BackupRun, SelectedFilesAreNamedAsTheFileSystemSpellsThemAndMissingOnesPassedOver) {
  RunBench bench;
  const std::string folder = bench.project.projectFolder;
  bench.options.selectedFiles = {folder + "Gone.bas", folder + "Forms", folder + "MODUTIL.BAS"};
  bench.run();
  expectLines(bench.summary.lines(), joined(fileLines("modUtil.bas", false), {"Update completed in 0 seconds."}));
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

TEST(FailingRun, AReadOnlySourceIsReportedAndLeftAsItWas) {
  RunBench bench;
  const std::string module = bench.root.read("Billing/modUtil.bas");
  bench.root.setReadOnly("Billing/modUtil.bas");
  const RunOutcome outcome = bench.run();
  EXPECT_EQ(outcome.failures, 1);
  auto expected = allFileLines(false);
  expected.insert(expected.begin() + 4, "Saving modUtil.bas...Failed: *read-only*");
  expected.push_back("Update completed in 0 seconds.");
  expectLines(bench.summary.lines(), expected);
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas"), module);
  EXPECT_NE(bench.root.read("Billing/clsInvoice.cls").find("'SS******"), std::string::npos);
  EXPECT_FALSE(bench.root.exists("work/TempDataFile"));
}

TEST(FailingRun, AFileWhoseBackupFailedIsNotChanged) {
  RunBench bench;
  bench.files.setRule([](Operation op, const std::string& path) {
    return op == Operation::Copy && path.find("Backup on") != std::string::npos &&
           (path.find("modUtil.bas") != std::string::npos || path.find("Billing.vbp") != std::string::npos);
  });
  bench.style.files = {bench.extra("ErrorLog.bas")};
  const auto original = bench.topLevel("Billing");
  const RunOutcome outcome = bench.run();
  EXPECT_GE(outcome.failures, 4);
  auto expected = allFileLines(false);
  expected.erase(expected.begin() + 3);
  expected[2] =
      "Creating backup of modUtil.bas...Failed: no copy of modUtil.bas was made in the backup folder, so it is left as "
      "it was";
  expected.insert(expected.begin(), {"Copying Billing.vbp to the backup folder...Failed: *Billing.vbp*",
                                     "Copying modUtil.bas to the backup folder...Failed: *modUtil.bas*"});
  expected.insert(expected.end(),
                  {"Adding extra files ",
                   "Adding ErrorLog.bas to the project...Failed: no copy of Billing.vbp was made in "
                   "the backup folder, so it is left as it was",
                   shownPath(bench.project.projectFolder + "ErrorLog.bas"), "Update completed in 0 seconds."});
  expectLines(bench.summary.lines(), expected);
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas"), original.at("modUtil.bas"));
  EXPECT_EQ(bench.root.read("Billing/Billing.vbp"), original.at("Billing.vbp"));
  EXPECT_NE(bench.root.read("Billing/clsInvoice.cls"), original.at("clsInvoice.cls"));
}

TEST(FailingRun, ABackupThatCannotBeFlushedToDiskProtectsNothing) {
  RunBench bench;
  bench.files.setRule([](Operation op, const std::string&) { return op == Operation::Flush; });
  const auto original = bench.topLevel("Billing");
  const RunOutcome outcome = bench.run();
  EXPECT_GE(outcome.failures, 1);
  EXPECT_EQ(bench.summary.lines().back(), "Update completed in 0 seconds.");
  for (const auto& [name, text] : original) EXPECT_EQ(bench.root.read("Billing/" + name), text) << name;
}

TEST(FailingRun, ABackupFolderThatCannotBeMadeChangesNothing) {
  RunBench bench;
  bench.files.setRule([](Operation op, const std::string&) { return op == Operation::CreateFolder; });
  const auto original = bench.topLevel("Billing");
  bench.run();
  expectLines(bench.summary.lines(), {"The backup folder could not be created: *Backup on 05 Dec at 14-03-27*",
                                      "No files were modified.", "Update completed in 0 seconds."});
  EXPECT_EQ(bench.topLevel("Billing"), original);
}

TEST(FailingRun, AnUnreadableSourceStopsOnlyThatFile) {
  RunBench bench;
  bench.files.setRule([](Operation op, const std::string& path) {
    return op == Operation::Read && endsWith(path, "Billing/modUtil.bas");
  });
  const auto original = bench.topLevel("Billing");
  bench.run();
  auto expected = allFileLines(false);
  expected.erase(expected.begin() + 3);
  expected[2] = "Creating backup of modUtil.bas...Failed: Cannot read*modUtil.bas*";
  expected.push_back("Update completed in 0 seconds.");
  expectLines(bench.summary.lines(), expected);
  EXPECT_EQ(bench.root.read("Billing/modUtil.bas"), original.at("modUtil.bas"));
}

TEST(FailingRun, AnExtraFileThatCannotBeCopiedIsNeitherRecordedNorAdded) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
  bench.style.files = {bench.extra("ErrorLog.bas"), bench.extra("ReadMe.txt")};
  bench.files.setRule([](Operation op, const std::string& path) {
    return op == Operation::Copy && endsWith(path, "Billing/ErrorLog.bas");
  });
  bench.run();
  expectLines(bench.summary.lines(),
              joined(fileLines("modUtil.bas", false),
                     {"Adding extra files ", shownPath(bench.extra("ErrorLog.bas")) + "...Failed: *ErrorLog.bas*",
                      shownPath(bench.project.projectFolder + "ReadMe.txt"), "Update completed in 0 seconds."}));
  EXPECT_FALSE(bench.root.exists("Billing/ErrorLog.bas"));
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"),
            crlf({kHeader, bench.project.projectFolder + "ReadMe.txt"}));
  EXPECT_EQ(bench.root.read("Billing/Billing.vbp").find("ErrorLog"), std::string::npos);
}

TEST(FailingRun, AnExtraFileThatCannotBeRecordedIsTakenOutAgain) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
  bench.style.files = {bench.extra("ErrorLog.bas")};
  bench.files.setRule([count = 0](Operation op, const std::string& path) mutable {
    return op == Operation::Write && endsWith(path, "uninstall.dat") && ++count == 2;
  });
  bench.run();
  expectLines(bench.summary.lines(),
              joined(fileLines("modUtil.bas", false),
                     {"Adding extra files ",
                      shownPath(bench.extra("ErrorLog.bas")) + "...Failed: *uninstall.dat*taken out again",
                      "Update completed in 0 seconds."}));
  EXPECT_FALSE(bench.root.exists("Billing/ErrorLog.bas"));
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), crlf({kHeader}));
}

TEST(FailingRun, WithoutARecordNoExtraFileIsAdded) {
  RunBench bench;
  bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
  bench.style.files = {bench.extra("ErrorLog.bas")};
  bench.files.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Write && endsWith(path, "uninstall.dat"); });
  bench.run();
  expectLines(bench.summary.lines(), joined(fileLines("modUtil.bas", false),
                                            {"Adding extra files ", "Writing uninstall.dat...Failed: *uninstall.dat*",
                                             "No extra files were added.", "Update completed in 0 seconds."}));
  EXPECT_FALSE(bench.root.exists("Billing/ErrorLog.bas"));
}

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
