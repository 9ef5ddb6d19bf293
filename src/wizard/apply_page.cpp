// The last page: the summary it opens with, and Begin, the update run over
// the options the controls stand for.
#include "wizard/apply_page.h"

#include "platform/paths.h"
#include "run/update_run.h"

namespace qm {

std::string summaryText(const std::vector<std::string>& selectedFiles, std::string_view styleName) {
  // The opening sentence stays the same when the run deletes code.
  std::string text = "Add error checking to the following files: ";
  for (const std::string& file : selectedFiles) {
    text.append("\r\n");
    text.append(shownPath(file));
  }
  text.append("\r\nUsing the ");
  text.append(styleName);
  text.append(" style\r\n\r\nClick 'Begin' to begin the procedure...");
  return text;
}

ApplyPage::ApplyPage(Session& session, const WizardServices& services, StyleEditor& editor,
                     const OptionsPage& options, ProjectPage& projectPage)
    : session_(session), services_(services), editor_(editor), options_(options), projectPage_(projectPage) {
  cmdBegin.onClick = [this] { cmdBegin_Click(); };
}

void ApplyPage::enter() {
  lblTitles4.caption = "4. Apply the changes";
  txtSummary.setText(summaryText(session_.selectedFiles, editor_.styleName()));
  barMain.visible = false;
  cmdBegin.visible = true;
}

bool ApplyPage::cmdBegin_Click() {
  if (session_.isBusy() || !cmdBegin.visible) return false;
  BusyScope working(session_);
  cmdBegin.visible = false;  // it stays hidden: the run cannot start twice
  const RunOptions options = options_.readRunOptions();
  if (options.action == RunAction::Add && !editor_.holdsUsableStyle()) {
    // Inserting texts that are not the named style's would be reported as
    // procedures updated; say instead that the style could not be read.
    const std::string refusal = "The code style " + editor_.styleName() + " could not be read.";
    txtSummary.appendLine(refusal);
    txtSummary.appendLine("No files were modified.");
    session_.lastRunCompleted = false;
    session_.lastRun = RunOutcome{};
    session_.lastRun.refused = true;
    session_.lastRun.refusal = refusal;
    return false;
  }
  RunContext context{services_.workspace,
                     session_.project,
                     options,
                     [this]() -> const CodeStyle& { return editor_.style(); },
                     session_.procedures,
                     session_.notes,
                     session_.dump,
                     txtSummary,
                     barMain,
                     services_.dialogs,
                     services_.yield,
                     services_.settings,
                     session_.vbLocation,
                     services_.clock,
                     services_.launcher};
  session_.lastRun = runUpdate(context);
  session_.lastRunCompleted = session_.lastRun.endedWithTimingLine;
  barMain.visible = false;
  projectPage_.reloadProject();
  return session_.lastRunCompleted;
}

}  // namespace qm
