// The About window on Windows: the product, its version, the warranty
// warning and the maker's two links (SysLink controls, opened through the
// desktop). Not modal; closing destroys it, and the wizard makes it anew.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/view_services.h"
#include "ui_win32/dialog_units.h"

namespace qm::win32 {

class AboutWindow {
 public:
  // `guideFile`: the user guide's start, shown as a third link; "" for none.
  AboutWindow(HWND owner, Desktop& desktop, std::string guideFile);
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool open() const { return ::IsWindow(hwnd_) != FALSE; }
  // "lblVisit", "lblLink", "lblGuide", "cmdClose", "lblVersion"; nullptr when there is none.
  HWND control(std::string_view name) const;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  Desktop& desktop_;
  std::string guideFile_;
  HWND guide_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND visit_ = nullptr;
  HWND contact_ = nullptr;
  HWND close_ = nullptr;
  HWND version_ = nullptr;
  std::unique_ptr<DialogUnits> units_;
};

}  // namespace qm::win32
