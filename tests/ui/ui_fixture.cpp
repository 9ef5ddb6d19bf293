#include "ui_fixture.h"

#include <filesystem>

#include "settings/registry.h"

namespace qm::testing {

std::vector<std::string> UiDialogs::openFile(const FileDialogRequest&) {
  if (fileAnswers.empty()) return {};
  std::vector<std::string> answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

WizardFixture::WizardFixture(bool realEditorDialogs) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(exampleFolder()).parent_path().parent_path(), folder.path(), fs::copy_options::recursive);
  folder.makeFolder("program");
  folder.makeFolder("work");
  clock.step = 50;  // waits measured on the clock come to an end
  session_ = std::make_unique<ui::WizardSession>(setup(realEditorDialogs));
  window().setQuitAction([] {});
  window().setLinkOpener([](const std::string&) {});
}

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

void WizardFixture::goToOptionsPage(bool toApply) {
  QTest::mouseClick(window().cmdLoad3, Qt::LeftButton);
  if (toApply) QTest::mouseClick(window().cmdLoad4, Qt::LeftButton);
}

void WizardFixture::runAndGoBack() {
  QTest::mouseClick(window().cmdBegin, Qt::LeftButton);
  QTest::mouseClick(window().cmdBack3, Qt::LeftButton);
  QTest::mouseClick(window().cmdBack2, Qt::LeftButton);
}

std::string WizardFixture::setting(std::string_view name) const {
  return GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", name, "");
}

void clickBox(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

void clickHeader(QHeaderView* header, int section) {
  const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void clickTab(QTabWidget* tabs, int index) {
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

QString shown(const QWidget* widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    text = label->text();
  } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
    text = check->isChecked() ? "[x]" : "[ ]";
  } else if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
    text = option->isChecked() ? "(o)" : "( )";
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    text = button->text();
  } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
    text = line->text();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    text = combo->currentText();
  }
  if (!widget->isEnabled()) text += " (disabled)";
  if (widget->isHidden()) text += " (hidden)";
  return text;
}

QString mismatches(std::initializer_list<ShownRow> rows) {
  QString out;
  for (const ShownRow& row : rows) {
    if (row.shown == row.expected) continue;
    out += QStringLiteral("%1 shows '%2', not '%3'\n").arg(row.widget, row.shown, row.expected);
  }
  return out;
}

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

}  // namespace qm::testing
