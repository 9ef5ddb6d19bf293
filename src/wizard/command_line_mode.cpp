// The unattended run: open the project, press the wizard's buttons in a
// person's order with the switches applied, and leave the failure log when
// the run cannot come to its end.
#include "wizard/command_line_mode.h"

#include <algorithm>
#include <exception>

#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "run/rollback.h"
#include "styles/style_file.h"
#include "wizard/wizard.h"

namespace qm {

namespace {

// Opens the "/p" project as a chosen project is opened; "" when it is
// current, else why it could not be opened.
std::string openRequestedProject(Wizard& window, const CommandLine& commandLine) {
  const FileSystem& files = window.workspace().files;
  const std::string given = replaceAll(trimSpaces(commandLine.value('p')), "\"", "");
  if (given.empty()) return "/p names no project";
  if (!namesProjectFile(given)) return "'" + given + "' is not a project file (.vbp)";
  const std::string path = pathFromWorkingFolder(given, window.workspace().workingFolder);
  const std::string project = sGetLongFileName(files, path);
  const auto listed = project.empty() ? std::nullopt : files.lookUp(project);
  if (!project.empty() &&
      window.projectPage.chooseProject(project, listed ? listed->name : std::string(bareName(project)))) {
    return {};
  }
  const std::string problem = projectLoadProblem(files, path);
  return problem.empty() ? "the project " + given + " could not be opened" : problem;
}

// The options page as the switches ask for it; each flag sets its box both
// ways. A fallback from a missing style is noted in `notices`.
void applySwitches(Wizard& window, const CommandLine& commandLine, std::vector<std::string>& notices) {
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
    const std::string wanted = normaliseStyleName(style);
    window.styles().chooseCurrentStyle(wanted);
    if (window.sStyle() != wanted) notices.push_back("style " + wanted + " not found; using " + window.sStyle());
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

// True when the run started (it may still have failed steps).
bool pressButtons(Wizard& window, const CommandLine& commandLine, CommandLineOutcome& outcome) {
  // Before the analysis, so that the list and /a take in every member kind.
  window.includeAllProcedures(commandLine.hasSwitch('x'));
  window.cmdLoad2_Click();
  if (commandLine.hasSwitch('a') && window.filesPage.cmdSelectAll.caption == kSelectAll) {
    window.filesPage.cmdSelectAll_Click();
  }
  window.cmdLoad3_Click();
  applySwitches(window, commandLine, outcome.notices);
  window.cmdLoad4_Click();
  return outcome.dryRun ? window.applyPage.cmdPreview_Click() : window.applyPage.cmdBegin_Click();
}

CommandLineOutcome notStarted(Workspace& workspace, std::string_view commandText, std::string reason,
                              bool writeLog = true) {
  CommandLineOutcome outcome;
  outcome.exitStatus = kExitNotStarted;
  outcome.reason = std::move(reason);
  if (!writeLog) return outcome;
  const auto written = writeCommandLineFailure(workspace, commandText);
  if (written) {
    outcome.failureLog = *written;
  } else {
    outcome.logFailure = written.message();
  }
  return outcome;
}

}  // namespace

CommandLineOutcome RunCommandLine(Wizard& window, const CommandLine& commandLine) {
  Workspace& workspace = window.workspace();
  CommandLineOutcome outcome;
  outcome.dryRun = commandLine.hasOption("--dry-run");
  const RunOutcome& run = outcome.dryRun ? window.session.lastPreview.outcome : window.session.lastRun;
  bool opened = false;
  bool completed = false;
  std::string reason;
  try {
    reason = openRequestedProject(window, commandLine);
    opened = reason.empty();
    if (opened) completed = pressButtons(window, commandLine, outcome);
  } catch (const std::exception& error) {
    completed = false;  // reported by the log below, as every other failure is
    reason = error.what();
  }
  if (!completed || run.refused) {
    CommandLineOutcome failed =
        notStarted(workspace, commandLine.asReceived(), reason.empty() ? run.refusal : reason, !outcome.dryRun);
    failed.notices = std::move(outcome.notices);
    failed.dryRun = outcome.dryRun;
    return failed;
  }
  if (run.failures > 0) outcome.exitStatus = kExitStepFailed;
  if (outcome.dryRun) {
    outcome.root = window.session.lastPreview.root;
    outcome.diff = window.session.lastPreview.diff;
  }
  return outcome;
}

CommandLineOutcome RunRollbackCommand(Wizard& window, std::string_view projectPath, std::string_view backup,
                                      std::string_view commandText, SummarySink& lines) {
  Workspace& workspace = window.workspace();
  const FileSystem& files = workspace.files;
  const std::string project = sGetLongFileName(files, pathFromWorkingFolder(projectPath, workspace.workingFolder));
  const auto listed = project.empty() ? std::nullopt : files.lookUp(project);
  if (!listed || !window.projectPage.chooseProject(project, listed->name)) {
    return notStarted(workspace, commandText, "cannot open the project " + std::string(projectPath));
  }
  // The list shows "14:03:27" where the folder is named "14-03-27"; either is taken.
  const std::string wanted = backup.empty() ? newestBackup(files, window.session.project.projectFolder)
                                            : replaceAll(backup, "-", ":");
  DropDownList& list = window.projectPage.rollBack.cmbBackups;
  const auto entry = std::find_if(list.entries.begin(), list.entries.end(),
                                  [&wanted](const std::string& e) { return equalsNoCase(e, wanted); });
  if (wanted.empty() || entry == list.entries.end()) {
    return notStarted(workspace, commandText,
                      backup.empty() ? "the project has no backup" : "the project has no backup named " + std::string(backup));
  }
  list.selected = static_cast<std::size_t>(entry - list.entries.begin());
  // Nobody is there to answer the warning; the choice is not stored.
  const bool showWarning = window.session.bShowWarning;
  window.session.bShowWarning = false;
  window.projectPage.cmdRollback_Click();
  window.session.bShowWarning = showWarning;

  const RollbackOutcome& outcome = window.session.lastRollback;
  if (!outcome.performed) return notStarted(workspace, commandText, outcome.refusal);
  for (const std::string& name : outcome.restored) lines.appendLine("Restored " + name);
  for (const std::string& path : outcome.deleted) lines.appendLine("Deleted " + path);
  for (const std::string& failure : outcome.failures) lines.appendLine("Failed: " + failure);
  CommandLineOutcome result;
  if (!outcome.failures.empty()) result.exitStatus = kExitStepFailed;
  return result;
}

}  // namespace qm
