// Appending to the summary box: a new line starts with CR LF, as the box's
// text is shown on every platform; the caret follows the newest text.
#include "wizard/controls.h"

namespace qm {

void SummaryBox::appendLine(std::string_view line) {
  text.append("\r\n");
  text.append(line);
  caretAtEnd = true;
  if (echo != nullptr) echo->appendLine(line);
}

void SummaryBox::appendToLine(std::string_view more) {
  text.append(more);
  caretAtEnd = true;
  if (echo != nullptr) echo->appendToLine(more);
}

}  // namespace qm
