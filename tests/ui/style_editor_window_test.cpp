// The style editor window: typing, the Insert menu, the extra files list and
// what the next run takes from it.
#include "ui_fixture.h"

namespace qm::testing {
namespace {

// The editor shown through the options page's Edit Style, on the example project.
ui::frmEditor* openEditor(WizardFixture& f) {
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  clickTab(f.window().tabOptions, 1);
  QTest::mouseClick(f.window().cmdEditStyle, Qt::LeftButton);
  ui::frmEditor* editor = f.window().editorWindow();
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

}  // namespace

class StyleEditorWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aTagTypedInLowerCaseIsRespelledInRed();
  void theVariableDumpTagDeclaresItsVariableOnce();
  void anExtraFileAddedTwiceIsListedOnce();
  void unsavedEditsAreWhatTheNextRunInserts();
  void theEditorsQuestionsBelongToItsWindow();
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
  clickTab(e->tabEditor, 1);
  e->rtbHandler->setFocus();
  e->rtbHandler->moveCursor(QTextCursor::End);
  e->mnuInsertTag[3]->trigger();
  e->mnuInsertTag[3]->trigger();
  QCOMPARE(e->rtbHandler->toPlainText().count(QStringLiteral("<Variable_Dump>")), 2);
  QCOMPARE(e->rtbError->toPlainText().count(QStringLiteral("Dim sLocalVariableDump as String 'Used for variable dump")),
           1);
  QVERIFY(f.window().chkVarDump->isChecked());
}

void StyleEditorWindowTest::anExtraFileAddedTwiceIsListedOnce() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  const QString first = QString::fromStdString(f.folder.file("Billing/modUtil.bas"));
  const QString second = QString::fromStdString(f.folder.file("Billing/clsInvoice.cls"));
  f.dialogs.fileAnswers.push_back({first.toStdString()});
  f.dialogs.fileAnswers.push_back({first.toStdString(), second.toStdString()});
  e->mnuInsertFile->trigger();
  e->mnuInsertFile->trigger();
  auto listed = [e] {
    QStringList out;
    for (int i = 0; i < e->lstAddedFiles->count(); ++i) out << e->lstAddedFiles->item(i)->text();
    return out;
  };
  QCOMPARE(e->tabEditor->currentIndex(), 2);
  QCOMPARE(listed(), (QStringList{first, second}));
  QVERIFY(e->lstAddedFiles->item(0)->isSelected());
  QVERIFY(e->mnuInsertRemove->isEnabled() && !e->mnuInsertTag[0]->isEnabled());

  e->lstAddedFiles->setFocus();
  e->lstAddedFiles->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(e->lstAddedFiles, Qt::Key_Delete);
  QCOMPARE(listed(), QStringList{first});
  e->lstAddedFiles->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(e->lstAddedFiles, Qt::Key_Backspace);
  QCOMPARE(listed(), QStringList{});
  QVERIFY(!e->mnuInsertRemove->isEnabled());

  // A text area in front offers the tags again and no removal.
  clickTab(e->tabEditor, 0);
  e->rtbError->setFocus();
  QVERIFY(e->mnuInsertTag[0]->isEnabled() && !e->mnuInsertRemove->isEnabled());
}

void StyleEditorWindowTest::unsavedEditsAreWhatTheNextRunInserts() {
  WizardFixture f;
  ui::frmEditor* e = openEditor(f);
  typeAtEnd(e->rtbError, "' checked by hand");
  e->close();
  QVERIFY(!e->isVisible());
  QTest::mouseClick(f.window().cmdLoad4, Qt::LeftButton);
  QTest::mouseClick(f.window().cmdBegin, Qt::LeftButton);
  QVERIFY(f.folder.read("Billing/modUtil.bas").find("' checked by hand") != std::string::npos);
  QVERIFY(f.folder.read("program/Simple.style").find("checked by hand") == std::string::npos);
  QVERIFY(e->rtbError->toPlainText().endsWith(QStringLiteral("' checked by hand")));  // still held, unsaved
}

void StyleEditorWindowTest::theEditorsQuestionsBelongToItsWindow() {
  WizardFixture f(true);
  ui::frmEditor* e = openEditor(f);
  QWidget* owner = nullptr;
  onNextModal([&owner](QWidget* modal) {
    owner = modal->parentWidget();
    modal->close();
  });
  e->mnuSaveAs->trigger();
  QCOMPARE(owner, static_cast<QWidget*>(e));
}

}  // namespace qm::testing

QObject* makeStyleEditorWindowTest() { return new qm::testing::StyleEditorWindowTest; }

#include "style_editor_window_test.moc"
