// Sizes in dialog units, as Windows' own dialogs are laid out: a quarter of
// the average character width across, an eighth of the character height
// down, measured in the message font at the window's DPI. A window laid out
// this way fits its texts at 100 %, 150 % and 200 % and after a move to a
// monitor of another scale (WM_DPICHANGED lays it out again).
#pragma once

#include <windows.h>

namespace qm::win32 {

// The scale a window is shown at: 96 at 100 %.
UINT windowDpi(HWND hwnd);

class DialogUnits {
 public:
  // The message font at `dpi`, optionally bold or larger; owned by this object.
  explicit DialogUnits(UINT dpi);
  ~DialogUnits();
  DialogUnits(const DialogUnits&) = delete;
  DialogUnits& operator=(const DialogUnits&) = delete;

  HFONT font() const { return font_; }
  HFONT boldFont() const { return bold_; }
  HFONT titleFont() const { return title_; }
  int x(int units) const { return MulDiv(units, baseX_, 4); }
  int y(int units) const { return MulDiv(units, baseY_, 8); }
  RECT pixels(const RECT& units) const {
    return {x(units.left), y(units.top), x(units.left + units.right), y(units.top + units.bottom)};
  }

 private:
  HFONT font_ = nullptr;
  HFONT bold_ = nullptr;
  HFONT title_ = nullptr;
  int baseX_ = 6;
  int baseY_ = 13;
};

}  // namespace qm::win32
