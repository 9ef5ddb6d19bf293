// The boxes that the wizard, the run and the style editor ask through, as
// the system's own dialogs: MessageBoxW, the open-file dialog, the folder
// browser, and two small dialogs built in memory (the input box and the
// roll-back warning). Each is modal to the window that asks.
#pragma once

#include <windows.h>

#include "platform/view_services.h"

namespace qm::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }

  void messageBox(std::string_view text, std::string_view title) override;
  std::vector<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override;
  bool rollbackWarning(bool& dontShowAgain) override;
  std::optional<std::string> chooseFolder(std::string_view title, std::string_view startFolder) override;

 private:
  HWND owner_;
};

// The desktop's default handler through ShellExecuteW, and the help file
// through HTML Help (hhctrl.ocx, loaded when first asked) at its topic.
class ShellDesktop final : public Desktop {
 public:
  explicit ShellDesktop(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }
  void openLink(std::string_view target) override;
  void openHelp(std::string_view helpFile, int topic) override;

 private:
  HWND owner_;
};

// "Label|pattern|Label|pattern" as the open-file dialog's filter: pairs of
// strings ended by NUL, the whole ended by a second NUL.
std::wstring fileDialogFilter(std::string_view filter);

}  // namespace qm::win32
