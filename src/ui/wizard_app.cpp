#include "ui/wizard_app.h"

#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <memory>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/help_guide.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "platform/working_folder.h"
#include "settings/registry.h"
#include "ui/frm_main.h"
#include "ui/wizard_session.h"

namespace qm::ui {
namespace {

// Without a display Qt would stop the program with its own message; say
// plainly what to do instead.
bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
  return true;
#endif
}

}  // namespace

int runWizard(int& argc, char** argv, const CommandLine& commandLine) {
  if (!displayAvailable()) {
    std::fputs("quillmere: no display to show the wizard on; command-line mode (/p) needs none\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  NativeFileSystem files;
  std::unique_ptr<SettingsBackend> settings = openProductSettings();
  SystemClock clock;
  SystemProcessLauncher launcher;
  const char* argv0 = argc > 0 ? argv[0] : "";
  WizardSetup setup{files, programFolder(argv0), currentWorkingFolder(), *settings, clock, launcher};
  setup.guideFolder = guideFolder(files, argv0);
  WizardSession session(std::move(setup));
  const StartUpOutcome outcome = session.start(commandLine);
  if (!outcome.showWindow) return outcome.exitStatus;
  session.window().show();
  return application.exec();
}

}  // namespace qm::ui
