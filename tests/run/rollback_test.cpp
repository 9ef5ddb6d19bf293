#include "run/rollback.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::Operation;

constexpr const char* kHeader = "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.";
constexpr const char* kEntry = "Backup on 05 Dec at 14:03:27";
constexpr const char* kFolder = "Payroll/Backup on 05 Dec at 14-03-27";

// A small project that a Backup run has changed: the backup folder holds
// the files as they were, the project the changed ones and two added files.
class RollBack : public ::testing::Test {
 protected:
  RollBack() {
    folder.write("Payroll/Payroll.vbp",
                 crlf({"Module=ErrorLog; ErrorLog.bas", "Type=Exe", "Module=modPay; modPay.bas", "Name=\"Payroll\""}));
    folder.write("Payroll/modPay.bas",
                 crlf({"Attribute VB_Name = \"modPay\"", "Sub Pay()", "'SS****** changed", "End Sub"}));
    folder.write("Payroll/ErrorLog.bas", crlf({"Attribute VB_Name = \"ErrorLog\""}));
    folder.write("Payroll/Notes.txt", "added");
    folder.write("Payroll/uninstall.dat", "stale copy");
    folder.write("Payroll/Later.bas", "the user's, made after the backup");
    folder.write(std::string(kFolder) + "/Payroll.vbp", original.at("Payroll.vbp"));
    folder.write(std::string(kFolder) + "/modPay.bas", original.at("modPay.bas"));
    project.projectFile = folder.file("Payroll/Payroll.vbp");
    project.projectFolder = folder.file("Payroll/");
    record({project.projectFolder + "ErrorLog.bas", project.projectFolder + "Notes.txt"});
  }

  void record(const std::vector<std::string>& lines) {
    std::string text = crlf({kHeader});
    for (const std::string& line : lines) text += line + "\r\n";
    folder.write(std::string(kFolder) + "/uninstall.dat", text);
  }

  RollbackOutcome roll(std::string_view entry = kEntry) {
    RollbackContext context{files,
                            progress,
                            dialogs,
                            [this] { ++yields; },
                            settings,
                            clock,
                            [this](bool shown) { panel.push_back(shown); }};
    return rollBack(context, project, entry, showWarning);
  }

  const std::map<std::string, std::string> original{
      {"Payroll.vbp", crlf({"Type=Exe", "Module=modPay; modPay.bas", "Name=\"Payroll\""})},
      {"modPay.bas", crlf({"Attribute VB_Name = \"modPay\"", "Sub Pay()", "End Sub"})}};

  testing::TempFolder folder;
  testing::FaultyFileSystem files;
  ProjectState project;
  testing::ProgressLog progress;
  testing::ScriptedDialogs dialogs;
  MemorySettings settings;
  testing::FixedClock clock;
  std::vector<bool> panel;
  int yields = 0;
  bool showWarning = false;
};

TEST_F(RollBack, RestoresTheBackupAndDeletesTheRecordedFiles) {
  clock.time = LocalDateTime{2024, 12, 31, 23, 59, 59};  // the time of day plays no part
  const RollbackOutcome outcome = roll();
  EXPECT_TRUE(outcome.performed);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_EQ(outcome.restored, (std::vector<std::string>{"Payroll.vbp", "modPay.bas", "uninstall.dat"}));
  EXPECT_EQ(outcome.deleted,
            (std::vector<std::string>{project.projectFolder + "ErrorLog.bas", project.projectFolder + "Notes.txt"}));
  EXPECT_EQ(folder.read("Payroll/Payroll.vbp"), original.at("Payroll.vbp"));
  EXPECT_EQ(folder.read("Payroll/modPay.bas"), original.at("modPay.bas"));
  EXPECT_FALSE(folder.exists("Payroll/ErrorLog.bas"));
  EXPECT_FALSE(folder.exists("Payroll/Notes.txt"));
  EXPECT_FALSE(folder.exists("Payroll/uninstall.dat"));
  EXPECT_EQ(folder.read("Payroll/Later.bas"), "the user's, made after the backup");
  EXPECT_TRUE(folder.exists(std::string(kFolder) + "/uninstall.dat"));
  // The bar shows k of k + 1 while the k-th file is copied.
  EXPECT_EQ(progress.events(), (std::vector<std::string>{"value 0", "max 1", "shown", "value 1", "max 2", "value 2",
                                                         "max 3", "value 3", "max 4", "value 4", "hidden"}));
  EXPECT_FALSE(progress.exceeded());
  // The completed panel stays for half a second on the monotonic clock.
  EXPECT_EQ(panel, (std::vector<bool>{true, false}));
  EXPECT_GT(clock.sleptTotal, 500);
  EXPECT_LE(clock.sleptTotal, 520);
  EXPECT_GE(yields, 4);
}

TEST_F(RollBack, CancellingTheWarningChangesNothing) {
  showWarning = true;
  dialogs.answerOk = false;
  dialogs.tickDontShowAgain = true;
  const RollbackOutcome outcome = roll();
  EXPECT_FALSE(outcome.performed);
  EXPECT_EQ(dialogs.warnings, 1);
  EXPECT_TRUE(showWarning);
  EXPECT_EQ(settings.writes(), 0);
  EXPECT_TRUE(progress.events().empty());
  EXPECT_TRUE(panel.empty());
  EXPECT_TRUE(folder.exists("Payroll/ErrorLog.bas"));
  EXPECT_NE(folder.read("Payroll/modPay.bas"), original.at("modPay.bas"));
}

TEST_F(RollBack, OkStoresTheChoiceOnlyWithDontShowAgain) {
  for (const bool tick : {false, true}) {
    showWarning = true;
    dialogs.answerOk = true;
    dialogs.tickDontShowAgain = tick;
    EXPECT_TRUE(roll().performed);
    EXPECT_EQ(showWarning, !tick);
    EXPECT_EQ(settings.writes(), tick ? 1 : 0);
  }
  EXPECT_EQ(GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "ShowWarning", ""), "False");
  roll();
  EXPECT_EQ(dialogs.warnings, 2);
}

TEST_F(RollBack, AMissingBackupFolderStillEndsWithThePanel) {
  const RollbackOutcome outcome = roll("Backup on 01 Jan at 00:00:00");
  EXPECT_TRUE(outcome.performed);
  EXPECT_TRUE(outcome.restored.empty());
  EXPECT_EQ(progress.events(), (std::vector<std::string>{"value 0", "max 1", "shown", "value 1", "hidden"}));
  EXPECT_EQ(panel, (std::vector<bool>{true, false}));
  EXPECT_TRUE(folder.exists("Payroll/ErrorLog.bas"));
}

TEST_F(RollBack, WithoutARecordOnlyTheCopyTakesPlace) {
  ::unlink(folder.file(std::string(kFolder) + "/uninstall.dat").c_str());
  const RollbackOutcome outcome = roll();
  EXPECT_TRUE(outcome.deleted.empty());
  EXPECT_EQ(folder.read("Payroll/modPay.bas"), original.at("modPay.bas"));
  EXPECT_TRUE(folder.exists("Payroll/ErrorLog.bas"));
  EXPECT_EQ(folder.read("Payroll/uninstall.dat"), "stale copy");
}

TEST_F(RollBack, ARecordIsOnlyReadUnderItsExactName) {
  // Written afresh: a file system that ignores case would keep the old spelling.
  const std::string record = folder.read(std::string(kFolder) + "/uninstall.dat");
  ASSERT_EQ(::unlink(folder.file(std::string(kFolder) + "/uninstall.dat").c_str()), 0);
  folder.write(std::string(kFolder) + "/UNINSTALL.DAT", record);
  const RollbackOutcome outcome = roll();
  EXPECT_TRUE(outcome.deleted.empty());
  EXPECT_TRUE(folder.exists("Payroll/ErrorLog.bas"));
}

TEST_F(RollBack, FailedCopiesAndDeletesAreReportedAndTheRestGoesOn) {
  files.setRule([](Operation op, const std::string& path) {
    return (op == Operation::Copy && path.find("Payroll.vbp") != std::string::npos) ||
           (op == Operation::Remove && path.find("ErrorLog.bas") != std::string::npos);
  });
  const RollbackOutcome outcome = roll();
  ASSERT_EQ(outcome.failures.size(), 2u);
  EXPECT_NE(outcome.failures[0].find("Payroll.vbp"), std::string::npos);
  EXPECT_NE(outcome.failures[1].find("ErrorLog.bas"), std::string::npos);
  EXPECT_EQ(folder.read("Payroll/modPay.bas"), original.at("modPay.bas"));
  EXPECT_FALSE(folder.exists("Payroll/Notes.txt"));
  EXPECT_TRUE(folder.exists("Payroll/ErrorLog.bas"));
  EXPECT_EQ(panel, (std::vector<bool>{true, false}));
}

TEST(BackupList, ListsBackupFoldersWithColons) {
  testing::TempFolder folder;
  NativeFileSystem files;
  folder.makeFolder("p/Backup on 05 Dec at 14-03-27");
  folder.makeFolder("p/backup on 06 Dec at 09-00-00 (2)");
  folder.makeFolder("p/Backups");
  folder.makeFolder("p/Forms");
  folder.write("p/Backup on notes.txt", "a file, not a backup");
  EXPECT_EQ(bListBackups(files, folder.file("p/")),
            (std::vector<std::string>{"Backup on 05 Dec at 14:03:27", "backup on 06 Dec at 09:00:00 (2)"}));
  EXPECT_EQ(backupFolderOf(folder.file("p/"), "backup on 06 Dec at 09:00:00 (2)"),
            folder.file("p/") + "backup on 06 Dec at 09-00-00 (2)");
}

TEST(BackupList, EmptyWithoutBackups) {
  testing::TempFolder folder;
  NativeFileSystem files;
  folder.write("p/Payroll.vbp", "Type=Exe\r\n");
  EXPECT_TRUE(bListBackups(files, folder.file("p/")).empty());
  EXPECT_TRUE(bListBackups(files, folder.file("missing/")).empty());
}

}  // namespace
}  // namespace qm
