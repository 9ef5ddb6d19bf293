// The recent projects list: start-up loading, the order it keeps, what it
// stores, and a pick of an entry whose project has gone.
#include "wizard/recent_projects.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

void storeRecent(SettingsBackend& settings, const std::vector<std::string>& paths,
                 std::optional<int> count = std::nullopt) {
  const std::string key = SettingsKey() + "\\Previous";
  SaveSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", count ? *count : static_cast<int>(paths.size()));
  for (std::size_t i = 0; i < paths.size(); ++i) {
    SaveSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i + 1), paths[i]);
  }
}

struct UpdateCase {
  std::vector<std::string> entries;
  std::int16_t count;
  std::string chosen;
  std::vector<std::string> after;
  std::int16_t countAfter;
};

TEST(UpdateRecentList, PutsTheProjectFirstOnce) {
  const UpdateCase cases[] = {
      {{}, 0, "C:\\A.vbp", {"C:\\A.vbp"}, 1},
      {{"C:\\B.vbp", "C:\\A.vbp"}, 2, "C:\\A.vbp", {"C:\\A.vbp", "C:\\B.vbp"}, 2},
      // another letter case: the entry moves up, written as chosen this time
      {{"C:\\B.vbp", "c:\\a.VBP"}, 2, "C:\\A.vbp", {"C:\\A.vbp", "C:\\B.vbp"}, 2},
      // an entry that merely begins with the path counts as the project
      {{"C:\\B.vbp", "C:\\A.vbp.old", "C:\\A.vbp"}, 3, "C:\\A.vbp", {"C:\\A.vbp", "C:\\B.vbp", "C:\\A.vbp"}, 3},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 10, "11",
       {"11", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 10},
  };
  for (const UpdateCase& c : cases) {
    DropDownList list;
    list.entries = c.entries;
    std::int16_t count = c.count;
    MemorySettings settings;
    UpdateRecentList({list, count}, c.chosen, settings);
    EXPECT_EQ(list.entries, c.after) << c.chosen;
    EXPECT_EQ(count, c.countAfter) << c.chosen;
    EXPECT_EQ(GetSettingNumber(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Previous", "Number", -1), c.countAfter);
  }
}

TEST(UpdateRecentList, StoresTheFirstCountEntriesOnly) {
  DropDownList list;
  std::int16_t count = 0;
  MemorySettings settings;
  for (int i = 1; i <= 11; ++i) UpdateRecentList({list, count}, "C:\\P" + std::to_string(i) + ".vbp", settings);
  EXPECT_EQ(list.entries.size(), 11U);
  EXPECT_EQ(count, 10);
  const std::string key = SettingsKey() + "\\Previous";
  EXPECT_EQ(GetSettingString(settings, HKEY_CURRENT_USER, key, "1", ""), "C:\\P11.vbp");
  EXPECT_EQ(GetSettingString(settings, HKEY_CURRENT_USER, key, "10", ""), "C:\\P2.vbp");
  EXPECT_EQ(GetSettingString(settings, HKEY_CURRENT_USER, key, "11", "<none>"), "<none>");
}

TEST(UpdateRecentList, AnEmptyPathIsNeverStored) {
  DropDownList list;
  list.entries = {"C:\\A.vbp"};
  std::int16_t count = 1;
  MemorySettings settings;
  UpdateRecentList({list, count}, "", settings);
  EXPECT_EQ(list.entries, std::vector<std::string>{"C:\\A.vbp"});
  EXPECT_EQ(settings.writes(), 0);
}

TEST(LoadRecentProjects, ReadsNoMoreThanTenWhateverTheStoreSays) {
  const struct {
    int stored;
    std::int16_t count;
  } cases[] = {{3, 3}, {0, 0}, {-1, 0}, {50, 10}};
  for (const auto& c : cases) {
    MemorySettings settings;
    storeRecent(settings, {"a", "b", "c"}, c.stored);
    DropDownList list;
    std::int16_t count = -5;
    loadRecentProjects({list, count}, settings);
    EXPECT_EQ(count, c.count) << c.stored;
    EXPECT_EQ(list.entries.size(), static_cast<std::size_t>(c.count)) << c.stored;
  }
}

using RecentProjectsPage = WizardTest;

TEST_F(RecentProjectsPage, StartUpOpensTheMostRecentAndAPickMakesCurrentWithoutStoring) {
  const std::string other = writeProject("Other", {"Module=Only; only.bas"}, {{"only.bas", "Attribute VB_Name = \"Only\"\r\n"}});
  storeRecent(settings, {billing(), other});
  start();
  ProjectPage& p = projectPage();
  EXPECT_EQ(p.cmbRecent.entries, (std::vector<std::string>{billing(), other}));
  expectSeen({
      SEEN(p.cmbRecent, billing()),
      SEEN(p.lblTitles5, "Project details: Billing.vbp"),
      SEEN(p.cmdLoad2, "Next >>"),
  });
  EXPECT_TRUE(p.lblProjectDetails.visible);
  EXPECT_EQ(session().recentCount, 2);
  EXPECT_EQ(session().project.projectName, "Billing");
  EXPECT_EQ(filesPage().lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(wizard->currentPage, WizardPage::Project);

  const int writes = settings.writes();
  p.cmbRecent.selected = 1;
  fire(p.cmbRecent.onClick);
  EXPECT_EQ(session().project.projectFile, other);
  EXPECT_EQ(session().project.projectFolder, place("projects/Other/"));
  expectSeen({SEEN(p.lblTitles5, "Project details: Other.vbp")});
  EXPECT_EQ(settings.writes(), writes);
  wizard->cmdLoad2_Click();  // Next stores it first
  EXPECT_EQ(storedRecent(), (std::vector<std::string>{"2", other, billing()}));
}

TEST_F(RecentProjectsPage, AProjectThatIsGoneBlocksNext) {
  const std::string gone = root.path() + "projects/Gone/Gone.vbp";
  storeRecent(settings, {gone, billing()});
  start();
  ProjectPage& p = projectPage();
  EXPECT_EQ(session().project.projectFile, gone);
  expectSeen({
      SEEN(p.lblTitles5, "Project details: Project no longer available"),
      SEEN(p.cmdLoad2, "Next >> (disabled)"),
      SEEN(p.rollBack.cmdRollback, "Roll back (hidden)"),
  });
  EXPECT_FALSE(p.lblProjectDetails.visible);
  EXPECT_TRUE(filesPage().lstProjectFiles.rows.empty());
  EXPECT_EQ(p.cmbRecent.entries.size(), 2U) << "the entry stays in the list";
  // Another pick opens again.
  p.cmbRecent.selected = 1;
  p.cmbRecent_Click();
  expectSeen({SEEN(p.lblTitles5, "Project details: Billing.vbp"), SEEN(p.cmdLoad2, "Next >>")});
  EXPECT_TRUE(p.lblProjectDetails.visible);
}

TEST_F(RecentProjectsPage, TheRollBackPanelFollowsTheBackups) {
  root.makeFolder("projects/Billing/Backup on 05 Dec at 14-03-27");
  root.makeFolder("projects/Billing/backup on 06 Dec at 09-00-00");
  const std::string plain = writeProject("Plain", {}, {});
  start();
  browseTo(plain);
  const RollBackPanel& panel = projectPage().rollBack;
  EXPECT_FALSE(panel.shown());
  browseTo(billing());
  expectSeen({
      SEEN(panel.shpRollBack, "shown"),
      SEEN(panel.lblTitles9, " Roll back project to..."),
      SEEN(panel.cmbBackups, "Backup on 05 Dec at 14:03:27"),
      SEEN(panel.cmdRollback, "Roll back"),
  });
  EXPECT_EQ(panel.cmbBackups.entries,
            (std::vector<std::string>{"Backup on 05 Dec at 14:03:27", "backup on 06 Dec at 09:00:00"}));
}

TEST_F(RecentProjectsPage, RollBackRestoresTheChosenBackupAndShowsTheProjectAgain) {
  root.write("projects/Billing/Backup on 05 Dec at 14-03-27/modUtil.bas", "Attribute VB_Name = \"Utilities\"\r\n");
  start();
  browseTo(billing());
  wizard->session.bShowWarning = false;
  fire(projectPage().rollBack.cmdRollback.onClick);
  EXPECT_EQ(dialogs.script.warnings, 0);
  EXPECT_TRUE(session().bProceed);
  EXPECT_EQ(root.read("projects/Billing/modUtil.bas"), "Attribute VB_Name = \"Utilities\"\r\n");
  EXPECT_FALSE(projectPage().rollBack.barRollBack.visible);
  EXPECT_FALSE(projectPage().rollBack.picDoneRolling.visible);
  EXPECT_EQ(session().project.projectName, "Billing");
}

TEST_F(RecentProjectsPage, ACancelledWarningRestoresNothing) {
  root.write("projects/Billing/Backup on 05 Dec at 14-03-27/modUtil.bas", "restored\r\n");
  const std::string before = root.read("projects/Billing/modUtil.bas");
  start();
  browseTo(billing());
  dialogs.script.answerOk = false;
  fire(projectPage().rollBack.cmdRollback.onClick);
  EXPECT_EQ(dialogs.script.warnings, 1);
  EXPECT_FALSE(session().bProceed);
  EXPECT_EQ(root.read("projects/Billing/modUtil.bas"), before);
}

}  // namespace
}  // namespace qm::testing
