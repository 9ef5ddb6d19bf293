// The first page as the wizard opens, Browse, and the navigation between pages.
#include <gtest/gtest.h>

#include <functional>

#include "settings/registry.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

using StartUp = WizardTest;

TEST_F(StartUp, FirstStartWithoutSettingsWaitsForAProject) {
  EXPECT_TRUE(start().showWindow);
  EXPECT_EQ(wizard->currentPage, WizardPage::Project);
  const ProjectPage& p = projectPage();
  expectSeen({
      SEEN(p.lblTitles5, "Project details"),
      SEEN(p.lblProjectDetails, "No project selected."),
      SEEN(p.cmbRecent, ""),
      SEEN(p.cmdLoad2, "Next >> (disabled)"),
      SEEN(p.rollBack.shpRollBack, "(hidden)"),
      SEEN(p.rollBack.lblTitles9, " Roll back project to... (hidden)"),
      SEEN(p.rollBack.cmbBackups, " (hidden)"),
      SEEN(p.rollBack.cmdRollback, "Roll back (hidden)"),
  });
  EXPECT_TRUE(session().bShowWarning);
  EXPECT_EQ(session().vbLocation, "");
  EXPECT_EQ(settings.writes(), 0) << "starting stores nothing";
}

TEST_F(StartUp, ReadsTheWarningAndCompilerSettings) {
  const struct {
    std::string stored;
    bool warning;
  } cases[] = {{"False", false}, {"True", true}, {"", true}, {"false", false}, {"0", false}, {"nonsense", true}};
  for (const auto& c : cases) {
    SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "ShowWarning", c.stored);
    SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "VB_Location", "C:\\VB98\\VB6.EXE");
    start();
    EXPECT_EQ(session().bShowWarning, c.warning) << c.stored;
    EXPECT_EQ(session().vbLocation, "C:\\VB98\\VB6.EXE");
  }
}

TEST_F(StartUp, BrowseOpensTheChosenProjectAndEnablesNext) {
  start();
  browseTo(billing());
  ASSERT_EQ(dialogs.script.requests.size(), 1U);
  const FileDialogRequest& asked = dialogs.script.requests[0];
  EXPECT_EQ(asked.title, "Select Visual Basic Project");
  EXPECT_EQ(asked.filter, "Visual Basic Projects (*.vbp)|*.vbp");
  EXPECT_EQ(asked.initialFolder, programFolder());
  EXPECT_FALSE(asked.allowMultiple);

  const ProjectPage& p = projectPage();
  expectSeen({
      SEEN(p.lblTitles5, "Project details: Billing.vbp"),
      SEEN(p.lblProjectDetails, crlf({"Project Name: Billing", "Project Type: Exe", "Project Version: 1.4.27",
                                      "Number of modules: 2", "Number of classes: 1", "Number of forms: 1"})),
      SEEN(p.cmbRecent, billing()),
      SEEN(p.cmdLoad2, "Next >>"),
  });
  const ProjectState& project = session().project;
  EXPECT_EQ(project.projectFile, billing());
  EXPECT_EQ(project.projectName, "Billing");
  EXPECT_EQ(project.projectFolder, billingFolder());
  EXPECT_EQ(project.fileCount, 4);
  EXPECT_TRUE(project.isExe);
  EXPECT_EQ(p.cmbRecent.entries, std::vector<std::string>{billing()});
  EXPECT_EQ(storedRecent(), (std::vector<std::string>{"1", billing()}));
  EXPECT_EQ(wizard->currentPage, WizardPage::Project);

  const int writes = settings.writes();
  browseTo("");  // cancelled: nothing changes
  EXPECT_EQ(project.projectFile, billing());
  EXPECT_EQ(filesPage().lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(settings.writes(), writes);
}

TEST_F(StartUp, AProjectThatDoesNotLoadLeavesTheCurrentOneShown) {
  const std::string broken = writeProject("Broken", {"Module=NoSemicolon"}, {});
  start();
  browseTo(billing());
  browseTo(broken);
  EXPECT_EQ(session().project.projectFile, billing());
  EXPECT_EQ(session().project.projectName, "Billing");
  EXPECT_EQ(rowTexts(0), (std::vector<std::string>{"Forms\\frmMain.frm", "modUtil.bas", "clsInvoice.cls",
                                                   "..\\Shared\\modShared.bas"}));
  EXPECT_EQ(projectPage().cmbRecent.entries, std::vector<std::string>{billing()});
  EXPECT_TRUE(projectPage().cmdLoad2.enabled);
}

TEST_F(StartUp, NextAndBackMoveBetweenThePages) {
  start();
  browseTo(billing());
  // Each button as a click would press it, and the page it leads to.
  const std::pair<const Button*, WizardPage> steps[] = {
      {&projectPage().cmdLoad2, WizardPage::Files},   {&filesPage().cmdLoad3, WizardPage::Options},
      {&optionsPage().cmdLoad4, WizardPage::Apply},   {&applyPage().cmdBack3, WizardPage::Options},
      {&optionsPage().cmdBack2, WizardPage::Files},   {&filesPage().cmdBack1, WizardPage::Project},
  };
  for (const auto& [button, page] : steps) {
    fire(button->onClick);
    EXPECT_EQ(wizard->currentPage, page) << button->caption;
  }
  EXPECT_FALSE(filesPage().lstProjectFiles.visible);
  EXPECT_EQ(filesPage().lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(filesPage().lstProjectFiles.rows[0].cells.size(), 1U) << "re-opened: rows without sub-items";
}

TEST_F(StartUp, EveryPagesLogoAndQuitReachTheView) {
  start();
  for (const Image* logo : {&projectPage().imgVeltane, &filesPage().imgVeltane, &optionsPage().imgVeltane,
                            &applyPage().imgVeltane}) {
    EXPECT_EQ(logo->toolTip, "About Oskavel Software");
    fire(logo->onClick);
  }
  for (const Button* quit : {&projectPage().cmdQuit, &filesPage().cmdQuit, &optionsPage().cmdQuit,
                             &applyPage().cmdQuit}) {
    fire(quit->onClick);
  }
  EXPECT_EQ(view.requests, (std::vector<std::string>{"about", "about", "about", "about", "end", "end", "end", "end"}));
}

// F1 opens the guide at the focused control's topic (a Next or Back button's),
// else the page's: the topic's page in the guide must say it is that topic's.
TEST_F(StartUp, F1OpensTheGuideAtTheFocusedControlsOrThePagesTopic) {
  start();
  wizard->F1(0);
  EXPECT_TRUE(view.helpTargets.empty()) << "no guide, nothing to open";
  workspace.guideFolder = std::string(QUILLMERE_SOURCE_DIR) + "/docs/help/";
  const struct {
    std::function<void()> go;
    const Button* focused;
    int topic;
  } cases[] = {{[] {}, nullptr, 100}, {[this] { browseTo(billing()); }, &projectPage().cmdLoad2, 200},
               {[this] { wizard->cmdLoad2_Click(); }, nullptr, 200}, {[] {}, &filesPage().cmdBack1, 100},
               {[this] { wizard->cmdLoad3_Click(); }, nullptr, 300}, {[] {}, &optionsPage().cmdLoad4, 400},
               {[this] { wizard->cmdLoad4_Click(); }, nullptr, 400}, {[] {}, &applyPage().cmdBack3, 300}};
  for (const auto& c : cases) {
    c.go();
    view.helpTargets.clear();
    wizard->F1(c.focused != nullptr ? c.focused->helpTopic : 0);
    ASSERT_EQ(view.helpTargets.size(), 1u) << c.topic;
    EXPECT_EQ(view.helpTargets[0].topic, c.topic);
    const auto page = files.readFile(workspace.guideFolder + view.helpTargets[0].page);
    ASSERT_TRUE(page) << view.helpTargets[0].page;
    EXPECT_NE(page->find("content=\"" + std::to_string(c.topic) + "\""), std::string::npos) << view.helpTargets[0].page;
  }
}

}  // namespace
}  // namespace qm::testing
