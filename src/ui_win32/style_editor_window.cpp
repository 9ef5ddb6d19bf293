#include "ui_win32/style_editor_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <array>
#include <vector>

#include "platform/windows/wide_text.h"

namespace qm::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillmereStyleEditor";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kClientWidth = 300;  // dialog units
constexpr int kClientHeight = 200;

constexpr UINT kSave = 100;
constexpr UINT kSaveAs = 101;
constexpr UINT kExit = 102;
constexpr UINT kFirstTag = 110;
constexpr UINT kExtraFile = 120;
constexpr UINT kRemoveFile = 121;
constexpr std::size_t kTagItems = 6;
constexpr int kInsertMenuPosition = 1;

struct MenuName {
  const char* name;
  UINT command;
};
constexpr std::array<MenuName, 11> kMenuNames{{{"mnuFileSave", kSave},
                                               {"mnuSaveAs", kSaveAs},
                                               {"mnuFileExit", kExit},
                                               {"mnuInsertTag_0", kFirstTag},
                                               {"mnuInsertTag_1", kFirstTag + 1},
                                               {"mnuInsertTag_2", kFirstTag + 2},
                                               {"mnuInsertTag_3", kFirstTag + 3},
                                               {"mnuInsertTag_4", kFirstTag + 4},
                                               {"mnuInsertTag_5", kFirstTag + 5},
                                               {"mnuInsertFile", kExtraFile},
                                               {"mnuInsertRemove", kRemoveFile}}};

COLORREF colour(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The text as the editor counts it: one "\n" at every paragraph's end.
std::string areaText(HWND area) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto count = static_cast<std::size_t>(::SendMessageW(area, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::wstring text(count + 1, L'\0');
  GETTEXTEX query{};
  query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  query.flags = GT_DEFAULT;
  query.codepage = 1200;
  text.resize(static_cast<std::size_t>(
      ::SendMessageW(area, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()))));
  for (wchar_t& c : text) c = c == L'\r' ? L'\n' : c;
  return windows::ansiFromWide(text);
}

void setAreaText(HWND area, std::string_view text) {
  std::wstring wide = windows::wideFromAnsi(text);
  for (wchar_t& c : wide) c = c == L'\n' ? L'\r' : c;
  SETTEXTEX how{ST_DEFAULT, 1200};
  ::SendMessageW(area, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(wide.c_str()));
}

void paint(HWND area, LONG start, LONG end, COLORREF colour) {
  CHARRANGE range{start, end};
  ::SendMessageW(area, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  ::SendMessageW(area, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// Waits, with the windows answering, as the save bar stays up.
void waitWithMessages(int milliseconds) {
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
  for (DWORD now = ::GetTickCount(); static_cast<LONG>(end - now) > 0; now = ::GetTickCount()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
}

}  // namespace

StyleEditorWindow::StyleEditorWindow(StyleEditor& editor, Desktop& desktop, std::function<void()> changed)
    : editor_(editor), desktop_(desktop), changed_(std::move(changed)) {
  static const bool registered = [] {
    ::LoadLibraryW(L"Msftedit.dll");  // RichEdit 4.1, "RICHEDIT50W"
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
  hwnd_ = ::CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 500, 400, nullptr,
                            nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StyleEditorWindow::windowProc));
  units_ = std::make_unique<DialogUnits>(windowDpi(hwnd_));
  buildMenus();
  buildChildren();
  placeChildren();

  StyleEditorHooks& hooks = editor_.hooks();
  if (!hooks.repaint) {
    hooks.repaint = [this] {
      showState();
      waitWithMessages(0);
    };
  }
  if (!hooks.holdProgress) hooks.holdProgress = waitWithMessages;
  if (!hooks.openDocument) hooks.openDocument = [this](const std::string& path) { desktop_.openLink(path); };
  showState();
}

StyleEditorWindow::~StyleEditorWindow() {
  if (::IsWindow(hwnd_)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
  if (codeFont_ != nullptr) ::DeleteObject(codeFont_);
}

void StyleEditorWindow::buildMenus() {
  HMENU file = ::CreatePopupMenu();
  ::AppendMenuW(file, MF_STRING, kSave, L"&Save");
  ::AppendMenuW(file, MF_STRING, kSaveAs, L"Save &As...");
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(file, MF_STRING, kExit, L"E&xit");
  insertMenu_ = ::CreatePopupMenu();
  const std::vector<std::string> captions = StyleEditor::tagItemCaptions();
  for (std::size_t item = 0; item < kTagItems; ++item) {
    const std::wstring caption = windows::wideFromAnsi(item < captions.size() ? captions[item] : "");
    ::AppendMenuW(insertMenu_, MF_STRING, kFirstTag + item, caption.c_str());
  }
  ::AppendMenuW(insertMenu_, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(insertMenu_, MF_STRING, kExtraFile, L"Extra &File");
  ::AppendMenuW(insertMenu_, MF_STRING, kRemoveFile, L"&Remove File");
  menu_ = ::CreateMenu();
  ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(insertMenu_), L"&Insert");
  ::SetMenu(hwnd_, menu_);
}

void StyleEditorWindow::buildChildren() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  auto child = [&](const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    return ::CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, hwnd_, nullptr,
                             instance, nullptr);
  };
  tabs_ = child(WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP, 0);
  for (const wchar_t* caption : {L"First Code", L"Last Code", L"Extra Files"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    ::SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(TabCtrl_GetItemCount(tabs_)),
                   reinterpret_cast<LPARAM>(&item));
  }
  for (HWND& area : texts_) {
    area = child(MSFTEDIT_CLASS,
                 WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                     ES_NOHIDESEL,
                 WS_EX_CLIENTEDGE);
    ::SendMessageW(area, EM_SETEVENTMASK, 0, ENM_CHANGE);
    ::SetWindowSubclass(area, childProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  files_ = child(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                 WS_EX_CLIENTEDGE);
  ::SetWindowSubclass(files_, childProc, 0, reinterpret_cast<DWORD_PTR>(this));
  bar_ = child(PROGRESS_CLASSW, 0, 0);
  ::SendMessageW(bar_, PBM_SETRANGE32, 0, StyleEditor::saveProgressMaximum());
}

void StyleEditorWindow::placeChildren() {
  auto place = [this](HWND child, RECT units) {
    const RECT at = units_->pixels(units);
    ::SetWindowPos(child, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(units_->font()), FALSE);
  };
  place(tabs_, {4, 4, kClientWidth - 8, kClientHeight - 20});
  RECT inside{};
  ::GetClientRect(tabs_, &inside);
  TabCtrl_AdjustRect(tabs_, FALSE, &inside);
  RECT tabPlace{};
  ::GetWindowRect(tabs_, &tabPlace);
  ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&tabPlace), 2);
  for (HWND page : {texts_[0], texts_[1], files_}) {
    ::SetWindowPos(page, HWND_TOP, tabPlace.left + inside.left, tabPlace.top + inside.top, inside.right - inside.left,
                   inside.bottom - inside.top, SWP_NOACTIVATE);
  }
  place(bar_, {kClientWidth - 104, kClientHeight - 12, 100, 8});
  if (codeFont_ != nullptr) ::DeleteObject(codeFont_);
  codeFont_ = ::CreateFontW(-MulDiv(10, static_cast<int>(windowDpi(hwnd_)), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                            FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, L"Courier New");
  for (HWND area : texts_) ::SendMessageW(area, WM_SETFONT, reinterpret_cast<WPARAM>(codeFont_), FALSE);
  ::SendMessageW(files_, WM_SETFONT, reinterpret_cast<WPARAM>(units_->font()), FALSE);
  RECT outer{0, 0, units_->x(kClientWidth), units_->y(kClientHeight)};
  ::AdjustWindowRectEx(&outer, kWindowStyle, TRUE, 0);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND StyleEditorWindow::control(std::string_view name) const {
  if (name == "tabEditor") return tabs_;
  if (name == "rtbError") return texts_[0];
  if (name == "rtbHandler") return texts_[1];
  if (name == "lstAddedFiles") return files_;
  if (name == "barSave") return bar_;
  return nullptr;
}

UINT StyleEditorWindow::menuCommand(std::string_view name) const {
  for (const MenuName& item : kMenuNames) {
    if (name == item.name) return item.command;
  }
  return 0;
}

HWND StyleEditorWindow::textArea(int tab) const {
  return tab == kFirstCodeTab ? texts_[0] : tab == kLastCodeTab ? texts_[1] : nullptr;
}

int StyleEditorWindow::tabOf(HWND child) const {
  if (child == texts_[0]) return kFirstCodeTab;
  if (child == texts_[1]) return kLastCodeTab;
  if (child == files_) return kExtraFilesTab;
  return -1;
}

// --- what the person does ------------------------------------------------------

void StyleEditorWindow::afterCommand() {
  showState();
  if (changed_) changed_();
}

void StyleEditorWindow::runMenuCommand(UINT command) {
  // A greyed item gives no command, from a click or a key.
  const bool insertItem = command >= kFirstTag && command <= kRemoveFile;
  if ((::GetMenuState(menu_, command, MF_BYCOMMAND) & MF_GRAYED) != 0 ||
      (insertItem && (::GetMenuState(menu_, kInsertMenuPosition, MF_BYPOSITION) & MF_GRAYED) != 0)) {
    return;
  }
  if (command == kSave) {
    editor_.save();
  } else if (command == kSaveAs) {
    editor_.saveAs();
  } else if (command == kExit) {
    editor_.hide();
  } else if (command >= kFirstTag && command < kFirstTag + kTagItems) {
    CHARRANGE selection{};
    if (HWND area = textArea(editor_.currentTab())) {
      ::SendMessageW(area, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    }
    editor_.insertTag(static_cast<int>(command - kFirstTag), static_cast<std::size_t>(selection.cpMin),
                      static_cast<std::size_t>(selection.cpMax - selection.cpMin));
  } else if (command == kExtraFile) {
    editor_.addExtraFiles();
  } else if (command == kRemoveFile) {
    editor_.removeSelectedFiles();
  } else {
    return;
  }
  afterCommand();
}

void StyleEditorWindow::takeText(int tab) {
  HWND area = textArea(tab);
  CHARRANGE selection{};
  ::SendMessageW(area, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  editor_.setText(tab, areaText(area), static_cast<std::size_t>(selection.cpMax));
  afterCommand();
}

void StyleEditorWindow::commandFromChild(HWND child, int code) {
  if (showing_) return;
  const int tab = tabOf(child);
  if ((tab == kFirstCodeTab || tab == kLastCodeTab) && code == EN_CHANGE) {
    takeText(tab);
  } else if ((tab == kFirstCodeTab || tab == kLastCodeTab) && code == EN_SETFOCUS) {
    editor_.setFocus(EditorFocus::TextArea);
    showMenus();
  } else if (tab == kExtraFilesTab && code == LBN_SETFOCUS) {
    editor_.setFocus(EditorFocus::FileList);
    showMenus();
  } else if (tab == kExtraFilesTab && code == LBN_SELCHANGE) {
    const auto count = static_cast<std::size_t>(::SendMessageW(files_, LB_GETCOUNT, 0, 0));
    for (std::size_t row = 0; row < count; ++row) {
      editor_.setFileSelected(row, ::SendMessageW(files_, LB_GETSEL, row, 0) > 0);
    }
    showMenus();
  } else if (tab == kExtraFilesTab && code == LBN_DBLCLK) {
    const LRESULT row = ::SendMessageW(files_, LB_GETCARETINDEX, 0, 0);
    if (row >= 0) editor_.openExtraFile(static_cast<std::size_t>(row));
  }
}

// Tab in a code text indents with blanks; Delete in the file list removes
// the selected files.
bool StyleEditorWindow::childKey(HWND child, WPARAM key) {
  const bool plain = ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
  const int tab = tabOf(child);
  if ((tab == kFirstCodeTab || tab == kLastCodeTab) && key == VK_TAB && plain) {
    if (tab != editor_.currentTab()) editor_.selectTab(tab);
    CHARRANGE selection{};
    ::SendMessageW(child, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    editor_.insertTabSpaces(static_cast<std::size_t>(selection.cpMin),
                            static_cast<std::size_t>(selection.cpMax - selection.cpMin));
    afterCommand();
    return true;
  }
  if (tab == kExtraFilesTab && (key == VK_DELETE || key == VK_BACK) && ::SendMessageW(files_, LB_GETCOUNT, 0, 0) > 0) {
    editor_.removeSelectedFiles();
    afterCommand();
    return true;
  }
  return false;
}

LRESULT CALLBACK StyleEditorWindow::childProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
  auto* window = reinterpret_cast<StyleEditorWindow*>(data);
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, childProc, 0);
  if (message == WM_KEYDOWN && window->childKey(hwnd, wParam)) return 0;
  if (message == WM_CHAR && wParam == L'\t' && window->tabOf(hwnd) != kExtraFilesTab) return 0;
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK StyleEditorWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<StyleEditorWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return window->handle(message, wParam, lParam);
}

LRESULT StyleEditorWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        runMenuCommand(LOWORD(wParam));
      } else {
        commandFromChild(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.hwndFrom == tabs_ && !showing_) {
        if (header.code == TCN_SELCHANGE) {
          editor_.selectTab(TabCtrl_GetCurSel(tabs_));
          afterCommand();
        } else if (header.code == NM_SETFOCUS) {
          editor_.setFocus(EditorFocus::TabStrip);
          showMenus();
        }
      }
      return 0;
    }
    case WM_CLOSE:
      // The window is the current style's home for the whole run: hide, never destroy.
      editor_.hide();
      afterCommand();
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

// --- what the editor holds -----------------------------------------------------

void StyleEditorWindow::showState() {
  if (showing_ || !::IsWindow(hwnd_)) return;
  showing_ = true;
  const std::wstring caption = windows::wideFromAnsi(editor_.caption());
  ::SetWindowTextW(hwnd_, caption.c_str());
  if (TabCtrl_GetCurSel(tabs_) != editor_.currentTab()) TabCtrl_SetCurSel(tabs_, editor_.currentTab());
  showText(kFirstCodeTab);
  showText(kLastCodeTab);
  showFiles();
  showMenus();
  for (int tab = kFirstCodeTab; tab <= kExtraFilesTab; ++tab) {
    HWND page = tab == kExtraFilesTab ? files_ : textArea(tab);
    ::ShowWindow(page, tab == editor_.currentTab() ? SW_SHOWNA : SW_HIDE);
  }
  ::SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(editor_.saveProgressValue()), 0);
  ::ShowWindow(bar_, editor_.saveProgressVisible() ? SW_SHOWNA : SW_HIDE);
  const bool visible = ::IsWindowVisible(hwnd_) != FALSE;
  if (editor_.visible() && !visible) {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd_);
  } else if (!editor_.visible() && visible) {
    ::ShowWindow(hwnd_, SW_HIDE);
  }
  showFocus();
  showing_ = false;
}

// The text when it differs, then the tags in colour, then the caret or the
// selection the editor holds.
void StyleEditorWindow::showText(int tab) {
  HWND area = textArea(tab);
  const std::string wanted = editor_.text(tab);
  ::SendMessageW(area, WM_SETREDRAW, FALSE, 0);
  if (areaText(area) != wanted) setAreaText(area, wanted);
  paint(area, 0, -1, colour(kTextColour));
  for (const TextRange& tag : editor_.highlights(tab)) {
    paint(area, static_cast<LONG>(tag.start), static_cast<LONG>(tag.start + tag.length), colour(kTagColour));
  }
  const TextRange selection = editor_.selection(tab);
  const auto caret = static_cast<LONG>(editor_.caret(tab));
  CHARRANGE range = selection.length > 0 ? CHARRANGE{static_cast<LONG>(selection.start),
                                                     static_cast<LONG>(selection.start + selection.length)}
                                         : CHARRANGE{caret, caret};
  ::SendMessageW(area, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  ::SendMessageW(area, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(area, nullptr, FALSE);
}

void StyleEditorWindow::showFiles() {
  const std::vector<std::string>& files = editor_.extraFiles();
  const auto count = static_cast<std::size_t>(::SendMessageW(files_, LB_GETCOUNT, 0, 0));
  bool same = count == files.size();
  for (std::size_t row = 0; same && row < count; ++row) {
    std::wstring text(static_cast<std::size_t>(::SendMessageW(files_, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::SendMessageW(files_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    same = windows::ansiFromWide(text) == files[row];
  }
  if (!same) {
    ::SendMessageW(files_, LB_RESETCONTENT, 0, 0);
    for (const std::string& file : files) {
      ::SendMessageW(files_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(windows::wideFromAnsi(file).c_str()));
    }
  }
  for (std::size_t row = 0; row < files.size(); ++row) {
    const bool selected = editor_.fileSelected(row);
    if ((::SendMessageW(files_, LB_GETSEL, row, 0) > 0) != selected) {
      ::SendMessageW(files_, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
    }
  }
}

void StyleEditorWindow::showMenus() {
  auto enable = [](HMENU menu, UINT item, bool enabled, UINT by) {
    ::EnableMenuItem(menu, item, by | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  enable(menu_, kSave, editor_.saveEnabled(), MF_BYCOMMAND);
  enable(menu_, kInsertMenuPosition, editor_.insertMenuEnabled(), MF_BYPOSITION);
  for (UINT item = 0; item < kTagItems; ++item) enable(insertMenu_, kFirstTag + item, editor_.tagItemsEnabled(), MF_BYCOMMAND);
  enable(insertMenu_, kExtraFile, editor_.extraFileEnabled(), MF_BYCOMMAND);
  enable(insertMenu_, kRemoveFile, editor_.removeFileEnabled(), MF_BYCOMMAND);
  ::DrawMenuBar(hwnd_);
}

void StyleEditorWindow::showFocus() {
  if (!::IsWindowVisible(hwnd_) || ::GetForegroundWindow() != hwnd_) return;
  HWND wanted = editor_.focus() == EditorFocus::TextArea   ? textArea(editor_.currentTab())
                : editor_.focus() == EditorFocus::FileList ? files_
                                                           : tabs_;
  if (wanted != nullptr && ::IsWindowVisible(wanted) && ::GetFocus() != wanted) ::SetFocus(wanted);
}

}  // namespace qm::win32
