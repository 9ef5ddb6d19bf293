// The Qt windows driven as a person drives them, on the offscreen platform:
// what the view itself adds to the wizard's pages (widgets bound to controls,
// keys, elided texts, the dialogs' owners). The pages' logic has its own
// scripts in tests/data/wizard.
#include <QTest>
#include <QtWidgets>
#include <functional>
#include <memory>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "support/run_fakes.h"
#include "support/script_runner.h"
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
namespace {

// Dialogs that answer from a script, except the roll-back warning: the real
// window, so that a test can click it.
class UiDialogs final : public ScriptDialogs {
 public:
  bool rollbackWarning(bool& dontShowAgain) override { return real_.rollbackWarning(dontShowAgain); }

 private:
  ui::QtDialogs real_;
};

// A wizard window on a fresh copy of the example projects: its own program
// folder, settings in memory, a clock that stands still and a launcher that
// only records. With `realEditorDialogs` the style editor asks through real
// dialogs of its own.
struct Fixture {
  explicit Fixture(bool realEditorDialogs = false) {
    folder.copyFolder(exampleFolder() + "../", "");
    folder.makeFolder("program");
    folder.makeFolder("work");
    clock.step = 50;  // waits measured on the clock come to an end
    session = std::make_unique<ui::WizardSession>(ui::WizardSetup{
        files, folder.file("program/"), folder.file("work/"), settings, clock, launcher, &dialogs,
        realEditorDialogs ? nullptr : &dialogs, folder.file("guide/")});
    w().setQuitAction([this] { quit = true; });
    w().setLinkOpener([this](const std::string& link) { opened.push_back(link); });
  }

  ui::frmMain& w() { return session->window(); }
  std::string billing() const { return folder.file("Billing/Billing.vbp"); }

  // Form_Load with the command line; the window shown and active.
  void start(std::vector<std::string> words = {}) {
    session->start(CommandLine::fromWords(words));
    w().show();
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
  }
  void browse(const std::string& project) {
    dialogs.fileAnswers.push_back({project});
    QTest::mouseClick(w().cmdBrowse, Qt::LeftButton);
  }
  // Browse, then Next on the given pages: 2 (files), 3 (options), 4 (apply).
  void toPage(int page) {
    if (w().pages->currentIndex() == 0) browse(billing());
    QPushButton* const next[] = {w().cmdLoad2, w().cmdLoad3, w().cmdLoad4};
    for (int i = w().pages->currentIndex(); i < page - 1; ++i) QTest::mouseClick(next[i], Qt::LeftButton);
  }
  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  std::string setting(std::string_view name) const {
    return GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", name, "");
  }

  TempFolder folder;
  NativeFileSystem files;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  UiDialogs dialogs;
  std::unique_ptr<ui::WizardSession> session;  // last, so that it goes first
  std::vector<std::string> opened;
  bool quit = false;
};

// Clicks as the mouse gives them: on a check box's or option button's box,
// in the middle of a header section, on a tab.
void clickBox(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
void clickHeader(QHeaderView* header, int section) {
  const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}
void clickTab(QTabWidget* tabs, int index) {
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}
void pressSpaceOn(QTreeWidget* list, int row) {
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(row));
  QTest::keyClick(list, Qt::Key_Space);
}
// Keys as the keyboard gives them: to whatever has the focus, passed on up.
void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// Each row as "name|procedures|coverage|x" (or "-" when unticked).
QString rows(const QTreeWidget* list) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    const QString tick = item->checkState(0) == Qt::Checked ? "x" : "-";
    out << QStringList{item->text(0), item->text(1), item->text(2), tick}.join("|");
  }
  return out.join("; ");
}

// Every line the label shows fits in its width.
bool linesFit(const QLabel* label) {
  const int room = label->contentsRect().width() - label->indent() - 2 * label->margin();
  for (const QString& line : label->text().split(QLatin1Char('\n'))) {
    if (label->fontMetrics().horizontalAdvance(line) > room) return false;
  }
  return true;
}

// Runs `action` on the next modal window that opens (within a few seconds).
void onNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  auto waited = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && ++*waited <= 200) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr) action(modal);
  });
  timer->start(20);
}

// The options page's Edit Style, on the example project.
ui::frmEditor* openEditor(Fixture& f) {
  f.start();
  f.toPage(3);
  clickTab(f.w().tabOptions, 1);
  f.click(f.w().cmdEditStyle);
  QApplication::setActiveWindow(f.w().editorWindow());
  return f.w().editorWindow();
}

// The colour painted over the text at document position `position`.
QColor colourAt(const QTextEdit* area, int position) {
  const QTextBlock block = area->document()->findBlock(position);
  QColor colour;
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    const int at = position - block.position();
    if (at >= range.start && at < range.start + range.length) colour = range.format.foreground().color();
  }
  return colour;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theFourPagesShowTheirControlsAndBeginRuns() {
    Fixture f;
    f.start();
    ui::frmMain& w = f.w();
    QVERIFY(!w.cmdLoad2->isEnabled() && w.cmdRollback->isHidden());
    f.browse(f.billing());
    QVERIFY(w.lblProjectDetails->text().startsWith(QStringLiteral("Project Name: Billing\nProject Type: Exe\n")) &&
            w.cmbRecent->currentText() == QString::fromStdString(f.billing()));

    f.toPage(2);
    QCOMPARE(w.pages->currentIndex(), 1);
    QCOMPARE(rows(w.lstProjectFiles), QStringLiteral("Forms\\frmMain.frm|6|17|x; modUtil.bas|6|33|x; "
                                                     "clsInvoice.cls|6|17|x; ..\\Shared\\modShared.bas|2|50|x"));
    QVERIFY(w.barProgress->isHidden());
    pressSpaceOn(w.lstProjectFiles, 1);  // the tick travels with its row
    clickHeader(w.lstProjectFiles->header(), 2);
    QCOMPARE(rows(w.lstProjectFiles), QStringLiteral("Forms\\frmMain.frm|6|17|x; clsInvoice.cls|6|17|x; "
                                                     "modUtil.bas|6|33|-; ..\\Shared\\modShared.bas|2|50|x"));
    for (int row : {0, 1, 3}) pressSpaceOn(w.lstProjectFiles, row);
    QVERIFY(!w.lblNoFiles->isHidden() && w.cmdSelectAll->text() == "Select All");
    f.click(w.cmdSelectAll);
    QVERIFY(w.lblNoFiles->isHidden() && !rows(w.lstProjectFiles).contains("|-") &&
            w.cmdSelectAll->text() == "Deselect All");
    pressSpaceOn(w.lstProjectFiles, 0);

    f.toPage(3);
    QCOMPARE(w.lblTitles[6]->text(), QStringLiteral("3. Set the options [Current style: Simple]"));
    QCOMPARE(w.flbRoutines->currentItem()->text(), QStringLiteral("Simple.style"));
    QVERIFY(!w.optDelete->isEnabled() && w.optBackup->isChecked() && !w.cmdNewBrowse->isEnabled());
    clickBox(w.optNew);
    QVERIFY(w.optNew->isChecked() && !w.optBackup->isChecked() && w.cmdNewBrowse->isEnabled() &&
            w.txtNewLoc->isEnabled());
    clickBox(w.optBackup);
    QVERIFY(!w.cmdNewBrowse->isEnabled() && !w.chkCompile->isEnabled());
    clickTab(w.tabOptions, 2);
    QVERIFY(!w.txtStartFrom->isEnabled());
    clickBox(w.chkNumbers);
    QVERIFY(w.txtStartFrom->isEnabled());
    // Entering a number box selects its text; leaving it with no number puts its default back.
    f.click(w.txtIgnore);
    QTRY_COMPARE(w.txtIgnore->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(w.txtIgnore, "ab");
    f.click(w.txtStartFrom);
    QCOMPARE(w.txtIgnore->text(), QStringLiteral("0"));

    f.toPage(4);
    QCOMPARE(w.pages->currentIndex(), 3);
    const QString folder = QString::fromStdString(f.folder.file("Billing/"));
    QVERIFY(w.txtSummary->toPlainText().startsWith("Add error checking to the following files: \n" + folder +
                                                   "clsInvoice.cls\n" + folder + "modUtil.bas\n" + folder +
                                                   "../Shared/modShared.bas\nUsing the Simple.style style"));
    f.click(w.cmdBegin);
    const QString last = w.txtSummary->toPlainText().split(QLatin1Char('\n')).last();
    QVERIFY2(last.startsWith(QStringLiteral("Update completed in ")) && last.endsWith(QStringLiteral(" seconds.")),
             qPrintable(last));
    QVERIFY(w.cmdBegin->isHidden() && w.barMain->isHidden());
    QCOMPARE(w.txtSummary->verticalScrollBar()->value(), w.txtSummary->verticalScrollBar()->maximum());
    QVERIFY(f.folder.read("Billing/modUtil.bas").find("On Error GoTo ErrorHandler") != std::string::npos);

    // Once the run has inserted code, deleting it is offered, and it closes the advanced tab.
    f.click(w.cmdBack3);
    f.click(w.cmdBack2);  // analysed again
    f.toPage(3);
    clickBox(w.optDelete);
    QVERIFY(!w.tabOptions->isTabEnabled(2));
    clickTab(w.tabOptions, 2);
    QCOMPARE(w.tabOptions->currentIndex(), 0);
  }

  void enterPressesTheDefaultButtonF1OpensTheTopicAndEscapeQuits() {
    Fixture f;
    f.start({f.billing()});  // a project on the command line opens on the files page
    ui::frmMain& w = f.w();
    QCOMPARE(w.pages->currentIndex(), 1);
    QCOMPARE(w.helpTopic(), 200);
    w.cmdLoad3->setFocus();
    QCOMPARE(w.helpTopic(), 300);
    press(Qt::Key_F1);
    QCOMPARE(f.opened, std::vector<std::string>{f.folder.file("guide/options.html")});
    w.cmdBack1->setFocus();  // a focused button takes the key itself
    press(Qt::Key_Return);
    QCOMPARE(w.pages->currentIndex(), 0);
    w.cmbRecent->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(w.pages->currentIndex(), 1);
    w.lstProjectFiles->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(w.pages->currentIndex(), 2);

    // A number box left by Enter is checked before the page is left.
    clickTab(w.tabOptions, 2);
    f.click(w.txtIgnore);
    QTest::keyClicks(w.txtIgnore, "5d1");
    press(Qt::Key_Return);
    QCOMPARE(w.pages->currentIndex(), 3);
    QCOMPARE(w.txtIgnore->text(), QStringLiteral("0"));
    w.txtSummary->setFocus();
    press(Qt::Key_Return);
    QVERIFY(w.cmdBegin->isHidden() && w.txtSummary->toPlainText().contains(QStringLiteral("\nUpdate completed in ")));
    press(Qt::Key_Return);  // Begin is gone: nothing happens
    QCOMPARE(w.pages->currentIndex(), 3);
    QVERIFY(!f.quit);
    press(Qt::Key_Escape);
    QVERIFY(f.quit);
  }

  void projectDetailsAndLongPathsAreNeverCutOffUnseen() {
    Fixture f;
    const std::string folder = "A folder with a long name to show in the recent projects list/HarrowLaneInventory/";
    f.folder.write(folder + "HarrowLaneInventory.vbp",
                   crlf({"Type=OleDll", "Module=m; m.bas", "Name=\"HarrowLaneInventory\"", "MajorVer=12",
                         "MinorVer=345", "RevisionVer=6789"}));
    f.folder.write(folder + "m.bas", crlf({"Attribute VB_Name = \"m\"", "Sub A()", "End Sub"}));
    f.folder.makeFolder(folder + "Backup on 05 Dec at 14-03-27");
    const QString project = QString::fromStdString(f.folder.file(folder + "HarrowLaneInventory.vbp"));
    f.start();
    ui::frmMain& w = f.w();
    f.browse(project.toStdString());
    QVERIFY(!w.shpRollBack->isHidden());

    ui::ElidingLabel* details = w.lblProjectDetails;
    QVERIFY(linesFit(details));
    QVERIFY(details->text().startsWith(QStringLiteral("Project Name: Harrow")));
    const QString full = details->fullText();
    QVERIFY(full.contains(QStringLiteral("Project Name: HarrowLaneInventory\n")));
    QCOMPARE(details->toolTip(), details->text() == full ? QString() : full);

    // The recent list and the new-copy box keep both ends of a path in view,
    // and the whole of it in their tooltips.
    QCOMPARE(w.cmbRecent->toolTip(), project);
    QVERIFY(w.cmbRecent->shownText().endsWith(QStringLiteral("HarrowLaneInventory.vbp")));
    QVERIFY(w.cmbRecent->fontMetrics().horizontalAdvance(w.cmbRecent->shownText()) <= w.cmbRecent->width());
    f.toPage(3);
    clickBox(w.optNew);
    w.cmdLoad4->setFocus();
    QCOMPARE(w.txtNewLoc->toolTip(), w.txtNewLoc->text());
    QVERIFY(w.txtNewLoc->shownText().startsWith(QStringLiteral("/")));
    QVERIFY(w.txtNewLoc->shownText().endsWith(QStringLiteral("14-03-27")));
  }

  void theStyleEditorColoursTagsListsFilesAndLendsItsTextToTheRun() {
    Fixture f;
    ui::frmEditor* e = openEditor(f);
    QVERIFY(e->isVisible() && !e->mnuFileSave->isEnabled() && e->windowTitle() == "Editor: Simple.style");

    e->rtbError->setFocus();
    e->rtbError->moveCursor(QTextCursor::End);
    QTest::keyClicks(e->rtbError, "x = <exit_routine>");
    const QString text = e->rtbError->toPlainText();
    QVERIFY2(text.endsWith(QStringLiteral("\nx = <Exit_Routine>")), qPrintable(text));
    const int tag = static_cast<int>(text.lastIndexOf(QStringLiteral("<Exit_Routine>")));
    QCOMPARE(colourAt(e->rtbError, tag), QColor(255, 0, 0));
    QCOMPARE(colourAt(e->rtbError, tag + 13), QColor(255, 0, 0));
    QCOMPARE(colourAt(e->rtbError, tag - 2), QColor(0, 0, 0));
    QCOMPARE(e->rtbError->textCursor().position(), tag + 14);
    QVERIFY(e->mnuFileSave->isEnabled());
    QTest::keyClick(e->rtbError, Qt::Key_Tab);
    QVERIFY(e->rtbError->toPlainText().endsWith(QStringLiteral("<Exit_Routine>    ")) && e->rtbError->hasFocus());
    QTest::keyClicks(e->rtbError, "' checked by hand");
    QVERIFY(!f.w().chkVarDump->isChecked());
    clickTab(e->tabEditor, 1);
    e->rtbHandler->setFocus();
    e->mnuInsertTag[3]->trigger();  // the variable dump tag ticks its box on the options page
    QVERIFY(e->rtbHandler->toPlainText().contains(QStringLiteral("<Variable_Dump>")));
    QVERIFY(f.w().chkVarDump->isChecked());

    const std::string first = f.folder.file("Billing/modUtil.bas"), second = f.folder.file("Billing/clsInvoice.cls");
    f.dialogs.fileAnswers = {{first}, {first, second}};
    e->mnuInsertFile->trigger();
    e->mnuInsertFile->trigger();
    QCOMPARE(e->tabEditor->currentIndex(), 2);
    QCOMPARE(e->lstAddedFiles->count(), 2);  // added twice, listed once
    QVERIFY(e->mnuInsertRemove->isEnabled() && !e->mnuInsertTag[0]->isEnabled());
    e->lstAddedFiles->setFocus();
    e->lstAddedFiles->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(e->lstAddedFiles, Qt::Key_Delete);
    QVERIFY(e->lstAddedFiles->count() == 1 && e->lstAddedFiles->item(0)->text() == QString::fromStdString(first));
    clickTab(e->tabEditor, 0);
    e->rtbError->setFocus();
    QVERIFY(e->mnuInsertTag[0]->isEnabled() && !e->mnuInsertRemove->isEnabled());

    // Closed unsaved, the editor's text is what the next run inserts.
    e->close();
    f.toPage(4);
    f.click(f.w().cmdBegin);
    QVERIFY(f.folder.read("Billing/modUtil.bas").find("' checked by hand") != std::string::npos);
    QVERIFY(f.folder.read("program/Simple.style").find("checked by hand") == std::string::npos);
  }

  void theEditorsQuestionsBelongToItsWindow() {
    Fixture f(true);
    ui::frmEditor* e = openEditor(f);
    QWidget* owner = nullptr;
    onNextModal([&owner](QWidget* modal) {
      owner = modal->parentWidget();
      modal->close();
    });
    e->mnuSaveAs->trigger();
    QCOMPARE(owner, static_cast<QWidget*>(e));
  }

  void aboutTheRollBackWarningAndTheFolderBrowser() {
    Fixture f;
    f.folder.makeFolder("program/Copies");
    f.start();
    ui::frmMain& w = f.w();
    // Every page's logo opens About, once; its links go to the link opener.
    QCOMPARE(w.imgVeltane[0]->toolTip(), QStringLiteral("About Oskavel Software"));
    f.click(w.imgVeltane[0]);
    ui::frmAbout* about = w.aboutWindow();
    QVERIFY(about != nullptr && about->isVisible());
    f.click(w.imgVeltane[0]);
    QCOMPARE(w.aboutWindow(), about);
    f.click(about->lblVisit);
    f.click(about->lblLink);
    QVERIFY(f.opened.size() == 2 && f.opened[0] == "http://www.oskavel.example" && f.opened[1].starts_with("mailto:"));
    f.click(about->imgQuit);
    QVERIFY(!about->isVisible());

    // The folder browser opens at the folder at once and fills the new-copy box.
    f.toPage(3);
    clickBox(w.optNew);
    f.click(w.cmdNewBrowse);
    ui::frmBrowse* browse = w.browseWindow();
    QVERIFY(browse != nullptr && browse->isVisible() && browse->drvDrive->count() > 0);
    const QString program = QString::fromStdString(f.folder.file("program"));
    QCOMPARE(browse->lblPath->text(), program);
    const QTreeWidgetItem* open = browse->dirFolder->currentItem();
    QVERIFY(open != nullptr && open->text(0) == "program" && open->child(0)->text(0) == "Copies");
    browse->dirFolder_Change(program + "/Copies");  // what a double click on it does
    QCOMPARE(browse->lblPath->text(), program + "/Copies");
    clickBox(w.optBackup);  // the box is disabled now, and still filled
    f.click(browse->cmdSelect);
    QCOMPARE(w.txtNewLoc->text(), program + "/Copies");
    f.click(w.cmdNewBrowse);  // disabled: nothing opens
    QTRY_VERIFY(w.browseWindow() == nullptr);

    // The roll-back warning: Cancel stores nothing even ticked, OK ticked is remembered.
    f.toPage(4);
    f.click(w.cmdBegin);
    for (QPushButton* back : {w.cmdBack3, w.cmdBack2, w.cmdBack1}) f.click(back);
    const auto rollBack = [&f](bool tick, bool ok) {
      auto asked = std::make_shared<bool>(false);
      onNextModal([tick, ok, asked](QWidget* modal) {
        auto* warning = qobject_cast<ui::frmWarning*>(modal);
        if (warning == nullptr) return;
        *asked = !warning->chkWarning->isChecked();
        if (tick) clickBox(warning->chkWarning);
        QTest::mouseClick(ok ? warning->OKButton : warning->CancelButton, Qt::LeftButton);
      });
      f.click(f.w().cmdRollback);
      return *asked;
    };
    const auto inserted = [&f] { return f.folder.read("Billing/modUtil.bas").find("'SE******") != std::string::npos; };
    QVERIFY(inserted());
    QVERIFY(rollBack(true, false));
    QCOMPARE(f.setting("ShowWarning"), std::string());
    QVERIFY(inserted());
    QVERIFY(rollBack(true, true));
    QCOMPARE(f.setting("ShowWarning"), std::string("False"));
    QVERIFY(!inserted());
    QVERIFY(!rollBack(false, false));  // the next roll back goes ahead without asking
  }
};

}  // namespace qm::testing

QTEST_MAIN(qm::testing::WindowsTest)
#include "windows_test.moc"
