// The style editor window: typing, the Insert menu, the extra files list and
// what the next run takes from it.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "ui/frm_editor.h"
#include "ui/frm_main.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace qm::testing {
namespace {

// The editor shown through the options page's Edit Style, on the example project.
ui::frmEditor* openEditor(WizardFixture& f) {
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  ui::frmMain& w = f.window();
  QTest::mouseClick(w.tabOptions->tabBar(), Qt::LeftButton, {}, w.tabOptions->tabBar()->tabRect(1).center());
  QTest::mouseClick(w.cmdEditStyle, Qt::LeftButton);
  ui::frmEditor* editor = w.editorWindow();
  QApplication::setActiveWindow(editor);
  return editor;
}

void typeAtEnd(QTextEdit* area, const char* text) {
  area->setFocus();
  area->moveCursor(QTextCursor::End);
  QTest::keyClicks(area, text);
}

// The colour painted over the text at document position `position`.
QColor colourAt(const QTextEdit* area, int position) {
  const QTextBlock block = area->document()->findBlock(position);
  const int inBlock = position - block.position();
  QColor colour;
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (inBlock >= range.start && inBlock < range.start + range.length) colour = range.format.foreground().color();
  }
  return colour;
}

int occurrences(const QString& text, const QString& part) { return static_cast<int>(text.count(part)); }

}  // namespace

class StyleEditorWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aTagTypedInLowerCaseIsRespelledInRed();
  void theVariableDumpTagDeclaresItsVariableOnce();
  void anExtraFileAddedTwiceIsListedOnce();
  void unsavedEditsAreWhatTheNextRunInserts();
};

void StyleEditorWindowTest::aTagTypedInLowerCaseIsRespelledInRed() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  QVERIFY(e->isVisible());
  QCOMPARE(e->windowTitle(), QStringLiteral("Editor: Simple.style"));
  QVERIFY(!e->mnuFileSave->isEnabled());

  typeAtEnd(e->rtbError, "x = <exit_routine>");
  const QString text = e->rtbError->toPlainText();
  QVERIFY2(text.endsWith(QStringLiteral("\nx = <Exit_Routine>")), qPrintable(text));
  const int tag = static_cast<int>(text.lastIndexOf(QStringLiteral("<Exit_Routine>")));
  QCOMPARE(colourAt(e->rtbError, tag), QColor(255, 0, 0));
  QCOMPARE(colourAt(e->rtbError, tag + 13), QColor(255, 0, 0));
  QCOMPARE(colourAt(e->rtbError, tag - 2), QColor(0, 0, 0));
  QCOMPARE(e->rtbError->textCursor().position(), tag + 14);
  QVERIFY(e->mnuFileSave->isEnabled());

  QTest::keyClick(e->rtbError, Qt::Key_Tab);
  QVERIFY(e->rtbError->toPlainText().endsWith(QStringLiteral("<Exit_Routine>    ")));
  QVERIFY(e->rtbError->hasFocus());
}

void StyleEditorWindowTest::theVariableDumpTagDeclaresItsVariableOnce() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  QVERIFY(!f.window().chkVarDump->isChecked());
  QTest::mouseClick(e->tabEditor->tabBar(), Qt::LeftButton, {}, e->tabEditor->tabBar()->tabRect(1).center());
  e->rtbHandler->setFocus();
  e->rtbHandler->moveCursor(QTextCursor::End);
  e->mnuInsertTag[3]->trigger();
  e->mnuInsertTag[3]->trigger();

  QCOMPARE(occurrences(e->rtbHandler->toPlainText(), QStringLiteral("<Variable_Dump>")), 2);
  QCOMPARE(occurrences(e->rtbError->toPlainText(),
                       QStringLiteral("Dim sLocalVariableDump as String 'Used for variable dump")),
           1);
  QVERIFY(f.window().chkVarDump->isChecked());
}

void StyleEditorWindowTest::anExtraFileAddedTwiceIsListedOnce() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  const std::string first = f.folder.file("Billing/modUtil.bas");
  const std::string second = f.folder.file("Billing/clsInvoice.cls");
  f.dialogs.fileAnswers.push_back({first});
  f.dialogs.fileAnswers.push_back({first, second});
  e->mnuInsertFile->trigger();
  e->mnuInsertFile->trigger();

  QCOMPARE(e->tabEditor->currentIndex(), 2);
  QCOMPARE(e->lstAddedFiles->count(), 2);
  QCOMPARE(e->lstAddedFiles->item(0)->text(), QString::fromStdString(first));
  QCOMPARE(e->lstAddedFiles->item(1)->text(), QString::fromStdString(second));
  QVERIFY(e->lstAddedFiles->item(0)->isSelected());
  QVERIFY(e->mnuInsertRemove->isEnabled());
  QVERIFY(!e->mnuInsertTag[0]->isEnabled());

  e->lstAddedFiles->setFocus();
  e->lstAddedFiles->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(e->lstAddedFiles, Qt::Key_Delete);
  QCOMPARE(e->lstAddedFiles->count(), 1);
  QCOMPARE(e->lstAddedFiles->item(0)->text(), QString::fromStdString(first));
  e->lstAddedFiles->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(e->lstAddedFiles, Qt::Key_Backspace);
  QCOMPARE(e->lstAddedFiles->count(), 0);
  QVERIFY(!e->mnuInsertRemove->isEnabled());

  // A text area in front offers the tags again and no removal.
  QTest::mouseClick(e->tabEditor->tabBar(), Qt::LeftButton, {}, e->tabEditor->tabBar()->tabRect(0).center());
  e->rtbError->setFocus();
  QVERIFY(e->mnuInsertTag[0]->isEnabled());
  QVERIFY(!e->mnuInsertRemove->isEnabled());
}

void StyleEditorWindowTest::unsavedEditsAreWhatTheNextRunInserts() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  typeAtEnd(e->rtbError, "' checked by hand");
  e->close();
  QVERIFY(!e->isVisible());

  ui::frmMain& w = f.window();
  f.goToApplyPage();
  QTest::mouseClick(w.cmdBegin, Qt::LeftButton);
  QVERIFY(f.folder.read("Billing/modUtil.bas").find("' checked by hand") != std::string::npos);
  QVERIFY(f.folder.read("program/Simple.style").find("checked by hand") == std::string::npos);
  QVERIFY(e->rtbError->toPlainText().endsWith(QStringLiteral("' checked by hand")));  // still held, unsaved
}

std::unique_ptr<QObject> makeStyleEditorWindowTest() { return std::make_unique<StyleEditorWindowTest>(); }

}  // namespace qm::testing

#include "style_editor_window_test.moc"
