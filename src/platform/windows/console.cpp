// A desktop program's standard streams on Windows: the handles it was given
// (a redirection) when it has them, else the console of its parent.
#include "platform/console.h"

#include <windows.h>

#include <cstdio>

namespace qm {
namespace {

bool leadsSomewhere(DWORD which) {
  HANDLE handle = ::GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void useParentConsole() {
  const bool output = leadsSomewhere(STD_OUTPUT_HANDLE);
  const bool error = leadsSomewhere(STD_ERROR_HANDLE);
  if ((output && error) || !::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  // The C library's streams were set up, unconnected, before main.
  if (!output) (void)std::freopen("CONOUT$", "w", stdout);
  if (!error) (void)std::freopen("CONOUT$", "w", stderr);
}

}  // namespace qm
