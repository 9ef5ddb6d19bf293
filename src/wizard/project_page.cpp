// The first page: choosing a project, the recent list and the roll back.
#include "wizard/project_page.h"

#include <algorithm>

#include "platform/paths.h"
#include "run/rollback.h"
#include "wizard/project_details_display.h"
#include "wizard/recent_projects.h"

namespace qm {

ProjectPage::ProjectPage(Session& session, const WizardServices& services, FileListView& fileList)
    : session_(session), services_(services), fileList_(fileList) {
  cmdBrowse.onClick = [this] { cmdBrowse_Click(); };
  cmbRecent.onClick = [this] { cmbRecent_Click(); };
  rollBack.cmdRollback.onClick = [this] { cmdRollback_Click(); };
}

void ProjectPage::loadRecentProjects() {
  cmbRecent.clear();
  qm::loadRecentProjects({cmbRecent, session_.recentCount}, services_.settings);
  if (session_.recentCount > 0) {
    cmbRecent.selected = 0;
    cmbRecent_Click();
  } else {
    cmdLoad2.enabled = false;
    rollBack.show(false);
  }
}

std::string ProjectPage::LoadProjectDetails(std::string_view projectFile) {
  return showProjectDetails(services_.workspace.files, projectFile, memberKindsFor(session_.allProcedures),
                            session_.project, lblProjectDetails, fileList_);
}

void ProjectPage::reloadProject() {
  session_.project.projectName = LoadProjectDetails(session_.project.projectFile);
}

std::int16_t ProjectPage::iSortNewFile(std::string_view sProjectFileName, std::string_view sProjectPath) {
  // Copies first: callers may pass views of the very strings set here.
  const std::string path(sProjectPath);
  const std::string fileName(sProjectFileName);
  ProjectState& project = session_.project;
  project.projectFile = path;
  lblTitles5.caption = "Project details: " + fileName;
  cmdLoad2.enabled = true;
  project.projectFolder = path.substr(0, path.size() - std::min(path.size(), fileName.size()));
  refreshBackups();
  return 0;
}

void ProjectPage::refreshBackups() {
  rollBack.cmbBackups.clear();
  rollBack.cmbBackups.entries = bListBackups(services_.workspace.files, session_.project.projectFolder);
  if (!rollBack.cmbBackups.entries.empty()) rollBack.cmbBackups.selected = 0;
  rollBack.show(!rollBack.cmbBackups.entries.empty());
}

void ProjectPage::UpdateRecentList() {
  qm::UpdateRecentList({cmbRecent, session_.recentCount}, session_.project.projectFile, services_.settings);
}

bool ProjectPage::chooseProject(std::string_view pathView, std::string_view fileNameView) {
  const std::string path(pathView);
  const std::string fileName(fileNameView);
  ProjectState& project = session_.project;
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
  if (!previousName.empty() && !project.projectFile.empty()) reloadProject();
  return false;
}

void ProjectPage::selectInRecentList(std::string_view pathView) {
  const std::string path(pathView);
  const auto entry = entryNamed(cmbRecent, path);
  if (!entry) return;
  cmbRecent.selected = *entry;
  cmbRecent_Click();
}

void ProjectPage::showProjectGone() {
  lblTitles5.caption = "Project details: Project no longer available";
  cmdLoad2.enabled = false;
  lblProjectDetails.visible = false;
  rollBack.show(false);
}

void ProjectPage::cmbRecent_Click() {
  if (session_.isBusy()) return;
  ProjectState& project = session_.project;
  project.projectFile = cmbRecent.text();
  if (project.projectFile.empty()) {
    cmdLoad2.enabled = false;
    rollBack.show(false);
    return;
  }
  const auto listed = services_.workspace.files.lookUp(project.projectFile);
  const std::string fileName = listed ? listed->name : std::string();
  project.projectName = LoadProjectDetails(project.projectFile);
  if (project.projectName.empty()) {
    showProjectGone();
    return;
  }
  iSortNewFile(fileName, project.projectFile);
  lblProjectDetails.visible = true;
}

void ProjectPage::cmdBrowse_Click() {
  if (session_.isBusy()) return;
  FileDialogRequest request;
  request.title = "Select Visual Basic Project";
  request.filter = "Visual Basic Projects (*.vbp)|*.vbp";
  request.initialFolder = services_.workspace.programFolder;
  const auto chosen = services_.dialogs.openFile(request);
  if (chosen.empty() || chosen.front().empty()) return;
  const std::string& path = chosen.front();
  chooseProject(path, bareName(path));
}

void ProjectPage::cmdRollback_Click() {
  if (session_.isBusy()) return;
  BusyScope working(session_);
  session_.bProceed = false;
  RollbackContext context{services_.workspace.files, rollBack.barRollBack, services_.dialogs, services_.yield,
                          services_.settings,        services_.clock,
                          [this](bool shown) { rollBack.picDoneRolling.visible = shown; }};
  session_.lastRollback = qm::rollBack(context, session_.project, rollBack.cmbBackups.text(), session_.bShowWarning);
  const RollbackOutcome& outcome = session_.lastRollback;
  session_.bProceed = outcome.performed;
  if (!outcome.refusal.empty()) services_.dialogs.messageBox(outcome.refusal, "Roll back");
  if (!outcome.performed) return;
  if (!outcome.failures.empty()) {
    std::string message = "Some files could not be restored:";
    for (const std::string& failure : outcome.failures) message += "\r\n" + failure;
    services_.dialogs.messageBox(message, "Roll back");
  }
  reloadProject();
}

}  // namespace qm
