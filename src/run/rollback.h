// Roll back: restores a project from one of the backup folders that Backup
// runs left in its folder. The backup's top-level files are copied over the
// project's; then the copies of members in sub-folders go back to their
// places, and the copies of members from outside the project's folder to
// the member paths the backup's record gives; finally the extra files that
// the run recorded in the backup's "uninstall.dat" are deleted again.
//
// Records are only trusted as far as they can be. A copy goes back only to
// a path that the restored project file lists as a member, so a tampered
// record can make the roll back write nowhere else. A line of
// "uninstall.dat" is deleted only when it names an ordinary, visible file
// that lies, with links, "." and ".." and letter case resolved as the file
// system sees them, directly in the project's folder, and that the backup
// does not hold itself (the backup holds what stood in the project before
// the run, which is never the run's addition). So a tampered or stale
// record cannot delete anything outside the project, nor a file the user
// had before.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/settings_backend.h"
#include "project/project_state.h"
#include "platform/view_services.h"

namespace qm {

// The backup list entries of a project: the name of every folder directly in
// `sProjectFolder` that matches "backup on*" (ignoring case), in listing
// order, with every "-" shown as ":". Empty when there is none.
std::vector<std::string> bListBackups(const FileSystem& files, std::string_view sProjectFolder);

// The folder an entry stands for: the project's folder + the entry with
// every ":" turned back into "-".
std::string backupFolderOf(std::string_view projectFolder, std::string_view entry);

// The entry of the backup made last (the folder changed last), or "" when
// the project has none.
std::string newestBackup(const FileSystem& files, std::string_view projectFolder);

struct RollbackContext {
  FileSystem& files;
  ProgressDisplay& progress;  // barRollBack
  Dialogs& dialogs;
  YieldHook yield;
  SettingsBackend& settings;
  Clock& clock;
  // Shows (true) or hides (false) the "Rollback completed" panel.
  std::function<void(bool)> showCompleted;
};

struct RollbackOutcome {
  bool performed = false;             // false when the user cancelled the warning or it was refused
  std::string refusal;                // why it did not start (another run holds the project)
  std::vector<std::string> restored;  // top-level names, then member paths as listed, copied back
  std::vector<std::string> deleted;   // full paths of the recorded files deleted
  std::vector<std::string> failures;  // one message per file that could not be restored or deleted
};

// The roll back command. Asks first through the warning dialog while
// `bShowWarning` is true; "Don't show this message again." with OK clears
// `bShowWarning` and stores ShowWarning = "False". A copy or a delete that
// fails is reported in the outcome and the roll back goes on with the next
// file. Reloading the project afterwards is the caller's part.
RollbackOutcome rollBack(RollbackContext& context, const ProjectState& project, std::string_view backupEntry,
                         bool& bShowWarning);

}  // namespace qm
