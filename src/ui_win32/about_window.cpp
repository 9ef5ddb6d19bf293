#include "ui_win32/about_window.h"

#include <commctrl.h>

#include <string>

#include "platform/paths.h"
#include "platform/windows/wide_text.h"
#include "wizard/about_text.h"

namespace qm::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillmereAbout";
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kClientWidth = 220;  // dialog units
constexpr int kClientHeight = 150;

}  // namespace

AboutWindow::AboutWindow(HWND owner, Desktop& desktop, std::string guideFile)
    : desktop_(desktop), guideFile_(std::move(guideFile)) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LINK_CLASS};
    ::InitCommonControlsEx(&controls);
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
  hwnd_ = ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kWindowClass,
                            windows::wideFromAnsi(kAboutCaption).c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            400, 300, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AboutWindow::windowProc));
  units_ = std::make_unique<DialogUnits>(windowDpi(hwnd_));

  auto add = [this](const wchar_t* windowClass, std::string_view text, DWORD style, RECT units, HFONT font) {
    const RECT at = units_->pixels(units);
    HWND child = ::CreateWindowExW(0, windowClass, windows::wideFromAnsi(text).c_str(),
                                   WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right - at.left,
                                   at.bottom - at.top, hwnd_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
  };
  const HFONT font = units_->font();
  add(L"STATIC", kProductName, SS_LEFT | SS_NOPREFIX, {10, 8, 200, 14}, units_->titleFont());
  version_ = add(L"STATIC",
                 aboutVersion(QUILLMERE_VERSION_MAJOR, QUILLMERE_VERSION_MINOR, QUILLMERE_VERSION_PATCH),
                 SS_LEFT | SS_NOPREFIX, {10, 24, 200, 10}, font);
  add(L"STATIC", aboutInfo(), SS_LEFT | SS_NOPREFIX, {10, 38, 200, 20}, font);
  add(L"STATIC", kAboutWarningTitle, SS_LEFT | SS_NOPREFIX, {10, 60, 200, 10}, units_->boldFont());
  add(L"STATIC", kAboutWarning, SS_LEFT | SS_NOPREFIX, {10, 71, 200, 20}, font);
  add(L"STATIC", aboutCopyright(), SS_LEFT | SS_NOPREFIX, {10, 93, 200, 10}, font);
  if (!guideFile_.empty()) {
    guide_ = add(WC_LINK, "User guide (F1): <a>" + shownPath(guideFile_) + "</a>", WS_TABSTOP, {10, 105, 200, 18},
                 font);
  }
  visit_ = add(WC_LINK, "<a>" + std::string(kVisitUs) + "</a>", WS_TABSTOP, {10, 126, 60, 10}, font);
  contact_ = add(WC_LINK, "<a>" + std::string(kContactUs) + "</a>", WS_TABSTOP, {76, 126, 60, 10}, font);
  close_ = add(L"BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, {160, 124, 50, 14}, font);

  RECT outer{0, 0, units_->x(kClientWidth), units_->y(kClientHeight)};
  ::AdjustWindowRectEx(&outer, kWindowStyle, FALSE, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
  RECT ownerPlace{};
  ::GetWindowRect(owner, &ownerPlace);
  ::SetWindowPos(hwnd_, nullptr, ownerPlace.left + 40, ownerPlace.top + 40, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER);
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
}

AboutWindow::~AboutWindow() {
  if (::IsWindow(hwnd_)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

HWND AboutWindow::control(std::string_view name) const {
  if (name == "lblVisit") return visit_;
  if (name == "lblLink") return contact_;
  if (name == "lblGuide") return guide_;
  if (name == "cmdClose") return close_;
  if (name == "lblVersion") return version_;
  return nullptr;
}

LRESULT CALLBACK AboutWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<AboutWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return window->handle(message, wParam, lParam);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.code == NM_CLICK || header.code == NM_RETURN) {
        if (header.hwndFrom == visit_) desktop_.openLink(visitUsLink());
        if (header.hwndFrom == contact_) desktop_.openLink(contactUsLink());
        if (header.hwndFrom == guide_) desktop_.openLink(guideFile_);
      }
      return 0;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == close_ || LOWORD(wParam) == IDCANCEL) ::DestroyWindow(hwnd_);
      return 0;
    case WM_CLOSE:
      ::DestroyWindow(hwnd_);
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

}  // namespace qm::win32
