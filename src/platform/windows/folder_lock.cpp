#if defined(_WIN32)  // only the Windows build compiles this file
// The project lock on Windows, which locks files but not folders: LockFileEx
// on a lock file named after the folder, in the user's own folder for the
// program (%LOCALAPPDATA%\Quillmere\Locks). The file is opened to be deleted
// when its last handle closes, so it goes when the run ends, however it ends.
// Being in the user's own folder, it keeps apart the runs of one user; the
// runs of two users on one shared folder are not kept apart.
#include "platform/folder_lock.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "platform/paths.h"
#include "platform/user_folders.h"
#include "platform/windows/file_handle.h"
#include "platform/windows/wide_text.h"

namespace qm {

struct FolderLock::Held {
  windows::FileHandle file;
};

FolderLock::FolderLock() = default;
FolderLock::FolderLock(FolderLock&& other) noexcept = default;
FolderLock& FolderLock::operator=(FolderLock&& other) noexcept = default;
FolderLock::~FolderLock() = default;

namespace {

// One name per folder, whatever the spelling of its path: the resolved path
// (links followed, components as listed), lower-cased as the file system
// compares names, hashed (FNV-1a).
std::wstring lockFileName(const std::string& resolvedFolder) {
  std::wstring folder = windows::wideFromAnsi(resolvedFolder);
  ::CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
  std::uint64_t hash = 14695981039346656037ull;
  for (wchar_t c : folder) {
    hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  }
  wchar_t name[32];
  std::swprintf(name, 32, L"%016llx.lock", static_cast<unsigned long long>(hash));
  return name;
}

// A lock file that a run which is just ending still holds open stays "being
// deleted" until that run lets go; it is asked for again for a moment.
windows::FileHandle openLockFile(const std::wstring& path, DWORD& error) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    windows::FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file) return file;
    error = ::GetLastError();
    if (error != ERROR_ACCESS_DENIED) break;
    ::Sleep(50);
  }
  return windows::FileHandle();
}

}  // namespace

FolderLock FolderLock::take(const FileSystem& files, std::string_view folder) {
  const std::string shown(withoutTrailingSeparator(folder));
  if (!files.isFolder(shown)) return unavailable(shown, windows::systemMessage(ERROR_PATH_NOT_FOUND));
  const std::string locks = programDataFolder() + "Locks\\";
  if (Status made = makeFolders(locks); !made) return unavailable(shown, made.message());
  DWORD error = ERROR_SUCCESS;
  windows::FileHandle file = openLockFile(windows::widePath(locks) + lockFileName(files.resolvedPath(shown)), error);
  if (!file) return error == ERROR_ACCESS_DENIED ? busy(shown) : unavailable(shown, windows::systemMessage(error));
  OVERLAPPED where{};
  if (!::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
    error = ::GetLastError();
    return error == ERROR_LOCK_VIOLATION ? busy(shown) : unavailable(shown, windows::systemMessage(error));
  }
  FolderLock lock;
  lock.held_ = std::make_unique<Held>(Held{std::move(file)});
  return lock;
}

}  // namespace qm
#endif  // defined(_WIN32)
