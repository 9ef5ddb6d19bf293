// A wizard on a fresh copy of the example projects: its own program folder,
// settings in memory, a clock that stands still, a launcher that only
// records, and dialogs that answer from a script, except the roll-back
// warning, which is the real window so that tests can click it.
#pragma once

#include <QPoint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "run/run_fakes.h"
#include "support/temp_folder.h"
#include "ui/qt_run_services.h"
#include "ui/wizard_session.h"

class QHeaderView;
class QWidget;

namespace qm::testing {

class UiDialogs final : public Dialogs {
 public:
  std::deque<std::vector<std::string>> fileAnswers;     // empty: cancelled
  std::deque<std::optional<std::string>> inputAnswers;  // nothing: cancelled
  std::vector<std::string> messages;

  void messageBox(std::string_view text, std::string_view title) override;
  std::vector<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override;
  // The real warning window, modal, as the program asks it.
  bool rollbackWarning(bool& dontShowAgain) override { return real_.rollbackWarning(dontShowAgain); }

 private:
  ui::QtDialogs real_;
};

class WizardFixture {
 public:
  WizardFixture();
  ~WizardFixture();

  // Form_Load with no command line; the window is shown and active.
  void start();

  // Page 1 Browse answered with `project`, then Next: the files page, analysed.
  void openProject(const std::string& project);
  void goToOptionsPage();
  void goToApplyPage();

  ui::frmMain& window() { return session_->window(); }
  MainWindow& logic() { return session_->logic(); }
  std::string billingProject() const { return folder.file("Billing/Billing.vbp"); }
  std::string billingFolder() const { return folder.file("Billing/"); }
  std::string setting(std::string_view name) const;

  TempFolder folder;
  NativeFileSystem files;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  UiDialogs dialogs;

 private:
  std::unique_ptr<ui::WizardSession> session_;
};

// Copies the shipped example projects (Billing and the folder it shares) into `folder`.
void copyExamples(const TempFolder& folder);

// A click in the middle of a header section, as the mouse gives it.
void clickHeader(QHeaderView* header, int section);

// Runs `action` on the next modal window that opens (within a few seconds).
void onNextModal(std::function<void(QWidget*)> action);

}  // namespace qm::testing
