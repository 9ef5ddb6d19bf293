// The fourth wizard page, "4. Apply the changes": the summary of what the run
// will do, the Begin button, and the box that the run's lines then fill.
#pragma once

#include <string>
#include <vector>

#include "wizard/controls.h"

namespace qm {

struct ApplyPage {
  Label lblTitles4{"4. Apply the changes"};
  Label lblTitles12{"Summary"};
  SummaryBox txtSummary;
  ProgressBar barMain;
  Button cmdBegin{.caption = "Begin"};
  Button cmdBack3{.caption = "<< Back", .helpTopic = 300};
  Button cmdQuit{.caption = "Quit"};
};

// The page's opening text: the files, the style, and how to start.
std::string summaryText(const std::vector<std::string>& selectedFiles, std::string_view styleName);

}  // namespace qm
