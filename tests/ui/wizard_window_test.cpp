// The wizard window driven as a person drives it: clicks on its buttons,
// headers, check boxes and tabs, and what every widget shows afterwards.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "ui/frm_main.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace qm::testing {
namespace {

struct ShownRow {
  QString name, procedures, coverage;
  bool ticked;
};

std::vector<ShownRow> shownRows(const QTreeWidget* list) {
  std::vector<ShownRow> rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    rows.push_back({item->text(0), item->text(1), item->text(2), item->checkState(0) == Qt::Checked});
  }
  return rows;
}

QStringList shownNames(const QTreeWidget* list) {
  QStringList names;
  for (const ShownRow& row : shownRows(list)) names << row.name;
  return names;
}

// A module of `count` one-line procedures, none handling errors.
std::string moduleWith(int count, std::string_view name) {
  std::string text = "Attribute VB_Name = \"" + std::string(name) + "\"\r\nOption Explicit\r\n";
  for (int i = 1; i <= count; ++i) {
    text += "Public Sub Step" + std::to_string(i) + "()\r\n    Debug.Print " + std::to_string(i) + "\r\nEnd Sub\r\n";
  }
  return text;
}

void pressSpaceOn(QTreeWidget* list, int row) {
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(row));
  QTest::keyClick(list, Qt::Key_Space);
}

// Check boxes and option buttons take clicks on their box and caption only.
void clickBox(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

void clickTab(QTabWidget* tabs, int index) {
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
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
};

void WizardWindowTest::clickThroughAllFourPages() {
  WizardFixture f;
  f.start();
  ui::frmMain& w = f.window();

  QCOMPARE(w.windowTitle(), QStringLiteral("Trapwise"));
  QCOMPARE(w.pages->currentIndex(), 0);
  QCOMPARE(w.lblTitles[0]->text(), QStringLiteral("1.  Choose your project"));
  QCOMPARE(w.lblProjectDetails->text(), QStringLiteral("No project selected."));
  QVERIFY(!w.cmdLoad2->isEnabled());
  QVERIFY(w.shpRollBack->isHidden());

  f.dialogs.fileAnswers.push_back({f.billingProject()});
  QTest::mouseClick(w.cmdBrowse, Qt::LeftButton);
  QVERIFY(w.cmdLoad2->isEnabled());
  QCOMPARE(w.lblTitles[5]->text(), QStringLiteral("Project details: Billing.vbp"));
  QVERIFY(w.lblProjectDetails->text().startsWith(QStringLiteral("Project Name: Billing\nProject Type: Exe\n")));
  QCOMPARE(w.cmbRecent->currentText(), QString::fromStdString(f.billingProject()));

  QTest::mouseClick(w.cmdLoad2, Qt::LeftButton);
  QCOMPARE(w.pages->currentIndex(), 1);
  QCOMPARE(w.lblTitles[1]->text(), QStringLiteral("2. Analyzing your project"));
  QCOMPARE(w.lstProjectFiles->headerItem()->text(0), QStringLiteral("Name"));
  QCOMPARE(w.lstProjectFiles->headerItem()->text(1), QStringLiteral("Procedures"));
  QCOMPARE(w.lstProjectFiles->headerItem()->text(2), QStringLiteral("Coverage (%)"));
  const std::vector<ShownRow> expected = {{"Forms\\frmMain.frm", "6", "17", true},
                                          {"modUtil.bas", "6", "33", true},
                                          {"clsInvoice.cls", "6", "17", true},
                                          {"..\\Shared\\modShared.bas", "2", "50", true}};
  const std::vector<ShownRow> rows = shownRows(w.lstProjectFiles);
  QCOMPARE(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    QCOMPARE(rows[i].name, expected[i].name);
    QCOMPARE(rows[i].procedures, expected[i].procedures);
    QCOMPARE(rows[i].coverage, expected[i].coverage);
    QCOMPARE(rows[i].ticked, expected[i].ticked);
  }
  QVERIFY(!w.lstProjectFiles->isHidden());
  QVERIFY(w.barProgress->isHidden());
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));
  QVERIFY(w.lblNoFiles->isHidden());

  f.goToOptionsPage();
  QCOMPARE(w.pages->currentIndex(), 2);
  QCOMPARE(w.lblTitles[6]->text(), QStringLiteral("3. Set the options [Current style: Simple]"));
  QCOMPARE(w.tabOptions->currentIndex(), 0);
  QVERIFY(w.optAdd->isChecked());
  QVERIFY(w.optBackup->isChecked());
  QVERIFY(!w.optNew->isChecked());
  QVERIFY(!w.txtNewLoc->isEnabled());
  QCOMPARE(w.txtNewLoc->text(), QString::fromStdString(f.billingFolder() + "New copy created 05 Dec at 14-03-27"));
  QCOMPARE(w.flbRoutines->currentItem()->text(), QStringLiteral("Simple.style"));
  QVERIFY(!w.cmdDeleteStyle->isEnabled());

  f.goToApplyPage();
  QCOMPARE(w.pages->currentIndex(), 3);
  QCOMPARE(w.lblTitles[4]->text(), QStringLiteral("4. Apply the changes"));
  QCOMPARE(w.lblTitles[12]->text(), QStringLiteral("Summary"));
  const QString folder = QString::fromStdString(f.billingFolder());
  QCOMPARE(w.txtSummary->toPlainText(),
           QStringLiteral("Add error checking to the following files: \n") + folder + "Forms\\frmMain.frm\n" + folder +
               "modUtil.bas\n" + folder + "clsInvoice.cls\n" + folder + "..\\Shared\\modShared.bas\n" +
               "Using the Simple.style style\n\nClick 'Begin' to begin the procedure...");
  QVERIFY(!w.cmdBegin->isHidden());
  QCOMPARE(w.cmdBegin->text(), QStringLiteral("Begin"));
  QVERIFY(w.barMain->isHidden());

  QTest::mouseClick(w.cmdBegin, Qt::LeftButton);
  const QStringList lines = w.txtSummary->toPlainText().split(QLatin1Char('\n'));
  QVERIFY2(lines.last().startsWith(QStringLiteral("Update completed in ")), qPrintable(lines.last()));
  QVERIFY(lines.last().endsWith(QStringLiteral(" seconds.")));
  QVERIFY(w.cmdBegin->isHidden());
  QVERIFY(w.barMain->isHidden());
  QCOMPARE(w.txtSummary->verticalScrollBar()->value(), w.txtSummary->verticalScrollBar()->maximum());
  QVERIFY(f.folder.read("Billing/Forms/frmMain.frm").find("On Error GoTo ErrorHandler") != std::string::npos);
}

void WizardWindowTest::headerClicksSortByValueAndFlipDirection() {
  WizardFixture f;
  f.folder.write("Counts/Counts.vbp", crlf({"Type=Exe", "Module=Ten; Ten.bas", "Module=Nine; Nine.bas",
                                             "Module=Hundred; Hundred.bas", "Name=\"Counts\""}));
  f.folder.write("Counts/Ten.bas", moduleWith(10, "Ten"));
  f.folder.write("Counts/Nine.bas", moduleWith(9, "Nine"));
  f.folder.write("Counts/Hundred.bas", moduleWith(100, "Hundred"));
  f.start();
  f.openProject(f.folder.file("Counts/Counts.vbp"));
  ui::frmMain& w = f.window();
  QCOMPARE(shownNames(w.lstProjectFiles), (QStringList{"Ten.bas", "Nine.bas", "Hundred.bas"}));
  pressSpaceOn(w.lstProjectFiles, 0);  // the tick travels with its row
  QCOMPARE(w.lstProjectFiles->topLevelItem(0)->checkState(0), Qt::Unchecked);

  clickHeader(w.lstProjectFiles->header(), 1);
  QCOMPARE(shownNames(w.lstProjectFiles), (QStringList{"Nine.bas", "Ten.bas", "Hundred.bas"}));
  std::vector<ShownRow> rows = shownRows(w.lstProjectFiles);
  QCOMPARE(rows[0].procedures, QStringLiteral("9"));
  QCOMPARE(rows[1].procedures, QStringLiteral("10"));
  QCOMPARE(rows[2].procedures, QStringLiteral("100"));
  QVERIFY(!rows[1].ticked);
  QVERIFY(rows[0].ticked && rows[2].ticked);

  clickHeader(w.lstProjectFiles->header(), 1);
  QCOMPARE(shownNames(w.lstProjectFiles), (QStringList{"Hundred.bas", "Ten.bas", "Nine.bas"}));

  // The direction is shared: the next click, on another column, sorts ascending.
  clickHeader(w.lstProjectFiles->header(), 0);
  QCOMPARE(shownNames(w.lstProjectFiles), (QStringList{"Hundred.bas", "Nine.bas", "Ten.bas"}));

  // Next takes the ticked files in the order shown.
  f.goToOptionsPage();
  f.goToApplyPage();
  const QString folder = QString::fromStdString(f.folder.file("Counts/"));
  QVERIFY(w.txtSummary->toPlainText().startsWith(QStringLiteral("Add error checking to the following files: \n") +
                                                  folder + "Hundred.bas\n" + folder + "Nine.bas\nUsing the "));
}

void WizardWindowTest::ticksDriveSelectAllAndTheEmptySelectionNote() {
  WizardFixture f;
  f.start();
  f.openProject(f.billingProject());
  ui::frmMain& w = f.window();

  for (int row = 0; row < 4; ++row) {
    QVERIFY(w.lblNoFiles->isHidden());
    pressSpaceOn(w.lstProjectFiles, row);
    QCOMPARE(w.lstProjectFiles->topLevelItem(row)->checkState(0), Qt::Unchecked);
  }
  QVERIFY(!w.lblNoFiles->isHidden());
  QCOMPARE(w.lblNoFiles->text(), QStringLiteral("No files selected."));
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Select All"));

  pressSpaceOn(w.lstProjectFiles, 1);
  QVERIFY(w.lblNoFiles->isHidden());
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));

  f.goToOptionsPage();
  f.goToApplyPage();
  QVERIFY(w.txtSummary->toPlainText().startsWith(QStringLiteral("Add error checking to the following files: \n") +
                                                  QString::fromStdString(f.billingFolder()) + "modUtil.bas\nUsing the "));

  QTest::mouseClick(w.cmdBack3, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack2, Qt::LeftButton);  // analyses again: ticks follow the coverage again
  QCOMPARE(w.pages->currentIndex(), 1);
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));
  QTest::mouseClick(w.cmdSelectAll, Qt::LeftButton);
  for (const ShownRow& row : shownRows(w.lstProjectFiles)) QVERIFY(!row.ticked);
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Select All"));
  QVERIFY(!w.lblNoFiles->isHidden());
  QTest::mouseClick(w.cmdSelectAll, Qt::LeftButton);
  for (const ShownRow& row : shownRows(w.lstProjectFiles)) QVERIFY(row.ticked);
  QCOMPARE(w.cmdSelectAll->text(), QStringLiteral("Deselect All"));
  QVERIFY(w.lblNoFiles->isHidden());
}

void WizardWindowTest::optionsEnableAndDisableTheirControls() {
  WizardFixture f;
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  ui::frmMain& w = f.window();

  QVERIFY(!w.optDelete->isEnabled());  // nothing inserted yet
  clickBox(w.optNew);
  QVERIFY(w.optNew->isChecked() && !w.optBackup->isChecked());
  QVERIFY(w.txtNewLoc->isEnabled() && w.cmdNewBrowse->isEnabled() && w.chkCompile->isEnabled());
  clickBox(w.chkCompile);
  clickBox(w.optBackup);
  QVERIFY(!w.txtNewLoc->isEnabled() && !w.cmdNewBrowse->isEnabled() && !w.chkCompile->isEnabled());
  QVERIFY(w.chkCompile->isChecked());

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
  f.goToApplyPage();
  QTest::mouseClick(w.cmdBegin, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack3, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack2, Qt::LeftButton);
  f.goToOptionsPage();
  QVERIFY(w.optDelete->isEnabled());
  clickBox(w.optDelete);
  QVERIFY(!w.tabOptions->isTabEnabled(2));
  clickTab(w.tabOptions, 2);
  QCOMPARE(w.tabOptions->currentIndex(), 0);
  clickBox(w.optAdd);
  QVERIFY(w.tabOptions->isTabEnabled(2));
}

void WizardWindowTest::aProjectPathOnTheCommandLineOpensOnTheFilesPage() {
  WizardFixture f;
  ui::WizardSession session(
      {f.files, f.folder.file("program/"), f.folder.file("work/"), f.settings, f.clock, f.launcher, &f.dialogs});
  session.start(CommandLine::fromWords({f.billingProject()}));
  ui::frmMain& w = session.window();
  QCOMPARE(w.pages->currentIndex(), 1);
  QCOMPARE(w.lstProjectFiles->topLevelItemCount(), 4);
  QCOMPARE(w.cmbRecent->itemText(0), QString::fromStdString(f.billingProject()));
  // F1 on this page opens the help file from the program's folder.
  std::vector<std::string> opened;
  w.setLinkOpener([&opened](const std::string& link) { opened.push_back(link); });
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(w.helpTopic(), 200);
  w.cmdLoad3->setFocus();
  QCOMPARE(w.helpTopic(), 300);
  QTest::keyClick(&w, Qt::Key_F1);
  QCOMPARE(opened, std::vector<std::string>{f.folder.file("program/QMR Help.chm")});
}

std::unique_ptr<QObject> makeWizardWindowTest() { return std::make_unique<WizardWindowTest>(); }

}  // namespace qm::testing

#include "wizard_window_test.moc"
