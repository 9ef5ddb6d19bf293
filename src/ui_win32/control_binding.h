// One row of the Win32 window's binding table: a child window and the wizard
// control it shows. present() copies the control's caption, text, tick,
// selection and enabled flag onto the child, touching only what differs;
// command() and notify() take what the child reports (WM_COMMAND and
// WM_NOTIFY), set the control's value and run its handler. Whether the
// child is shown is the window's to decide (its page and tab come into it),
// so a row only says whether the control itself is visible.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>

#include "wizard/controls.h"

namespace qm::win32 {

// What the rows of one window share.
struct BindingContext {
  std::function<void()> handled;  // after a handler: the window shows what it did
  std::function<bool()> quiet;    // while the window copies the logic, child notifications are echoes
};

struct ControlBinding {
  HWND hwnd = nullptr;
  std::function<bool()> visible = [] { return true; };
  std::function<void()> present = [] {};
  std::function<void(int code)> command = [](int) {};
  std::function<void(const NMHDR& header)> notify = [](const NMHDR&) {};
  std::function<int()> helpTopic = [] { return 0; };  // F1 on the focused child; 0: the page's
};

ControlBinding bindLabel(HWND hwnd, const Label& label);
// A label shown only while `shape` is drawn too.
ControlBinding bindLabel(HWND hwnd, const Label& label, const Shape& shape);
ControlBinding bindGroupBox(HWND hwnd, const Label& label);
ControlBinding bindShape(HWND hwnd, const Shape& shape);
ControlBinding bindButton(HWND hwnd, Button& button, const BindingContext& context);
ControlBinding bindImage(HWND hwnd, Image& image, const BindingContext& context);
ControlBinding bindCheckBox(HWND hwnd, CheckBox& box, const BindingContext& context);
ControlBinding bindOption(HWND hwnd, OptionButton& option, const BindingContext& context);
ControlBinding bindTextBox(HWND hwnd, TextBox& box, const BindingContext& context);
ControlBinding bindDropDown(HWND hwnd, DropDownList& list, const BindingContext& context);
ControlBinding bindProgress(HWND hwnd, const ProgressBar& bar);
ControlBinding bindListBox(HWND hwnd, ListBox& list, const BindingContext& context);
ControlBinding bindTabs(HWND hwnd, TabControl& tabs, const BindingContext& context);
ControlBinding bindFileList(HWND hwnd, FileListView& list, const BindingContext& context);
ControlBinding bindSummary(HWND hwnd, const SummaryBox& box);

// A child's whole text, in the program's code page.
std::string windowText(HWND hwnd);
// Sets a child's text when it differs.
void setWindowText(HWND hwnd, std::string_view text);

// Typed letters in a drop-down list pick the first entry that begins with
// them all (the recent projects are full paths): a pause starts afresh.
void addPrefixSearch(HWND comboBox, DropDownList& list, const BindingContext& context);

}  // namespace qm::win32
