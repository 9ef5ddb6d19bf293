#include "run/rollback.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "support/case_file.h"
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

// The cases of tests/data/run/rollbacks.txt, over a small project that a
// Backup run has changed.
class RollBack : public testing::CaseTest {
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
    if (c.text("record", "") != "none") {
      folder.write(std::string(kFolder) + "/" + c.text("record", "uninstall.dat"),
                   crlf({kHeader, project.projectFolder + "ErrorLog.bas", project.projectFolder + "Notes.txt"}));
    }
    clock.time = LocalDateTime{2024, 12, 31, 23, 59, 59};  // the time of day plays no part
  }

  // The names of a value "a | b", with `prefix` before each.
  std::vector<std::string> listed(std::string_view key, const std::string& prefix = "") const {
    std::vector<std::string> out;
    const std::string text = c.text(key);
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
      const std::size_t bar = std::min(text.find(" | ", at), text.size());
      out.push_back(prefix + text.substr(at, bar - at));
      at = bar + 3;
    }
    return out;
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
};

TEST_P(RollBack, EndsAsTheTableSays) {
  bool showWarning = c.has("warning");
  dialogs.answerOk = c.text("warning", "") == "ok";
  dialogs.tickDontShowAgain = c.flag("tick", false);
  files.setRule([this](Operation op, const std::string& path) {
    return (op == Operation::Copy && c.has("fail copy") && path.ends_with(c.text("fail copy"))) ||
           (op == Operation::Remove && c.has("fail remove") && path.ends_with(c.text("fail remove")));
  });
  const std::string changed = folder.read("Payroll/modPay.bas");
  RollbackContext context{files,    progress, dialogs, [this] { ++yields; },
                          settings, clock,    [this](bool shown) { panel.push_back(shown); }};
  const RollbackOutcome outcome = rollBack(context, project, c.text("entry", kEntry), showWarning);

  EXPECT_EQ(outcome.performed, c.flag("performed", true));
  if (c.has("restored")) { EXPECT_EQ(outcome.restored, listed("restored")); }
  if (c.has("deleted")) { EXPECT_EQ(outcome.deleted, listed("deleted", project.projectFolder)); }
  const std::vector<std::string> failing = c.has("failures") ? listed("failures") : std::vector<std::string>{};
  ASSERT_EQ(outcome.failures.size(), failing.size());
  for (std::size_t i = 0; i < failing.size(); ++i) EXPECT_NE(outcome.failures[i].find(failing[i]), std::string::npos);
  if (c.has("warnings")) { EXPECT_EQ(dialogs.warnings, static_cast<int>(c.number("warnings"))); }
  if (c.has("warning after")) { EXPECT_EQ(showWarning, c.flag("warning after", false)); }
  if (c.has("settings writes")) { EXPECT_EQ(settings.writes(), static_cast<int>(c.number("settings writes"))); }
  if (settings.writes() > 0) {
    EXPECT_EQ(GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "ShowWarning", ""), "False");
  }
  if (c.has("progress")) { EXPECT_EQ(progress.events(), listed("progress")); }
  EXPECT_FALSE(progress.exceeded());
  for (const std::string& name : c.lines("as before")) EXPECT_EQ(folder.read("Payroll/" + name), original.at(name)) << name;
  for (const std::string& name : c.lines("as changed")) EXPECT_EQ(folder.read("Payroll/" + name), changed) << name;
  for (const std::string& name : c.lines("present")) EXPECT_TRUE(folder.exists("Payroll/" + name)) << name;
  for (const std::string& name : c.lines("absent")) EXPECT_FALSE(folder.exists("Payroll/" + name)) << name;
  if (!outcome.performed) {
    EXPECT_TRUE(panel.empty());
    return;
  }
  // The completed panel stays for half a second on the monotonic clock; the backup stays too.
  EXPECT_EQ(panel, (std::vector<bool>{true, false}));
  EXPECT_GT(clock.sleptTotal, 500);
  EXPECT_LE(clock.sleptTotal, 520);
  EXPECT_GE(yields, 1);
  if (c.text("record", "") != "none") {
    EXPECT_TRUE(folder.exists(std::string(kFolder) + "/" + c.text("record", "uninstall.dat")));
  }
}

QM_CASES_FROM(RollBack, "run/rollbacks.txt");

TEST(BackupList, ListsBackupFoldersWithColons) {
  testing::TempFolder folder;
  NativeFileSystem files;
  EXPECT_TRUE(bListBackups(files, folder.file("p/")).empty());
  folder.write("p/Payroll.vbp", "Type=Exe\r\n");
  EXPECT_TRUE(bListBackups(files, folder.file("p/")).empty());
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

}  // namespace
}  // namespace qm
