// A wizard on a fresh copy of the example projects: its own program folder,
// settings in memory, a clock that stands still, a launcher that only
// records, and dialogs that answer from a script, except the roll-back
// warning, which is the real window so that tests can click it. It brings
// in every window and widget header, so that each test file needs only this one.
#pragma once

#include <QTest>
#include <QtWidgets>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"
#include "ui/clickable_label.h"
#include "ui/eliding_widgets.h"
#include "ui/frm_about.h"
#include "ui/frm_browse.h"
#include "ui/frm_editor.h"
#include "ui/frm_main.h"
#include "ui/frm_warning.h"
#include "ui/qt_run_services.h"
#include "ui/wizard_session.h"

namespace qm::testing {

class UiDialogs final : public Dialogs {
 public:
  std::deque<std::vector<std::string>> fileAnswers;  // empty: cancelled
  std::vector<std::string> messages;

  void messageBox(std::string_view text, std::string_view title) override {
    messages.push_back(std::string(title) + ": " + std::string(text));
  }
  std::vector<std::string> openFile(const FileDialogRequest&) override;
  std::optional<std::string> inputBox(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  bool rollbackWarning(bool& dontShowAgain) override { return real_.rollbackWarning(dontShowAgain); }

 private:
  ui::QtDialogs real_;
};

class WizardFixture {
 public:
  explicit WizardFixture(bool realEditorDialogs = false);
  ~WizardFixture() { session_.reset(); }

  // Form_Load with no command line; the window is shown and active.
  void start();
  // Page 1 Browse answered with `project`, then Next: the files page, analysed.
  void openProject(const std::string& project);
  // Next on page 2 and, with `toApply`, on page 3 too.
  void goToOptionsPage(bool toApply = false);
  // Begin, then Back to the files page (analysed again).
  void runAndGoBack();

  ui::frmMain& window() { return session_->window(); }
  Wizard& logic() { return session_->logic(); }
  std::string billingProject() const { return folder.file("Billing/Billing.vbp"); }
  std::string billingFolder() const { return folder.file("Billing/"); }
  std::string setting(std::string_view name) const;
  // With `realEditorDialogs`, the style editor asks through real dialogs of its own.
  ui::WizardSetup setup(bool realEditorDialogs = false) {
    return {files,    folder.file("program/"), folder.file("work/"), settings, clock,
            launcher, &dialogs,                realEditorDialogs ? nullptr : &dialogs};
  }

  TempFolder folder;
  NativeFileSystem files;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  UiDialogs dialogs;

 private:
  std::unique_ptr<ui::WizardSession> session_;
};

// Clicks as the mouse gives them: on a check box's or option button's box,
// in the middle of a header section, on a tab.
void clickBox(QAbstractButton* box);
void clickHeader(QHeaderView* header, int section);
void clickTab(QTabWidget* tabs, int index);

// What a person sees of a widget, in a few words: a label's, button's or
// box's text, "[x]" or "[ ]" for a check box, "(o)" or "( )" for an option
// button, with " (disabled)" and " (hidden)" after it.
QString shown(const QWidget* widget);

// One row of a page's table: a widget, what it shows, what it should show.
struct ShownRow {
  const char* widget;
  QString shown;
  QString expected;
};
#define SHOWN(widget, expected) ::qm::testing::ShownRow{#widget, ::qm::testing::shown(widget), expected}

// The rows whose widget does not show what the row expects, one a line; "" when all do.
QString mismatches(std::initializer_list<ShownRow> rows);
#define VERIFY_SHOWN(...) QCOMPARE(::qm::testing::mismatches({__VA_ARGS__}), QString())

// Runs `action` on the next modal window that opens (within a few seconds).
void onNextModal(std::function<void(QWidget*)> action);

}  // namespace qm::testing
