// The fourth wizard page, "4. Apply the changes": the summary of what the run
// will do, the Begin button, and the box that the run's lines then fill.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/update_run.h"
#include "styles/style_editor.h"
#include "wizard/controls.h"
#include "wizard/options_page.h"
#include "wizard/project_page.h"
#include "wizard/session.h"
#include "wizard/wizard_services.h"

namespace qm {

class ApplyPage {
 public:
  // Begin reads the options page's controls and the editor's style, and
  // shows the project on the first page again when the run is over.
  ApplyPage(Session& session, const WizardServices& services, StyleEditor& editor, const OptionsPage& options,
            ProjectPage& projectPage);
  ApplyPage(const ApplyPage&) = delete;
  ApplyPage& operator=(const ApplyPage&) = delete;

  Label lblTitles4{"4. Apply the changes"};
  Label lblTitles12{"Summary"};
  SummaryBox txtSummary;
  ProgressBar barMain;
  Button cmdBegin{.caption = "Begin"};
  Button cmdPreview{.caption = "Preview\u2026"};
  // The summary lines the last preview's run would have written.
  SummaryBox txtPreviewSummary;
  Button cmdBack3{.caption = "<< Back", .helpTopic = 300};
  Button cmdQuit{.caption = "Quit"};
  Image imgVeltane;

  // Next on the options page: the summary of the captured files, and Begin.
  void enter();
  // The update run; then the project is shown again as it now is. True when
  // the run ended with its timing line.
  bool cmdBegin_Click();
  // The run Begin would make, computed without writing anything (see
  // run/run_preview.h) into the session's lastPreview; then the window is
  // asked to show its diff. True when the run would end with its timing line.
  bool cmdPreview_Click();

 private:
  // A run over the options the controls stand for, writing its lines to `summary`.
  RunContext runContext(const RunOptions& options, SummarySink& summary);
  // Refuses a run that would insert a style it could not read: the lines go
  // to `summary`; nothing when the style is usable.
  std::optional<RunOutcome> unusableStyle(const RunOptions& options, SummarySink& summary) const;

  Session& session_;
  const WizardServices& services_;
  StyleEditor& editor_;
  const OptionsPage& options_;
  ProjectPage& projectPage_;
};

// The page's opening text: the files, the style, and how to start.
std::string summaryText(const std::vector<std::string>& selectedFiles, std::string_view styleName);

}  // namespace qm
