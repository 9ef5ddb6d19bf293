#include "ui/wizard_session.h"

#include "ui/frm_editor.h"
#include "ui/frm_main.h"
#include "ui/qt_run_services.h"

namespace qm::ui {

class WizardSession::WindowRequests final : public ViewRequests {
 public:
  frmMain* window = nullptr;

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
  void showPreview(const std::string& diff) override {
    if (window != nullptr) window->showPreview(diff);
  }
  void endProgram() override {
    if (window != nullptr) window->endProgram();
  }
};

WizardSession::WizardSession(WizardSetup setup)
    : workspace_{setup.files, std::move(setup.programFolder), std::move(setup.workingFolder),
                 std::move(setup.guideFolder)},
      qtDialogs_(std::make_unique<QtDialogs>()),
      editorDialogs_(std::make_unique<QtDialogs>()),
      requests_(std::make_unique<WindowRequests>()) {
  Dialogs& dialogs = setup.dialogs != nullptr ? *setup.dialogs : static_cast<Dialogs&>(*qtDialogs_);
  Dialogs& editorDialogs =
      setup.editorDialogs != nullptr ? *setup.editorDialogs : static_cast<Dialogs&>(*editorDialogs_);
  logic_ = std::make_unique<Wizard>(WizardServices{workspace_, setup.settings, setup.clock, setup.launcher, dialogs,
                                                   *requests_,
                                                   [this] {
                                                     if (window_) window_->yield();
                                                   },
                                                   &editorDialogs});
  window_ = std::make_unique<frmMain>(*logic_);
  requests_->window = window_.get();
  qtDialogs_->setParent(window_.get());
  // The editor's questions belong to its own window, so it stays in front.
  editorDialogs_->setParent(window_->editorWindow());
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

}  // namespace qm::ui
