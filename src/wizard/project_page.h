// The first wizard page, "1.  Choose your project": the recent projects, the
// Browse button, the chosen project's details and the roll-back panel that
// appears when the project's folder holds backups.
//
// This page makes a project current, whichever way it was chosen (Browse, a
// pick from the recent list, a path on the command line): the project file
// is read first, onto this page's details and the files page's list; only a
// project that can be used is made current, put at the top of the recent
// list and stored there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wizard/controls.h"
#include "wizard/session.h"
#include "wizard/wizard_services.h"

namespace qm {

struct RollBackPanel {
  Shape shpRollBack;
  Label lblTitles9{" Roll back project to..."};
  DropDownList cmbBackups;
  Button cmdRollback{.caption = "Roll back"};
  ProgressBar barRollBack;
  Shape picDoneRolling{.visible = false};
  Label lblTitles11{"Rollback completed"};

  // The frame, the list, its caption and the button come and go together.
  void show(bool visible) {
    shpRollBack.visible = visible;
    cmbBackups.visible = visible;
    lblTitles9.visible = visible;
    cmdRollback.visible = visible;
  }
  bool shown() const { return cmdRollback.visible; }
};

class ProjectPage {
 public:
  // `fileList` is the files page's list, which reading a project fills.
  ProjectPage(Session& session, const WizardServices& services, FileListView& fileList);
  ProjectPage(const ProjectPage&) = delete;
  ProjectPage& operator=(const ProjectPage&) = delete;

  Label lblTitles0{"1.  Choose your project"};
  Label lblTitles5{"Project details"};
  Label lblProjectDetails{"No project selected."};
  DropDownList cmbRecent;
  Button cmdBrowse{.caption = "Browse"};
  Button cmdLoad2{.caption = "Next >>", .helpTopic = 200};
  Button cmdQuit{.caption = "Quit"};
  Image imgVeltane;
  RollBackPanel rollBack;

  // Start-up: the stored recent projects, the most recent one opened.
  void loadRecentProjects();

  void cmdBrowse_Click();
  // A pick from the recent list: cmbRecent.selected is set first.
  void cmbRecent_Click();
  void cmdRollback_Click();

  // Code selecting an entry: the list's text becomes `path` and the pick runs.
  void selectInRecentList(std::string_view path);
  // Browse, a start-up path, command-line mode: loads the project and, when
  // it can be used, makes it current, stores it first in the recent list and
  // selects it there. A project that cannot be used changes nothing: the
  // project that was current stays current and shown.
  bool chooseProject(std::string_view path, std::string_view fileName);
  // Makes the project at `sProjectPath` current (its file name without folder
  // is `sProjectFileName`), enables Next and lists its backups. Returns 0.
  std::int16_t iSortNewFile(std::string_view sProjectFileName, std::string_view sProjectPath);
  // Puts the current project at the top of the recent list and stores the list.
  void UpdateRecentList();
  // Reads a project file onto this page and the file list; its name, "" when unusable.
  std::string LoadProjectDetails(std::string_view projectFile);
  // The current project read again, as a run or a roll back left it.
  void reloadProject();

 private:
  void refreshBackups();
  void showProjectGone();

  Session& session_;
  const WizardServices& services_;
  FileListView& fileList_;
};

}  // namespace qm
