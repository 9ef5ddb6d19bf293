// The style editor's window: the two code texts and the extra files of the
// current style in three tabs, with the File and Insert menus. It is a view
// over StyleEditor: every edit, key and menu command goes to the editor, and
// showState() then copies the editor's texts, tag colours, menus and bar
// back onto the widgets. Closing only hides it; the style stays loaded.
#pragma once

#include <QMainWindow>
#include <array>

#include "styles/style_editor.h"

class QAction;
class QListWidget;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QTextEdit;

namespace qm::ui {

class TagHighlighter;

// The editors' font: Courier New where it exists, else the system's fixed font.
QFont codeFont();

class frmEditor : public QMainWindow {
  Q_OBJECT
 public:
  // The editor must outlive the window. Hooks it has no owner for yet
  // (repainting while saving, holding the bar up, opening a file) are filled
  // in here with the window's own.
  explicit frmEditor(StyleEditor& editor, QWidget* parent = nullptr);
  ~frmEditor() override;

  // Copies the editor's state onto the widgets (and shows or hides the window).
  void showState();

  StyleEditor& editor() { return editor_; }

 Q_SIGNALS:
  // A command changed what other windows show (the options page's title,
  // style list or variable dump box).
  void stateChanged();

 public:

  QTabWidget* tabEditor = nullptr;
  QTextEdit* rtbError = nullptr;
  QTextEdit* rtbHandler = nullptr;
  QListWidget* lstAddedFiles = nullptr;
  QProgressBar* barSave = nullptr;
  QStatusBar* stabarEditor = nullptr;

  QMenu* mnuFile = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuSaveAs = nullptr;
  QAction* mnuFileExit = nullptr;
  QMenu* mnuInsert = nullptr;
  std::array<QAction*, 6> mnuInsertTag{};
  QAction* mnuInsertDivider = nullptr;
  QAction* mnuInsertFile = nullptr;
  QAction* mnuInsertRemove = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildTabs();
  QTextEdit* textArea(int tab) const;
  int tabOf(const QObject* widget) const;

  void textArea_Change(int tab);
  void mnuInsertTag_Click(int item);
  void tabEditor_Click(int tab);
  void lstAddedFiles_SelectionChange();
  void lstAddedFiles_DblClick(int row);
  void insertTabSpaces(int tab);

  void showText(int tab);
  void showFiles();
  void showFocus();
  void showMenus();

  StyleEditor& editor_;
  std::array<TagHighlighter*, 2> highlighters_{};
  bool showing_ = false;  // copying the editor's state: widget signals are echoes
};

}  // namespace qm::ui
