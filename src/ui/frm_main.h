// The wizard's window, "Trapwise": four pages in one window, one in front at
// a time. It is a view over the wizard's logic (Wizard): one table binds
// every widget to the page control it shows, so every click, tick, pick and
// key goes to the control's handler, and refresh() then copies every control
// onto its widget. Enter presses the page's default button (Next, Begin),
// Escape the page's Quit.
// The window keeps no state of its own beyond the widgets it is made of.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ui/control_binding.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace qm {
class Wizard;
}

namespace qm::ui {

class ClickableLabel;
class ElidingLabel;
class PathComboBox;
class PathLineEdit;
class frmAbout;
class frmBrowse;
class frmPreview;
class frmEditor;

class frmMain : public QWidget {
  Q_OBJECT
 public:
  // What Quit and closing the window do: end the program (tests watch instead).
  using QuitAction = std::function<void()>;
  // Hands a link or file to the desktop (OpenWebLink unless a test watches).
  using LinkOpener = std::function<void(const std::string&)>;

  explicit frmMain(Wizard& logic, QWidget* parent = nullptr);
  ~frmMain() override;

  // Copies the logic's state onto every widget of the window and of the
  // style editor window.
  void refresh();
  // refresh(), then one turn of the event loop: the yield of long work.
  void yield();

  void setQuitAction(QuitAction quit) { quit_ = std::move(quit); }
  void setLinkOpener(LinkOpener open) { openLink_ = std::move(open); }

  Wizard& logic() { return logic_; }
  frmEditor* editorWindow() const { return editor_; }
  frmAbout* aboutWindow() const;
  frmBrowse* browseWindow() const;
  frmPreview* previewWindow() const;
  // The help topic F1 stands for now: the focused control's, else its page's.
  int helpTopic() const;

  // What the logic asks of a window (not modal, each brought forward when open).
  void showStyleEditor();
  void showAbout();
  void showFolderBrowser();
  void openDocument(const std::string& path);
  // The run's preview in its window, opened or brought to the front.
  void showPreview(const std::string& diff);
  void endProgram();

  // The pages and their controls, named as the wizard names them.
  QStackedWidget* pages = nullptr;
  std::array<QWidget*, 4> picWizard{};
  std::array<QLabel*, 13> lblTitles{};  // indexes 0-6, 9, 11 and 12 exist
  std::array<ClickableLabel*, 4> imgVeltane{};
  std::array<QPushButton*, 5> cmdQuit{};  // indexes 0, 1, 2 and 4 exist

  // Page 1
  PathComboBox* cmbRecent = nullptr;
  QPushButton* cmdBrowse = nullptr;
  ElidingLabel* lblProjectDetails = nullptr;
  QFrame* shpRollBack = nullptr;
  QComboBox* cmbBackups = nullptr;
  QPushButton* cmdRollback = nullptr;
  QProgressBar* barRollBack = nullptr;
  QFrame* picDoneRolling = nullptr;
  QPushButton* cmdLoad2 = nullptr;

  // Page 2
  QTreeWidget* lstProjectFiles = nullptr;
  QProgressBar* barProgress = nullptr;
  QPushButton* cmdSelectAll = nullptr;
  QLabel* lblNoFiles = nullptr;
  QPushButton* cmdBack1 = nullptr;
  QPushButton* cmdLoad3 = nullptr;

  // Page 3
  QTabWidget* tabOptions = nullptr;
  QGroupBox* fraCode = nullptr;
  QRadioButton* optAdd = nullptr;
  QRadioButton* optDelete = nullptr;
  QGroupBox* fraBackup = nullptr;
  QRadioButton* optBackup = nullptr;
  QRadioButton* optNew = nullptr;
  PathLineEdit* txtNewLoc = nullptr;
  QPushButton* cmdNewBrowse = nullptr;
  QCheckBox* chkCompile = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* flbRoutines = nullptr;
  QPushButton* cmdNewStyle = nullptr;
  QPushButton* cmdEditStyle = nullptr;
  QPushButton* cmdDeleteStyle = nullptr;
  QGroupBox* fraExceptions = nullptr;
  std::array<QLabel*, 2> lblIgnore{};
  QCheckBox* chkIgnoreTags = nullptr;
  QCheckBox* chkIgnoreExisting = nullptr;
  QLineEdit* txtIgnore = nullptr;
  QGroupBox* fraNumbers = nullptr;
  QCheckBox* chkNumbers = nullptr;
  QLineEdit* txtStartFrom = nullptr;
  QGroupBox* fraVarDump = nullptr;
  QCheckBox* chkVarDump = nullptr;
  QCheckBox* chkAllProcedures = nullptr;
  QPushButton* cmdBack2 = nullptr;
  QPushButton* cmdLoad4 = nullptr;

  // Page 4
  QPlainTextEdit* txtSummary = nullptr;
  QProgressBar* barMain = nullptr;
  QPushButton* cmdPreview = nullptr;
  QPushButton* cmdBegin = nullptr;
  QPushButton* cmdBack3 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Layout (frm_main_layout.cpp).
  void buildWindow();
  QWidget* buildProjectPage();
  QWidget* buildFilesPage();
  QWidget* buildOptionsPage();
  QWidget* buildApplyPage();
  QWidget* pageHeader(int page, int titleIndex);
  QLabel* titleLabel(int index, QWidget* parent, bool pageTitle);

  // The table: every widget and the control it shows.
  std::vector<ControlBinding> bindingTable();
  // After a handler: show what it did.
  void handled();
  // Next on pages 1 to 3, Begin on page 4.
  QPushButton* defaultButton() const;

  void openHelp();
  int focusedHelpTopic() const;  // the focused widget's own topic, 0 when none

  Wizard& logic_;
  std::vector<ControlBinding> bindings_;
  frmEditor* editor_ = nullptr;
  QPointer<frmAbout> about_;
  QPointer<frmBrowse> browse_;
  QPointer<frmPreview> preview_;
  QuitAction quit_;
  LinkOpener openLink_;
  bool refreshing_ = false;
  int yieldDepth_ = 0;
  bool quitting_ = false;
};

}  // namespace qm::ui
