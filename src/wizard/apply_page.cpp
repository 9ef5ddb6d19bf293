// The last page: the summary it opens with, and Begin, the update run over
// the options the controls stand for.
#include "wizard/apply_page.h"

#include "platform/paths.h"
#include "run/run_preview.h"
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
  cmdPreview.onClick = [this] { cmdPreview_Click(); };
}

void ApplyPage::enter() {
  lblTitles4.caption = "4. Apply the changes";
  txtSummary.setText(summaryText(session_.selectedFiles, editor_.styleName()));
  barMain.visible = false;
  cmdBegin.visible = true;
  cmdPreview.visible = true;
}

std::optional<RunOutcome> ApplyPage::unusableStyle(const RunOptions& options, SummarySink& summary) const {
  if (options.action != RunAction::Add || editor_.holdsUsableStyle()) return std::nullopt;
  // Inserting texts that are not the named style's would be reported as
  // procedures updated; say instead that the style could not be read.
  RunOutcome refused;
  refused.refused = true;
  refused.refusal = "The code style " + editor_.styleName() + " could not be read.";
  summary.appendLine(refused.refusal);
  summary.appendLine("No files were modified.");
  return refused;
}

RunContext ApplyPage::runContext(const RunOptions& options, SummarySink& summary) {
  return RunContext{services_.workspace,
                    session_.project,
                    options,
                    [this]() -> const CodeStyle& { return editor_.style(); },
                    session_.procedures,
                    session_.notes,
                    session_.dump,
                    summary,
                    barMain,
                    services_.dialogs,
                    services_.yield,
                    services_.settings,
                    session_.vbLocation,
                    services_.clock,
                    services_.launcher};
}

bool ApplyPage::cmdBegin_Click() {
  if (session_.isBusy() || !cmdBegin.visible) return false;
  BusyScope working(session_);
  cmdBegin.visible = false;  // it stays hidden: the run cannot start twice
  cmdPreview.visible = false;  // and what it would do is done
  const RunOptions options = options_.readRunOptions();
  if (auto refused = unusableStyle(options, txtSummary)) {
    session_.lastRunCompleted = false;
    session_.lastRun = std::move(*refused);
    return false;
  }
  RunContext context = runContext(options, txtSummary);
  session_.lastRun = runUpdate(context);
  session_.lastRunCompleted = session_.lastRun.endedWithTimingLine;
  barMain.visible = false;
  projectPage_.reloadProject();
  return session_.lastRunCompleted;
}

bool ApplyPage::cmdPreview_Click() {
  if (session_.isBusy() || !cmdBegin.visible) return false;
  BusyScope working(session_);
  const RunOptions options = options_.readRunOptions();
  txtPreviewSummary.setText({});
  session_.lastPreview = RunPreview{};
  if (auto refused = unusableStyle(options, txtPreviewSummary)) {
    session_.lastPreview.outcome = std::move(*refused);
  } else {
    session_.lastPreview = previewUpdate(runContext(options, txtPreviewSummary));
  }
  services_.view.showPreview(session_.lastPreview.diff);
  return session_.lastPreview.outcome.endedWithTimingLine;
}

}  // namespace qm
