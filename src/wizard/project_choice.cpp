// How a project becomes the current one, whichever way it was chosen: Browse,
// a pick from the recent list, a path on the command line. The project file
// is read first; only a project that can be used is made current, put at the
// top of the recent list and stored there. The roll-back panel follows the
// backups in the current project's folder.
#include <algorithm>

#include "platform/paths.h"
#include "run/rollback.h"
#include "wizard/main_window.h"
#include "wizard/project_details_display.h"
#include "wizard/recent_projects.h"

namespace qm {

std::string MainWindow::LoadProjectDetails(std::string_view projectFile) {
  return showProjectDetails(services_.workspace.files, projectFile, project, page1.lblProjectDetails,
                            page2.lstProjectFiles);
}

std::int16_t MainWindow::iSortNewFile(std::string_view sProjectFileName, std::string_view sProjectPath) {
  // Copies first: callers may pass views of the very strings set here.
  const std::string path(sProjectPath);
  const std::string fileName(sProjectFileName);
  project.projectFile = path;
  page1.lblTitles5.caption = std::string(kProjectDetailsTitle) + fileName;
  page1.cmdLoad2.enabled = true;
  project.projectFolder = path.substr(0, path.size() - std::min(path.size(), fileName.size()));
  refreshBackups();
  return 0;
}

void MainWindow::refreshBackups() {
  RollBackPanel& panel = page1.rollBack;
  panel.cmbBackups.clear();
  panel.cmbBackups.entries = bListBackups(services_.workspace.files, project.projectFolder);
  if (!panel.cmbBackups.entries.empty()) panel.cmbBackups.selected = 0;
  panel.show(!panel.cmbBackups.entries.empty());
}

void MainWindow::UpdateRecentList() {
  qm::UpdateRecentList({page1.cmbRecent, recentCount}, project.projectFile, services_.settings);
}

bool MainWindow::chooseProject(std::string_view pathView, std::string_view fileNameView) {
  const std::string path(pathView);
  const std::string fileName(fileNameView);
  const std::string previousName = project.projectName;
  project.projectName = LoadProjectDetails(path);
  if (!project.projectName.empty()) {
    iSortNewFile(fileName, path);
    UpdateRecentList();
    selectInRecentList(project.projectFile);
    return true;
  }
  // The failed read has already emptied the file list; show the project that
  // stays current again, so that Next goes on with its own files.
  if (!previousName.empty() && !project.projectFile.empty()) {
    project.projectName = LoadProjectDetails(project.projectFile);
  }
  return false;
}

void MainWindow::selectInRecentList(std::string_view pathView) {
  const std::string path(pathView);
  const auto entry = entryNamed(page1.cmbRecent, path);
  if (!entry) return;
  page1.cmbRecent.selected = *entry;
  cmbRecent_Click();
}

void MainWindow::cmbRecent_Click() {
  if (busy()) return;
  project.projectFile = page1.cmbRecent.text();
  if (project.projectFile.empty()) {
    page1.cmdLoad2.enabled = false;
    page1.rollBack.show(false);
    return;
  }
  const auto listed = services_.workspace.files.lookUp(project.projectFile);
  const std::string fileName = listed ? listed->name : std::string();
  project.projectName = LoadProjectDetails(project.projectFile);
  if (!project.projectName.empty()) {
    iSortNewFile(fileName, project.projectFile);
    page1.lblProjectDetails.visible = true;
  } else {
    page1.lblTitles5.caption = std::string(kProjectNoLongerAvailable);
    page1.cmdLoad2.enabled = false;
    page1.lblProjectDetails.visible = false;
    page1.rollBack.show(false);
  }
}

void MainWindow::cmdBrowse_Click() {
  if (busy()) return;
  FileDialogRequest request;
  request.title = std::string(kBrowseTitle);
  request.filter = std::string(kBrowseFilter);
  request.initialFolder = programFolder();
  const auto chosen = services_.dialogs.openFile(request);
  if (chosen.empty() || chosen.front().empty()) return;
  const std::string& path = chosen.front();
  chooseProject(path, bareName(path));
}

void MainWindow::cmdRollback_Click() {
  if (busy()) return;
  BusyScope working(*this);
  RollBackPanel& panel = page1.rollBack;
  bProceed = false;
  RollbackContext context{services_.workspace.files, panel.barRollBack, services_.dialogs, services_.yield,
                          services_.settings, services_.clock,
                          [&panel](bool shown) { panel.picDoneRolling.visible = shown; }};
  lastRollback = rollBack(context, project, panel.cmbBackups.text(), bShowWarning);
  const RollbackOutcome& outcome = lastRollback;
  bProceed = outcome.performed;
  if (!outcome.refusal.empty()) services_.dialogs.messageBox(outcome.refusal, "Roll back");
  if (!outcome.performed) return;
  if (!outcome.failures.empty()) {
    std::string message = "Some files could not be restored:";
    for (const std::string& failure : outcome.failures) message += "\r\n" + failure;
    services_.dialogs.messageBox(message, "Roll back");
  }
  project.projectName = LoadProjectDetails(project.projectFile);
}

}  // namespace qm
