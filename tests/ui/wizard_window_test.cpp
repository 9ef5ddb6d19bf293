// The wizard window driven as a person drives it: clicks on its buttons,
// headers, check boxes and tabs, and what every widget shows afterwards.
#include "ui_fixture.h"

namespace qm::testing {
namespace {

// Each row as "name|procedures|coverage|ticked" (ticked "x", else "-"); with
// `namesOnly`, the names alone.
QStringList shownRows(const QTreeWidget* list, bool namesOnly = false) {
  QStringList rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    rows << (namesOnly ? item->text(0)
                       : item->text(0) + "|" + item->text(1) + "|" + item->text(2) + "|" +
                             (item->checkState(0) == Qt::Checked ? "x" : "-"));
  }
  return rows;
}

void pressSpaceOn(QTreeWidget* list, int row) {
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(row));
  QTest::keyClick(list, Qt::Key_Space);
}

QString summaryOpening(const std::string& folder, const QStringList& files) {
  QString text = QStringLiteral("Add error checking to the following files: \n");
  for (const QString& file : files) text += QString::fromStdString(folder) + file + "\n";
  return text + "Using the ";
}

}  // namespace

class WizardWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void clickThroughAllFourPages();
  void headerClicksSortByValueAndFlipDirection();
  void ticksDriveSelectAllAndTheEmptySelectionNote();
  void optionsEnableAndDisableTheirControls();
  void aProjectPathOnTheCommandLineOpensOnTheFilesPage();
  void enterPressesAFocusedButtonOrThePagesDefaultAndEscapeQuits();
  void projectDetailsAndLongPathsAreNeverCutOffUnseen();
};

void WizardWindowTest::clickThroughAllFourPages() {
  WizardFixture f;
  f.start();
  ui::frmMain& w = f.window();
  QCOMPARE(w.windowTitle(), QStringLiteral("Trapwise"));
  QCOMPARE(w.pages->currentIndex(), 0);
  VERIFY_SHOWN(SHOWN(w.lblTitles[0], "1.  Choose your project"),
               SHOWN(w.lblProjectDetails, "No project selected."),
               SHOWN(w.cmdLoad2, "Next >> (disabled)"),
               SHOWN(w.cmdRollback, "Roll back (hidden)"));

  f.dialogs.fileAnswers.push_back({f.billingProject()});
  QTest::mouseClick(w.cmdBrowse, Qt::LeftButton);
  VERIFY_SHOWN(SHOWN(w.lblTitles[5], "Project details: Billing.vbp"),
               SHOWN(w.cmbRecent, QString::fromStdString(f.billingProject())),
               SHOWN(w.cmdLoad2, "Next >>"));
  QVERIFY(w.lblProjectDetails->text().startsWith(QStringLiteral("Project Name: Billing\nProject Type: Exe\n")));

  QTest::mouseClick(w.cmdLoad2, Qt::LeftButton);
  QCOMPARE(w.pages->currentIndex(), 1);
  const QTreeWidgetItem* headers = w.lstProjectFiles->headerItem();
  QCOMPARE(headers->text(0) + "|" + headers->text(1) + "|" + headers->text(2),
           QStringLiteral("Name|Procedures|Coverage (%)"));
  QCOMPARE(shownRows(w.lstProjectFiles), (QStringList{"Forms\\frmMain.frm|6|17|x", "modUtil.bas|6|33|x",
                                                      "clsInvoice.cls|6|17|x", "..\\Shared\\modShared.bas|2|50|x"}));
  QVERIFY(!w.lstProjectFiles->isHidden() && w.barProgress->isHidden());
  VERIFY_SHOWN(SHOWN(w.lblTitles[1], "2. Analyzing your project"),
               SHOWN(w.lblNoFiles, "No files selected. (hidden)"),
               SHOWN(w.cmdSelectAll, "Deselect All"));

  f.goToOptionsPage();
  QCOMPARE(w.pages->currentIndex(), 2);
  QCOMPARE(w.tabOptions->currentIndex(), 0);
  VERIFY_SHOWN(SHOWN(w.lblTitles[6], "3. Set the options [Current style: Simple]"),
               SHOWN(w.optAdd, "(o)"),
               SHOWN(w.optDelete, "( ) (disabled)"),
               SHOWN(w.optBackup, "(o)"),
               SHOWN(w.optNew, "( )"),
               SHOWN(w.txtNewLoc,
                     QString::fromStdString(f.billingFolder() + "New copy created 05 Dec at 14-03-27 (disabled)")),
               SHOWN(w.cmdDeleteStyle, "Delete Style (disabled)"));
  QCOMPARE(w.flbRoutines->currentItem()->text(), QStringLiteral("Simple.style"));

  QTest::mouseClick(w.cmdLoad4, Qt::LeftButton);
  QCOMPARE(w.pages->currentIndex(), 3);
  VERIFY_SHOWN(SHOWN(w.lblTitles[4], "4. Apply the changes"),
               SHOWN(w.lblTitles[12], "Summary"),
               SHOWN(w.cmdBegin, "Begin"));
  QCOMPARE(w.txtSummary->toPlainText(),
           summaryOpening(f.billingFolder(),
                          {"Forms/frmMain.frm", "modUtil.bas", "clsInvoice.cls", "../Shared/modShared.bas"}) +
               "Simple.style style\n\nClick 'Begin' to begin the procedure...");
  QVERIFY(w.barMain->isHidden());

  QTest::mouseClick(w.cmdBegin, Qt::LeftButton);
  const QString last = w.txtSummary->toPlainText().split(QLatin1Char('\n')).last();
  QVERIFY2(last.startsWith(QStringLiteral("Update completed in ")) && last.endsWith(QStringLiteral(" seconds.")),
           qPrintable(last));
  QVERIFY(w.cmdBegin->isHidden() && w.barMain->isHidden());
  QCOMPARE(w.txtSummary->verticalScrollBar()->value(), w.txtSummary->verticalScrollBar()->maximum());
  QVERIFY(f.folder.read("Billing/Forms/frmMain.frm").find("On Error GoTo ErrorHandler") != std::string::npos);
}

void WizardWindowTest::headerClicksSortByValueAndFlipDirection() {
  WizardFixture f;
  f.folder.write("Counts/Counts.vbp", crlf({"Type=Exe", "Module=Ten; Ten.bas", "Module=Nine; Nine.bas",
                                            "Module=Hundred; Hundred.bas", "Name=\"Counts\""}));
  for (const auto& [name, count] : {std::pair{"Ten", 10}, {"Nine", 9}, {"Hundred", 100}}) {
    std::string text = "Attribute VB_Name = \"" + std::string(name) + "\"\r\n";
    for (int i = 1; i <= count; ++i) text += "Public Sub Step" + std::to_string(i) + "()\r\n    Beep\r\nEnd Sub\r\n";
    f.folder.write("Counts/" + std::string(name) + ".bas", text);
  }
  f.start();
  f.openProject(f.folder.file("Counts/Counts.vbp"));
  QTreeWidget* list = f.window().lstProjectFiles;
  QCOMPARE(shownRows(list, true), (QStringList{"Ten.bas", "Nine.bas", "Hundred.bas"}));
  pressSpaceOn(list, 0);  // the tick travels with its row

  clickHeader(list->header(), 1);
  QCOMPARE(shownRows(list), (QStringList{"Nine.bas|9|0|x", "Ten.bas|10|0|-", "Hundred.bas|100|0|x"}));
  clickHeader(list->header(), 1);
  QCOMPARE(shownRows(list, true), (QStringList{"Hundred.bas", "Ten.bas", "Nine.bas"}));
  // The direction is shared: the next click, on another column, sorts ascending.
  clickHeader(list->header(), 0);
  QCOMPARE(shownRows(list, true), (QStringList{"Hundred.bas", "Nine.bas", "Ten.bas"}));

  // Next takes the ticked files in the order shown.
  f.goToOptionsPage(true);
  QVERIFY(f.window().txtSummary->toPlainText().startsWith(
      summaryOpening(f.folder.file("Counts/"), {"Hundred.bas", "Nine.bas"})));
}

void WizardWindowTest::ticksDriveSelectAllAndTheEmptySelectionNote() {
  WizardFixture f;
  f.start();
  f.openProject(f.billingProject());
  ui::frmMain& w = f.window();
  for (int row = 0; row < 4; ++row) {
    QVERIFY(w.lblNoFiles->isHidden());
    pressSpaceOn(w.lstProjectFiles, row);
  }
  QVERIFY(!shownRows(w.lstProjectFiles).join("").contains("|x"));
  QVERIFY(!w.lblNoFiles->isHidden());
  QCOMPARE(w.lblNoFiles->text(), QStringLiteral("No files selected."));
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Select All"));

  pressSpaceOn(w.lstProjectFiles, 1);
  QVERIFY(w.lblNoFiles->isHidden());
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));
  f.goToOptionsPage(true);
  QVERIFY(w.txtSummary->toPlainText().startsWith(summaryOpening(f.billingFolder(), {"modUtil.bas"})));

  QTest::mouseClick(w.cmdBack3, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack2, Qt::LeftButton);  // analyses again: ticks follow the coverage again
  QCOMPARE(w.pages->currentIndex(), 1);
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));
  for (const char* caption : {"Select All", "Deselect All"}) {
    QTest::mouseClick(w.cmdSelectAll, Qt::LeftButton);
    const bool ticked = QString(caption) == "Deselect All";
    QCOMPARE(shownRows(w.lstProjectFiles).join("").count(ticked ? "|x" : "|-"), 4);
    QCOMPARE(w.cmdSelectAll->text(), QString(caption));
    QCOMPARE(w.lblNoFiles->isHidden(), ticked);
  }
}

void WizardWindowTest::optionsEnableAndDisableTheirControls() {
  WizardFixture f;
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  ui::frmMain& w = f.window();
  const auto newCopy = [&w](const QString& enabled, const QString& compile) {
    return mismatches({SHOWN(w.cmdNewBrowse, "Browse" + enabled), SHOWN(w.chkCompile, compile + enabled)});
  };
  clickBox(w.optNew);
  VERIFY_SHOWN(SHOWN(w.optNew, "(o)"), SHOWN(w.optBackup, "( )"));
  QCOMPARE(newCopy("", "[ ]"), QString());
  QVERIFY(w.txtNewLoc->isEnabled());
  clickBox(w.chkCompile);
  clickBox(w.optBackup);
  QCOMPARE(newCopy(" (disabled)", "[x]"), QString());
  QVERIFY(!w.txtNewLoc->isEnabled());

  clickTab(w.tabOptions, 2);
  QCOMPARE(w.tabOptions->currentIndex(), 2);
  QVERIFY(!w.txtStartFrom->isEnabled());
  clickBox(w.chkNumbers);
  QVERIFY(w.txtStartFrom->isEnabled());

  // Entering a number box selects its text; leaving it with no number puts its default back.
  QTest::mouseClick(w.txtIgnore, Qt::LeftButton);
  QTRY_COMPARE(w.txtIgnore->selectedText(), QStringLiteral("0"));
  QTest::keyClicks(w.txtIgnore, "ab");
  QCOMPARE(w.txtIgnore->text(), QStringLiteral("ab"));
  QTest::mouseClick(w.txtStartFrom, Qt::LeftButton);
  QCOMPARE(w.txtIgnore->text(), QStringLiteral("0"));
  QTRY_COMPARE(w.txtStartFrom->selectedText(), QStringLiteral("10"));
  QTest::keyClicks(w.txtStartFrom, "2.5");
  QTest::mouseClick(w.txtIgnore, Qt::LeftButton);
  QCOMPARE(w.txtStartFrom->text(), QStringLiteral("2.5"));

  // Once the run has inserted code, deleting it is offered, and it closes the advanced tab.
  clickTab(w.tabOptions, 0);
  QTest::mouseClick(w.cmdLoad4, Qt::LeftButton);
  f.runAndGoBack();
  f.goToOptionsPage();
  clickBox(w.optDelete);
  VERIFY_SHOWN(SHOWN(w.optDelete, "(o)"), SHOWN(w.optAdd, "( )"));
  QVERIFY(!w.tabOptions->isTabEnabled(2));
  clickTab(w.tabOptions, 2);
  QCOMPARE(w.tabOptions->currentIndex(), 0);
  clickBox(w.optAdd);
  QVERIFY(w.tabOptions->isTabEnabled(2));
}

void WizardWindowTest::aProjectPathOnTheCommandLineOpensOnTheFilesPage() {
  WizardFixture f;
  ui::WizardSetup setup = f.setup();
  setup.guideFolder = f.folder.file("guide/");
  ui::WizardSession session(std::move(setup));
  session.start(CommandLine::fromWords({f.billingProject()}));
  ui::frmMain& w = session.window();
  QCOMPARE(w.pages->currentIndex(), 1);
  QCOMPARE(w.lstProjectFiles->topLevelItemCount(), 4);
  QCOMPARE(w.cmbRecent->itemText(0), QString::fromStdString(f.billingProject()));
  // F1 hands the link opener the guide's page of the focused control's topic.
  std::vector<std::string> opened;
  w.setLinkOpener([&opened](const std::string& link) { opened.push_back(link); });
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(w.helpTopic(), 200);
  w.cmdLoad3->setFocus();
  QCOMPARE(w.helpTopic(), 300);
  QTest::keyClick(&w, Qt::Key_F1);
  QCOMPARE(opened, std::vector<std::string>{f.folder.file("guide/options.html")});
}

// Enter as the keyboard gives it: to whatever has the focus, passed on up.
void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

void WizardWindowTest::enterPressesAFocusedButtonOrThePagesDefaultAndEscapeQuits() {
  WizardFixture f;
  f.start();
  ui::frmMain& w = f.window();
  f.dialogs.fileAnswers.push_back({f.billingProject()});
  QTest::mouseClick(w.cmdBrowse, Qt::LeftButton);
  w.cmbRecent->setFocus();
  pressEnter();
  QCOMPARE(w.pages->currentIndex(), 1);
  w.cmdBack1->setFocus();  // a focused button takes the key itself
  pressEnter();
  QCOMPARE(w.pages->currentIndex(), 0);
  QTest::mouseClick(w.cmdLoad2, Qt::LeftButton);
  w.lstProjectFiles->setFocus();
  pressEnter();
  QCOMPARE(w.pages->currentIndex(), 2);

  // A number box left by Enter is checked before the page is left.
  clickTab(w.tabOptions, 2);
  QTest::mouseClick(w.txtIgnore, Qt::LeftButton);
  QTest::keyClicks(w.txtIgnore, "5d1");
  pressEnter();
  QCOMPARE(w.pages->currentIndex(), 3);
  QCOMPARE(w.txtIgnore->text(), QStringLiteral("0"));

  w.txtSummary->setFocus();
  pressEnter();
  QVERIFY(w.cmdBegin->isHidden());
  QVERIFY(w.txtSummary->toPlainText().contains(QStringLiteral("\nUpdate completed in ")));
  pressEnter();  // Begin is gone: nothing happens
  QCOMPARE(w.pages->currentIndex(), 3);

  bool quit = false;
  w.setQuitAction([&quit] { quit = true; });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(quit);
}

// Every line the label shows fits in its width.
bool linesFit(const QLabel* label) {
  const int room = label->contentsRect().width() - label->indent() - 2 * label->margin();
  for (const QString& line : label->text().split(QLatin1Char('\n'))) {
    if (label->fontMetrics().horizontalAdvance(line) > room) return false;
  }
  return true;
}

void WizardWindowTest::projectDetailsAndLongPathsAreNeverCutOffUnseen() {
  WizardFixture f;
  const std::string folder = "A folder with a long name to show in the recent projects list/HarrowLaneInventory/";
  f.folder.write(folder + "HarrowLaneInventory.vbp",
                 crlf({"Type=OleDll", "Module=m; m.bas", "Name=\"HarrowLaneInventory\"", "MajorVer=12",
                       "MinorVer=345", "RevisionVer=6789"}));
  f.folder.write(folder + "m.bas", crlf({"Attribute VB_Name = \"m\"", "Sub A()", "End Sub"}));
  f.folder.makeFolder(folder + "Backup on 05 Dec at 14-03-27");
  const QString project = QString::fromStdString(f.folder.file(folder + "HarrowLaneInventory.vbp"));
  f.start();
  ui::frmMain& w = f.window();
  f.dialogs.fileAnswers.push_back({project.toStdString()});
  QTest::mouseClick(w.cmdBrowse, Qt::LeftButton);
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
  QTest::mouseClick(w.cmdLoad2, Qt::LeftButton);
  f.goToOptionsPage();
  clickBox(w.optNew);
  w.cmdLoad4->setFocus();
  QCOMPARE(w.txtNewLoc->toolTip(), w.txtNewLoc->text());
  QVERIFY(w.txtNewLoc->shownText().startsWith(QStringLiteral("/")));
  QVERIFY(w.txtNewLoc->shownText().endsWith(QStringLiteral("14-03-27")));
}

}  // namespace qm::testing

QObject* makeWizardWindowTest() { return new qm::testing::WizardWindowTest; }

#include "wizard_window_test.moc"
