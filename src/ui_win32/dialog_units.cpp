#include "ui_win32/dialog_units.h"

#include <initializer_list>

namespace qm::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Windows 10's per-window DPI when the system has it, else the screen's.
UINT systemDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

LOGFONTW messageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  if (font.lfHeight == 0) font.lfHeight = -12;
  // The system's metrics are at the system's scale.
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  return font;
}

}  // namespace

UINT windowDpi(HWND hwnd) {
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && hwnd != nullptr) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi != 0) return dpi;
  }
  return systemDpi();
}

DialogUnits::DialogUnits(UINT dpi) {
  LOGFONTW logical = messageFont(dpi);
  font_ = ::CreateFontIndirectW(&logical);
  LOGFONTW bold = logical;
  bold.lfWeight = FW_BOLD;
  bold_ = ::CreateFontIndirectW(&bold);
  LOGFONTW title = bold;
  title.lfHeight = MulDiv(logical.lfHeight, 115, 100);
  title_ = ::CreateFontIndirectW(&title);

  // The average width of the 52 letters, as the system measures dialogs.
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font_);
  TEXTMETRICW text{};
  ::GetTextMetricsW(dc, &text);
  SIZE letters{};
  static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  ::GetTextExtentPoint32W(dc, kLetters, 52, &letters);
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  if (letters.cx > 0) baseX_ = (letters.cx / 26 + 1) / 2;
  if (text.tmHeight > 0) baseY_ = text.tmHeight;
}

DialogUnits::~DialogUnits() {
  for (HFONT font : {font_, bold_, title_}) {
    if (font != nullptr) ::DeleteObject(font);
  }
}

}  // namespace qm::win32
