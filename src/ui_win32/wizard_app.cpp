// The program's wizard: the machine's files, settings, clock and process
// starter. Kept apart from the window's code, whose system headers define
// names that the settings' own headers use.
#include <memory>

#include "platform/program_folder.h"
#include "platform/working_folder.h"
#include "settings/registry.h"
#include "ui_win32/wizard_session.h"

namespace qm::win32 {

int runWizard(const CommandLine& commandLine, const char* argv0) {
  NativeFileSystem files;
  std::unique_ptr<SettingsBackend> settings = openProductSettings();
  SystemClock clock;
  SystemProcessLauncher launcher;
  return showWizard(
      {files, programFolder(argv0 != nullptr ? argv0 : ""), currentWorkingFolder(), *settings, clock, launcher},
      commandLine);
}

}  // namespace qm::win32
