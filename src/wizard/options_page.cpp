// The options page: what entering it presets, what leaving it stores, the
// rules that enable and disable its controls, the number boxes' check, and
// the style list's commands (which the style library carries out).
#include "wizard/options_page.h"

#include <limits>

#include "run/backup.h"
#include "settings/registry.h"
#include "wizard/number_box.h"

namespace qm {

OptionsPage::OptionsPage(Session& session, const WizardServices& services, StyleEditor& editor,
                         StyleLibrary& styles)
    : session_(session), services_(services), editor_(editor), styles_(styles) {
  tabOptions.onClick = [this](std::size_t tab) { tabOptions_Click(tab); };
  optAdd.onClick = [this] { optAdd_Click(); };
  optDelete.onClick = [this] { optDelete_Click(); };
  optBackup.onClick = [this] { optBackup_Click(); };
  optNew.onClick = [this] { optNew_Click(); };
  cmdNewBrowse.onClick = [this] { cmdNewBrowse_Click(); };
  flbRoutines.onClick = [this](std::size_t entry) { flbRoutines_Click(entry); };
  flbRoutines.onDblClick = [this](std::size_t entry) { flbRoutines_DblClick(entry); };
  // The focus went elsewhere; the list must not pull it back.
  flbRoutines.onLostFocus = [this] {
    styles_.setListFocused(false);
    flbRoutines.focused = false;
  };
  cmdNewStyle.onClick = [this] { cmdNewStyle_Click(); };
  cmdEditStyle.onClick = [this] { cmdEditStyle_Click(); };
  cmdDeleteStyle.onClick = [this] { cmdDeleteStyle_Click(); };
  txtIgnore.onGotFocus = [this] { txtIgnore_GotFocus(); };
  txtIgnore.onLostFocus = [this] { txtIgnore_LostFocus(); };
  chkNumbers.onClick = [this] { chkNumbers_Click(); };
  txtStartFrom.onGotFocus = [this] { txtStartFrom_GotFocus(); };
  txtStartFrom.onLostFocus = [this] { txtStartFrom_LostFocus(); };

  StyleEditorHooks& hooks = editor_.hooks();
  hooks.tickVariableDump = [this] { chkVarDump.ticked = true; };
  hooks.currentStyleChanged = [this] { showStyles(); };
  // The library re-reads its list when the editor writes a style; the
  // page's copy of the list and the Delete button follow it.
  auto libraryRefresh = hooks.styleListChanged;
  hooks.styleListChanged = [this, libraryRefresh] {
    if (libraryRefresh) libraryRefresh();
    showStyleList();
  };
}

void OptionsPage::enter() {
  optBackup_Click();
  const SettingsBackend& settings = services_.settings;
  const std::string key = SettingsValuesKey();
  const std::string lastRoutine = GetSettingString(settings, HKEY_CURRENT_USER, key, "LastRoutine", "");
  txtNewLoc.text = newCopyDefaultLocation(session_.project.projectFolder, services_.clock);
  if (GetSettingString(settings, HKEY_CURRENT_USER, key, "Create", "") == "True") optNew_Click();

  offerDelete();
  chkAllProcedures.ticked = session_.allProcedures;

  styles_.chooseCurrentStyle(lastRoutine);
  showStyles();
}

void OptionsPage::offerDelete() {
  if (session_.project.insertedCodeFound) {
    optDelete.enabled = true;
  } else {
    optDelete.enabled = false;
    if (optDelete.selected) optAdd_Click();
  }
}

void OptionsPage::leave() {
  SettingsBackend& settings = services_.settings;
  const std::string key = SettingsValuesKey();
  SaveSettingString(settings, HKEY_CURRENT_USER, key, "LastRoutine", editor_.styleName());
  SaveSettingString(settings, HKEY_CURRENT_USER, key, "Create", optNew.selected ? "True" : "False");
}

// The style list and its Delete button as the library has them.
void OptionsPage::showStyleList() {
  flbRoutines.entries = styles_.entries();
  flbRoutines.selected = styles_.currentEntry();
  flbRoutines.focused = styles_.listFocused();
  cmdDeleteStyle.enabled = styles_.deleteEnabled();
}

// The list, and the title that names the current style.
void OptionsPage::showStyles() {
  showStyleList();
  lblTitles6.caption = styles_.pageTitle();
}

RunOptions OptionsPage::readRunOptions() const {
  RunOptions options;
  options.action = optAdd.selected ? RunAction::Add : RunAction::Delete;
  options.skipIgnoreTagged = chkIgnoreTags.ticked;
  options.skipExistingHandlers = chkIgnoreExisting.ticked;
  options.minLines = txtIgnore.text;
  options.addLineNumbers = chkNumbers.ticked;
  // The box's check has normally run; a text that still reads as no number
  // (Begin pressed without the box losing the focus) is passed on as such,
  // and the run refuses it before it touches anything.
  const auto start = singleFromText(txtStartFrom.text);
  options.lineNumberStart = start ? *start : std::numeric_limits<float>::quiet_NaN();
  options.variableDump = chkVarDump.ticked;
  options.allProcedures = session_.allProcedures;
  options.saveMode = optBackup.selected ? SaveMode::Backup : SaveMode::NewCopy;
  options.newLocation = txtNewLoc.text;
  options.compile = chkCompile.ticked;
  options.selectedFiles = session_.selectedFiles;
  return options;
}

// --- the option buttons and check boxes -----------------------------------------

void OptionsPage::optAdd_Click() {
  optAdd.selected = true;
  optDelete.selected = false;
  tabOptions.available[kAdvancedOptionsTab] = true;
}

void OptionsPage::optDelete_Click() {
  optDelete.selected = true;
  optAdd.selected = false;
  tabOptions.available[kAdvancedOptionsTab] = false;
  if (tabOptions.selected == kAdvancedOptionsTab) tabOptions.selected = kGeneralOptionsTab;
}

// The new-copy controls are usable exactly while a new copy is chosen; they
// keep their values either way.
void OptionsPage::enableNewCopyControls() {
  const bool newCopy = optNew.selected;
  chkCompile.enabled = newCopy;
  txtNewLoc.enabled = newCopy;
  cmdNewBrowse.enabled = newCopy;
}

void OptionsPage::optBackup_Click() {
  optBackup.selected = true;
  optNew.selected = false;
  enableNewCopyControls();
}

void OptionsPage::optNew_Click() {
  optNew.selected = true;
  optBackup.selected = false;
  enableNewCopyControls();
}

void OptionsPage::chkNumbers_Click() { txtStartFrom.enabled = chkNumbers.ticked; }

void OptionsPage::tabOptions_Click(std::size_t tab) {
  if (tab < tabOptions.available.size() && tabOptions.available[tab]) tabOptions.selected = tab;
}

// --- the number boxes -------------------------------------------------------------

void OptionsPage::txtIgnore_GotFocus() { txtIgnore.selectAll(); }

void OptionsPage::txtStartFrom_GotFocus() { txtStartFrom.selectAll(); }

void OptionsPage::txtIgnore_LostFocus() {
  checkNumberBox(txtIgnore, kMinimumLinesDefault);
}

void OptionsPage::txtStartFrom_LostFocus() {
  checkNumberBox(txtStartFrom, kFirstLineNumberDefault);
}

// --- the new copy's folder -------------------------------------------------------

void OptionsPage::cmdNewBrowse_Click() { services_.view.showFolderBrowser(); }

void OptionsPage::setNewLocation(std::string folder) { txtNewLoc.text = std::move(folder); }

// --- the style list -------------------------------------------------------------------

void OptionsPage::flbRoutines_Click(std::size_t entry) {
  if (entry >= styles_.entries().size()) return;
  const std::string name = styles_.entries()[entry];
  styles_.setListFocused(true);
  styles_.selectStyle(name);
  showStyles();
}

void OptionsPage::flbRoutines_DblClick(std::size_t entry) {
  flbRoutines_Click(entry);
  cmdEditStyle_Click();
}

void OptionsPage::cmdEditStyle_Click() {
  styles_.editStyle();
  services_.view.showStyleEditor();
}

void OptionsPage::cmdNewStyle_Click() {
  styles_.newStyle();
  showStyles();
  if (editor_.visible()) services_.view.showStyleEditor();
}

void OptionsPage::cmdDeleteStyle_Click() {
  if (!styles_.deleteEnabled()) return;
  styles_.deleteCurrentStyle();
  showStyles();
}

}  // namespace qm
