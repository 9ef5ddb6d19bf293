// One running wizard on Windows: the logic with its services and the window
// over it. The logic must exist before the window (the window shows it) and
// the window before the logic loads (start-up may already analyse a project
// and yield to the message loop), so the requests that only a window can
// answer go through a small bridge that learns its window once it exists.
#pragma once

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/view_services.h"
#include "platform/workspace.h"
#include "settings/command_line.h"
#include "wizard/wizard.h"

namespace qm::win32 {

class WizardWindow;
class Win32Dialogs;
class ShellDesktop;

struct WizardSetup {
  FileSystem& files;
  std::string programFolder;  // native, with a trailing separator
  std::string workingFolder;
  SettingsBackend& settings;
  Clock& clock;
  ProcessLauncher& launcher;
  // The boxes and the desktop; nullptr: the system's own, owned by the window.
  Dialogs* dialogs = nullptr;
  Desktop* desktop = nullptr;
  std::string guideFolder = {};  // where F1 finds the user guide; empty: none
};

class WizardSession {
 public:
  explicit WizardSession(WizardSetup setup);
  ~WizardSession();
  WizardSession(const WizardSession&) = delete;
  WizardSession& operator=(const WizardSession&) = delete;

  // Form_Load with the command line, then the window shows what it loaded.
  // The window itself is shown by the caller (tests may keep it hidden).
  StartUpOutcome start(const CommandLine& commandLine);

  Wizard& logic() { return *logic_; }
  WizardWindow& window() { return *window_; }

 private:
  class WindowRequests;

  Workspace workspace_;
  std::unique_ptr<Win32Dialogs> systemDialogs_;
  std::unique_ptr<ShellDesktop> systemDesktop_;
  std::unique_ptr<WindowRequests> requests_;
  std::unique_ptr<Wizard> logic_;
  std::unique_ptr<WizardWindow> window_;
};

// The wizard shown until the person quits: the exit status.
int showWizard(WizardSetup setup, const CommandLine& commandLine);

// The wizard with the program's own folders and settings (wizard_app.cpp).
int runWizard(const CommandLine& commandLine, const char* argv0);

}  // namespace qm::win32
