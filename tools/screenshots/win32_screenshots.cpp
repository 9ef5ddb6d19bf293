// Opens every Win32 window and dialog in turn, on the project named on the
// command line, and at each asks whoever started it to take a picture of the
// screen: it writes "shot NAME" on standard output and goes on when a line
// comes back on standard input (scripts/screenshots, under wine on a
// virtual X display). Settings stay in memory; the run changes the project.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <iostream>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "platform/working_folder.h"
#include "ui_win32/win32_dialogs.h"
#include "ui_win32/wizard_session.h"
#include "ui_win32/wizard_window.h"

namespace {

void shoot(const char* name) {
  ::Sleep(400);  // the X server draws what wine sent it
  std::cout << "shot " << name << std::endl;
  std::string done;
  std::getline(std::cin, done);
}

const char* g_modalName = nullptr;

// Inside a modal dialog's own loop: the picture, then the dialog cancelled.
void CALLBACK shootModal(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  shoot(g_modalName);
  HWND modal = ::GetForegroundWindow();
  ::PostMessageW(modal, WM_COMMAND, IDCANCEL, 0);
  ::PostMessageW(modal, WM_CLOSE, 0, 0);
}

void whileModal(const char* name) {
  g_modalName = name;
  ::SetTimer(nullptr, 0, 1500, shootModal);
}

struct Walker {
  qm::win32::WizardWindow& window;

  // Every window painted, twice over: a new window's first paint comes late.
  void settle(const char* name = nullptr) {
    for (int round = 0; round < (name != nullptr ? 3 : 1); ++round) {
      window.dispatchWaiting();
      ::RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      if (name != nullptr) ::Sleep(200);
    }
    if (name != nullptr) shoot(name);
  }
  void click(const char* name) {
    ::SendMessageW(window.control(name), BM_CLICK, 0, 0);
    settle();
  }
  void tab(int index) {
    HWND tabs = window.control("tabOptions");
    TabCtrl_SetCurSel(tabs, index);
    NMHDR change{tabs, static_cast<UINT_PTR>(::GetDlgCtrlID(tabs)), TCN_SELCHANGE};
    ::SendMessageW(window.hwnd(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    settle();
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quillmere_win32_screenshots PROJECT.vbp\n";
    return 2;
  }
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  qm::NativeFileSystem files;
  qm::MemorySettings settings;
  qm::SystemClock clock;
  qm::SystemProcessLauncher launcher;
  qm::win32::WizardSession session(
      {files, qm::programFolder(argv[0]), qm::currentWorkingFolder(), settings, clock, launcher});
  session.start(qm::CommandLine::fromWords({argv[1]}));
  qm::win32::WizardWindow& window = session.window();
  window.setQuitAction([] {});
  ::ShowWindow(window.hwnd(), SW_SHOWNORMAL);
  Walker walk{window};

  walk.settle("win32-files");
  walk.click("cmdBack1");
  walk.settle("win32-project");
  walk.click("cmdLoad2");
  walk.click("cmdLoad3");
  walk.settle("win32-options-general");
  walk.tab(1);
  walk.settle("win32-options-style");
  walk.tab(2);
  walk.settle("win32-options-advanced");
  walk.click("cmdLoad4");
  walk.settle("win32-apply");
  walk.click("cmdBegin");
  walk.settle("win32-apply-done");
  walk.click("cmdBack3");
  walk.tab(1);
  ::SendMessageW(window.control("flbRoutines"), LB_SETCURSEL, 0, 0);
  walk.click("cmdEditStyle");
  walk.settle("win32-style-editor");
  ::SendMessageW(window.editorWindow().hwnd(), WM_CLOSE, 0, 0);
  walk.tab(0);
  walk.click("optNew");
  whileModal("win32-folder-browser");
  walk.click("cmdNewBrowse");
  walk.click("optBackup");
  walk.click("cmdBack2");
  walk.click("cmdBack1");
  walk.settle("win32-project-rollback");
  whileModal("win32-rollback-warning");
  walk.click("cmdRollback");
  whileModal("win32-open-file");
  walk.click("cmdBrowse");
  ::SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window.control("imgVeltane_0")), STN_CLICKED),
                 reinterpret_cast<LPARAM>(window.control("imgVeltane_0")));
  walk.settle("win32-about");
  qm::win32::Win32Dialogs dialogs(window.hwnd());
  whileModal("win32-message-box");
  dialogs.messageBox("The project file could not be read.", "Trapwise");
  return 0;
}
