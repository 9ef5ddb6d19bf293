// The window as it first appears, Browse, and the navigation between pages.
#include <gtest/gtest.h>

#include "settings/registry.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

using StartUp = WizardTest;

TEST_F(StartUp, FirstStartWithoutSettingsWaitsForAProject) {
  const StartUpOutcome outcome = start();
  EXPECT_TRUE(outcome.showWindow);
  MainWindow& w = *window;
  EXPECT_EQ(w.caption, "Trapwise");
  EXPECT_EQ(w.helpFile, programFolder() + "QMR Help.chm");
  EXPECT_EQ(w.currentPage, WizardPage::Project);
  const std::pair<int, std::string> titles[] = {{0, "1.  Choose your project"}, {1, "2. Analyzing your project"},
                                                {6, "3. Set the options"},      {4, "4. Apply the changes"},
                                                {5, "Project details"}};
  for (const auto& [index, caption] : titles) EXPECT_EQ(w.lblTitles(index).caption, caption);
  EXPECT_EQ(w.page1.lblProjectDetails.caption, "No project selected.");
  EXPECT_FALSE(w.page1.cmdLoad2.enabled);
  EXPECT_FALSE(w.page1.rollBack.shpRollBack.visible || w.page1.rollBack.cmbBackups.visible ||
               w.page1.rollBack.lblTitles9.visible || w.page1.rollBack.cmdRollback.visible);
  EXPECT_TRUE(w.page1.cmbRecent.entries.empty());
  EXPECT_TRUE(w.bShowWarning);
  EXPECT_EQ(w.vbLocation, "");
  ASSERT_EQ(w.page2.lstProjectFiles.columns.size(), 3U);
  EXPECT_EQ(w.page2.lstProjectFiles.columns[2].header, "Coverage (%)");
  EXPECT_EQ(settings.writes(), 0) << "starting stores nothing";
}

TEST_F(StartUp, ReadsTheWarningAndCompilerSettings) {
  const struct {
    std::string stored;
    bool warning;
  } cases[] = {{"False", false}, {"True", true}, {"", true}, {"false", false}, {"nonsense", true}};
  for (const auto& c : cases) {
    SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "ShowWarning", c.stored);
    SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "VB_Location", "C:\\VB98\\VB6.EXE");
    start();
    EXPECT_EQ(window->bShowWarning, c.warning) << c.stored;
    EXPECT_EQ(window->vbLocation, "C:\\VB98\\VB6.EXE");
  }
}

TEST_F(StartUp, BrowseOpensTheChosenProjectAndEnablesNext) {
  start();
  browseTo(billing());
  MainWindow& w = *window;
  ASSERT_EQ(dialogs.script.requests.size(), 1U);
  EXPECT_EQ(dialogs.script.requests[0].title, "Select Visual Basic Project");
  EXPECT_EQ(dialogs.script.requests[0].filter, "Visual Basic Projects (*.vbp)|*.vbp");
  EXPECT_EQ(dialogs.script.requests[0].initialFolder, programFolder());
  EXPECT_FALSE(dialogs.script.requests[0].allowMultiple);

  EXPECT_TRUE(w.page1.cmdLoad2.enabled);
  EXPECT_EQ(w.lblTitles(5).caption, "Project details: Billing.vbp");
  EXPECT_EQ(w.page1.lblProjectDetails.caption,
            crlf({"Project Name: Billing", "Project Type: Exe", "Project Version: 1.4.27", "Number of modules: 2",
                  "Number of classes: 1", "Number of forms: 1"}));
  EXPECT_EQ(w.project.projectFile, billing());
  EXPECT_EQ(w.project.projectName, "Billing");
  EXPECT_EQ(w.project.projectFolder, billingFolder());
  EXPECT_EQ(w.project.fileCount, 4);
  EXPECT_TRUE(w.project.isExe);
  EXPECT_EQ(w.page1.cmbRecent.entries, std::vector<std::string>{billing()});
  EXPECT_EQ(w.page1.cmbRecent.text(), billing());
  EXPECT_EQ(storedRecent(), (std::vector<std::string>{"1", billing()}));
  EXPECT_EQ(w.currentPage, WizardPage::Project);

  const int writes = settings.writes();
  browseTo("");  // cancelled: nothing changes
  EXPECT_EQ(w.project.projectFile, billing());
  EXPECT_EQ(w.page2.lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(settings.writes(), writes);
}

TEST_F(StartUp, AProjectThatDoesNotLoadLeavesTheCurrentOneShown) {
  const std::string broken = writeProject("Broken", {"Module=NoSemicolon"}, {});
  start();
  browseTo(billing());
  browseTo(broken);
  MainWindow& w = *window;
  EXPECT_EQ(w.project.projectFile, billing());
  EXPECT_EQ(w.project.projectName, "Billing");
  EXPECT_EQ(w.page2.lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(w.page2.lstProjectFiles.rows[0].cells[0], "Forms\\frmMain.frm");
  EXPECT_EQ(w.page1.cmbRecent.entries, std::vector<std::string>{billing()});
  EXPECT_TRUE(w.page1.cmdLoad2.enabled);
}

TEST_F(StartUp, NavigatesThroughThePagesAndBack) {
  start();
  browseTo(billing());
  MainWindow& w = *window;
  w.cmdLoad2_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Files);
  w.cmdLoad3_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Options);
  EXPECT_TRUE(w.page3.tabOptions.visible);
  w.cmdLoad4_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Apply);
  EXPECT_TRUE(w.page4.cmdBegin.visible);
  EXPECT_FALSE(w.page4.barMain.visible);
  w.cmdBack3_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Options);
  w.cmdBack2_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Files);
  w.cmdBack1_Click();
  EXPECT_EQ(w.currentPage, WizardPage::Project);
  EXPECT_FALSE(w.page2.lstProjectFiles.visible);
  EXPECT_EQ(w.page2.lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(w.page2.lstProjectFiles.rows[0].cells.size(), 1U) << "re-opened: rows without sub-items";
}

TEST_F(StartUp, TheLogoQuitAndHelpTopicsFollowThePages) {
  start();
  window->imgVeltane_Click(2);
  window->cmdQuit_Click(4);
  EXPECT_EQ(view.requests, (std::vector<std::string>{"about", "end"}));
  EXPECT_EQ(pageHelpTopic(WizardPage::Project), 100);
  EXPECT_EQ(pageHelpTopic(WizardPage::Apply), 400);
  const std::pair<int, int> topics[] = {{window->page1.cmdLoad2.helpTopic, 200}, {window->page2.cmdBack1.helpTopic, 100},
                                        {window->page2.cmdLoad3.helpTopic, 300}, {window->page3.cmdBack2.helpTopic, 200},
                                        {window->page3.cmdLoad4.helpTopic, 400}, {window->page4.cmdBack3.helpTopic, 300}};
  for (const auto& [topic, expected] : topics) EXPECT_EQ(topic, expected);
}

}  // namespace
}  // namespace qm::testing
