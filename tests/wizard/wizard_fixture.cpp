#include "wizard/wizard_fixture.h"

#include <filesystem>

#include "settings/registry.h"

namespace qm::testing {

WizardTest::WizardTest() : workspace{files, root.path() + "program/", root.path() + "work/"} {
  root.makeFolder("program");
  root.makeFolder("work");
  std::filesystem::copy(exampleFolder() + "../", root.path() + "projects", std::filesystem::copy_options::recursive);
}

MainWindow& WizardTest::newWindow() {
  window.reset();
  window = std::make_unique<MainWindow>(
      MainWindowServices{workspace, settings, clock, launcher, dialogs, view, [this] { ++yields; }});
  return *window;
}

StartUpOutcome WizardTest::start(const CommandLine& commandLine) {
  newWindow();
  return window->Form_Load(commandLine);
}

std::string WizardTest::writeProject(const std::string& folder, const std::vector<std::string>& memberLines,
                                     const std::vector<std::pair<std::string, std::string>>& sources) const {
  std::string text = "Type=Exe\r\n";
  for (const std::string& line : memberLines) text += line + "\r\n";
  text += "Name=\"" + folder + "\"\r\nMajorVer=1\r\nMinorVer=0\r\nRevisionVer=0\r\n";
  root.write("projects/" + folder + "/" + folder + ".vbp", text);
  for (const auto& [name, content] : sources) root.write("projects/" + folder + "/" + name, content);
  return root.path() + "projects/" + folder + "/" + folder + ".vbp";
}

std::vector<std::string> WizardTest::storedRecent() const {
  const std::string key = SettingsKey() + "\\Previous";
  const std::int32_t count = GetSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", -1);
  std::vector<std::string> out{std::to_string(count)};
  for (std::int32_t i = 1; i <= count; ++i) {
    out.push_back(GetSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i), "<missing>"));
  }
  return out;
}

std::string WizardTest::setting(std::string_view name) const {
  return GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", name, "<missing>");
}

void WizardTest::browseTo(const std::string& path) {
  dialogs.script.fileAnswers.push_back(path);
  window->cmdBrowse_Click();
}

void WizardTest::toOptionsPage(const std::string& path) {
  if (!path.empty()) browseTo(path);
  window->cmdLoad2_Click();
  window->cmdLoad3_Click();
}

std::vector<std::string> WizardTest::rowTexts(std::size_t column) const {
  std::vector<std::string> out;
  for (const ListRow& row : window->page2.lstProjectFiles.rows) {
    out.push_back(column < row.cells.size() ? row.cells[column] : "<none>");
  }
  return out;
}

std::vector<bool> WizardTest::ticks() const {
  std::vector<bool> out;
  for (const ListRow& row : window->page2.lstProjectFiles.rows) out.push_back(row.ticked);
  return out;
}

}  // namespace qm::testing
