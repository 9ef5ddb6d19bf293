#if defined(_WIN32)  // only the Windows build compiles this file
// Starting the compiler on Windows: CreateProcessW with the program named
// on its own (no search of the PATH, no shell) and one command line built
// by the quoting rules the started program's runtime reads it back with.
#include <windows.h>

#include "platform/process.h"
#include "platform/windows/command_line_text.h"
#include "platform/windows/wide_text.h"

namespace qm {

Status SystemProcessLauncher::startDetached(std::string_view executable,
                                            const std::vector<ProcessArgument>& arguments) {
  const std::wstring program = windows::widePath(executable);
  std::wstring commandLine = windows::wideFromAnsi(windows::commandLineText(executable, arguments));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;  // its window opens minimized and active
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
    return Status::failure(windows::describe("Cannot start", executable, ::GetLastError()));
  }
  // Nobody waits for the program: our handles to it are of no further use.
  ::CloseHandle(started.hThread);
  ::CloseHandle(started.hProcess);
  return {};
}

}  // namespace qm
#endif  // defined(_WIN32)
