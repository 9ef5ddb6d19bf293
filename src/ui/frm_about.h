// The About window: the product's name and version, a short description,
// the disclaimer, where the user guide is (a link that opens it), and links
// to the maker's web page and mail address.
// It blocks nothing; the wizard stays usable while it is open.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;

namespace qm::ui {

class ClickableLabel;

// "Version " + major.minor.revision of this build.
QString versionText();

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  using LinkOpener = std::function<void(const std::string&)>;
  // `openLink` hands a link to the desktop (OpenWebLink unless a test watches);
  // `guideFile` is the user guide's start, "" when there is none.
  explicit frmAbout(QWidget* parent = nullptr, LinkOpener openLink = {}, std::string guideFile = {});

  QLabel* lblName = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblInfo = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblWarning = nullptr;
  QLabel* lblCopyright = nullptr;
  ClickableLabel* lblVisit = nullptr;
  ClickableLabel* lblLink = nullptr;
  ClickableLabel* lblGuide = nullptr;
  ClickableLabel* imgQuit = nullptr;
  QLabel* imgIcon = nullptr;
  QLabel* imgWeb = nullptr;
  QLabel* imgMail = nullptr;

 public Q_SLOTS:
  void lblVisit_Click();
  void lblLink_Click();
  void lblGuide_Click();
  void imgQuit_Click();

 private:
  void Form_Load();
  LinkOpener openLink_;
  std::string guideFile_;
};

}  // namespace qm::ui
