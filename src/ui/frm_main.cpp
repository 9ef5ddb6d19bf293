// The wizard window's behaviour: the table that binds each widget to its
// control, the requests only a window answers, and the refresh after every
// handler.
#include "ui/frm_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdlib>

#include "ui/clickable_label.h"
#include "ui/eliding_widgets.h"
#include "ui/frm_about.h"
#include "ui/frm_browse.h"
#include "ui/frm_preview.h"
#include "ui/frm_editor.h"
#include "ui/open_web_link.h"
#include "ui/qt_text.h"
#include "wizard/wizard.h"

namespace qm::ui {

frmMain::frmMain(Wizard& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
  buildWindow();
  editor_ = new frmEditor(logic_.editor(), this);
  editor_->setWindowFlag(Qt::Window, true);
  openLink_ = [](const std::string& link) { OpenWebLink(link); };
  quit_ = [this] {
    // The program ends at once, also from inside long work that is yielding:
    // every setting was stored when it changed, so nothing is left to save.
    if (yieldDepth_ > 0) std::exit(0);
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
  };

  bindings_ = bindingTable();
  const BindingContext context{this, [this] { handled(); }, [this] { return refreshing_; }};
  for (const ControlBinding& binding : bindings_) binding.connect(context);
  // The style editor's commands change what the options page shows.
  connect(editor_, &frmEditor::stateChanged, this, [this] { handled(); });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::ApplicationShortcut);
  connect(help, &QShortcut::activated, this, &frmMain::openHelp);
  refresh();
}

frmMain::~frmMain() = default;

std::vector<ControlBinding> frmMain::bindingTable() {
  ProjectPage& p1 = logic_.projectPage;
  FilesPage& p2 = logic_.filesPage;
  OptionsPage& p3 = logic_.optionsPage;
  ApplyPage& p4 = logic_.applyPage;
  return {
      // "1.  Choose your project"
      {lblTitles[0], p1.lblTitles0},
      {imgVeltane[0], p1.imgVeltane},
      {cmbRecent, p1.cmbRecent},
      {cmdBrowse, p1.cmdBrowse},
      {lblTitles[5], p1.lblTitles5},
      {lblProjectDetails, p1.lblProjectDetails},
      {shpRollBack, p1.rollBack.shpRollBack},
      {lblTitles[9], p1.rollBack.lblTitles9},
      {cmbBackups, p1.rollBack.cmbBackups},
      {cmdRollback, p1.rollBack.cmdRollback},
      {barRollBack, p1.rollBack.barRollBack},
      {picDoneRolling, p1.rollBack.picDoneRolling},
      {lblTitles[11], p1.rollBack.lblTitles11},
      {cmdQuit[0], p1.cmdQuit},
      {cmdLoad2, p1.cmdLoad2},
      // "2. Analyzing your project"
      {lblTitles[1], p2.lblTitles1},
      {imgVeltane[1], p2.imgVeltane},
      {lblTitles[2], p2.lblTitles2},
      {lblTitles[3], p2.lblTitles3},
      {lblNoFiles, p2.lblNoFiles},
      {lstProjectFiles, p2.lstProjectFiles},
      {barProgress, p2.barProgress},
      {cmdSelectAll, p2.cmdSelectAll},
      {cmdQuit[1], p2.cmdQuit},
      {cmdBack1, p2.cmdBack1},
      {cmdLoad3, p2.cmdLoad3},
      // "3. Set the options"
      {lblTitles[6], p3.lblTitles6},
      {imgVeltane[2], p3.imgVeltane},
      {tabOptions, p3.tabOptions},
      {fraCode, p3.fraCode},
      {optAdd, p3.optAdd},
      {optDelete, p3.optDelete},
      {fraBackup, p3.fraBackup},
      {optBackup, p3.optBackup},
      {optNew, p3.optNew},
      {txtNewLoc, p3.txtNewLoc},
      {cmdNewBrowse, p3.cmdNewBrowse},
      {chkCompile, p3.chkCompile},
      {Label2, p3.label2},
      {flbRoutines, p3.flbRoutines},
      {cmdNewStyle, p3.cmdNewStyle},
      {cmdEditStyle, p3.cmdEditStyle},
      {cmdDeleteStyle, p3.cmdDeleteStyle},
      {fraExceptions, p3.fraExceptions},
      {lblIgnore[0], p3.lblIgnore0},
      {chkIgnoreTags, p3.chkIgnoreTags},
      {chkIgnoreExisting, p3.chkIgnoreExisting},
      {lblIgnore[1], p3.lblIgnore1},
      {txtIgnore, p3.txtIgnore},
      {fraNumbers, p3.fraNumbers},
      {chkNumbers, p3.chkNumbers},
      {txtStartFrom, p3.txtStartFrom},
      {fraVarDump, p3.fraVarDump},
      {chkVarDump, p3.chkVarDump},
      {chkAllProcedures, p3.chkAllProcedures},
      {cmdQuit[2], p3.cmdQuit},
      {cmdBack2, p3.cmdBack2},
      {cmdLoad4, p3.cmdLoad4},
      // "4. Apply the changes"
      {lblTitles[4], p4.lblTitles4},
      {imgVeltane[3], p4.imgVeltane},
      {lblTitles[12], p4.lblTitles12},
      {txtSummary, p4.txtSummary},
      {barMain, p4.barMain},
      {cmdQuit[4], p4.cmdQuit},
      {cmdBack3, p4.cmdBack3},
      {cmdPreview, p4.cmdPreview},
      {cmdBegin, p4.cmdBegin},
  };
}

frmAbout* frmMain::aboutWindow() const { return about_.data(); }

frmBrowse* frmMain::browseWindow() const { return browse_.data(); }

frmPreview* frmMain::previewWindow() const { return preview_.data(); }

void frmMain::handled() {
  if (quitting_) return;
  refresh();
}

QPushButton* frmMain::defaultButton() const {
  const std::array<QPushButton*, 4> buttons{cmdLoad2, cmdLoad3, cmdLoad4, cmdBegin};
  const int page = pages->currentIndex();
  return page >= 0 && page < 4 ? buttons[static_cast<std::size_t>(page)] : nullptr;
}

// The window is no dialog, so nothing presses a button on Enter by itself:
// the keys that reach the window do it here, as a dialog would. A focused
// button takes the key; otherwise the page's default button is pressed,
// after the focus moved onto it as a click would move it, so a number box
// is checked first.
void frmMain::keyPressEvent(QKeyEvent* event) {
  // Escape is the page's Quit, as Cancel is a dialog's.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    static constexpr std::array<std::size_t, 4> kQuitOfPage{0, 1, 2, 4};
    QPushButton* quit = cmdQuit[kQuitOfPage[static_cast<std::size_t>(pages->currentIndex())]];
    if (quit != nullptr && quit->isEnabled()) quit->click();
    return;
  }
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  QPushButton* button = focused != nullptr && isAncestorOf(focused) ? focused : defaultButton();
  if (button == nullptr || !button->isEnabled() || !button->isVisible()) return;
  button->setFocus(Qt::OtherFocusReason);
  button->click();
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

void frmMain::showAbout() {
  if (about_) {
    about_->raise();
    about_->activateWindow();
    return;
  }
  about_ = new frmAbout(this, openLink_, logic_.guideFile());
  about_->setAttribute(Qt::WA_DeleteOnClose);
  about_->show();
}

void frmMain::showFolderBrowser() {
  if (browse_) {
    browse_->raise();
    browse_->activateWindow();
    return;
  }
  browse_ = new frmBrowse(QDir::fromNativeSeparators(fromNative(logic_.programFolder())), this);
  browse_->setAttribute(Qt::WA_DeleteOnClose);
  connect(browse_, &frmBrowse::folderSelected, this, [this](const QString& folder) {
    logic_.optionsPage.setNewLocation(toNative(folder));
    handled();
  });
  browse_->show();
}

int frmMain::focusedHelpTopic() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused != nullptr ? focused->property(kHelpTopicProperty).toInt() : 0;
}

int frmMain::helpTopic() const { return logic_.helpTopic(focusedHelpTopic()); }

void frmMain::openHelp() { logic_.F1(focusedHelpTopic()); }

void frmMain::showStyleEditor() {
  editor_->showState();
  if (editor_->isVisible()) {
    editor_->raise();
    editor_->activateWindow();
  }
}

void frmMain::showPreview(const std::string& diff) {
  if (!preview_) {
    preview_ = new frmPreview(this);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
  }
  preview_->showDiff(diff);
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
}

void frmMain::openDocument(const std::string& path) {
  if (openLink_) openLink_(path);
}

void frmMain::endProgram() {
  if (quitting_) return;
  quitting_ = true;
  if (quit_) quit_();
}

void frmMain::yield() {
  ++yieldDepth_;
  refresh();
  QCoreApplication::processEvents();
  --yieldDepth_;
}

void frmMain::refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  const QString caption = fromNative(logic_.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  for (const ControlBinding& binding : bindings_) binding.present();
  const int page = static_cast<int>(logic_.currentPage);
  if (pages->currentIndex() != page) pages->setCurrentIndex(page);
  if (editor_ != nullptr) editor_->showState();
  refreshing_ = false;
}

}  // namespace qm::ui
