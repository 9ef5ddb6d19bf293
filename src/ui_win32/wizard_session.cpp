#include "ui_win32/wizard_session.h"

#include <objbase.h>

#include "ui_win32/win32_dialogs.h"
#include "ui_win32/wizard_window.h"

namespace qm::win32 {

class WizardSession::WindowRequests final : public ViewRequests {
 public:
  WizardWindow* window = nullptr;

  void showStyleEditor() override {
    if (window != nullptr) window->showStyleEditor();
  }
  void showAbout() override {
    if (window != nullptr) window->showAbout();
  }
  void showFolderBrowser() override {
    if (window != nullptr) window->showFolderBrowser();
  }
  void openDocument(const std::string& path) override {
    if (window != nullptr) window->openDocument(path);
  }
  void openHelp(const HelpTarget& target) override {
    if (window != nullptr) window->openHelp(target);
  }
  void endProgram() override {
    if (window != nullptr) window->endProgram();
  }
};

WizardSession::WizardSession(WizardSetup setup)
    : workspace_{setup.files, std::move(setup.programFolder), std::move(setup.workingFolder),
                 std::move(setup.guideFolder)},
      systemDialogs_(std::make_unique<Win32Dialogs>()),
      systemDesktop_(std::make_unique<ShellDesktop>()),
      requests_(std::make_unique<WindowRequests>()) {
  Dialogs& dialogs = setup.dialogs != nullptr ? *setup.dialogs : static_cast<Dialogs&>(*systemDialogs_);
  Desktop& desktop = setup.desktop != nullptr ? *setup.desktop : static_cast<Desktop&>(*systemDesktop_);
  logic_ = std::make_unique<Wizard>(WizardServices{workspace_, setup.settings, setup.clock, setup.launcher, dialogs,
                                                   *requests_, [this] {
                                                     if (window_) window_->yield();
                                                   }});
  window_ = std::make_unique<WizardWindow>(*logic_, dialogs, desktop);
  requests_->window = window_.get();
  systemDialogs_->setOwner(window_->hwnd());
  systemDesktop_->setOwner(window_->hwnd());
}

WizardSession::~WizardSession() {
  // The window goes first: it shows the logic to its last moment.
  requests_->window = nullptr;
  window_.reset();
}

StartUpOutcome WizardSession::start(const CommandLine& commandLine) {
  const StartUpOutcome outcome = logic_->Form_Load(commandLine);
  window_->refresh();
  return outcome;
}

int showWizard(WizardSetup setup, const CommandLine& commandLine) {
  // The folder browser and the shell's dialogs want COM in this thread.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int status = 0;
  {
    WizardSession session(std::move(setup));
    const StartUpOutcome outcome = session.start(commandLine);
    status = outcome.exitStatus;
    if (outcome.showWindow) {
      ::ShowWindow(session.window().hwnd(), SW_SHOWNORMAL);
      MSG message{};
      while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (session.window().translate(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
      }
      status = static_cast<int>(message.wParam);
    }
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return status;
}

}  // namespace qm::win32
