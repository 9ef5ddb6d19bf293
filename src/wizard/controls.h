// The wizard's controls as plain data. Every caption, text, tick, selection,
// enabled and visible flag that a window would show lives in one of these
// values, so the wizard's logic runs and is tested without a display and a
// window only has to copy them onto its widgets after each handler.
//
// A control also carries the handlers of its events, which its page sets
// when it is built: a window forwards what the person did by setting the
// value (a tick, a text, a selection) and calling the handler, and code
// "presses" a control the same way, so command-line mode and tests go
// through exactly the handlers a click would run.
//
// Help topics ride along on the controls that carry one; 0 means "use the
// page's topic".
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/view_services.h"

namespace qm {

using Handler = std::function<void()>;

// Runs a handler that may be unset.
inline void fire(const Handler& handler) {
  if (handler) handler();
}

struct Label {
  std::string caption{};
  bool visible = true;
};

struct Button {
  std::string caption{};
  bool enabled = true;
  bool visible = true;
  int helpTopic = 0;
  Handler onClick{};
};

// The maker's logo on every page: it opens the About window.
struct Image {
  std::string toolTip{};
  Handler onClick{};
};

struct TextBox {
  std::string text{};
  bool enabled = true;
  std::size_t selectionStart = 0;
  std::size_t selectionLength = 0;
  Handler onGotFocus{};
  Handler onLostFocus{};

  // What GotFocus does: the whole text selected, so typing replaces it.
  void selectAll() {
    selectionStart = 0;
    selectionLength = text.size();
  }
};

// A click toggles the tick first, then runs onClick.
struct CheckBox {
  std::string caption{};
  bool ticked = false;
  bool enabled = true;
  Handler onClick{};
};

// onClick selects the option (clearing the other of its group) and runs
// what the option's choice implies.
struct OptionButton {
  std::string caption{};
  bool selected = false;
  bool enabled = true;
  Handler onClick{};
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
  Handler onClick{};  // after a pick has set `selected`

  // The list's text: the selected entry, or "" when none is selected.
  std::string text() const {
    return selected && *selected < entries.size() ? entries[*selected] : std::string();
  }
  void clear() {
    entries.clear();
    selected.reset();
  }
};

// One row of a report-style list: cells[0] is the row's own text, cells[k]
// its k-th sub-item. The tick and the tag travel with the row.
struct ListRow {
  std::vector<std::string> cells;
  bool ticked = false;
  std::string tag;
};

struct ListColumn {
  std::string header;
  double widthShare = 0;  // of the list's width
};

// A report-style list with a check box in front of every row. Row i (1-based
// in the window's terms) is rows[i - 1].
struct FileListView {
  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  bool visible = true;
  std::function<void(std::size_t row, bool ticked)> onItemCheck{};  // the person changed a tick
  std::function<void(int column)> onColumnClick{};                 // 1-based header
};

// A plain list of names, such as the style files.
struct ListBox {
  std::vector<std::string> entries;
  std::optional<std::size_t> selected;
  bool focused = false;  // the list asks for the keyboard focus
  std::function<void(std::size_t entry)> onClick{};
  std::function<void(std::size_t entry)> onDblClick{};
  Handler onLostFocus{};
};

// Tabs in a fixed order; an unavailable tab cannot be opened.
struct TabControl {
  std::vector<std::string> tabs;
  std::vector<bool> available;
  std::size_t selected = 0;
  bool visible = true;
  std::function<void(std::size_t tab)> onClick{};
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
