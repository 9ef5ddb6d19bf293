// The binding of each kind of control to its kind of child window.
#include "ui_win32/control_binding.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/windows/wide_text.h"
#include "wizard/recent_projects.h"

namespace qm::win32 {
namespace {

void setEnabled(HWND hwnd, bool enabled) {
  if ((::IsWindowEnabled(hwnd) != FALSE) != enabled) ::EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

// Static texts and buttons show "&" literally in the logic's captions.
std::string plainCaption(std::string_view caption) {
  std::string text;
  for (char c : caption) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}

void setCaption(HWND hwnd, const std::string& caption) {
  if (!caption.empty()) setWindowText(hwnd, plainCaption(caption));
}

void setCheck(HWND hwnd, bool checked) {
  const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(::SendMessageW(hwnd, BM_GETCHECK, 0, 0)) != state) {
    ::SendMessageW(hwnd, BM_SETCHECK, state, 0);
  }
}

std::wstring wide(std::string_view text) { return windows::wideFromAnsi(text); }

std::vector<std::string> comboEntries(HWND hwnd) {
  std::vector<std::string> entries;
  const auto count = ::SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(::SendMessageW(hwnd, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    ::SendMessageW(hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(::wcslen(text.c_str()));
    entries.push_back(windows::ansiFromWide(text));
  }
  return entries;
}

std::vector<std::string> listBoxEntries(HWND hwnd) {
  std::vector<std::string> entries;
  const auto count = ::SendMessageW(hwnd, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(::SendMessageW(hwnd, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    ::SendMessageW(hwnd, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(::wcslen(text.c_str()));
    entries.push_back(windows::ansiFromWide(text));
  }
  return entries;
}

LRESULT selectionIndex(const std::optional<std::size_t>& selected) {
  return selected ? static_cast<LRESULT>(*selected) : -1;
}

// A pick in a drop-down list: only a settled one (the list closed), and
// only one that differs from what the logic holds, since closing the list
// and the selection change both report it.
void pickFromDropDown(HWND hwnd, DropDownList& list, const BindingContext& context) {
  if (context.quiet() || ::SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0) return;
  const LRESULT index = ::SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
  if (index < 0 || index == selectionIndex(list.selected)) return;
  list.selected = static_cast<std::size_t>(index);
  fire(list.onClick);
  context.handled();
}

void presentColumns(HWND hwnd, const FileListView& list) {
  HWND header = ListView_GetHeader(hwnd);
  const auto shown = static_cast<std::size_t>(header != nullptr ? Header_GetItemCount(header) : 0);
  if (shown == list.columns.size()) return;
  RECT client{};
  ::GetClientRect(hwnd, &client);
  const int width = client.right - client.left - ::GetSystemMetrics(SM_CXVSCROLL);
  int used = 0;
  for (std::size_t i = 0; i < list.columns.size(); ++i) {
    std::wstring text = wide(list.columns[i].header);
    const bool last = i + 1 == list.columns.size();
    const int columnWidth = last ? std::max(width - used, 40) : static_cast<int>(width * list.columns[i].widthShare);
    used += columnWidth;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
    column.cx = columnWidth;
    column.pszText = text.data();
    column.iSubItem = static_cast<int>(i);
    ::SendMessageW(hwnd, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

std::string cellText(HWND hwnd, int row, int column) {
  std::wstring text(512, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  const auto length = ::SendMessageW(hwnd, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
  return windows::ansiFromWide(text);
}

void setCell(HWND hwnd, int row, int column, const std::string& value) {
  if (cellText(hwnd, row, column) == value) return;
  std::wstring text = wide(value);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  ::SendMessageW(hwnd, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

// Only rows that differ from what is shown are touched: the analysis yields
// once per file and a long list must not be rebuilt every time.
void presentRows(HWND hwnd, const FileListView& list) {
  presentColumns(hwnd, list);
  const int rowCount = static_cast<int>(list.rows.size());
  while (ListView_GetItemCount(hwnd) > rowCount) ListView_DeleteItem(hwnd, ListView_GetItemCount(hwnd) - 1);
  const int columns = static_cast<int>(list.columns.size());
  for (int row = 0; row < rowCount; ++row) {
    const ListRow& data = list.rows[static_cast<std::size_t>(row)];
    if (row >= ListView_GetItemCount(hwnd)) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = const_cast<wchar_t*>(L"");
      ::SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (int column = 0; column < columns; ++column) {
      const auto cell = static_cast<std::size_t>(column);
      setCell(hwnd, row, column, cell < data.cells.size() ? data.cells[cell] : std::string());
    }
    if ((ListView_GetCheckState(hwnd, row) != FALSE) != data.ticked) ListView_SetCheckState(hwnd, row, data.ticked);
  }
}

// The person changed a row's tick (a click on its box, the space bar, or
// LVM_SETITEMSTATE from code): the state image went from one to the other.
void reportTick(HWND hwnd, FileListView& list, const NMHDR& header, const BindingContext& context) {
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (context.quiet() || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return;
  const UINT oldImage = change.uOldState & LVIS_STATEIMAGEMASK;
  const UINT newImage = change.uNewState & LVIS_STATEIMAGEMASK;
  if (oldImage == newImage || oldImage == 0 || newImage == 0) return;
  const auto row = static_cast<std::size_t>(change.iItem);
  if (row >= list.rows.size()) return;
  const bool ticked = ListView_GetCheckState(hwnd, change.iItem) != FALSE;
  if (list.rows[row].ticked == ticked) return;
  if (list.onItemCheck) list.onItemCheck(row, ticked);
  context.handled();
}

// The summary box: appends what was added since the last copy when the text
// only grew, and scrolls to the newest line when the caret is there.
void presentSummary(HWND hwnd, const SummaryBox& box, std::string& shownText) {
  if (box.text != shownText) {
    if (!shownText.empty() && box.text.size() > shownText.size() &&
        box.text.compare(0, shownText.size(), shownText) == 0) {
      const auto end = ::GetWindowTextLengthW(hwnd);
      ::SendMessageW(hwnd, EM_SETSEL, end, end);
      const std::wstring more = wide(std::string_view(box.text).substr(shownText.size()));
      ::SendMessageW(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(more.c_str()));
    } else {
      ::SetWindowTextW(hwnd, wide(box.text).c_str());
    }
    shownText = box.text;
  }
  if (box.caretAtEnd) {
    const auto end = ::GetWindowTextLengthW(hwnd);
    ::SendMessageW(hwnd, EM_SETSEL, end, end);
    ::SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
  }
}

struct PrefixSearch {
  DropDownList& list;
  BindingContext context;
  std::string typed;
  DWORD lastKey = 0;
};

constexpr DWORD kTypingPause = 1000;  // ms; as the system's own list boxes

LRESULT CALLBACK prefixSearchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* search = reinterpret_cast<PrefixSearch*>(data);
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, prefixSearchProc, 0);
    delete search;
  } else if (message == WM_CHAR && wParam >= L' ' && ::SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) == 0) {
    const DWORD now = ::GetTickCount();
    if (now - search->lastKey > kTypingPause) search->typed.clear();
    search->lastKey = now;
    search->typed += windows::ansiFromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
    if (const auto entry = findRecentEntry(search->list, search->typed)) {
      ::SendMessageW(hwnd, CB_SETCURSEL, *entry, 0);
      pickFromDropDown(hwnd, search->list, search->context);
    }
    return 0;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

std::string windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return windows::ansiFromWide(text);
}

void setWindowText(HWND hwnd, std::string_view text) {
  if (windowText(hwnd) != text) ::SetWindowTextW(hwnd, wide(text).c_str());
}

ControlBinding bindLabel(HWND hwnd, const Label& label) {
  return {.hwnd = hwnd,
          .visible = [&label] { return label.visible; },
          .present = [hwnd, &label] { setWindowText(hwnd, plainCaption(label.caption)); }};
}

ControlBinding bindLabel(HWND hwnd, const Label& label, const Shape& shape) {
  ControlBinding binding = bindLabel(hwnd, label);
  binding.visible = [&label, &shape] { return label.visible && shape.visible; };
  return binding;
}

ControlBinding bindGroupBox(HWND hwnd, const Label& label) {
  return {.hwnd = hwnd, .present = [hwnd, &label] { setWindowText(hwnd, plainCaption(label.caption)); }};
}

ControlBinding bindShape(HWND hwnd, const Shape& shape) {
  return {.hwnd = hwnd, .visible = [&shape] { return shape.visible; }};
}

ControlBinding bindButton(HWND hwnd, Button& button, const BindingContext& context) {
  return {.hwnd = hwnd,
          .visible = [&button] { return button.visible; },
          .present =
              [hwnd, &button] {
                setCaption(hwnd, button.caption);
                setEnabled(hwnd, button.enabled);
              },
          // Enter reaches the default button also when it cannot be clicked.
          .command =
              [&button, context](int code) {
                if (code != BN_CLICKED || context.quiet() || !button.enabled || !button.visible) return;
                fire(button.onClick);
                context.handled();
              },
          .helpTopic = [&button] { return button.helpTopic; }};
}

ControlBinding bindImage(HWND hwnd, Image& image, const BindingContext& context) {
  return {.hwnd = hwnd, .command = [&image, context](int code) {
            if (code != STN_CLICKED || context.quiet()) return;
            fire(image.onClick);
            context.handled();
          }};
}

ControlBinding bindCheckBox(HWND hwnd, CheckBox& box, const BindingContext& context) {
  return {.hwnd = hwnd,
          .present =
              [hwnd, &box] {
                setCaption(hwnd, box.caption);
                setCheck(hwnd, box.ticked);
                setEnabled(hwnd, box.enabled);
              },
          .command =
              [&box, context](int code) {
                if (code != BN_CLICKED || context.quiet()) return;
                box.ticked = !box.ticked;
                fire(box.onClick);
                context.handled();
              }};
}

ControlBinding bindOption(HWND hwnd, OptionButton& option, const BindingContext& context) {
  return {.hwnd = hwnd,
          .present =
              [hwnd, &option] {
                setCaption(hwnd, option.caption);
                setCheck(hwnd, option.selected);
                setEnabled(hwnd, option.enabled);
              },
          .command =
              [&option, context](int code) {
                if (code != BN_CLICKED || context.quiet()) return;
                fire(option.onClick);
                context.handled();
              }};
}

ControlBinding bindTextBox(HWND hwnd, TextBox& box, const BindingContext& context) {
  return {.hwnd = hwnd,
          .present =
              [hwnd, &box] {
                setWindowText(hwnd, box.text);
                setEnabled(hwnd, box.enabled);
              },
          .command = [hwnd, &box, context](int code) {
            if (context.quiet()) return;
            if (code == EN_CHANGE) {
              box.text = windowText(hwnd);
              DWORD caret = 0;
              ::SendMessageW(hwnd, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
              box.selectionStart = caret;
              box.selectionLength = 0;
              context.handled();
            } else if (code == EN_SETFOCUS && box.onGotFocus) {
              fire(box.onGotFocus);
              context.handled();
              ::SendMessageW(hwnd, EM_SETSEL, box.selectionStart, box.selectionStart + box.selectionLength);
            } else if (code == EN_KILLFOCUS && box.onLostFocus) {
              fire(box.onLostFocus);
              context.handled();
            }
          }};
}

ControlBinding bindDropDown(HWND hwnd, DropDownList& list, const BindingContext& context) {
  return {.hwnd = hwnd,
          .visible = [&list] { return list.visible; },
          .present =
              [hwnd, &list] {
                if (comboEntries(hwnd) != list.entries) {
                  ::SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
                  for (const std::string& entry : list.entries) {
                    ::SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
                  }
                }
                if (::SendMessageW(hwnd, CB_GETCURSEL, 0, 0) != selectionIndex(list.selected)) {
                  ::SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(selectionIndex(list.selected)), 0);
                }
                setEnabled(hwnd, list.enabled);
              },
          .command = [hwnd, &list, context](int code) {
            if (code == CBN_SELCHANGE || code == CBN_CLOSEUP) pickFromDropDown(hwnd, list, context);
          }};
}

void addPrefixSearch(HWND comboBox, DropDownList& list, const BindingContext& context) {
  auto* search = new PrefixSearch{list, context, {}, 0};
  ::SetWindowSubclass(comboBox, prefixSearchProc, 0, reinterpret_cast<DWORD_PTR>(search));
}

ControlBinding bindProgress(HWND hwnd, const ProgressBar& bar) {
  return {.hwnd = hwnd, .visible = [&bar] { return bar.visible; }, .present = [hwnd, &bar] {
            const int maximum = std::max(bar.maximum, 0);
            if (static_cast<int>(::SendMessageW(hwnd, PBM_GETRANGE, FALSE, 0)) != maximum) {
              ::SendMessageW(hwnd, PBM_SETRANGE32, 0, maximum);
            }
            const int value = std::clamp(bar.value, 0, maximum);
            if (static_cast<int>(::SendMessageW(hwnd, PBM_GETPOS, 0, 0)) != value) {
              ::SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(value), 0);
            }
          }};
}

ControlBinding bindListBox(HWND hwnd, ListBox& list, const BindingContext& context) {
  return {.hwnd = hwnd,
          .present =
              [hwnd, &list] {
                if (listBoxEntries(hwnd) != list.entries) {
                  ::SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
                  for (const std::string& entry : list.entries) {
                    ::SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
                  }
                }
                if (::SendMessageW(hwnd, LB_GETCURSEL, 0, 0) != selectionIndex(list.selected)) {
                  ::SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(selectionIndex(list.selected)), 0);
                }
                if (list.focused && ::GetFocus() != hwnd && ::IsWindowVisible(hwnd)) ::SetFocus(hwnd);
              },
          .command = [hwnd, &list, context](int code) {
            if (context.quiet()) return;
            const LRESULT index = ::SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
            if (code == LBN_SELCHANGE && index >= 0 && list.onClick) {
              list.selected = static_cast<std::size_t>(index);
              list.onClick(static_cast<std::size_t>(index));
              context.handled();
            } else if (code == LBN_DBLCLK && index >= 0 && list.onDblClick) {
              list.onDblClick(static_cast<std::size_t>(index));
              context.handled();
            } else if (code == LBN_KILLFOCUS && list.onLostFocus) {
              fire(list.onLostFocus);
              context.handled();
            }
          }};
}

ControlBinding bindTabs(HWND hwnd, TabControl& tabs, const BindingContext& context) {
  return {.hwnd = hwnd,
          .visible = [&tabs] { return tabs.visible; },
          .present =
              [hwnd, &tabs] {
                if (static_cast<std::size_t>(TabCtrl_GetItemCount(hwnd)) != tabs.tabs.size()) {
                  TabCtrl_DeleteAllItems(hwnd);
                  for (std::size_t i = 0; i < tabs.tabs.size(); ++i) {
                    std::wstring text = wide(tabs.tabs[i]);
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = text.data();
                    ::SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
                  }
                }
                if (TabCtrl_GetCurSel(hwnd) != static_cast<int>(tabs.selected)) {
                  TabCtrl_SetCurSel(hwnd, static_cast<int>(tabs.selected));
                }
              },
          .notify = [hwnd, &tabs, context](const NMHDR& header) {
            if (header.code != TCN_SELCHANGE || context.quiet()) return;
            const int tab = TabCtrl_GetCurSel(hwnd);
            if (tab < 0) return;
            if (tabs.onClick) tabs.onClick(static_cast<std::size_t>(tab));
            context.handled();
          }};
}

ControlBinding bindFileList(HWND hwnd, FileListView& list, const BindingContext& context) {
  return {.hwnd = hwnd,
          .visible = [&list] { return list.visible; },
          .present = [hwnd, &list] { presentRows(hwnd, list); },
          .notify = [hwnd, &list, context](const NMHDR& header) {
            if (header.code == LVN_ITEMCHANGED) {
              reportTick(hwnd, list, header, context);
            } else if (header.code == LVN_COLUMNCLICK && !context.quiet()) {
              if (list.onColumnClick) list.onColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem + 1);
              context.handled();
            }
          }};
}

ControlBinding bindSummary(HWND hwnd, const SummaryBox& box) {
  auto shown = std::make_shared<std::string>();
  return {.hwnd = hwnd, .present = [hwnd, &box, shown] { presentSummary(hwnd, box, *shown); }};
}

}  // namespace qm::win32
