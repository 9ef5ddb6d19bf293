// The small windows: About, the roll-back warning and the folder browser.
#include "ui_fixture.h"

namespace qm::testing {
namespace {

// The example project after a run with a backup, back on page 1 where the
// roll-back panel now offers that backup.
void runOnceAndGoBack(WizardFixture& f) {
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage(true);
  f.runAndGoBack();
  QTest::mouseClick(f.window().cmdBack1, Qt::LeftButton);
}

// Presses Roll Back and answers the warning, when it comes: ticks its box
// when asked, then presses OK or Cancel. Whether it came, unticked.
bool rollBackAnswering(WizardFixture& f, bool tick, bool ok) {
  auto seenUnticked = std::make_shared<bool>(false);
  onNextModal([tick, ok, seenUnticked](QWidget* modal) {
    auto* warning = qobject_cast<ui::frmWarning*>(modal);
    if (warning == nullptr) return;
    *seenUnticked = !warning->chkWarning->isChecked();
    if (tick) clickBox(warning->chkWarning);
    QTest::mouseClick(ok ? warning->OKButton : warning->CancelButton, Qt::LeftButton);
  });
  QTest::mouseClick(f.window().cmdRollback, Qt::LeftButton);
  return *seenUnticked;
}

bool holdsInsertedCode(const WizardFixture& f) {
  return f.folder.read("Billing/modUtil.bas").find("'SE******") != std::string::npos;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aboutShowsTheProductAndOpensTheMakersLinks();
  void dontShowAgainWithCancelStoresNothing();
  void dontShowAgainWithOkIsRememberedAndRollsBack();
  void theFolderBrowserFillsTheNewCopyFolder();
};

void DialogsTest::aboutShowsTheProductAndOpensTheMakersLinks() {
  std::vector<std::string> opened;
  ui::frmAbout about(nullptr, [&opened](const std::string& link) { opened.push_back(link); }, "/opt/q/help/index.html");
  about.show();
  QCOMPARE(about.windowTitle(), QStringLiteral("About Trapwise"));
  QCOMPARE(about.lblName->text(), QStringLiteral("Quillmere"));
  QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.1.13"));
  QVERIFY(about.lblInfo->text().startsWith(
      QStringLiteral("Quillmere adds routines to your Visual Basic projects using a simple 4 stage wizard.")));
  QCOMPARE(about.lblTitle->text(), QStringLiteral("Warning:"));
  QTest::mouseClick(about.lblVisit, Qt::LeftButton);
  QTest::mouseClick(about.lblLink, Qt::LeftButton);
  // It says where the user guide is, and opens it.
  QVERIFY(about.lblGuide->isVisible() && about.lblGuide->text().endsWith(QStringLiteral("/opt/q/help/index.html")));
  QTest::mouseClick(about.lblGuide, Qt::LeftButton);
  QCOMPARE(opened.size(), std::size_t{3});
  QCOMPARE(opened[0], std::string("http://www.oskavel.example"));
  QVERIFY(opened[1].starts_with("mailto:"));
  QCOMPARE(opened[2], std::string("/opt/q/help/index.html"));
  QTest::mouseClick(about.imgQuit, Qt::LeftButton);
  QVERIFY(!about.isVisible());

  // Every page's logo opens it, once: a second click brings the same window forward.
  WizardFixture f;
  f.start();
  QCOMPARE(f.window().imgVeltane[0]->toolTip(), QStringLiteral("About Oskavel Software"));
  QTest::mouseClick(f.window().imgVeltane[0], Qt::LeftButton);
  ui::frmAbout* shown = f.window().aboutWindow();
  QVERIFY(shown != nullptr && shown->isVisible());
  QTest::mouseClick(f.window().imgVeltane[0], Qt::LeftButton);
  QCOMPARE(f.window().aboutWindow(), shown);
}

void DialogsTest::dontShowAgainWithCancelStoresNothing() {
  WizardFixture f;
  runOnceAndGoBack(f);
  QVERIFY(!f.window().shpRollBack->isHidden());
  QVERIFY(holdsInsertedCode(f));
  QVERIFY(rollBackAnswering(f, true, false));
  QCOMPARE(f.setting("ShowWarning"), std::string());
  QVERIFY(f.logic().session.bShowWarning);
  QVERIFY(holdsInsertedCode(f));                // nothing rolled back
  QVERIFY(rollBackAnswering(f, false, false));  // it asks again next time
}

void DialogsTest::dontShowAgainWithOkIsRememberedAndRollsBack() {
  WizardFixture f;
  runOnceAndGoBack(f);
  QVERIFY(rollBackAnswering(f, true, true));
  QCOMPARE(f.setting("ShowWarning"), std::string("False"));
  QVERIFY(!f.logic().session.bShowWarning);
  QVERIFY(!holdsInsertedCode(f));
  QVERIFY(!rollBackAnswering(f, false, false));  // the next roll back goes ahead without asking
}

void DialogsTest::theFolderBrowserFillsTheNewCopyFolder() {
  WizardFixture f;
  f.folder.makeFolder("program/Copies");
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  ui::frmMain& w = f.window();
  clickBox(w.optNew);

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);
  ui::frmBrowse* browse = w.browseWindow();
  QVERIFY(browse != nullptr && browse->isVisible());
  QCOMPARE(browse->windowTitle(), QStringLiteral("Select Folder"));
  QVERIFY(browse->drvDrive->count() > 0);
  const QString program = QString::fromStdString(f.folder.file("program"));
  QCOMPARE(browse->lblPath->text(), program);
  // The tree is open at that folder at once, with nothing read in the background.
  QVERIFY(browse->dirFolder->currentItem() != nullptr);
  QCOMPARE(browse->dirFolder->currentItem()->text(0), QStringLiteral("program"));
  QCOMPARE(browse->dirFolder->currentItem()->childCount(), 1);
  QCOMPARE(browse->dirFolder->currentItem()->child(0)->text(0), QStringLiteral("Copies"));
  QTest::mouseClick(browse->cmdSelect, Qt::LeftButton);  // untouched: the program's folder
  QCOMPARE(w.txtNewLoc->text(), program);

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);
  browse = w.browseWindow();
  browse->dirFolder_Change(program + "/Copies");  // what a double click on it does
  QCOMPARE(browse->lblPath->text(), program + "/Copies");
  clickBox(w.optBackup);  // the box is disabled now, and still filled
  QTest::mouseClick(browse->cmdSelect, Qt::LeftButton);
  QCOMPARE(w.txtNewLoc->text(), program + "/Copies");
  QVERIFY(!w.txtNewLoc->isEnabled());

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);  // disabled: nothing opens
  QTRY_VERIFY(w.browseWindow() == nullptr);
}

}  // namespace qm::testing

QObject* makeDialogsTest() { return new qm::testing::DialogsTest; }

#include "dialogs_test.moc"
