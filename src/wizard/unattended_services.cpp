// Dialogs that answer as a cancel, and the summary printed line by line.
#include "wizard/unattended_services.h"

namespace qm {

void UnattendedDialogs::messageBox(std::string_view text, std::string_view title) {
  messages_ << title << ": " << text << '\n';
  messages_.flush();
}

void SummaryPrinter::appendLine(std::string_view text) {
  if (lineOpen_) out_ << '\n';
  out_ << text;
  lineOpen_ = true;
  out_.flush();
}

void SummaryPrinter::appendToLine(std::string_view text) {
  out_ << text;
  lineOpen_ = true;
  out_.flush();
}

void SummaryPrinter::finish() {
  if (!lineOpen_) return;
  out_ << '\n';
  out_.flush();
  lineOpen_ = false;
}

}  // namespace qm
