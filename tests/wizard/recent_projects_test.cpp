// The recent projects list: start-up loading, the order it keeps, what it
// stores, and a pick of an entry whose project has gone.
#include "wizard/recent_projects.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "support/case_file.h"
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

std::vector<std::string> listed(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t at = 0; !text.empty() && at <= text.size();) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    out.push_back(text.substr(at, comma - at));
    at = comma + 1;
  }
  return out;
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ",") + item;
  return out;
}

class RecentLists : public CaseTest {};

TEST_P(RecentLists, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"update", [](const std::vector<std::string>& a) {  // entries | count | chosen => entries ; count ; stored
         DropDownList list;
         list.entries = listed(a[0]);
         auto count = static_cast<std::int16_t>(std::stoi(a[1]));
         MemorySettings settings;
         UpdateRecentList({list, count}, a[2], settings);
         const std::string key = SettingsKey() + "\\Previous";
         std::vector<std::string> stored;
         const int number = GetSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", -1);
         for (int i = 1; i <= number + 1; ++i) {
           stored.push_back(GetSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i), "-"));
         }
         const std::string written = settings.writes() == 0 ? "nothing" : joined(stored);
         return joined(list.entries) + " ; " + std::to_string(count) + " ; " + written;
       }},
      {"load", [](const std::vector<std::string>& a) {  // stored Number | stored entries => count: entries
         MemorySettings settings;
         storeRecent(settings, listed(a[1]), std::stoi(a[0]));
         DropDownList list;
         std::int16_t count = -5;
         loadRecentProjects({list, count}, settings);
         return std::to_string(count) + ":" + (list.entries.empty() ? "" : " " + joined(list.entries));
       }},
  });
}

QM_CASES_FROM(RecentLists, "wizard/recent_projects.txt");

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
