// The first wizard page, "1.  Choose your project": the recent projects, the
// Browse button, the chosen project's details and the roll-back panel that
// appears when the project's folder holds backups.
#pragma once

#include "wizard/controls.h"

namespace qm {

inline constexpr std::string_view kProjectDetailsTitle = "Project details: ";
inline constexpr std::string_view kProjectNoLongerAvailable = "Project details: Project no longer available";
inline constexpr std::string_view kBrowseTitle = "Select Visual Basic Project";
inline constexpr std::string_view kBrowseFilter = "Visual Basic Projects (*.vbp)|*.vbp";

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

struct ProjectPage {
  Label lblTitles0{"1.  Choose your project"};
  Label lblTitles5{"Project details"};
  Label lblProjectDetails{"No project selected."};
  DropDownList cmbRecent;
  Button cmdBrowse{.caption = "Browse"};
  Button cmdLoad2{.caption = "Next >>", .helpTopic = 200};
  Button cmdQuit{.caption = "Quit"};
  RollBackPanel rollBack;
};

}  // namespace qm
