// The wizard window's behaviour: which widget signal reaches which handler of
// the logic, and how the logic's state is copied back after it.
#include "ui/frm_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>

#include "ui/clickable_label.h"
#include "ui/control_binding.h"
#include "ui/frm_about.h"
#include "ui/frm_browse.h"
#include "ui/frm_editor.h"
#include "ui/open_web_link.h"
#include "ui/qt_text.h"
#include "wizard/main_window.h"

namespace qm::ui {
namespace {

constexpr int kTitleIndexes[] = {0, 1, 2, 3, 4, 5, 6, 9, 11, 12};

// The focus moving from control to control, not a context menu opening or
// the person switching to another window and back.
bool isFocusMoveWithinWindow(QEvent* event) {
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

void setGroupTitle(QGroupBox* frame, const Label& label) {
  const QString title = fromNative(label.caption);
  if (frame->title() != title) frame->setTitle(title);
}

QStringList headerLabels(const std::vector<ListColumn>& columns) {
  QStringList labels;
  for (const ListColumn& column : columns) labels << fromNative(column.header);
  return labels;
}

}  // namespace

frmMain::frmMain(MainWindow& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
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
  connectHandlers();
  refresh();
}

frmMain::~frmMain() = default;

frmAbout* frmMain::aboutWindow() const { return about_.data(); }

frmBrowse* frmMain::browseWindow() const { return browse_.data(); }

// --- from the widgets to the logic ------------------------------------------------------

void frmMain::connectHandlers() {
  MainWindow& w = logic_;
  auto onClick = [this](QAbstractButton* source, auto handler) {
    connect(source, &QAbstractButton::clicked, this, [this, handler] {
      handler();
      handled();
    });
  };

  for (int index : {0, 1, 2, 4}) {
    onClick(cmdQuit[static_cast<std::size_t>(index)], [&w, index] { w.cmdQuit_Click(index); });
  }
  for (int index = 0; index < 4; ++index) {
    connect(imgVeltane[static_cast<std::size_t>(index)], &ClickableLabel::clicked, this, [this, &w, index] {
      w.imgVeltane_Click(index);
      handled();
    });
  }

  // Page 1
  connect(cmbRecent, &QComboBox::activated, this, [this, &w](int index) {
    if (refreshing_ || index < 0) return;
    w.page1.cmbRecent.selected = static_cast<std::size_t>(index);
    w.cmbRecent_Click();
    handled();
  });
  onClick(cmdBrowse, [&w] { w.cmdBrowse_Click(); });
  onClick(cmdLoad2, [&w] { w.cmdLoad2_Click(); });
  connect(cmbBackups, &QComboBox::activated, this, [this, &w](int index) {
    if (refreshing_ || index < 0) return;
    w.page1.rollBack.cmbBackups.selected = static_cast<std::size_t>(index);
    handled();
  });
  onClick(cmdRollback, [&w] { w.cmdRollback_Click(); });

  // Page 2
  onClick(cmdBack1, [&w] { w.cmdBack1_Click(); });
  onClick(cmdLoad3, [&w] { w.cmdLoad3_Click(); });
  onClick(cmdSelectAll, [&w] { w.cmdSelectAll_Click(); });
  connect(lstProjectFiles, &QTreeWidget::itemChanged, this, [this, &w](QTreeWidgetItem* item, int column) {
    if (refreshing_ || column != 0) return;
    const int row = lstProjectFiles->indexOfTopLevelItem(item);
    if (row < 0) return;
    w.lstProjectFiles_ItemCheck(static_cast<std::size_t>(row), item->checkState(0) == Qt::Checked);
    handled();
  });
  connect(lstProjectFiles->header(), &QHeaderView::sectionClicked, this, [this, &w](int section) {
    w.lstProjectFiles_ColumnClick(section + 1);
    handled();
  });

  // Page 3
  connect(tabOptions, &QTabWidget::currentChanged, this, [this, &w](int tab) {
    if (refreshing_ || tab < 0) return;
    w.tabOptions_Click(static_cast<std::size_t>(tab));
    handled();
  });
  onClick(optAdd, [&w] { w.optAdd_Click(); });
  onClick(optDelete, [&w] { w.optDelete_Click(); });
  onClick(optBackup, [&w] { w.optBackup_Click(); });
  onClick(optNew, [&w] { w.optNew_Click(); });
  connect(txtNewLoc, &QLineEdit::textEdited, this, [this, &w](const QString& text) {
    w.page3.txtNewLoc.text = toNative(text);
    handled();
  });
  onClick(cmdNewBrowse, [&w] { w.cmdNewBrowse_Click(); });
  auto onTick = [this](QCheckBox* box, CheckBox& control, std::function<void()> handler) {
    connect(box, &QCheckBox::clicked, this, [this, &control, handler](bool ticked) {
      control.ticked = ticked;
      if (handler) handler();
      handled();
    });
  };
  onTick(chkCompile, w.page3.chkCompile, {});
  onTick(chkIgnoreTags, w.page3.chkIgnoreTags, {});
  onTick(chkIgnoreExisting, w.page3.chkIgnoreExisting, {});
  onTick(chkNumbers, w.page3.chkNumbers, [&w] { w.chkNumbers_Click(); });
  onTick(chkVarDump, w.page3.chkVarDump, {});
  for (QLineEdit* box : {txtIgnore, txtStartFrom}) {
    box->installEventFilter(this);
    TextBox& control = box == txtIgnore ? w.page3.txtIgnore : w.page3.txtStartFrom;
    connect(box, &QLineEdit::textEdited, this, [this, &control, box](const QString& text) {
      control.text = toNative(text);
      control.selectionStart = static_cast<std::size_t>(box->cursorPosition());
      control.selectionLength = 0;
      handled();
    });
  }
  connect(flbRoutines, &QListWidget::currentRowChanged, this, [this, &w](int row) {
    if (refreshing_ || row < 0) return;
    w.flbRoutines_Click(static_cast<std::size_t>(row));
    handled();
  });
  connect(flbRoutines, &QListWidget::itemDoubleClicked, this, [this, &w](QListWidgetItem* item) {
    const int row = flbRoutines->row(item);
    if (row < 0) return;
    w.flbRoutines_DblClick(static_cast<std::size_t>(row));
    handled();
  });
  flbRoutines->installEventFilter(this);
  onClick(cmdNewStyle, [&w] { w.cmdNewStyle_Click(); });
  onClick(cmdEditStyle, [&w] { w.cmdEditStyle_Click(); });
  onClick(cmdDeleteStyle, [&w] { w.cmdDeleteStyle_Click(); });
  onClick(cmdBack2, [&w] { w.cmdBack2_Click(); });
  onClick(cmdLoad4, [&w] { w.cmdLoad4_Click(); });

  // Page 4
  onClick(cmdBack3, [&w] { w.cmdBack3_Click(); });
  onClick(cmdBegin, [&w] { w.cmdBegin_Click(); });

  // The style editor's commands change what the options page shows.
  connect(editor_, &frmEditor::stateChanged, this, [this] { handled(); });

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::ApplicationShortcut);
  connect(help, &QShortcut::activated, this, &frmMain::openHelp);
}

void frmMain::handled() {
  if (quitting_) return;
  refresh();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  MainWindow& w = logic_;
  if (watched == lstProjectFiles->viewport() && event->type() == QEvent::Resize) {
    fitFileColumns();
  } else if ((watched == txtIgnore || watched == txtStartFrom) && isFocusMoveWithinWindow(event)) {
    const bool ignoreBox = watched == txtIgnore;
    if (event->type() == QEvent::FocusIn) {
      ignoreBox ? w.txtIgnore_GotFocus() : w.txtStartFrom_GotFocus();
      // After the click that gave the focus has placed the caret.
      QTimer::singleShot(0, this, [this, ignoreBox] {
        QLineEdit* box = ignoreBox ? txtIgnore : txtStartFrom;
        if (box->hasFocus()) selectAsLogicSays(box, ignoreBox ? logic_.page3.txtIgnore : logic_.page3.txtStartFrom);
      });
      handled();
    } else if (event->type() == QEvent::FocusOut && !refreshing_) {
      ignoreBox ? w.txtIgnore_LostFocus() : w.txtStartFrom_LostFocus();
      handled();
    }
  } else if (watched == flbRoutines && event->type() == QEvent::FocusOut) {
    w.styles().setListFocused(false);  // the focus went elsewhere; don't pull it back
    w.page3.flbRoutines.focused = false;
  }
  return QWidget::eventFilter(watched, event);
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
  about_ = new frmAbout(this, openLink_);
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
    logic_.setNewLocation(toNative(folder));
    handled();
  });
  browse_->show();
}

int frmMain::helpTopic() const {
  const QWidget* focused = QApplication::focusWidget();
  const std::pair<const QWidget*, const Button*> navigation[] = {
      {cmdLoad2, &logic_.page1.cmdLoad2}, {cmdBack1, &logic_.page2.cmdBack1}, {cmdLoad3, &logic_.page2.cmdLoad3},
      {cmdBack2, &logic_.page3.cmdBack2}, {cmdLoad4, &logic_.page3.cmdLoad4}, {cmdBack3, &logic_.page4.cmdBack3}};
  for (const auto& [widget, control] : navigation) {
    if (focused == widget && control->helpTopic != 0) return control->helpTopic;
  }
  return pageHelpTopic(logic_.currentPage);
}

// The help viewer is outside the program: a missing file or viewer is quiet.
// The desktop's handler is given the file; it opens at its start page, since
// no default handler takes a topic number.
void frmMain::openHelp() {
  if (!logic_.helpFile.empty()) openLink_(logic_.helpFile);
}

void frmMain::showStyleEditor() {
  editor_->showState();
  if (editor_->isVisible()) {
    editor_->raise();
    editor_->activateWindow();
  }
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

// --- from the logic to the widgets --------------------------------------------------------

void frmMain::refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  const QString caption = fromNative(logic_.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  for (int index : kTitleIndexes) present(lblTitles[static_cast<std::size_t>(index)], logic_.lblTitles(index));
  showProjectPage();
  showFilesPage();
  showOptionsPage();
  showApplyPage();
  const int page = static_cast<int>(logic_.currentPage);
  if (pages->currentIndex() != page) pages->setCurrentIndex(page);
  showWindows();
  refreshing_ = false;
}

void frmMain::showProjectPage() {
  const ProjectPage& p = logic_.page1;
  present(cmbRecent, p.cmbRecent);
  present(cmdBrowse, p.cmdBrowse);
  present(lblProjectDetails, p.lblProjectDetails);
  present(cmdLoad2, p.cmdLoad2);
  present(cmdQuit[0], p.cmdQuit);
  setShown(shpRollBack, p.rollBack.shpRollBack.visible);
  present(cmbBackups, p.rollBack.cmbBackups);
  present(cmdRollback, p.rollBack.cmdRollback);
  present(barRollBack, p.rollBack.barRollBack);
  setShown(picDoneRolling, p.rollBack.picDoneRolling.visible);
}

void frmMain::showFilesPage() {
  const FilesPage& p = logic_.page2;
  present(lblNoFiles, p.lblNoFiles);
  setShown(lstProjectFiles, p.lstProjectFiles.visible);
  present(barProgress, p.barProgress);
  present(cmdSelectAll, p.cmdSelectAll);
  present(cmdBack1, p.cmdBack1);
  present(cmdLoad3, p.cmdLoad3);
  present(cmdQuit[1], p.cmdQuit);
  showFileRows();
}

void frmMain::showFileRows() {
  const FileListView& list = logic_.page2.lstProjectFiles;
  const QSignalBlocker quiet(lstProjectFiles);
  const QStringList headers = headerLabels(list.columns);
  QStringList shownHeaders;
  for (int column = 0; column < lstProjectFiles->columnCount(); ++column) {
    shownHeaders << lstProjectFiles->headerItem()->text(column);
  }
  if (shownHeaders != headers) {
    lstProjectFiles->setColumnCount(static_cast<int>(headers.size()));
    lstProjectFiles->setHeaderLabels(headers);
    for (int column = 1; column < lstProjectFiles->columnCount(); ++column) {
      lstProjectFiles->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    fitFileColumns();
  }

  // Only rows that differ from what is shown are touched: the analysis
  // yields once per file and a long list must not be rebuilt every time.
  const int rowCount = static_cast<int>(list.rows.size());
  while (lstProjectFiles->topLevelItemCount() > rowCount) {
    delete lstProjectFiles->takeTopLevelItem(lstProjectFiles->topLevelItemCount() - 1);
  }
  const int columns = lstProjectFiles->columnCount();
  for (int row = 0; row < rowCount; ++row) {
    const ListRow& data = list.rows[static_cast<std::size_t>(row)];
    QTreeWidgetItem* item = lstProjectFiles->topLevelItem(row);
    if (item == nullptr) {
      item = new QTreeWidgetItem(lstProjectFiles);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      for (int column = 1; column < columns; ++column) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < columns; ++column) {
      const auto cell = static_cast<std::size_t>(column);
      const QString text = cell < data.cells.size() ? fromNative(data.cells[cell]) : QString();
      if (item->text(column) != text) item->setText(column, text);
    }
    const Qt::CheckState tick = data.ticked ? Qt::Checked : Qt::Unchecked;
    if (item->checkState(0) != tick) item->setCheckState(0, tick);
  }
}

void frmMain::fitFileColumns() {
  const auto& columns = logic_.page2.lstProjectFiles.columns;
  const int width = lstProjectFiles->width();
  QHeaderView* header = lstProjectFiles->header();
  header->setStretchLastSection(true);  // the last column takes what the shares leave
  for (int column = 0; column + 1 < lstProjectFiles->columnCount(); ++column) {
    const auto index = static_cast<std::size_t>(column);
    const double share = index < columns.size() ? columns[index].widthShare : 0.2;
    header->resizeSection(column, static_cast<int>(width * share));
  }
}

void frmMain::showOptionsPage() {
  const OptionsPage& p = logic_.page3;
  {
    const QSignalBlocker quiet(tabOptions);
    for (int tab = 0; tab < tabOptions->count() && tab < static_cast<int>(p.tabOptions.tabs.size()); ++tab) {
      const auto index = static_cast<std::size_t>(tab);
      const QString text = fromNative(p.tabOptions.tabs[index]);
      if (tabOptions->tabText(tab) != text) tabOptions->setTabText(tab, text);
      tabOptions->setTabEnabled(tab, p.tabOptions.available[index]);
    }
    const int selected = static_cast<int>(p.tabOptions.selected);
    if (tabOptions->currentIndex() != selected) tabOptions->setCurrentIndex(selected);
  }
  setShown(tabOptions, p.tabOptions.visible);

  setGroupTitle(fraCode, p.fraCode);
  present(optAdd, p.optAdd);
  present(optDelete, p.optDelete);
  setGroupTitle(fraBackup, p.fraBackup);
  present(optBackup, p.optBackup);
  present(optNew, p.optNew);
  present(txtNewLoc, p.txtNewLoc);
  present(cmdNewBrowse, p.cmdNewBrowse);
  present(chkCompile, p.chkCompile);

  present(Label2, p.label2);
  {
    const QSignalBlocker quiet(flbRoutines);
    QStringList entries;
    for (const std::string& entry : p.flbRoutines.entries) entries << fromNative(entry);
    QStringList shown;
    for (int row = 0; row < flbRoutines->count(); ++row) shown << flbRoutines->item(row)->text();
    if (shown != entries) {
      flbRoutines->clear();
      flbRoutines->addItems(entries);
    }
    const int selected = p.flbRoutines.selected ? static_cast<int>(*p.flbRoutines.selected) : -1;
    if (flbRoutines->currentRow() != selected) flbRoutines->setCurrentRow(selected);
  }
  if (p.flbRoutines.focused && !flbRoutines->hasFocus() && flbRoutines->isVisible()) flbRoutines->setFocus();
  present(cmdNewStyle, p.cmdNewStyle);
  present(cmdEditStyle, p.cmdEditStyle);
  present(cmdDeleteStyle, p.cmdDeleteStyle);

  setGroupTitle(fraExceptions, p.fraExceptions);
  present(lblIgnore[0], p.lblIgnore0);
  present(chkIgnoreTags, p.chkIgnoreTags);
  present(chkIgnoreExisting, p.chkIgnoreExisting);
  present(lblIgnore[1], p.lblIgnore1);
  present(txtIgnore, p.txtIgnore);
  setGroupTitle(fraNumbers, p.fraNumbers);
  present(chkNumbers, p.chkNumbers);
  present(txtStartFrom, p.txtStartFrom);
  setGroupTitle(fraVarDump, p.fraVarDump);
  present(chkVarDump, p.chkVarDump);

  present(cmdBack2, p.cmdBack2);
  present(cmdLoad4, p.cmdLoad4);
  present(cmdQuit[2], p.cmdQuit);
}

void frmMain::showApplyPage() {
  const ApplyPage& p = logic_.page4;
  present(txtSummary, p.txtSummary, shownSummary_);
  present(barMain, p.barMain);
  present(cmdBegin, p.cmdBegin);
  present(cmdBack3, p.cmdBack3);
  present(cmdQuit[4], p.cmdQuit);
}

void frmMain::showWindows() {
  if (editor_ != nullptr) editor_->showState();
}

}  // namespace qm::ui
