#if defined(_WIN32)  // only the Windows build compiles this file
// The current folder on Windows, in the ANSI code page like every path the
// program handles.
#include "platform/working_folder.h"

#include <windows.h>

#include "platform/paths.h"
#include "platform/windows/wide_text.h"

namespace qm {

std::string currentWorkingFolder() {
  const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(needed, L'\0');
  const DWORD length = needed == 0 ? 0 : ::GetCurrentDirectoryW(needed, folder.data());
  if (length == 0 || length >= needed) return ".\\";
  folder.resize(length);
  return withTrailingSeparator(windows::ansiFromWide(folder));
}

}  // namespace qm
#endif  // defined(_WIN32)
