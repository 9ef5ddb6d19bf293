// The services of a run that nobody watches: command-line mode has no window
// to ask questions in or to show the summary in. Questions are answered as a
// cancel would answer them (so the compiler's location is not asked for and
// compilation is skipped with its summary line), messages go to the error
// stream, and every summary line is printed as it is appended, so a script
// or a build pipeline sees the run's progress.
#pragma once

#include <ostream>

#include "platform/view_services.h"

namespace qm {

class UnattendedDialogs final : public CancellingDialogs {
 public:
  explicit UnattendedDialogs(std::ostream& messages) : messages_(messages) {}
  void messageBox(std::string_view text, std::string_view title) override;

 private:
  std::ostream& messages_;
};

// Prints summary lines, one per output line; text appended to the current
// line follows it on the same output line.
class SummaryPrinter final : public SummarySink {
 public:
  explicit SummaryPrinter(std::ostream& out) : out_(out) {}
  ~SummaryPrinter() override { finish(); }
  SummaryPrinter(const SummaryPrinter&) = delete;
  SummaryPrinter& operator=(const SummaryPrinter&) = delete;

  void appendLine(std::string_view text) override;
  void appendToLine(std::string_view text) override;
  // Ends the last line.
  void finish();

 private:
  std::ostream& out_;
  bool lineOpen_ = false;
};

}  // namespace qm
