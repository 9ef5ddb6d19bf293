// What the wizard's pages reach the machine and the window through: the
// folders, the settings store, the clock, the process starter, the dialogs,
// and the few requests that only a window can answer.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/help_guide.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/workspace.h"
#include "platform/view_services.h"

namespace qm {

// What only a window can do. Every request may be ignored (tests, command-line mode).
class ViewRequests {
 public:
  virtual ~ViewRequests() = default;
  virtual void showStyleEditor() {}  // not modally; the editor's state is in Wizard::editor()
  virtual void showAbout() {}        // not modally
  // Not modally; its Select puts the chosen folder into txtNewLoc through
  // OptionsPage::setNewLocation.
  virtual void showFolderBrowser() {}
  virtual void openDocument(const std::string& /*path*/) {}  // the desktop's default handler
  // Not modally: a read-only window with the run's preview (a unified diff).
  virtual void showPreview(const std::string& /*diff*/) {}
  // The guide at a topic. A view with a help viewer that takes topics
  // overrides this; otherwise the desktop opens the target's file.
  virtual void openHelp(const HelpTarget& target) { openDocument(target.file); }
  virtual void endProgram() {}                               // Quit: ends at once, nothing asked
};

struct WizardServices {
  Workspace& workspace;  // the program's folder (styles, failure log), the working folder, the guide's folder
  SettingsBackend& settings;
  Clock& clock;
  ProcessLauncher& launcher;
  Dialogs& dialogs;  // asked by the wizard's pages and the run
  ViewRequests& view;
  YieldHook yield;  // lets the window repaint during long work; may be empty
  // Asked by the style editor, whose window owns them; nullptr: `dialogs`.
  Dialogs* editorDialogs = nullptr;
};

}  // namespace qm
