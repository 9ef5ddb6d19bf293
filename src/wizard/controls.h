// The wizard's controls as plain data. Every caption, text, tick, selection,
// enabled and visible flag that a window would show lives in one of these
// values, so the wizard's logic runs and is tested without a display and a
// window only has to copy them onto its widgets after each handler.
//
// Help topics ride along on the controls that carry one; 0 means "use the
// page's topic".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "run/run_services.h"

namespace qm {

struct Label {
  std::string caption{};
  bool visible = true;
};

struct Button {
  std::string caption{};
  bool enabled = true;
  bool visible = true;
  int helpTopic = 0;
};

struct TextBox {
  std::string text{};
  bool enabled = true;
  std::size_t selectionStart = 0;
  std::size_t selectionLength = 0;

  // What GotFocus does: the whole text selected, so typing replaces it.
  void selectAll() {
    selectionStart = 0;
    selectionLength = text.size();
  }
};

struct CheckBox {
  std::string caption{};
  bool ticked = false;
  bool enabled = true;
};

struct OptionButton {
  std::string caption{};
  bool selected = false;
  bool enabled = true;
};

// A frame shape or a panel: only whether it is drawn.
struct Shape {
  bool visible = true;
};

// A drop-down list whose text can only be one of its entries.
struct DropDownList {
  std::vector<std::string> entries;
  std::optional<std::size_t> selected;  // index into entries
  bool visible = true;
  bool enabled = true;

  // The list's text: the selected entry, or "" when none is selected.
  std::string text() const {
    return selected && *selected < entries.size() ? entries[*selected] : std::string();
  }
  void clear() {
    entries.clear();
    selected.reset();
  }
};

// A progress bar that a run can drive directly.
class ProgressBar final : public ProgressDisplay {
 public:
  void setMaximum(int value) override { maximum = value; }
  void setValue(int v) override { value = v; }
  void setVisible(bool v) override { visible = v; }

  int maximum = 100;
  int value = 0;
  bool visible = false;
};

// A multi-line text box that the run writes its summary lines into. An
// optional echo sink sees every append too (command-line mode prints them).
class SummaryBox final : public SummarySink {
 public:
  void appendLine(std::string_view line) override;
  void appendToLine(std::string_view more) override;
  void scrollToEnd() override { caretAtEnd = true; }

  // Replaces the whole text, as a window's code does; the echo is not told.
  void setText(std::string value) {
    text = std::move(value);
    caretAtEnd = false;
  }

  std::string text{};
  bool caretAtEnd = false;
  SummarySink* echo = nullptr;
};

}  // namespace qm
