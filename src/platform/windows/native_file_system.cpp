#if defined(_WIN32)  // only the Windows build compiles this file
// Windows implementation of the file system door, over the wide-character
// Win32 file functions. Paths arrive as ANSI bytes and are converted once,
// at this boundary; names that differ only in case are the same file because
// the file system says so, not because this program searches for them.
//
// A replacement is written beside its target under a fresh name, flushed
// with FlushFileBuffers, given the target's attributes, and renamed into the
// target's place by MoveFileExW with write-through, which returns only once
// the rename is on the disk. Read-only is the READONLY attribute.
#include <windows.h>

#include <algorithm>
#include <unordered_set>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/windows/file_handle.h"
#include "platform/windows/wide_text.h"

namespace qm {

// The program's own bookkeeping for this file system: files written without
// waiting for the disk, flushed together by flushFolder() (Windows flushes
// files, not folders), and the counter that names staged files.
struct NativeFileSystem::FolderIndex {
  std::unordered_set<std::wstring> unflushed;
  unsigned long nextStaged = 0;
};

namespace {

using windows::describe;
using windows::FileHandle;
using windows::widePath;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::optional<DWORD> attributesOf(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool isFolderAttribute(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
bool isReadOnlyAttribute(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_READONLY) != 0 && !isFolderAttribute(attributes);
}

Status readOnlyRefusal(std::string_view what, std::string_view shown) {
  return Status::failure(std::string(what) + " '" + std::string(shown) + "': the file is read-only");
}

std::wstring withoutLongPrefix(std::wstring path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + path.substr(7);
  if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

std::wstring folderPart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring namePart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The full path of an existing file or folder as the system finally reaches
// it: links followed, each component as listed. Nothing when it cannot be opened.
std::optional<std::wstring> finalPath(const std::wstring& path) {
  FileHandle file(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                nullptr));
  if (!file) return std::nullopt;
  std::wstring out(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), out.data(), static_cast<DWORD>(out.size()),
                                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::nullopt;
    if (length < out.size()) {
      out.resize(length);
      return withoutLongPrefix(out);
    }
    out.resize(length + 1);
  }
}

bool isSymbolicLink(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && found.dwReserved0 == IO_REPARSE_TAG_SYMLINK;
}

std::optional<WIN32_FIND_DATAW> listing(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileExW(path.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  ::FindClose(search);
  return found;
}

// `path` with its name spelled as the folder lists it: a file replaced or
// renamed onto keeps the name it is given, and the user's spelling must stay.
std::wstring asListed(const std::wstring& path) {
  const auto found = listing(path);
  return found ? folderPart(path) + found->cFileName : path;
}

// The file a write to `path` replaces: the file a symbolic link points to
// (so the link stays and everyone sharing the file sees the change), else
// `path` itself, as listed.
std::wstring writeTarget(const std::wstring& path) {
  const auto found = listing(path);
  if (!found) return path;
  return isSymbolicLink(*found) ? finalPath(path).value_or(path) : folderPart(path) + found->cFileName;
}

Status writeAll(HANDLE file, std::string_view content, std::string_view shown) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, content.data(), chunk, &written, nullptr)) {
      return Status::failure(describe("Cannot write", shown, ::GetLastError()));
    }
    content.remove_prefix(written);
  }
  return {};
}

enum class Flush { Now, Later };

// Writes `content` into a fresh file beside the file that `target` names and
// returns that file's path; `target` is untouched.
Result<std::wstring> stage(NativeFileSystem::FolderIndex& state, const std::wstring& target, std::string_view shown,
                           std::string_view content, Flush flush) {
  const std::wstring real = writeTarget(target);
  if (const auto attributes = attributesOf(real)) {
    if (isFolderAttribute(*attributes)) return Status::failure(describe("Cannot replace", shown, ERROR_DIRECTORY));
    if (isReadOnlyAttribute(*attributes)) return readOnlyRefusal("Cannot replace", shown);
  }
  const std::wstring stem = folderPart(real) + L"." + namePart(real) + L".qm-" +
                            std::to_wstring(::GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring staged = stem + std::to_wstring(state.nextStaged++);
    // Hidden until it takes its target's place, like a file whose name starts with ".".
    FileHandle file(::CreateFileW(staged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN,
                                  nullptr));
    if (!file) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return Status::failure(describe("Cannot write", shown, error));
    }
    Status status = writeAll(file.get(), content, shown);
    if (status.ok() && flush == Flush::Now && !::FlushFileBuffers(file.get())) {
      status = Status::failure(describe("Cannot write", shown, ::GetLastError()));
    }
    if (!file.close() && status.ok()) status = Status::failure(describe("Cannot write", shown, ::GetLastError()));
    if (!status.ok()) {
      ::DeleteFileW(staged.c_str());
      return status;
    }
    if (flush == Flush::Later) state.unflushed.insert(staged);
    return staged;
  }
  return Status::failure(describe("Cannot write", shown, ERROR_FILE_EXISTS));
}

// The attributes a replacement takes over from the file it replaces.
DWORD settable(DWORD attributes) {
  constexpr DWORD kSettable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE;
  const DWORD kept = attributes & kSettable;
  return kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept;
}

// Puts a staged file in the place of the file that `target` names, with
// that file's attributes (a new file is an ordinary one).
Status commit(NativeFileSystem::FolderIndex& state, const std::wstring& staged, const std::wstring& target,
              std::string_view shown) {
  const std::wstring real = writeTarget(target);
  const auto attributes = attributesOf(real);
  if (attributes && isReadOnlyAttribute(*attributes)) return readOnlyRefusal("Cannot replace", shown);
  if (!::SetFileAttributesW(staged.c_str(), attributes ? settable(*attributes) : FILE_ATTRIBUTE_ARCHIVE)) {
    return Status::failure(describe("Cannot replace", shown, ::GetLastError()));
  }
  if (!::MoveFileExW(staged.c_str(), real.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Status::failure(describe("Cannot replace", shown, ::GetLastError()));
  }
  if (state.unflushed.erase(staged) > 0) state.unflushed.insert(real);
  return {};
}

void discard(NativeFileSystem::FolderIndex& state, const std::wstring& staged) {
  state.unflushed.erase(staged);
  ::DeleteFileW(staged.c_str());
}

Status replaceAtomically(NativeFileSystem::FolderIndex& state, const std::wstring& target, std::string_view shown,
                         std::string_view content, Flush flush) {
  auto staged = stage(state, target, shown, content, flush);
  if (!staged) return staged.status();
  Status committed = commit(state, *staged, target, shown);
  if (!committed) discard(state, *staged);
  return committed;
}

bool hasWildcard(std::string_view path) { return path.find_first_of("*?") != std::string_view::npos; }

// Windows counts 100-nanosecond steps from 1601; DirEntry counts nanoseconds from 1970.
std::int64_t nanosecondsSince1970(const FILETIME& time) {
  constexpr std::int64_t kStepsFrom1601To1970 = 116444736000000000;
  const std::int64_t steps = (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return (steps - kStepsFrom1601To1970) * 100;
}

DirEntry entryFrom(const WIN32_FIND_DATAW& found) {
  DirEntry entry;
  entry.modifiedNanoseconds = nanosecondsSince1970(found.ftLastWriteTime);
  entry.name = windows::ansiFromWide(found.cFileName);
  entry.isFolder = isFolderAttribute(found.dwFileAttributes);
  entry.isHidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  entry.isLink = isSymbolicLink(found);
  entry.isReadOnly = !entry.isFolder && (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  return entry;
}

// The entry as its folder lists it; nothing when it does not exist.
std::optional<DirEntry> findEntry(const std::wstring& path) {
  const auto found = listing(path);
  if (!found) return std::nullopt;
  return entryFrom(*found);
}

// How much of a path names no folder entry of its own: a drive ("C:" and
// the root after it), the server and share of a network path, or a leading
// root "\". Everything after it is made of components to look up.
std::size_t rootLength(std::string_view path) {
  if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
    std::size_t server = path.find_first_of("\\/", 2);
    if (server == std::string_view::npos) return path.size();
    std::size_t share = path.find_first_of("\\/", server + 1);
    return share == std::string_view::npos ? path.size() : share;
  }
  if (path.size() >= 2 && path[1] == ':') return 2;
  return 0;
}

}  // namespace

NativeFileSystem::NativeFileSystem() : index_(std::make_unique<FolderIndex>()) {}
NativeFileSystem::~NativeFileSystem() = default;

std::string NativeFileSystem::nativePath(std::string_view path) const {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

Result<std::string> NativeFileSystem::readFile(std::string_view path) const {
  FileHandle file(::CreateFileW(widePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return Status::failure(describe("Cannot open", path, ::GetLastError()));
  std::string content;
  LARGE_INTEGER size;
  if (::GetFileSizeEx(file.get(), &size)) content.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      return Status::failure(describe("Cannot read", path, ::GetLastError()));
    }
    if (got == 0) break;
    content.append(buffer, got);
  }
  return content;
}

Status NativeFileSystem::writeFile(std::string_view path, std::string_view content) {
  return replaceAtomically(*index_, widePath(path), path, content, Flush::Now);
}

namespace {

bool sameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION first, second;
  FileHandle one(::CreateFileW(a.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  FileHandle two(::CreateFileW(b.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return one && two && ::GetFileInformationByHandle(one.get(), &first) &&
         ::GetFileInformationByHandle(two.get(), &second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

// Two names of one file (see linkFile) are not the same place: a copy
// between them makes the target a file of its own.
bool samePlace(const std::wstring& a, const std::wstring& b) {
  if (!sameFile(a, b)) return false;
  const auto first = finalPath(a);
  const auto second = finalPath(b);
  return first && second && ::CompareStringOrdinal(first->c_str(), -1, second->c_str(), -1, TRUE) == CSTR_EQUAL;
}

Status copyReplacing(NativeFileSystem& files, NativeFileSystem::FolderIndex& state, std::string_view source,
                     std::string_view target, Flush flush) {
  if (samePlace(widePath(source), widePath(target))) return {};  // already where it should be
  auto content = files.readFile(source);
  if (!content) return content.status();
  return replaceAtomically(state, widePath(target), target, *content, flush);
}

}  // namespace

Status NativeFileSystem::copyFile(std::string_view source, std::string_view target) {
  return copyReplacing(*this, *index_, source, target, Flush::Now);
}

Status NativeFileSystem::copyFileUnflushed(std::string_view source, std::string_view target) {
  return copyReplacing(*this, *index_, source, target, Flush::Later);
}

Status NativeFileSystem::linkFile(std::string_view source, std::string_view target) {
  const std::wstring to = widePath(target);
  // A member that is a symbolic link is backed up as the file it points to.
  const std::wstring from = writeTarget(widePath(source));
  if (const auto attributes = attributesOf(from); attributes && isReadOnlyAttribute(*attributes)) {
    return readOnlyRefusal("Cannot link", target);
  }
  if (!::CreateHardLinkW(to.c_str(), from.c_str(), nullptr)) {
    return Status::failure(describe("Cannot link", target, ::GetLastError()) + " (to '" + std::string(source) + "')");
  }
  index_->unflushed.insert(to);  // the new name is on the disk once its file is flushed
  return {};
}

// Windows flushes files, not folders: every file written here without
// waiting is opened again and flushed. The folder is not consulted, since
// flushing more than was asked costs only time.
Status NativeFileSystem::flushFolder(std::string_view folder) {
  Status status;
  for (auto it = index_->unflushed.begin(); it != index_->unflushed.end();) {
    FileHandle file(::CreateFileW(it->c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    const DWORD error = !file                            ? ::GetLastError()
                        : !::FlushFileBuffers(file.get()) ? ::GetLastError()
                                                          : ERROR_SUCCESS;
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND && status.ok()) {
      status = Status::failure(describe("Cannot flush folder", folder, error));
    }
    it = index_->unflushed.erase(it);
  }
  return status;
}

Status NativeFileSystem::flushFolders(const std::vector<std::string>& folders) {
  return FileSystem::flushFolders(folders);
}

Result<std::string> NativeFileSystem::stageBeside(std::string_view target, std::string_view content) {
  auto staged = stage(*index_, widePath(target), target, content, Flush::Later);
  if (!staged) return staged.status();
  return windows::ansiFromWide(*staged);
}

Status NativeFileSystem::commitStaged(std::string_view staged, std::string_view target) {
  return commit(*index_, widePath(staged), widePath(target), target);
}

Status NativeFileSystem::discardStaged(std::string_view staged) {
  const std::wstring wide = widePath(staged);
  index_->unflushed.erase(wide);
  if (!::DeleteFileW(wide.c_str())) return Status::failure(describe("Cannot delete", staged, ::GetLastError()));
  return {};
}

Status NativeFileSystem::moveFile(std::string_view source, std::string_view target) {
  const std::wstring to = asListed(widePath(target));
  if (const auto attributes = attributesOf(to); attributes && isReadOnlyAttribute(*attributes)) {
    return readOnlyRefusal("Cannot replace", target);
  }
  const std::wstring from = widePath(source);
  if (!::MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)) {
    return Status::failure(describe("Cannot replace", target, ::GetLastError()));
  }
  if (index_->unflushed.erase(from) > 0) index_->unflushed.insert(to);
  return {};
}

Status NativeFileSystem::removeFile(std::string_view path) {
  const std::wstring wide = widePath(path);
  if (const auto attributes = attributesOf(wide); attributes && isReadOnlyAttribute(*attributes)) {
    return readOnlyRefusal("Cannot delete", path);
  }
  if (!::DeleteFileW(wide.c_str())) return Status::failure(describe("Cannot delete", path, ::GetLastError()));
  index_->unflushed.erase(wide);
  return {};
}

Status NativeFileSystem::createFolder(std::string_view path) {
  if (!::CreateDirectoryW(widePath(withoutTrailingSeparator(path)).c_str(), nullptr)) {
    return Status::failure(describe("Cannot create folder", path, ::GetLastError()));
  }
  return {};
}

Status NativeFileSystem::removeFolder(std::string_view path) {
  if (!::RemoveDirectoryW(widePath(withoutTrailingSeparator(path)).c_str())) {
    return Status::failure(describe("Cannot remove folder", path, ::GetLastError()));
  }
  return {};
}

std::optional<DirEntry> NativeFileSystem::lookUp(std::string_view path) const {
  const std::string_view bare = withoutTrailingSeparator(path);
  if (bare.empty() || hasWildcard(bare)) return std::nullopt;
  const std::wstring wide = widePath(bare);
  if (rootLength(bare) < bare.size()) {
    if (auto entry = findEntry(wide)) return entry;
  }
  // A drive or a share has no entry in a folder above it.
  const auto attributes = attributesOf(wide + L"\\");
  if (!attributes) return std::nullopt;
  DirEntry entry;
  entry.name = std::string(bare);
  entry.isFolder = isFolderAttribute(*attributes);
  return entry;
}

std::vector<DirEntry> NativeFileSystem::list(std::string_view folder, std::string_view pattern) const {
  std::vector<DirEntry> out;
  std::wstring search = widePath(withoutTrailingSeparator(folder));
  search += search.empty() ? L"*" : L"\\*";
  WIN32_FIND_DATAW found;
  const HANDLE handle = ::FindFirstFileExW(search.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
  if (handle == INVALID_HANDLE_VALUE) return out;
  do {
    DirEntry entry = entryFrom(found);
    // The program's own wildcard rule, not the system's, which would also
    // match the short 8.3 names.
    if (entry.name == "." || entry.name == ".." || !wildcardMatch(pattern, entry.name)) continue;
    out.push_back(std::move(entry));
  } while (::FindNextFileW(handle, &found));
  ::FindClose(handle);
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return out;
}

std::string NativeFileSystem::longName(std::string_view path) const {
  const std::string_view bare = withoutTrailingSeparator(path);
  if (bare.empty() || hasWildcard(bare)) return {};
  const std::size_t root = rootLength(bare);
  std::string out = nativePath(bare.substr(0, root));
  std::size_t pos = root;
  while (pos < bare.size()) {
    std::size_t next = bare.find_first_of("\\/", pos);
    if (next == std::string_view::npos) next = bare.size();
    const std::string_view component = bare.substr(pos, next - pos);
    pos = next + 1;
    if (component.empty()) {
      if (out.empty()) out = "\\";  // a path from the current drive's root
      continue;
    }
    std::string candidate = out;
    if (!candidate.empty() && candidate.back() != '\\') candidate.push_back('\\');
    if (component == "." || component == "..") {
      if (!lookUp(candidate + std::string(component))) return {};
      out = candidate + std::string(component);
      continue;
    }
    auto entry = findEntry(widePath(candidate + std::string(component)));
    if (!entry) return {};
    out = candidate + entry->name;
  }
  return out;
}

// "/" between the components, as on every system, so that callers compare
// and cut resolved paths one way; Windows takes "/" as well as "\".
std::string NativeFileSystem::resolvedPath(std::string_view path) const {
  const std::wstring wide = widePath(withoutTrailingSeparator(path));
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFullPathNameW(wide.empty() ? L"." : wide.c_str(), static_cast<DWORD>(full.size()),
                                            full.data(), nullptr);
    if (length == 0) {
      full = wide;
      break;
    }
    if (length < full.size()) {
      full.resize(length);
      break;
    }
    full.resize(length + 1);
  }
  // The longest leading part that exists, as the system reaches it; the
  // missing rest as written.
  std::wstring existing = full;
  std::wstring missing;
  std::optional<std::wstring> reached;
  while (!(reached = finalPath(existing))) {
    const std::size_t slash = existing.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 >= existing.size()) break;
    missing = existing.substr(slash) + missing;
    existing = existing.substr(0, slash + (existing.find(L'\\') == slash ? 1 : 0));
  }
  std::wstring base = reached ? *reached : existing;
  if (!base.empty() && base.back() == L'\\' && !missing.empty()) base.pop_back();
  std::string out = windows::ansiFromWide(base + missing);
  while (out.size() > 3 && out.back() == '\\') out.pop_back();
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

}  // namespace qm
#endif  // defined(_WIN32)
