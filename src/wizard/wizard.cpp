// Start-up, the page-to-page navigation with what each Next and Back
// computes, and the window-wide commands.
#include "wizard/wizard.h"

#include <map>

#include "platform/paths.h"
#include "platform/product.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "settings/registry.h"
#include "wizard/command_line_mode.h"

namespace qm {

namespace {

StyleEditorHooks editorHooks(const WizardServices& services) {
  StyleEditorHooks hooks;
  hooks.saveLastRoutine = [&services](const std::string& name) {
    SaveSettingString(services.settings, HKEY_CURRENT_USER, SettingsValuesKey(), "LastRoutine", name);
  };
  hooks.repaint = [&services] {
    if (services.yield) services.yield();
  };
  hooks.holdProgress = [&services](int milliseconds) { services.clock.sleepMilliseconds(milliseconds); };
  hooks.openDocument = [&services](const std::string& path) { services.view.openDocument(path); };
  return hooks;
}

}  // namespace

int pageHelpTopic(WizardPage page) { return 100 * (static_cast<int>(page) + 1); }

Wizard::Wizard(WizardServices services)
    : services_(std::move(services)),
      editor_(std::make_unique<StyleEditor>(
          services_.workspace, services_.editorDialogs != nullptr ? *services_.editorDialogs : services_.dialogs,
          editorHooks(services_))),
      styles_(std::make_unique<StyleLibrary>(services_.workspace, *editor_, services_.dialogs)),
      filesPage(session, services_.workspace.files, services_.yield),
      projectPage(session, services_, filesPage.lstProjectFiles),
      optionsPage(session, services_, *editor_, *styles_),
      applyPage(session, services_, *editor_, optionsPage, projectPage) {
  projectPage.cmdLoad2.onClick = [this] { cmdLoad2_Click(); };
  optionsPage.chkAllProcedures.onClick = [this] { chkAllProcedures_Click(); };
  filesPage.cmdBack1.onClick = [this] { cmdBack1_Click(); };
  filesPage.cmdLoad3.onClick = [this] { cmdLoad3_Click(); };
  optionsPage.cmdBack2.onClick = [this] { cmdBack2_Click(); };
  optionsPage.cmdLoad4.onClick = [this] { cmdLoad4_Click(); };
  applyPage.cmdBack3.onClick = [this] { cmdBack3_Click(); };
  for (Button* quit : {&projectPage.cmdQuit, &filesPage.cmdQuit, &optionsPage.cmdQuit, &applyPage.cmdQuit}) {
    quit->onClick = [this] { cmdQuit_Click(); };
  }
  for (Image* logo : {&projectPage.imgVeltane, &filesPage.imgVeltane, &optionsPage.imgVeltane, &applyPage.imgVeltane}) {
    logo->toolTip = "About " + std::string(kMakerName);
    logo->onClick = [this] { imgVeltane_Click(); };
  }
}

Wizard::~Wizard() = default;

// --- start-up ---------------------------------------------------------------------

StartUpOutcome Wizard::Form_Load(const CommandLine& commandLine) {
  const SettingsBackend& settings = services_.settings;
  const std::string key = SettingsValuesKey();
  const std::string warning = GetSettingString(settings, HKEY_CURRENT_USER, key, "ShowWarning", "");
  // Only "False" is ever written; anything else keeps the warning, the safe side.
  session.bShowWarning = warning.empty() || !(equalsNoCase(warning, "False") || warning == "0");
  session.vbLocation = GetSettingString(settings, HKEY_CURRENT_USER, key, "VB_Location", "");
  session.allProcedures = GetSettingNumber(settings, HKEY_CURRENT_USER, key, kAllProceduresValue, 0) != 0;
  optionsPage.chkAllProcedures.ticked = session.allProcedures;

  projectPage.loadRecentProjects();

  const bool unattended = !commandLine.empty() && commandLine.requestsUnattendedRun();
  bool openedFromCommandLine = false;
  if (!commandLine.empty() && !unattended) {
    const std::string path = commandLine.projectPathToOpen();
    const std::string longPath =
        path.empty() ? std::string()
                     : sGetLongFileName(services_.workspace.files,
                                        pathFromWorkingFolder(path, services_.workspace.workingFolder));
    if (!longPath.empty()) openedFromCommandLine = projectPage.chooseProject(longPath, bareName(longPath));
  }

  currentPage = WizardPage::Project;
  if (openedFromCommandLine) cmdLoad2_Click();
  if (unattended) {
    const CommandLineOutcome outcome = RunCommandLine(*this, commandLine);
    return StartUpOutcome{false, outcome.exitStatus, outcome.failureLog, outcome.reason, outcome};
  }
  return StartUpOutcome{};
}

void Wizard::cmdQuit_Click() { services_.view.endProgram(); }

void Wizard::imgVeltane_Click() { services_.view.showAbout(); }

int Wizard::helpTopic(int focusedTopic) const {
  return focusedTopic != 0 ? focusedTopic : pageHelpTopic(currentPage);
}

HelpTarget Wizard::helpTarget(int focusedTopic) const {
  return qm::helpTarget(services_.workspace.guideFolder, helpTopic(focusedTopic));
}

void Wizard::F1(int focusedTopic) {
  if (!services_.workspace.guideFolder.empty()) services_.view.openHelp(helpTarget(focusedTopic));
}

std::string Wizard::guideFile() const {
  const std::string& folder = services_.workspace.guideFolder;
  return folder.empty() ? std::string() : qm::helpTarget(folder, 0).file;
}

// --- navigation -------------------------------------------------------------------

void Wizard::cmdLoad2_Click() {
  if (busy()) return;
  BusyScope working(session);
  filesPage.cmdSelectAll.visible = false;
  currentPage = WizardPage::Files;
  projectPage.UpdateRecentList();
  if (services_.yield) services_.yield();
  filesPage.analyse();
}

void Wizard::cmdBack1_Click() {
  if (busy()) return;
  currentPage = WizardPage::Project;
  filesPage.lstProjectFiles.visible = false;
  projectPage.selectInRecentList(session.project.projectFile);
}

void Wizard::cmdLoad3_Click() {
  if (busy()) return;
  optionsPage.tabOptions.selected = kGeneralOptionsTab;
  optionsPage.tabOptions.visible = false;
  currentPage = WizardPage::Options;
  session.selectedFiles = filesPage.tickedFiles();
  optionsPage.enter();
  optionsPage.tabOptions.visible = true;
}

void Wizard::cmdBack2_Click() { cmdLoad2_Click(); }

void Wizard::cmdLoad4_Click() {
  if (busy()) return;
  optionsPage.leave();
  applyPage.enter();
  currentPage = WizardPage::Apply;
}

void Wizard::cmdBack3_Click() {
  if (busy()) return;
  currentPage = WizardPage::Options;
}

void Wizard::chkAllProcedures_Click() {
  // While a long task runs the project must not change under it: the box
  // goes back to the choice in force.
  if (busy()) {
    optionsPage.chkAllProcedures.ticked = session.allProcedures;
    return;
  }
  includeAllProcedures(optionsPage.chkAllProcedures.ticked);
}

void Wizard::includeAllProcedures(bool include) {
  optionsPage.chkAllProcedures.ticked = include;
  if (include == session.allProcedures) return;
  session.allProcedures = include;
  SaveSettingNumber(services_.settings, HKEY_CURRENT_USER, SettingsValuesKey(), kAllProceduresValue, include ? 1 : 0);
  if (session.project.projectName.empty()) return;
  const std::map<std::string, bool> ticks = filesPage.ticksByRow();
  projectPage.reloadProject();
  if (currentPage == WizardPage::Project) return;
  {
    BusyScope working(session);
    filesPage.analyse();
  }
  filesPage.restoreTicks(ticks);
  session.selectedFiles = filesPage.tickedFiles();
  optionsPage.offerDelete();
}

}  // namespace qm
