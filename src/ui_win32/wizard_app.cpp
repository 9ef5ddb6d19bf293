// The program's wizard: the machine's files, settings, clock and process
// starter. Kept apart from the window's code, whose system headers define
// names that the settings' own headers use.
#include <memory>

#include "platform/help_guide.h"
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
  const char* program = argv0 != nullptr ? argv0 : "";
  WizardSetup setup{files, programFolder(program), currentWorkingFolder(), *settings, clock, launcher};
  setup.guideFolder = guideFolder(files, program);
  return showWizard(std::move(setup), commandLine);
}

}  // namespace qm::win32
