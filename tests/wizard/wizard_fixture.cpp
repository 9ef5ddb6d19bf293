#include "wizard/wizard_fixture.h"

#include <filesystem>

#include "settings/registry.h"

namespace qm::testing {

WizardTest::WizardTest() : workspace{files, root.path() + "program/", root.path() + "work/"} {
  root.makeFolder("program");
  root.makeFolder("work");
  root.copyFolder(exampleFolder() + "../", "projects");
}

Wizard& WizardTest::newWizard() {
  wizard.reset();
  wizard = std::make_unique<Wizard>(
      WizardServices{workspace, settings, clock, launcher, dialogs, view, [this] {
        ++yields;
        if (onYield) onYield();
      }});
  return *wizard;
}

StartUpOutcome WizardTest::start(const CommandLine& commandLine) {
  newWizard();
  return wizard->Form_Load(commandLine);
}

std::string WizardTest::writeProject(const std::string& folder, const std::vector<std::string>& memberLines,
                                     const std::vector<std::pair<std::string, std::string>>& sources) const {
  std::string text = "Type=Exe\r\n";
  for (const std::string& line : memberLines) text += line + "\r\n";
  text += "Name=\"" + folder + "\"\r\nMajorVer=1\r\nMinorVer=0\r\nRevisionVer=0\r\n";
  root.write("projects/" + folder + "/" + folder + ".vbp", text);
  for (const auto& [name, content] : sources) root.write("projects/" + folder + "/" + name, content);
  return place("projects/" + folder + "/" + folder + ".vbp");
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
  wizard->projectPage.cmdBrowse_Click();
}

void WizardTest::toOptionsPage(const std::string& path) {
  if (!path.empty()) browseTo(path);
  wizard->cmdLoad2_Click();
  wizard->cmdLoad3_Click();
}

std::vector<std::string> WizardTest::rowTexts(std::size_t column) const {
  std::vector<std::string> out;
  for (const ListRow& row : wizard->filesPage.lstProjectFiles.rows) {
    out.push_back(column < row.cells.size() ? row.cells[column] : "<none>");
  }
  return out;
}

namespace {

std::string withFlags(std::string text, bool enabled, bool visible) {
  if (!enabled) text += " (disabled)";
  if (!visible) text += " (hidden)";
  return text;
}

}  // namespace

std::string seen(const Label& label) { return withFlags(label.caption, true, label.visible); }
std::string seen(const Button& button) { return withFlags(button.caption, button.enabled, button.visible); }
std::string seen(const CheckBox& box) { return withFlags(box.ticked ? "[x]" : "[ ]", box.enabled, true); }
std::string seen(const OptionButton& option) {
  return withFlags(option.selected ? "(o)" : "( )", option.enabled, true);
}
std::string seen(const TextBox& box) { return withFlags(box.text, box.enabled, true); }
std::string seen(const DropDownList& list) { return withFlags(list.text(), list.enabled, list.visible); }
std::string seen(const Shape& shape) { return shape.visible ? "shown" : "(hidden)"; }

}  // namespace qm::testing
