// One running wizard: the logic with its services and the window over it.
// The logic must exist before the window (the window shows it) and the
// window before the logic loads (start-up may already analyse a project and
// yield to the event loop), so the requests that only a window can answer
// go through a small bridge that learns its window once it exists.
#pragma once

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/workspace.h"
#include "platform/view_services.h"
#include "settings/command_line.h"
#include "wizard/wizard.h"

namespace qm::ui {

class frmMain;
class QtDialogs;

struct WizardSetup {
  FileSystem& files;
  std::string programFolder;  // native, with a trailing separator
  std::string workingFolder;
  SettingsBackend& settings;
  Clock& clock;
  ProcessLauncher& launcher;
  // Message, file and input boxes; nullptr: the real ones, owned by the
  // wizard's window, and for the style editor by the editor's window.
  Dialogs* dialogs = nullptr;
  Dialogs* editorDialogs = nullptr;
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
  frmMain& window() { return *window_; }
  Workspace& workspace() { return workspace_; }

 private:
  class WindowRequests;

  Workspace workspace_;
  std::unique_ptr<QtDialogs> qtDialogs_;
  std::unique_ptr<QtDialogs> editorDialogs_;
  std::unique_ptr<WindowRequests> requests_;
  std::unique_ptr<Wizard> logic_;
  std::unique_ptr<frmMain> window_;
};

}  // namespace qm::ui
