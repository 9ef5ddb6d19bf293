// The wizard window's behaviour: the messages of the top-level window, the
// requests only a window answers, and the refresh after every handler.
#include "ui_win32/wizard_window.h"

#include <commctrl.h>

#include <array>
#include <cstdlib>

#include "platform/windows/wide_text.h"
#include "wizard/wizard.h"

namespace qm::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillmereWizard";
constexpr int kFirstChildId = 1000;
constexpr int kClientWidth = 260;  // dialog units
constexpr int kClientHeight = 180;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

void registerWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

WizardWindow::WizardWindow(Wizard& logic, Dialogs& dialogs, Desktop& desktop)
    : logic_(logic), dialogs_(dialogs), desktop_(desktop) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  registerWindowClass();
  context_ = {[this] { handled(); }, [this] { return refreshing_; }};
  quit_ = [this] {
    // The program ends at once, also from inside long work that is yielding:
    // every setting was stored when it changed, so nothing is left to save.
    if (yieldDepth_ > 0) std::exit(0);
    ::DestroyWindow(hwnd_);
    ::PostQuitMessage(0);
  };
  hwnd_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, windows::wideFromAnsi(logic_.caption).c_str(),
                            kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr,
                            ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WizardWindow::windowProc));
  units_ = std::make_unique<DialogUnits>(windowDpi(hwnd_));
  buildWindow();
  placeChildren();
  // The style editor's commands change what the options page shows.
  editor_ = std::make_unique<StyleEditorWindow>(logic_.editor(), desktop_, [this] { handled(); });
  refresh();
}

WizardWindow::~WizardWindow() {
  if (::IsWindow(hwnd_)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

HWND WizardWindow::add(std::string name, const wchar_t* windowClass, DWORD style, Spot spot,
                       const std::function<ControlBinding(HWND)>& bind, Font font, DWORD exStyle) {
  const int id = kFirstChildId + static_cast<int>(children_.size());
  HWND child = ::CreateWindowExW(exStyle, windowClass, L"", style, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                 nullptr);
  ControlBinding binding = bind ? bind(child) : ControlBinding{.hwnd = child};
  children_.push_back({std::move(name), spot, font, std::move(binding)});
  return child;
}

// Every child at its place and in its font for the window's DPI, and the
// window's client area around them.
void WizardWindow::placeChildren() {
  for (const Child& child : children_) {
    const RECT place = units_->pixels(child.spot.units);
    ::SetWindowPos(child.binding.hwnd, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = child.font == Font::Title  ? units_->titleFont()
                       : child.font == Font::Bold ? units_->boldFont()
                                                  : units_->font();
    ::SendMessageW(child.binding.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  RECT outer{0, 0, units_->x(kClientWidth), units_->y(kClientHeight)};
  ::AdjustWindowRectEx(&outer, kWindowStyle, FALSE, WS_EX_CONTROLPARENT);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND WizardWindow::control(std::string_view name) const {
  for (const Child& child : children_) {
    if (child.name == name) return child.binding.hwnd;
  }
  if (about_ && about_->open() && about_->control(name) != nullptr) return about_->control(name);
  return editor_ ? editor_->control(name) : nullptr;
}

const WizardWindow::Child* WizardWindow::childOf(HWND hwnd) const {
  for (const Child& child : children_) {
    if (child.binding.hwnd == hwnd) return &child;
  }
  return nullptr;
}

bool WizardWindow::childShown(const Child& child) const {
  const int page = static_cast<int>(logic_.currentPage);
  if (child.spot.page >= 0 && child.spot.page != page) return false;
  const TabControl& tabs = logic_.optionsPage.tabOptions;
  if (child.spot.tab >= 0 && (!tabs.visible || static_cast<std::size_t>(child.spot.tab) != tabs.selected)) {
    return false;
  }
  return child.binding.visible();
}

void WizardWindow::handled() {
  if (quitting_) return;
  refresh();
}

void WizardWindow::refresh() {
  if (refreshing_ || !::IsWindow(hwnd_)) return;
  refreshing_ = true;
  setWindowText(hwnd_, logic_.caption);
  for (const Child& child : children_) {
    child.binding.present();
    const bool shown = childShown(child);
    // The child's own flag: IsWindowVisible() is false while the window is.
    const bool visible = (::GetWindowLongPtrW(child.binding.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != shown) {
      ::ShowWindow(child.binding.hwnd, shown ? SW_SHOWNA : SW_HIDE);
    }
  }
  if (editor_) editor_->showState();
  refreshing_ = false;
}

HWND WizardWindow::defaultButton() const {
  static constexpr std::array<const char*, 4> kDefaults{"cmdLoad2", "cmdLoad3", "cmdLoad4", "cmdBegin"};
  return control(kDefaults[static_cast<std::size_t>(logic_.currentPage)]);
}

void WizardWindow::pressQuit() {
  static constexpr std::array<const char*, 4> kQuits{"cmdQuit_0", "cmdQuit_1", "cmdQuit_2", "cmdQuit_4"};
  HWND quit = control(kQuits[static_cast<std::size_t>(logic_.currentPage)]);
  if (const Child* child = childOf(quit)) child->binding.command(BN_CLICKED);
}

int WizardWindow::focusedHelpTopic() const {
  const Child* focused = childOf(::GetFocus());
  return focused != nullptr ? focused->binding.helpTopic() : 0;
}

int WizardWindow::helpTopic() const { return logic_.helpTopic(focusedHelpTopic()); }

void WizardWindow::pressF1() { logic_.F1(focusedHelpTopic()); }

void WizardWindow::openHelp(const HelpTarget& target) { desktop_.openHelp(target.file, target.topic); }

bool WizardWindow::translate(MSG& message) {
  if (!::IsWindow(hwnd_) || (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
    pressF1();
    return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && pressWithEnter(message.hwnd)) return true;
  // Escape (IDCANCEL), Tab and the arrows between options, as in a dialog.
  return ::IsDialogMessageW(hwnd_, &message) != FALSE;
}

// A focused push button takes Enter itself; otherwise the page's default
// button is pressed, after the focus moved onto it as a click would move it,
// so a number box is checked first. An open drop-down list keeps the key.
bool WizardWindow::pressWithEnter(HWND focused) {
  if (::SendMessageW(focused, CB_GETDROPPEDSTATE, 0, 0) != 0) return false;
  const Child* child = childOf(focused);
  const auto kind = ::GetWindowLongPtrW(focused, GWL_STYLE) & 0x0F;
  const bool pushButton = child != nullptr && (::SendMessageW(focused, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0 &&
                          (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
  HWND button = pushButton ? focused : defaultButton();
  const Child* pressed = childOf(button);
  if (pressed == nullptr || !::IsWindowEnabled(button) || !::IsWindowVisible(button)) return true;
  ::SetFocus(button);
  pressed->binding.command(BN_CLICKED);
  return true;
}

void WizardWindow::dispatchWaiting() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (translate(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void WizardWindow::yield() {
  ++yieldDepth_;
  refresh();
  dispatchWaiting();
  --yieldDepth_;
}

void WizardWindow::showStyleEditor() {
  editor_->showState();
  if (::IsWindowVisible(editor_->hwnd())) ::SetForegroundWindow(editor_->hwnd());
}

void WizardWindow::showAbout() {
  if (about_ && about_->open()) {
    ::SetForegroundWindow(about_->hwnd());
    return;
  }
  about_ = std::make_unique<AboutWindow>(hwnd_, desktop_, logic_.guideFile());
}

void WizardWindow::showFolderBrowser() {
  const auto folder = dialogs_.chooseFolder("Choose the folder of the new project", logic_.programFolder());
  if (!folder) return;
  logic_.optionsPage.setNewLocation(*folder);
  handled();
}

void WizardWindow::openDocument(const std::string& path) { desktop_.openLink(path); }

void WizardWindow::endProgram() {
  if (quitting_) return;
  quitting_ = true;
  if (quit_) quit_();
}

// The maker's badge: a filled disc with the maker's initial.
void WizardWindow::drawLogo(const DRAWITEMSTRUCT& item) const {
  const RECT& box = item.rcItem;
  HBRUSH fill = ::CreateSolidBrush(RGB(0x2b, 0x4c, 0x7e));
  HGDIOBJ oldBrush = ::SelectObject(item.hDC, fill);
  HGDIOBJ oldPen = ::SelectObject(item.hDC, ::GetStockObject(NULL_PEN));
  ::FillRect(item.hDC, &box, ::GetSysColorBrush(COLOR_BTNFACE));
  ::Ellipse(item.hDC, box.left, box.top, box.right, box.bottom);
  ::SelectObject(item.hDC, oldPen);
  ::SelectObject(item.hDC, oldBrush);
  ::DeleteObject(fill);
  HGDIOBJ oldFont = ::SelectObject(item.hDC, units_->titleFont());
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, RGB(0xff, 0xff, 0xff));
  RECT text = box;
  ::DrawTextW(item.hDC, L"O", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(item.hDC, oldFont);
}

LRESULT CALLBACK WizardWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<WizardWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return window->handle(message, wParam, lParam);
}

LRESULT WizardWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const auto child = reinterpret_cast<HWND>(lParam);
      if (LOWORD(wParam) == IDCANCEL && (child == nullptr || childOf(child) == nullptr)) {
        pressQuit();
      } else if (const Child* source = childOf(child)) {
        source->binding.command(HIWORD(wParam));
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (const Child* source = childOf(header.hwndFrom)) source->binding.notify(header);
      return 0;
    }
    case WM_DRAWITEM:
      drawLogo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DPICHANGED: {
      units_ = std::make_unique<DialogUnits>(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      placeChildren();
      return 0;
    }
    case WM_CLOSE:
      endProgram();
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

}  // namespace qm::win32
