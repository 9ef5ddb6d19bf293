// The options page: what entering it presets, what leaving it stores, the
// rules that enable and disable its controls, the number boxes' check, and
// the style list's commands (which the style library carries out).
#include <limits>

#include "platform/text.h"
#include "run/backup.h"
#include "settings/registry.h"
#include "styles/style_file.h"
#include "wizard/main_window.h"
#include "wizard/number_box.h"

namespace qm {

void MainWindow::enterOptionsPage() {
  optBackup_Click();
  const SettingsBackend& settings = services_.settings;
  const std::string lastRoutine = GetSettingString(settings, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "");
  page3.txtNewLoc.text = newCopyDefaultLocation(project.projectFolder, services_.clock);
  if (GetSettingString(settings, HKEY_CURRENT_USER, settingsKey(), "Create", "") == "True") optNew_Click();

  // Deleting is offered only where the analysis met inserted code.
  if (project.insertedCodeFound) {
    page3.optDelete.enabled = true;
  } else {
    page3.optDelete.enabled = false;
    if (page3.optDelete.selected) optAdd_Click();
  }

  styles_->chooseCurrentStyle(lastRoutine);
  syncStyleControls();
  showOptionsTitle();
}

void MainWindow::leaveOptionsPage() {
  SettingsBackend& settings = services_.settings;
  SaveSettingString(settings, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", sStyle());
  SaveSettingString(settings, HKEY_CURRENT_USER, settingsKey(), "Create", page3.optNew.selected ? "True" : "False");
}

void MainWindow::showOptionsTitle() { page3.lblTitles6.caption = styles_->pageTitle(); }

void MainWindow::syncStyleControls() {
  page3.flbRoutines.entries = styles_->entries();
  page3.flbRoutines.selected = styles_->currentEntry();
  page3.flbRoutines.focused = styles_->listFocused();
  page3.cmdDeleteStyle.enabled = styles_->deleteEnabled();
}

RunOptions MainWindow::readRunOptions() const {
  RunOptions options;
  options.action = page3.optAdd.selected ? RunAction::Add : RunAction::Delete;
  options.skipIgnoreTagged = page3.chkIgnoreTags.ticked;
  options.skipExistingHandlers = page3.chkIgnoreExisting.ticked;
  options.minLines = page3.txtIgnore.text;
  options.addLineNumbers = page3.chkNumbers.ticked;
  // The box's check has normally run; a text that still reads as no number
  // (Begin pressed without the box losing the focus) is passed on as such,
  // and the run refuses it before it touches anything.
  const auto start = singleFromText(page3.txtStartFrom.text, services_.clock.decimalSeparator());
  options.lineNumberStart = start ? *start : std::numeric_limits<float>::quiet_NaN();
  options.variableDump = page3.chkVarDump.ticked;
  options.saveMode = page3.optBackup.selected ? SaveMode::Backup : SaveMode::NewCopy;
  options.newLocation = page3.txtNewLoc.text;
  options.compile = page3.chkCompile.ticked;
  options.selectedFiles = runOptions.selectedFiles;
  return options;
}

// --- the option buttons and check boxes -----------------------------------------

void MainWindow::selectOption(OptionButton& chosen, OptionButton& other) {
  chosen.selected = true;
  other.selected = false;
}

void MainWindow::optAdd_Click() {
  selectOption(page3.optAdd, page3.optDelete);
  page3.tabOptions.available[kAdvancedOptionsTab] = true;
}

void MainWindow::optDelete_Click() {
  selectOption(page3.optDelete, page3.optAdd);
  page3.tabOptions.available[kAdvancedOptionsTab] = false;
  if (page3.tabOptions.selected == kAdvancedOptionsTab) page3.tabOptions.selected = kGeneralOptionsTab;
}

// The new-copy controls are usable exactly while a new copy is chosen; they
// keep their values either way.
static void enableNewCopyControls(OptionsPage& page) {
  const bool newCopy = page.optNew.selected;
  page.chkCompile.enabled = newCopy;
  page.txtNewLoc.enabled = newCopy;
  page.cmdNewBrowse.enabled = newCopy;
}

void MainWindow::optBackup_Click() {
  selectOption(page3.optBackup, page3.optNew);
  enableNewCopyControls(page3);
}

void MainWindow::optNew_Click() {
  selectOption(page3.optNew, page3.optBackup);
  enableNewCopyControls(page3);
}

void MainWindow::chkNumbers_Click() { page3.txtStartFrom.enabled = page3.chkNumbers.ticked; }

void MainWindow::tabOptions_Click(std::size_t tab) {
  if (tab < page3.tabOptions.tabs.size() && page3.tabOptions.available[tab]) page3.tabOptions.selected = tab;
}

// --- the number boxes -------------------------------------------------------------

void MainWindow::txtIgnore_GotFocus() { page3.txtIgnore.selectAll(); }

void MainWindow::txtStartFrom_GotFocus() { page3.txtStartFrom.selectAll(); }

void MainWindow::txtIgnore_LostFocus() {
  checkNumberBox(page3.txtIgnore, kMinimumLinesDefault, services_.clock.decimalSeparator());
}

void MainWindow::txtStartFrom_LostFocus() {
  checkNumberBox(page3.txtStartFrom, kFirstLineNumberDefault, services_.clock.decimalSeparator());
}

// --- the new copy's folder -------------------------------------------------------

void MainWindow::cmdNewBrowse_Click() { services_.view.showFolderBrowser(); }

void MainWindow::setNewLocation(std::string folder) { page3.txtNewLoc.text = std::move(folder); }

// --- the style list -------------------------------------------------------------------

void MainWindow::flbRoutines_Click(std::size_t entry) {
  if (entry >= styles_->entries().size()) return;
  const std::string name = styles_->entries()[entry];
  styles_->setListFocused(true);
  styles_->selectStyle(name);
  syncStyleControls();
  showOptionsTitle();
}

void MainWindow::flbRoutines_DblClick(std::size_t entry) {
  flbRoutines_Click(entry);
  cmdEditStyle_Click();
}

void MainWindow::cmdEditStyle_Click() {
  styles_->editStyle();
  services_.view.showStyleEditor();
}

void MainWindow::cmdNewStyle_Click() {
  styles_->newStyle();
  syncStyleControls();
  showOptionsTitle();
  if (editor_->visible()) services_.view.showStyleEditor();
}

void MainWindow::cmdDeleteStyle_Click() {
  if (!styles_->deleteEnabled()) return;
  styles_->deleteCurrentStyle();
  syncStyleControls();
  showOptionsTitle();
}

}  // namespace qm
