// The unattended run: open the project, press the wizard's buttons in a
// person's order with the switches applied, and leave the failure log when
// the run cannot come to its end.
#include "wizard/command_line_mode.h"

#include <exception>

#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "styles/style_file.h"
#include "wizard/wizard.h"

namespace qm {

namespace {

// Opens the "/p" project as a chosen project is opened; true when it is current.
bool openRequestedProject(Wizard& window, const CommandLine& commandLine) {
  const FileSystem& files = window.workspace().files;
  std::string project = replaceAll(trimSpaces(commandLine.value('p')), "\"", "");
  if (project.empty() || !namesProjectFile(project)) return false;
  project = sGetLongFileName(files, pathFromWorkingFolder(project, window.workspace().workingFolder));
  if (project.empty()) return false;
  const auto listed = files.lookUp(project);
  return window.projectPage.chooseProject(project, listed ? listed->name : std::string(bareName(project)));
}

// The options page as the switches ask for it; each flag sets its box both ways.
void applySwitches(Wizard& window, const CommandLine& commandLine) {
  OptionsPage& page = window.optionsPage;
  if (commandLine.hasSwitch('r') && page.optDelete.enabled) {
    page.optDelete_Click();
  } else {
    page.optAdd_Click();
  }

  if (commandLine.hasSwitch('b')) {
    page.optBackup_Click();
  } else {
    page.optNew_Click();
    if (const std::string folder = commandLine.value('c'); !folder.empty()) page.txtNewLoc.text = folder;
  }

  if (const std::string style = commandLine.value('s'); !style.empty()) {
    window.styles().chooseCurrentStyle(normaliseStyleName(style));
  }

  page.chkCompile.ticked = commandLine.hasSwitch('m');
  page.chkNumbers.ticked = commandLine.hasSwitch('l');
  page.chkNumbers_Click();
  page.chkVarDump.ticked = commandLine.hasSwitch('v');
  const std::string minimumLines = commandLine.value('i');
  page.txtIgnore.text = minimumLines.empty() ? std::string("0") : minimumLines;
  page.chkIgnoreExisting.ticked = !commandLine.hasSwitch('e');
  page.chkIgnoreTags.ticked = !commandLine.hasSwitch('t');
}

bool runRequest(Wizard& window, const CommandLine& commandLine) {
  if (!openRequestedProject(window, commandLine)) return false;
  window.cmdLoad2_Click();
  if (commandLine.hasSwitch('a') && window.filesPage.cmdSelectAll.caption == kSelectAll) {
    window.filesPage.cmdSelectAll_Click();
  }
  window.cmdLoad3_Click();
  applySwitches(window, commandLine);
  window.cmdLoad4_Click();
  return window.applyPage.cmdBegin_Click();
}

}  // namespace

CommandLineOutcome RunCommandLine(Wizard& window, const CommandLine& commandLine) {
  Workspace& workspace = window.workspace();
  bool completed = false;
  try {
    completed = runRequest(window, commandLine);
  } catch (const std::exception&) {
    completed = false;  // reported by the log below, as every other failure is
  }
  CommandLineOutcome outcome;
  if (completed) return outcome;
  outcome.exitStatus = 1;
  const auto written = writeCommandLineFailure(workspace, commandLine.asReceived());
  if (written) {
    outcome.failureLog = *written;
  } else {
    outcome.logFailure = written.message();
  }
  return outcome;
}

}  // namespace qm
