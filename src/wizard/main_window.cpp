// The main window: start-up, the page-to-page navigation with what each Next
// and Back computes, and the window-wide commands. The project choice, the
// project files page, the options page and the run have files of their own.
#include "wizard/main_window.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "settings/registry.h"
#include "wizard/command_line_mode.h"
#include "wizard/recent_projects.h"

namespace qm {

int pageHelpTopic(WizardPage page) { return 100 * (static_cast<int>(page) + 1); }

MainWindow::MainWindow(MainWindowServices services) : services_(std::move(services)) {
  StyleEditorHooks hooks;
  hooks.tickVariableDump = [this] { page3.chkVarDump.ticked = true; };
  hooks.saveLastRoutine = [this](const std::string& name) {
    SaveSettingString(services_.settings, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", name);
  };
  hooks.currentStyleChanged = [this] {
    syncStyleControls();
    showOptionsTitle();
  };
  hooks.repaint = [this] {
    if (services_.yield) services_.yield();
  };
  hooks.holdProgress = [this](int milliseconds) { services_.clock.sleepMilliseconds(milliseconds); };
  hooks.openDocument = [this](const std::string& path) { services_.view.openDocument(path); };
  editor_ = std::make_unique<StyleEditor>(services_.workspace, services_.dialogs, std::move(hooks));
  styles_ = std::make_unique<StyleLibrary>(services_.workspace, *editor_, services_.dialogs);
  // The library re-reads its list when the editor writes a style; the page's
  // copy of the list and the Delete button follow it.
  auto libraryRefresh = editor_->hooks().styleListChanged;
  editor_->hooks().styleListChanged = [this, libraryRefresh] {
    if (libraryRefresh) libraryRefresh();
    syncStyleControls();
  };
}

MainWindow::~MainWindow() = default;

Label& MainWindow::lblTitles(int index) {
  switch (index) {
    case 0: return page1.lblTitles0;
    case 1: return page2.lblTitles1;
    case 2: return page2.lblTitles2;
    case 3: return page2.lblTitles3;
    case 4: return page4.lblTitles4;
    case 5: return page1.lblTitles5;
    case 6: return page3.lblTitles6;
    case 9: return page1.rollBack.lblTitles9;
    case 11: return page1.rollBack.lblTitles11;
    case 12: return page4.lblTitles12;
    default: noLabel_ = Label{}; return noLabel_;
  }
}

std::string MainWindow::settingsKey() const { return SettingsKey() + "\\Settings"; }

// --- start-up ---------------------------------------------------------------------

StartUpOutcome MainWindow::Form_Load(const CommandLine& commandLine) {
  page1.cmbRecent.clear();
  helpFile = joinPath(programFolder(), kHelpFileName);
  tags = makeTagTable();

  const SettingsBackend& settings = services_.settings;
  const std::string key = settingsKey();
  const std::string warning = GetSettingString(settings, HKEY_CURRENT_USER, key, "ShowWarning", "");
  // Only "False" is ever written; anything else keeps the warning, the safe side.
  bShowWarning = warning.empty() || !(equalsNoCase(warning, "False") || warning == "0");
  vbLocation = GetSettingString(settings, HKEY_CURRENT_USER, key, "VB_Location", "");

  loadRecentProjects({page1.cmbRecent, recentCount}, settings);
  if (recentCount > 0) {
    page1.cmbRecent.selected = 0;
    cmbRecent_Click();
  } else {
    page1.cmdLoad2.enabled = false;
    page1.rollBack.show(false);
  }

  const bool unattended = !commandLine.empty() && commandLine.requestsUnattendedRun();
  bool openedFromCommandLine = false;
  if (!commandLine.empty() && !unattended) {
    const std::string path = commandLine.projectPathToOpen();
    const std::string longPath =
        path.empty() ? std::string()
                     : sGetLongFileName(services_.workspace.files,
                                        pathFromWorkingFolder(path, services_.workspace.workingFolder));
    if (!longPath.empty()) openedFromCommandLine = chooseProject(longPath, bareName(longPath));
  }

  currentPage = WizardPage::Project;
  heightTwips = kWindowHeightTwips;
  widthTwips = kWindowWidthTwips;
  page2.lstProjectFiles.columns = projectFilesColumns();

  if (openedFromCommandLine) cmdLoad2_Click();
  if (unattended) {
    const CommandLineOutcome outcome = RunCommandLine(*this, commandLine);
    return StartUpOutcome{false, outcome.exitStatus, outcome.failureLog, outcome.reason};
  }
  return StartUpOutcome{};
}

void MainWindow::cmdQuit_Click(int) { services_.view.endProgram(); }

void MainWindow::imgVeltane_Click(int) { services_.view.showAbout(); }

// --- navigation -------------------------------------------------------------------

void MainWindow::cmdLoad2_Click() {
  if (busy()) return;
  BusyScope working(*this);
  page2.cmdSelectAll.visible = false;
  currentPage = WizardPage::Files;
  UpdateRecentList();
  if (services_.yield) services_.yield();
  analyseProjectFiles(page2, project, services_.workspace.files, procedures, notes, services_.yield);
}

void MainWindow::cmdBack1_Click() {
  if (busy()) return;
  currentPage = WizardPage::Project;
  page2.lstProjectFiles.visible = false;
  selectInRecentList(project.projectFile);
}

void MainWindow::cmdLoad3_Click() {
  if (busy()) return;
  page3.tabOptions.selected = kGeneralOptionsTab;
  page3.tabOptions.visible = false;
  currentPage = WizardPage::Options;

  runOptions.selectedFiles.clear();
  const auto& rows = page2.lstProjectFiles.rows;
  const std::size_t count = std::min<std::size_t>(rows.size(), project.fileCount > 0 ? project.fileCount : 0);
  for (std::size_t i = 0; i < count; ++i) {
    if (rows[i].ticked) runOptions.selectedFiles.push_back(project.projectFolder + rows[i].cells.at(0));
  }

  enterOptionsPage();
  page3.tabOptions.visible = true;
}

void MainWindow::cmdBack2_Click() { cmdLoad2_Click(); }

void MainWindow::cmdLoad4_Click() {
  if (busy()) return;
  leaveOptionsPage();
  page4.lblTitles4.caption = "4. Apply the changes";
  page4.txtSummary.setText(summaryText(runOptions.selectedFiles, sStyle()));
  page4.barMain.visible = false;
  page4.cmdBegin.visible = true;
  currentPage = WizardPage::Apply;
}

void MainWindow::cmdBack3_Click() {
  if (busy()) return;
  currentPage = WizardPage::Options;
}

// --- page 2 -----------------------------------------------------------------------

void MainWindow::cmdSelectAll_Click() {
  if (busy()) return;
  qm::cmdSelectAll_Click(page2, project);
}

void MainWindow::lstProjectFiles_ItemCheck(std::size_t row, bool ticked) {
  auto& rows = page2.lstProjectFiles.rows;
  if (row >= rows.size()) return;
  rows[row].ticked = ticked;
  qm::lstProjectFiles_ItemCheck(page2);
}

void MainWindow::lstProjectFiles_ColumnClick(int column) {
  if (busy()) return;
  projectFilesColumnClick(page2.lstProjectFiles.rows, column, bSortAscending);
}

}  // namespace qm
