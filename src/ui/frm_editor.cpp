#include "ui/frm_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/open_web_link.h"
#include "ui/qt_text.h"
#include "ui/tag_highlighter.h"
#include "ui/window_metrics.h"

namespace qm::ui {
namespace {

// The texts as the widget holds them, with paragraph ends as "\n" and
// non-breaking spaces kept (plain-text export would turn them into blanks).
std::string widgetText(const QTextEdit* area) {
  QString raw = area->document()->toRawText();
  raw.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  return toBytes(raw);
}

// Keeps the bar's half second up while the window stays responsive.
void waitWithEvents(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// Replaces what differs between the widget's text and `wanted`. When only
// letter case changed (a tag respelled) just those characters are rewritten,
// so the caret, the scroll position and undo survive typing.
void replaceText(QTextEdit* area, const QString& have, const QString& wanted) {
  QTextCursor cursor(area->document());
  if (have.size() == wanted.size()) {
    cursor.joinPreviousEditBlock();
    for (qsizetype i = 0; i < have.size();) {
      if (have[i] == wanted[i]) {
        ++i;
        continue;
      }
      qsizetype end = i;
      while (end < have.size() && have[end] != wanted[end]) ++end;
      cursor.setPosition(static_cast<int>(i));
      cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
      cursor.insertText(wanted.mid(i, end - i));
      i = end;
    }
    cursor.endEditBlock();
    return;
  }
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(wanted);
  cursor.endEditBlock();
}

QString menuCaption(std::string_view caption) { return fromNative(caption); }

}  // namespace

QFont codeFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  const QFontInfo info(font);
  if (info.family().compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) return font;
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

frmEditor::frmEditor(StyleEditor& editor, QWidget* parent) : QMainWindow(parent), editor_(editor) {
  setObjectName(QStringLiteral("frmEditor"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  buildMenus();
  buildTabs();

  stabarEditor = new QStatusBar(this);
  stabarEditor->setObjectName(QStringLiteral("stabarEditor"));
  barSave = new QProgressBar(stabarEditor);
  barSave->setObjectName(QStringLiteral("barSave"));
  barSave->setRange(0, StyleEditor::saveProgressMaximum());
  barSave->setTextVisible(false);
  barSave->setMaximumWidth(160);
  barSave->hide();
  stabarEditor->addPermanentWidget(barSave);
  setStatusBar(stabarEditor);

  StyleEditorHooks& hooks = editor_.hooks();
  if (!hooks.repaint) {
    hooks.repaint = [this] {
      showState();
      QCoreApplication::processEvents();
    };
  }
  if (!hooks.holdProgress) hooks.holdProgress = waitWithEvents;
  if (!hooks.openDocument) hooks.openDocument = [](const std::string& path) { OpenWebLink(path); };

  resize(twipsSize(this, kEditorWidthTwips, kEditorHeightTwips));
  showState();
}

frmEditor::~frmEditor() = default;

void frmEditor::buildMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileSave = mnuFile->addAction(QStringLiteral("&Save"));
  mnuFileSave->setObjectName(QStringLiteral("mnuFileSave"));
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuSaveAs = mnuFile->addAction(QStringLiteral("Save &As..."));
  mnuSaveAs->setObjectName(QStringLiteral("mnuSaveAs"));
  mnuFile->addSeparator();
  mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));

  mnuInsert = menuBar()->addMenu(QStringLiteral("&Insert"));
  mnuInsert->setObjectName(QStringLiteral("mnuInsert"));
  const std::vector<std::string> captions = StyleEditor::tagItemCaptions();
  for (std::size_t item = 0; item < mnuInsertTag.size(); ++item) {
    QAction* action = mnuInsert->addAction(menuCaption(item < captions.size() ? captions[item] : ""));
    action->setObjectName(QStringLiteral("mnuInsertTag_%1").arg(item));
    connect(action, &QAction::triggered, this, [this, item] { mnuInsertTag_Click(static_cast<int>(item)); });
    mnuInsertTag[item] = action;
  }
  mnuInsertDivider = mnuInsert->addSeparator();
  mnuInsertDivider->setObjectName(QStringLiteral("mnuInsertDivider"));
  mnuInsertFile = mnuInsert->addAction(QStringLiteral("Extra &File"));
  mnuInsertFile->setObjectName(QStringLiteral("mnuInsertFile"));
  mnuInsertRemove = mnuInsert->addAction(QStringLiteral("&Remove File"));
  mnuInsertRemove->setObjectName(QStringLiteral("mnuInsertRemove"));

  connect(mnuFileSave, &QAction::triggered, this, [this] {
    editor_.save();
    showState();
    Q_EMIT stateChanged();
  });
  connect(mnuSaveAs, &QAction::triggered, this, [this] {
    editor_.saveAs();
    showState();
    Q_EMIT stateChanged();
  });
  connect(mnuFileExit, &QAction::triggered, this, [this] {
    editor_.hide();
    showState();
    Q_EMIT stateChanged();
  });
  connect(mnuInsertFile, &QAction::triggered, this, [this] {
    editor_.addExtraFiles();
    showState();
  });
  connect(mnuInsertRemove, &QAction::triggered, this, [this] {
    editor_.removeSelectedFiles();
    showState();
  });
}

void frmEditor::buildTabs() {
  tabEditor = new QTabWidget(this);
  tabEditor->setObjectName(QStringLiteral("tabEditor"));
  tabEditor->setDocumentMode(false);

  const QFont font = codeFont();
  QPalette paper = palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, toQColor(kTextColour));

  for (int tab = kFirstCodeTab; tab <= kLastCodeTab; ++tab) {
    auto* area = new QTextEdit(tabEditor);
    area->setObjectName(tab == kFirstCodeTab ? QStringLiteral("rtbError") : QStringLiteral("rtbHandler"));
    area->setAcceptRichText(false);
    area->setLineWrapMode(QTextEdit::NoWrap);
    area->setFont(font);
    area->document()->setDefaultFont(font);
    area->setPalette(paper);
    area->setTabChangesFocus(false);
    area->installEventFilter(this);
    highlighters_[static_cast<std::size_t>(tab)] = new TagHighlighter(area->document());
    connect(area, &QTextEdit::textChanged, this, [this, tab] { textArea_Change(tab); });
    (tab == kFirstCodeTab ? rtbError : rtbHandler) = area;
  }

  lstAddedFiles = new QListWidget(tabEditor);
  lstAddedFiles->setObjectName(QStringLiteral("lstAddedFiles"));
  lstAddedFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstAddedFiles->installEventFilter(this);
  connect(lstAddedFiles, &QListWidget::itemSelectionChanged, this, &frmEditor::lstAddedFiles_SelectionChange);
  connect(lstAddedFiles, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { lstAddedFiles_DblClick(lstAddedFiles->row(item)); });

  tabEditor->addTab(rtbError, QStringLiteral("First Code"));
  tabEditor->addTab(rtbHandler, QStringLiteral("Last Code"));
  tabEditor->addTab(lstAddedFiles, QStringLiteral("Extra Files"));
  tabEditor->tabBar()->installEventFilter(this);
  connect(tabEditor, &QTabWidget::currentChanged, this, &frmEditor::tabEditor_Click);

  auto* centre = new QWidget(this);
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(6, 6, 6, 2);
  layout->addWidget(tabEditor);
  setCentralWidget(centre);
}

QTextEdit* frmEditor::textArea(int tab) const {
  if (tab == kFirstCodeTab) return rtbError;
  if (tab == kLastCodeTab) return rtbHandler;
  return nullptr;
}

int frmEditor::tabOf(const QObject* widget) const {
  if (widget == rtbError) return kFirstCodeTab;
  if (widget == rtbHandler) return kLastCodeTab;
  if (widget == lstAddedFiles) return kExtraFilesTab;
  return -1;
}

// --- what the person does -----------------------------------------------------------

void frmEditor::textArea_Change(int tab) {
  if (showing_) return;
  QTextEdit* area = textArea(tab);
  editor_.setText(tab, widgetText(area), static_cast<std::size_t>(area->textCursor().position()));
  showState();
}

void frmEditor::mnuInsertTag_Click(int item) {
  std::size_t start = 0, length = 0;
  if (QTextEdit* area = textArea(editor_.currentTab())) {
    const QTextCursor cursor = area->textCursor();
    start = static_cast<std::size_t>(cursor.selectionStart());
    length = static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart());
  }
  editor_.insertTag(item, start, length);
  showState();
  Q_EMIT stateChanged();  // the variable dump tag ticks the options page's box
}

void frmEditor::insertTabSpaces(int tab) {
  if (tab != editor_.currentTab()) editor_.selectTab(tab);
  const QTextCursor cursor = textArea(tab)->textCursor();
  editor_.insertTabSpaces(static_cast<std::size_t>(cursor.selectionStart()),
                          static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart()));
  showState();
}

void frmEditor::tabEditor_Click(int tab) {
  if (showing_) return;
  editor_.selectTab(tab);
  showState();
}

void frmEditor::lstAddedFiles_SelectionChange() {
  if (showing_) return;
  for (int row = 0; row < lstAddedFiles->count(); ++row) {
    editor_.setFileSelected(static_cast<std::size_t>(row), lstAddedFiles->item(row)->isSelected());
  }
}

void frmEditor::lstAddedFiles_DblClick(int row) {
  if (row >= 0) editor_.openExtraFile(static_cast<std::size_t>(row));
}

void frmEditor::closeEvent(QCloseEvent* event) {
  // The window is the current style's home for the whole run: hide, never destroy.
  event->ignore();
  editor_.hide();
  showState();
  Q_EMIT stateChanged();
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !showing_) {
    const int tab = tabOf(watched);
    if (tab == kFirstCodeTab || tab == kLastCodeTab) {
      editor_.setFocus(EditorFocus::TextArea);
    } else if (tab == kExtraFilesTab) {
      editor_.setFocus(EditorFocus::FileList);
    } else if (watched == tabEditor->tabBar()) {
      editor_.setFocus(EditorFocus::TabStrip);
    }
    showMenus();
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int tab = tabOf(watched);
    const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) == 0;
    if ((tab == kFirstCodeTab || tab == kLastCodeTab) && key->key() == Qt::Key_Tab && plain) {
      insertTabSpaces(tab);
      return true;
    }
    if (tab == kExtraFilesTab && (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
        lstAddedFiles->count() > 0) {
      editor_.removeSelectedFiles();
      showState();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- what the editor holds -------------------------------------------------------------

void frmEditor::showState() {
  if (showing_) return;
  showing_ = true;
  const QString caption = fromNative(editor_.caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  if (tabEditor->currentIndex() != editor_.currentTab()) tabEditor->setCurrentIndex(editor_.currentTab());
  showText(kFirstCodeTab);
  showText(kLastCodeTab);
  showFiles();
  showMenus();

  barSave->setValue(editor_.saveProgressValue());
  barSave->setVisible(editor_.saveProgressVisible());

  if (editor_.visible() && !isVisible()) {
    show();
    raise();
    activateWindow();
  } else if (!editor_.visible() && isVisible()) {
    hide();
  }
  showFocus();
  showing_ = false;
}

void frmEditor::showText(int tab) {
  QTextEdit* area = textArea(tab);
  const QString wanted = fromBytes(editor_.text(tab));
  QString have = area->document()->toRawText();
  have.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
  if (have != wanted) replaceText(area, have, wanted);

  const TextRange selection = editor_.selection(tab);
  const int caret = static_cast<int>(editor_.caret(tab));
  QTextCursor cursor = area->textCursor();
  if (selection.length > 0) {
    const int start = static_cast<int>(selection.start);
    const int end = static_cast<int>(selection.start + selection.length);
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
      cursor.setPosition(start);
      cursor.setPosition(end, QTextCursor::KeepAnchor);
      area->setTextCursor(cursor);
    }
  } else if (cursor.position() != caret || cursor.hasSelection()) {
    cursor.setPosition(std::min(caret, static_cast<int>(wanted.size())));
    area->setTextCursor(cursor);
  }
  highlighters_[static_cast<std::size_t>(tab)]->setTags(editor_.highlights(tab));
}

void frmEditor::showFiles() {
  const std::vector<std::string>& files = editor_.extraFiles();
  bool same = lstAddedFiles->count() == static_cast<int>(files.size());
  for (int row = 0; same && row < lstAddedFiles->count(); ++row) {
    same = lstAddedFiles->item(row)->text() == fromNative(files[static_cast<std::size_t>(row)]);
  }
  if (!same) {
    lstAddedFiles->clear();
    for (const std::string& file : files) lstAddedFiles->addItem(fromNative(file));
  }
  for (int row = 0; row < lstAddedFiles->count(); ++row) {
    const bool selected = editor_.fileSelected(static_cast<std::size_t>(row));
    QListWidgetItem* item = lstAddedFiles->item(row);
    if (item->isSelected() != selected) item->setSelected(selected);
    if (selected && !lstAddedFiles->currentItem()) lstAddedFiles->setCurrentItem(item, QItemSelectionModel::NoUpdate);
  }
}

void frmEditor::showMenus() {
  mnuFileSave->setEnabled(editor_.saveEnabled());
  mnuInsert->menuAction()->setEnabled(editor_.insertMenuEnabled());
  for (QAction* item : mnuInsertTag) item->setEnabled(editor_.tagItemsEnabled());
  mnuInsertFile->setEnabled(editor_.extraFileEnabled());
  mnuInsertRemove->setEnabled(editor_.removeFileEnabled());
}

void frmEditor::showFocus() {
  if (!isVisible()) return;
  QWidget* wanted = nullptr;
  switch (editor_.focus()) {
    case EditorFocus::TextArea:
      wanted = textArea(editor_.currentTab());
      break;
    case EditorFocus::FileList:
      wanted = lstAddedFiles;
      break;
    case EditorFocus::TabStrip:
      wanted = tabEditor->tabBar();
      break;
  }
  if (wanted != nullptr && wanted->isVisible() && focusWidget() != wanted) wanted->setFocus(Qt::OtherFocusReason);
}

}  // namespace qm::ui
