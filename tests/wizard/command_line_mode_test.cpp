// Command-line mode end to end: the project path in its forms, the failure
// log, the exit statuses, the roll back without a window and the echoed
// summary. (What each switch chooses, and a lone project path at start-up,
// are scripts of tests/data/wizard/pages.txt.)
#include "wizard/command_line_mode.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

#include "platform/paths.h"
#include "platform/text.h"
#include "wizard/unattended_services.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

class CommandLineMode : public WizardTest {
 protected:
  StartUpOutcome run(std::vector<std::string> switches) {
    std::vector<std::string> words{"/p", billing()};
    words.insert(words.end(), switches.begin(), switches.end());
    return start(CommandLine::fromWords(words));
  }
  const OptionsPage& options() const { return wizard->optionsPage; }
  const std::string& summary() const { return wizard->applyPage.txtSummary.text; }
  std::string failureLog() const { return root.read("program/QMR Command Line Failure.txt"); }

  // Every file below projects/, by its path there.
  std::map<std::string, std::string> projectFiles() const {
    std::map<std::string, std::string> out;
    const std::filesystem::path projects(root.path() + "projects");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(projects)) {
      if (entry.is_regular_file()) {
        const std::string relative = std::filesystem::relative(entry.path(), projects).generic_string();
        out[relative] = root.read("projects/" + relative);
      }
    }
    return out;
  }
  // `quillmere --rollback <Billing.vbp> <backup>` on a new start of the program.
  CommandLineOutcome rollBack(const std::string& backup, SummaryText& lines) {
    start();
    return RunRollbackCommand(*wizard, billing(), backup, "--rollback " + billing() + " " + backup, lines);
  }
};

TEST_F(CommandLineMode, AQuotedPathOrTheOneStringFormWorks) {
  EXPECT_EQ(start({"-p", std::string("\"").append(billing()).append("\""), "/b"}).exitStatus, 0);
  EXPECT_EQ(wizard->session.project.projectFile, billing());

  const std::string path = replaceAll(billing(), "/", "\\");
  const StartUpOutcome outcome = start(CommandLine::fromText("/P\"" + path + "\" /b /l"));  // Windows' one string
  EXPECT_FALSE(outcome.showWindow);
  EXPECT_EQ(outcome.exitStatus, 0) << failureLog();
  EXPECT_TRUE(options().chkNumbers.ticked);
  EXPECT_TRUE(options().optBackup.selected);
}

TEST_F(CommandLineMode, AProjectThatCannotBeOpenedWritesTheLog) {
  const std::string missing = root.path() + "projects/missing.vbp";
  const std::string notProject = root.path() + "projects/Billing/modUtil.bas";
  const std::vector<std::vector<std::string>> lines = {
      {"/p", missing}, {"/p"}, {"/p", ""}, {"/p", notProject}, {"/p", billing() + "/x.vbp"}};
  for (const auto& words : lines) {
    root.write("program/QMR Command Line Failure.txt", "");
    const StartUpOutcome outcome = start(words);
    EXPECT_FALSE(outcome.showWindow);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.failureLog, programFolder() + "QMR Command Line Failure.txt");
    EXPECT_EQ(failureLog(), commandLineFailureText(CommandLine::fromWords(words).asReceived()));
    EXPECT_EQ(wizard->currentPage, WizardPage::Project) << "nothing was pressed";
  }
  EXPECT_EQ(storedRecent(), std::vector<std::string>{"-1"}) << "the recent list was never stored";
  EXPECT_NE(failureLog().find("Command Line Argument: /p " + billing() + "/x.vbp\r\n"), std::string::npos);
}

TEST_F(CommandLineMode, TheExitStatusSaysHowTheRunEnded) {
  struct Case {
    std::string what;
    std::vector<std::string> switches;
    int status;
    std::string said;  // the first summary line of a run that could not start
  };
  const Case cases[] = {
      {"a minimum that is no number", {"/a", "/b", "/i", "abc"}, kExitNotStarted,
       "The minimum number of lines 'abc' is not a number."},
      {"a minimum out of range", {"/a", "/b", "/i", "70000"}, kExitNotStarted,
       "The minimum number of lines '70000' is too large."},
      {"a new copy into the project's own folder", {"/a", "/c", billingFolder() + "Forms/.."}, kExitNotStarted,
       "The chosen destination folder was not valid."},
      {"a member that cannot be replaced", {"/a", "/b", "/l"}, kExitStepFailed, ""},
      {"every step succeeded", {"/a", "/b", "/l"}, kExitSucceeded, ""},
  };
  using std::filesystem::perms;
  for (const Case& c : cases) {
    const bool readOnly = c.status == kExitStepFailed;
    std::filesystem::permissions(billingFolder() + "modUtil.bas",
                                 readOnly ? perms::owner_read : perms::owner_read | perms::owner_write);
    root.write("program/QMR Command Line Failure.txt", "");
    const auto before = projectFiles();
    const StartUpOutcome outcome = run(c.switches);
    EXPECT_EQ(outcome.exitStatus, c.status) << c.what << "\n" << summary();
    if (c.status == kExitNotStarted) {
      EXPECT_EQ(outcome.reason, c.said) << c.what;
      EXPECT_EQ(summary().substr(summary().find("Click 'Begin'")),
                "Click 'Begin' to begin the procedure...\r\n" + c.said + "\r\nNo files were modified.\r\n" +
                    "Update completed in 0 seconds.")
          << c.what;
      EXPECT_NE(failureLog().find("Command Line Argument: /p "), std::string::npos) << c.what;
      EXPECT_EQ(projectFiles(), before) << c.what << ": nothing is touched, not even a backup folder is made";
    } else {
      EXPECT_EQ(failureLog(), "") << c.what << ": the run started, so there is no failure log";
    }
    if (c.status == kExitStepFailed) {
      EXPECT_NE(summary().find("Creating backup of modUtil.bas...Done\r\nAnalysing modUtil.bas...Done ("),
                std::string::npos);
      EXPECT_NE(summary().find("Saving modUtil.bas...Failed: "), std::string::npos) << summary();
      EXPECT_EQ(projectFiles().at("Billing/modUtil.bas"), before.at("Billing/modUtil.bas"));
    }
  }
}

TEST_F(CommandLineMode, ARollBackTakesTheBackupByEitherOfItsNamesOrTheNewest) {
  const auto original = projectFiles();
  ASSERT_EQ(run({"/a", "/b"}).exitStatus, kExitSucceeded);
  clock.time.minute = 4;
  const auto added = projectFiles();
  ASSERT_EQ(run({"/r", "/b", "/a", "/l"}).exitStatus, kExitSucceeded);
  const auto removed = projectFiles();
  ASSERT_NE(removed, added);
  // The newest is the folder changed last: a file made and removed in it
  // changes a folder on every system (which may not set a folder's time).
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  root.write("projects/Billing/Backup on 05 Dec at 14-04-27/touch", "");
  ASSERT_EQ(std::remove(root.file("projects/Billing/Backup on 05 Dec at 14-04-27/touch").c_str()), 0);

  struct Case {
    std::string backup;
    int status;
    const std::map<std::string, std::string>* after;  // the project's files afterwards, backups aside
  };
  const Case cases[] = {
      {"Backup on 01 Jan at 00:00:00", kExitNotStarted, &removed},
      {"", kExitSucceeded, &added},
      {"Backup on 05 Dec at 14-03-27", kExitSucceeded, &original},
      {"backup on 05 dec at 14:04:27", kExitSucceeded, &added},
  };
  for (const Case& c : cases) {
    SummaryText lines;
    const CommandLineOutcome outcome = rollBack(c.backup, lines);
    EXPECT_EQ(outcome.exitStatus, c.status) << c.backup << "\n" << ::testing::PrintToString(lines.lines());
    auto now = projectFiles();
    std::erase_if(now, [](const auto& file) { return file.first.find("/Backup on ") != std::string::npos; });
    auto wanted = *c.after;
    std::erase_if(wanted, [](const auto& file) { return file.first.find("/Backup on ") != std::string::npos; });
    EXPECT_EQ(now, wanted) << c.backup;
    if (c.status == kExitNotStarted) {
      EXPECT_EQ(outcome.reason, "the project has no backup named " + c.backup);
      EXPECT_TRUE(lines.lines().empty());
    } else {
      EXPECT_EQ(lines.lines(), (std::vector<std::string>{"Restored Billing.vbp", "Restored clsInvoice.cls",
                                                          "Restored modUtil.bas", "Restored Forms\\frmMain.frm",
                                                          "Restored ..\\Shared\\modShared.bas"}))
          << c.backup;
    }
  }

  // A file that cannot be restored is named, the others still come back, and the status says so.
  std::filesystem::permissions(billingFolder() + "modUtil.bas", std::filesystem::perms::owner_read);
  SummaryText lines;
  EXPECT_EQ(rollBack("Backup on 05 Dec at 14:03:27", lines).exitStatus, kExitStepFailed);
  const auto now = projectFiles();
  EXPECT_EQ(now.at("Billing/modUtil.bas"), added.at("Billing/modUtil.bas"));
  EXPECT_EQ(now.at("Billing/clsInvoice.cls"), original.at("Billing/clsInvoice.cls"));
  EXPECT_EQ(lines.lines().back(),
            "Failed: Cannot replace '" + billingFolder() + "modUtil.bas': the file is read-only");
}

TEST_F(CommandLineMode, EverySummaryLineIsEchoedAsItIsWritten) {
  std::ostringstream out;
  SummaryPrinter printer(out);
  newWizard();
  wizard->applyPage.txtSummary.echo = &printer;
  const StartUpOutcome outcome = wizard->Form_Load(CommandLine::fromWords({"/p", billing(), "/b"}));
  printer.finish();
  EXPECT_EQ(outcome.exitStatus, 0);
  const std::string printed = out.str();
  EXPECT_EQ(printed.rfind("Creating backup of frmMain.frm...Done\nAnalysing frmMain.frm...Done (", 0), 0U) << printed;
  EXPECT_NE(printed.find("\nUpdate completed in 0 seconds.\n"), std::string::npos) << printed;
  EXPECT_EQ(printed.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace qm::testing
