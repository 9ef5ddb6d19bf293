#if defined(_WIN32)  // only the Windows build compiles this file
// The per-user folders on Windows: the known folder for local application
// data (%LOCALAPPDATA%), the running executable's folder, and folder
// creation through the wide-character calls.
#include "platform/user_folders.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/paths.h"
#include "platform/product.h"
#include "platform/windows/file_handle.h"
#include "platform/windows/wide_text.h"

namespace qm {

std::string userDataFolder() {
  wchar_t* folder = nullptr;
  std::string out;
  if (::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK) {
    out = windows::ansiFromWide(folder);
  }
  ::CoTaskMemFree(folder);
  return out.empty() ? std::string() : withTrailingSeparator(out);
}

std::string programDataFolder() {
  const std::string data = userDataFolder();
  return data.empty() ? std::string() : data + std::string(kProductName) + "\\";
}

std::string executableFolder(std::string_view /*argv0*/) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::string(folderOf(windows::ansiFromWide(path)));
}

// Whether this user may create files there, as the system decides it
// (permissions, a read-only medium, a missing folder): a probe file is
// created and deleted again at once.
bool isWritableFolder(std::string_view folder) {
  if (folder.empty()) return false;
  const std::wstring probe =
      windows::widePath(withTrailingSeparator(folder)) + L".qm-probe-" + std::to_wstring(::GetCurrentProcessId());
  windows::FileHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                         nullptr));
  return static_cast<bool>(file);
}

Status makeFolders(std::string_view folder) {
  const std::string_view path = withoutTrailingSeparator(folder);
  if (path.empty()) return {};
  const std::wstring wide = windows::widePath(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {};
    return Status::failure("Cannot create folder '" + std::string(path) + "': a file of that name exists");
  }
  const std::string_view parent = withoutTrailingSeparator(folderOf(path));
  if (!parent.empty() && parent.size() < path.size() && parent.back() != ':') {
    if (Status made = makeFolders(parent); !made) return made;
  }
  if (!::CreateDirectoryW(wide.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    return Status::failure(windows::describe("Cannot create folder", path, ::GetLastError()));
  }
  return {};
}

}  // namespace qm
#endif  // defined(_WIN32)
