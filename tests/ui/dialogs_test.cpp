// The small windows: About, the roll-back warning and the folder browser.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "ui/clickable_label.h"
#include "ui/frm_about.h"
#include "ui/frm_browse.h"
#include "ui/frm_main.h"
#include "ui/frm_warning.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace qm::testing {
namespace {

// The example project after a run with a backup, back on page 1 where the
// roll-back panel now offers that backup.
void runOnceAndGoBack(WizardFixture& f) {
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  f.goToApplyPage();
  ui::frmMain& w = f.window();
  QTest::mouseClick(w.cmdBegin, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack3, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack2, Qt::LeftButton);
  QTest::mouseClick(w.cmdBack1, Qt::LeftButton);
}

// Answers the warning: ticks its box when asked, then presses OK or Cancel.
void answerWarning(bool tick, bool ok, std::shared_ptr<bool> seenUnticked) {
  onNextModal([tick, ok, seenUnticked](QWidget* modal) {
    auto* warning = qobject_cast<ui::frmWarning*>(modal);
    if (warning == nullptr) return;
    *seenUnticked = !warning->chkWarning->isChecked();
    if (tick) QTest::mouseClick(warning->chkWarning, Qt::LeftButton, {}, QPoint(6, warning->chkWarning->height() / 2));
    QTest::mouseClick(ok ? warning->OKButton : warning->CancelButton, Qt::LeftButton);
  });
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
  ui::frmAbout about(nullptr, [&opened](const std::string& link) { opened.push_back(link); });
  about.show();
  QCOMPARE(about.windowTitle(), QStringLiteral("About Trapwise"));
  QCOMPARE(about.lblName->text(), QStringLiteral("Quillmere"));
  QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.1.13"));
  QVERIFY(about.lblInfo->text().startsWith(
      QStringLiteral("Quillmere adds routines to your Visual Basic projects using a simple 4 stage wizard.")));
  QCOMPARE(about.lblTitle->text(), QStringLiteral("Warning:"));
  QTest::mouseClick(about.lblVisit, Qt::LeftButton);
  QTest::mouseClick(about.lblLink, Qt::LeftButton);
  QCOMPARE(opened.size(), std::size_t{2});
  QCOMPARE(QString::fromStdString(opened[0]), QStringLiteral("http://www.oskavel.example"));
  QVERIFY(QString::fromStdString(opened[1]).startsWith(QStringLiteral("mailto:")));
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
  ui::frmMain& w = f.window();
  QVERIFY(!w.shpRollBack->isHidden());
  QVERIFY(holdsInsertedCode(f));

  auto unticked = std::make_shared<bool>(false);
  answerWarning(true, false, unticked);
  QTest::mouseClick(w.cmdRollback, Qt::LeftButton);
  QVERIFY(*unticked);
  QCOMPARE(f.setting("ShowWarning"), std::string());
  QVERIFY(f.logic().bShowWarning);
  QVERIFY(holdsInsertedCode(f));  // nothing rolled back

  // It asks again next time.
  auto askedAgain = std::make_shared<bool>(false);
  answerWarning(false, false, askedAgain);
  QTest::mouseClick(w.cmdRollback, Qt::LeftButton);
  QVERIFY(*askedAgain);
}

void DialogsTest::dontShowAgainWithOkIsRememberedAndRollsBack() {
  WizardFixture f;
  runOnceAndGoBack(f);
  ui::frmMain& w = f.window();
  auto unticked = std::make_shared<bool>(false);
  answerWarning(true, true, unticked);
  QTest::mouseClick(w.cmdRollback, Qt::LeftButton);
  QVERIFY(*unticked);
  QCOMPARE(f.setting("ShowWarning"), std::string("False"));
  QVERIFY(!f.logic().bShowWarning);
  QVERIFY(!holdsInsertedCode(f));

  // The next roll back goes ahead without asking.
  auto asked = std::make_shared<bool>(false);
  answerWarning(false, false, asked);
  QTest::mouseClick(w.cmdRollback, Qt::LeftButton);
  QVERIFY(!*asked);
}

void DialogsTest::theFolderBrowserFillsTheNewCopyFolder() {
  WizardFixture f;
  f.folder.makeFolder("program/Copies");
  f.start();
  f.openProject(f.billingProject());
  f.goToOptionsPage();
  ui::frmMain& w = f.window();
  QTest::mouseClick(w.optNew, Qt::LeftButton, {}, QPoint(6, w.optNew->height() / 2));

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);
  ui::frmBrowse* browse = w.browseWindow();
  QVERIFY(browse != nullptr && browse->isVisible());
  QCOMPARE(browse->windowTitle(), QStringLiteral("Select Folder"));
  QVERIFY(browse->drvDrive->count() > 0);
  const QString program = QString::fromStdString(f.folder.file("program"));
  QCOMPARE(browse->lblPath->text(), program);
  QTest::mouseClick(browse->cmdSelect, Qt::LeftButton);  // untouched: the program's folder
  QCOMPARE(w.txtNewLoc->text(), program);

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);
  browse = w.browseWindow();
  browse->dirFolder_Change(program + "/Copies");  // what a double click on it does
  QCOMPARE(browse->lblPath->text(), program + "/Copies");
  QTest::mouseClick(w.optBackup, Qt::LeftButton, {}, QPoint(6, w.optBackup->height() / 2));  // the box is disabled now, and still filled
  QTest::mouseClick(browse->cmdSelect, Qt::LeftButton);
  QCOMPARE(w.txtNewLoc->text(), program + "/Copies");
  QVERIFY(!w.txtNewLoc->isEnabled());

  QTest::mouseClick(w.cmdNewBrowse, Qt::LeftButton);  // disabled: nothing opens
  QTRY_VERIFY(w.browseWindow() == nullptr);
}

std::unique_ptr<QObject> makeDialogsTest() { return std::make_unique<DialogsTest>(); }

}  // namespace qm::testing

#include "dialogs_test.moc"
