// The last page's Begin: the update run over the options the controls stand
// for, then the project shown again as the run left it.
#include "wizard/main_window.h"

namespace qm {

bool MainWindow::cmdBegin_Click() {
  if (busy() || !page4.cmdBegin.visible) return false;
  BusyScope working(*this);
  page4.cmdBegin.visible = false;  // it stays hidden: the run cannot start twice
  const RunOptions options = readRunOptions();
  if (options.action == RunAction::Add && !editor_->holdsUsableStyle()) {
    // Inserting texts that are not the named style's would be reported as
    // procedures updated; say instead that the style could not be read.
    page4.txtSummary.appendLine("The code style " + sStyle() + " could not be read.");
    page4.txtSummary.appendLine("No files were modified.");
    lastRunCompleted = false;
    lastRun = RunOutcome{};
    lastRun.refused = true;
    lastRun.refusal = "The code style " + sStyle() + " could not be read.";
    return false;
  }
  RunContext context{services_.workspace,
                     project,
                     options,
                     [this]() -> const CodeStyle& { return editor_->style(); },
                     procedures,
                     notes,
                     dump,
                     page4.txtSummary,
                     page4.barMain,
                     services_.dialogs,
                     services_.yield,
                     services_.settings,
                     vbLocation,
                     services_.clock,
                     services_.launcher};
  lastRun = runUpdate(context);
  lastRunCompleted = lastRun.endedWithTimingLine;
  page4.barMain.visible = false;
  project.projectName = LoadProjectDetails(project.projectFile);
  return lastRunCompleted;
}

}  // namespace qm
