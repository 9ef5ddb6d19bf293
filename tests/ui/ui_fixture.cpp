#include "ui_fixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "settings/registry.h"
#include "ui/frm_main.h"

namespace qm::testing {

void UiDialogs::messageBox(std::string_view text, std::string_view title) {
  messages.push_back(std::string(title) + ": " + std::string(text));
}

std::vector<std::string> UiDialogs::openFile(const FileDialogRequest&) {
  if (fileAnswers.empty()) return {};
  std::vector<std::string> answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> UiDialogs::inputBox(std::string_view, std::string_view, std::string_view) {
  if (inputAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

void copyExamples(const TempFolder& folder) {
  namespace fs = std::filesystem;
  const fs::path examples = fs::path(exampleFolder()).parent_path().parent_path();
  fs::copy(examples, folder.path(), fs::copy_options::recursive);
}

WizardFixture::WizardFixture() {
  copyExamples(folder);
  folder.makeFolder("program");
  folder.makeFolder("work");
  clock.step = 50;  // waits measured on the clock come to an end
  session_ = std::make_unique<ui::WizardSession>(ui::WizardSetup{
      files, folder.file("program/"), folder.file("work/"), settings, clock, launcher, &dialogs});
  session_->window().setQuitAction([] {});
  session_->window().setLinkOpener([](const std::string&) {});
}

WizardFixture::~WizardFixture() { session_.reset(); }

void WizardFixture::start() {
  session_->start(CommandLine::fromWords({}));
  window().show();
  QApplication::setActiveWindow(&window());
  if (!QTest::qWaitForWindowActive(&window())) qWarning("the wizard window did not become active");
}

void WizardFixture::openProject(const std::string& project) {
  dialogs.fileAnswers.push_back({project});
  QTest::mouseClick(window().cmdBrowse, Qt::LeftButton);
  QTest::mouseClick(window().cmdLoad2, Qt::LeftButton);
}

void WizardFixture::goToOptionsPage() { QTest::mouseClick(window().cmdLoad3, Qt::LeftButton); }

void WizardFixture::goToApplyPage() { QTest::mouseClick(window().cmdLoad4, Qt::LeftButton); }

std::string WizardFixture::setting(std::string_view name) const {
  return GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", name, "");
}

void clickHeader(QHeaderView* header, int section) {
  const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void onNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  auto* waited = new int(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr || ++*waited > 200) {
      timer->stop();
      timer->deleteLater();
      delete waited;
      if (modal != nullptr) action(modal);
    }
  });
  timer->start(20);
}

}  // namespace qm::testing
