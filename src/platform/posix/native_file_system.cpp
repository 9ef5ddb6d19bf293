// POSIX implementation of the file system door. Windows' habits are
// emulated here and nowhere else: "\" separates, a missing component is
// matched without regard to case, and a file without write permission bits is
// treated as read-only (it is neither replaced nor deleted).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

namespace {

std::string describe(std::string_view what, std::string_view path, int error) {
  std::string out(what);
  out += " '";
  out += path;
  out += "': ";
  out += std::strerror(error);
  return out;
}

bool statPath(const std::string& native, struct stat& info) { return ::lstat(native.c_str(), &info) == 0; }

bool isReadOnly(const struct stat& info) {
  return S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

// Each folder's names by their lower-cased form, kept while the folder's
// modification time says nothing was added or removed since it was read.
struct NativeFileSystem::FolderIndex {
  struct Listing {
    struct timespec modified {};
    ino_t inode = 0;
    std::unordered_map<std::string, std::string> byLowerName;
  };

  // The entry of `folder` that matches `name` ignoring case (the first in
  // name order when several do).
  std::optional<std::string> match(const std::string& folder, std::string_view name) {
    const Listing* listing = fresh(folder);
    if (listing == nullptr) return std::nullopt;
    auto hit = listing->byLowerName.find(toLower(name));
    if (hit == listing->byLowerName.end()) return std::nullopt;
    return hit->second;
  }

  // Called after this program added `name` to `folder`, whose modification
  // time was `before` just ahead of it: a listing that was current then
  // stays current with the new name, instead of being read again.
  void noteAdded(const std::string& folder, const std::string& name, const struct timespec& before) {
    auto it = listings.find(folder);
    struct stat info;
    if (it == listings.end() || !sameTime(it->second.modified, before) || ::stat(key(folder).c_str(), &info) != 0) {
      return;
    }
    it->second.byLowerName.try_emplace(toLower(name), name);
    it->second.modified = info.st_mtim;
  }

  // The same after this program removed `name` from `folder`.
  void noteRemoved(const std::string& folder, const std::string& name, const struct timespec& before) {
    auto it = listings.find(folder);
    struct stat info;
    if (it == listings.end() || !sameTime(it->second.modified, before) || ::stat(key(folder).c_str(), &info) != 0) {
      return;
    }
    auto hit = it->second.byLowerName.find(toLower(name));
    if (hit == it->second.byLowerName.end() || hit->second != name) {
      listings.erase(it);  // another spelling may remain: read the folder again when asked
      return;
    }
    it->second.byLowerName.erase(hit);
    it->second.modified = info.st_mtim;
  }

  // The folder part of a native path, as the listings are keyed, and its
  // modification time now when a listing of it is kept (else nothing needs it).
  static std::string folderKeyOf(const std::string& native) {
    const std::string folder(folderOf(native));
    return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
  }
  struct timespec modifiedTime(const std::string& folderKey) const {
    struct stat info {};
    if (listings.count(folderKey) > 0) ::stat(key(folderKey).c_str(), &info);
    return info.st_mtim;
  }

  static std::string key(const std::string& folder) { return folder.empty() ? "." : folder; }
  static bool sameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
  }

 private:
  const Listing* fresh(const std::string& folder) {
    struct stat info;
    if (::stat(key(folder).c_str(), &info) != 0) return nullptr;
    Listing& listing = listings[folder];
    if (listing.inode == info.st_ino && sameTime(listing.modified, info.st_mtim)) return &listing;
    listing = Listing{info.st_mtim, info.st_ino, {}};
    DIR* dir = ::opendir(key(folder).c_str());
    if (dir == nullptr) return nullptr;
    while (dirent* entry = ::readdir(dir)) {
      std::string name(entry->d_name);
      auto [it, added] = listing.byLowerName.try_emplace(toLower(name), name);
      if (!added && name < it->second) it->second = name;
    }
    ::closedir(dir);
    return &listing;
  }

  std::unordered_map<std::string, Listing> listings;
};

namespace {

// Resolves each component; `complete` tells whether every component
// exists, and then `info` holds what lstat says of the whole.
std::string resolve(NativeFileSystem::FolderIndex& index, std::string_view path, bool& complete, struct stat& info) {
  std::string slashed(path);
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  complete = false;
  if (slashed.empty()) return slashed;
  if (statPath(slashed, info)) {
    complete = true;
    return slashed;
  }
  std::string out = slashed[0] == '/' ? "/" : "";
  bool existing = true;
  std::size_t pos = 0;
  // Most missing paths are new files in a folder that exists as written:
  // then only the last component needs looking for.
  const std::size_t lastSlash = slashed.find_last_of('/', slashed.size() - 2);
  if (lastSlash != std::string::npos && lastSlash > 0 && slashed.back() != '/') {
    const std::string parent = slashed.substr(0, lastSlash);
    if (statPath(parent, info) && S_ISDIR(info.st_mode)) {
      out = parent;
      pos = lastSlash + 1;
    }
  }
  while (pos < slashed.size()) {
    std::size_t next = slashed.find('/', pos);
    if (next == std::string::npos) next = slashed.size();
    std::string_view component(slashed.data() + pos, next - pos);
    pos = next + 1;
    if (component.empty()) continue;
    std::string candidate = out;
    if (!candidate.empty() && candidate.back() != '/') candidate.push_back('/');
    if (existing && component != "." && component != "..") {
      std::string exact = candidate + std::string(component);
      if (!statPath(exact, info)) {
        if (auto match = index.match(out, component)) {
          candidate += *match;
        } else {
          candidate += component;
          existing = false;
        }
      } else {
        candidate = exact;
      }
    } else {
      candidate += component;
    }
    out = candidate;
  }
  if (!slashed.empty() && slashed.back() == '/' && !out.empty() && out.back() != '/') out.push_back('/');
  complete = existing && statPath(out, info);
  return out;
}

std::string resolve(NativeFileSystem::FolderIndex& index, std::string_view path) {
  bool complete = false;
  struct stat info;
  return resolve(index, path, complete, info);
}

Status writeAll(int fd, std::string_view content, std::string_view path) {
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Status::failure(describe("Cannot write", path, errno));
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return {};
}

enum class Flush { Now, Later };

// The path with every link followed; `native` itself when that fails.
std::string realPath(const std::string& native) {
  char* real = ::realpath(native.c_str(), nullptr);
  if (real == nullptr) return native;
  std::string out(real);
  std::free(real);
  return out;
}

// The file a write to `native` replaces: the file a symbolic link points to
// (so the link stays and everyone sharing the file sees the change), else
// `native` itself. A link that points nowhere is replaced itself.
std::string writeTarget(const std::string& native) {
  struct stat info;
  if (!statPath(native, info) || !S_ISLNK(info.st_mode)) return native;
  return realPath(native);
}

std::string stagedName(const std::string& target) {
  return std::string(folderOf(target)) + "." + std::string(bareName(target)) + ".qm-XXXXXX";
}

// Writes `content` into a fresh hidden file beside the file that `native`
// will replace, with that file's permissions (`mode` for a new one).
Result<std::string> stage(NativeFileSystem::FolderIndex& index, const std::string& native, std::string_view shown,
                          std::string_view content, mode_t mode, Flush flush) {
  const std::string target = writeTarget(native);
  struct stat info;
  if (statPath(target, info)) {
    if (S_ISDIR(info.st_mode)) return Status::failure(describe("Cannot replace", shown, EISDIR));
    if (isReadOnly(info)) return Status::failure("Cannot replace '" + std::string(shown) + "': the file is read-only");
    mode = info.st_mode & 07777;
  }
  const std::string folderKey = NativeFileSystem::FolderIndex::folderKeyOf(target);
  const struct timespec folderBefore = index.modifiedTime(folderKey);
  std::string temp = stagedName(target);
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Status::failure(describe("Cannot write", shown, errno));
  index.noteAdded(folderKey, std::string(bareName(temp)), folderBefore);
  Status status = writeAll(fd, content, shown);
  if (status.ok() && flush == Flush::Now && ::fsync(fd) != 0) status = Status::failure(describe("Cannot write", shown, errno));
  if (status.ok() && ::fchmod(fd, mode) != 0) status = Status::failure(describe("Cannot write", shown, errno));
  if (::close(fd) != 0 && status.ok()) status = Status::failure(describe("Cannot write", shown, errno));
  if (!status.ok()) {
    ::unlink(temp.c_str());
    return status;
  }
  return temp;
}

Status commit(NativeFileSystem::FolderIndex& index, const std::string& temp, const std::string& native,
              std::string_view shown) {
  const std::string target = writeTarget(native);
  struct stat info;
  if (statPath(target, info) && isReadOnly(info)) {
    return Status::failure("Cannot replace '" + std::string(shown) + "': the file is read-only");
  }
  const std::string folderKey = NativeFileSystem::FolderIndex::folderKeyOf(target);
  const struct timespec folderBefore = index.modifiedTime(folderKey);
  if (::rename(temp.c_str(), target.c_str()) != 0) return Status::failure(describe("Cannot replace", shown, errno));
  index.noteAdded(folderKey, std::string(bareName(target)), folderBefore);
  index.noteRemoved(folderKey, std::string(bareName(temp)), index.modifiedTime(folderKey));
  return {};
}

Status replaceAtomically(NativeFileSystem::FolderIndex& index, const std::string& native, std::string_view shown,
                         std::string_view content, mode_t mode, Flush flush = Flush::Now) {
  auto staged = stage(index, native, shown, content, mode, flush);
  if (!staged) return staged.status();
  Status committed = commit(index, *staged, native, shown);
  if (!committed) ::unlink(staged->c_str());
  return committed;
}

}  // namespace

NativeFileSystem::NativeFileSystem() : index_(std::make_unique<FolderIndex>()) {}
NativeFileSystem::~NativeFileSystem() = default;

std::string NativeFileSystem::nativePath(std::string_view path) const { return resolve(*index_, path); }

Result<std::string> NativeFileSystem::readFile(std::string_view path) const {
  const std::string native = resolve(*index_, path);
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Status::failure(describe("Cannot open", path, errno));
  std::string content;
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) content.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return Status::failure(describe("Cannot read", path, error));
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

Status NativeFileSystem::writeFile(std::string_view path, std::string_view content) {
  return replaceAtomically(*index_, resolve(*index_, path), path, content, 0644);
}

namespace {

Status copyReplacing(NativeFileSystem& files, NativeFileSystem::FolderIndex& index, std::string_view source,
                     std::string_view target, Flush flush) {
  const std::string from = resolve(index, source);
  const std::string to = resolve(index, target);
  struct stat fromInfo, toInfo;
  if (::stat(from.c_str(), &fromInfo) == 0 && ::stat(to.c_str(), &toInfo) == 0 && fromInfo.st_dev == toInfo.st_dev &&
      fromInfo.st_ino == toInfo.st_ino && realPath(from) == realPath(to)) {
    return {};  // a file copied onto itself is already where it should be
  }
  auto content = files.readFile(source);
  if (!content) return content.status();
  mode_t mode = 0644;
  if (::stat(from.c_str(), &fromInfo) == 0) mode = fromInfo.st_mode & 07777;
  return replaceAtomically(index, to, target, *content, mode, flush);
}

}  // namespace

Status NativeFileSystem::copyFile(std::string_view source, std::string_view target) {
  return copyReplacing(*this, *index_, source, target, Flush::Now);
}

Status NativeFileSystem::copyFileUnflushed(std::string_view source, std::string_view target) {
  return copyReplacing(*this, *index_, source, target, Flush::Later);
}

Status NativeFileSystem::linkFile(std::string_view source, std::string_view target) {
  const std::string from = resolve(*index_, source);
  const std::string to = resolve(*index_, target);
  struct stat info;
  if (::stat(from.c_str(), &info) == 0 && isReadOnly(info)) {
    return Status::failure("Cannot link '" + std::string(target) + "': the file is read-only");
  }
  const std::string folderKey = FolderIndex::folderKeyOf(to);
  const struct timespec folderBefore = index_->modifiedTime(folderKey);
  // A member that is a symbolic link is backed up as the file it points to.
  if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) != 0) {
    return Status::failure(describe("Cannot link", target, errno) + " (to '" + std::string(source) + "')");
  }
  index_->noteAdded(folderKey, std::string(bareName(to)), folderBefore);
  return {};
}

Status NativeFileSystem::flushFolder(std::string_view folder) {
  const std::string native = resolve(*index_, withoutTrailingSeparator(folder));
  const int fd = ::open(native.empty() ? "." : native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Status::failure(describe("Cannot flush folder", folder, errno));
  // One flush of the file system covers every file written into the folder.
  const int result = ::syncfs(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0) return Status::failure(describe("Cannot flush folder", folder, error));
  return {};
}

Result<std::string> NativeFileSystem::stageBeside(std::string_view target, std::string_view content) {
  return stage(*index_, resolve(*index_, target), target, content, 0644, Flush::Later);
}

Status NativeFileSystem::commitStaged(std::string_view staged, std::string_view target) {
  return commit(*index_, std::string(staged), resolve(*index_, target), target);
}

Status NativeFileSystem::discardStaged(std::string_view staged) {
  if (::unlink(std::string(staged).c_str()) != 0) return Status::failure(describe("Cannot delete", staged, errno));
  return {};
}

Status NativeFileSystem::moveFile(std::string_view source, std::string_view target) {
  const std::string from = resolve(*index_, source);
  const std::string to = resolve(*index_, target);
  struct stat info;
  if (statPath(to, info) && isReadOnly(info)) {
    return Status::failure("Cannot replace '" + std::string(target) + "': the file is read-only");
  }
  if (::rename(from.c_str(), to.c_str()) == 0) return {};
  if (errno != EXDEV) return Status::failure(describe("Cannot replace", target, errno));
  Status copied = copyFile(source, target);
  if (!copied) return copied;
  return removeFile(source);
}

Status NativeFileSystem::removeFile(std::string_view path) {
  const std::string native = resolve(*index_, path);
  struct stat info;
  if (statPath(native, info) && isReadOnly(info)) {
    return Status::failure("Cannot delete '" + std::string(path) + "': the file is read-only");
  }
  const std::string folderKey = FolderIndex::folderKeyOf(native);
  const struct timespec folderBefore = index_->modifiedTime(folderKey);
  if (::unlink(native.c_str()) != 0) return Status::failure(describe("Cannot delete", path, errno));
  index_->noteRemoved(folderKey, std::string(bareName(native)), folderBefore);
  return {};
}

Status NativeFileSystem::createFolder(std::string_view path) {
  const std::string native = resolve(*index_, withoutTrailingSeparator(path));
  if (::mkdir(native.c_str(), 0777) != 0) return Status::failure(describe("Cannot create folder", path, errno));
  return {};
}

Status NativeFileSystem::removeFolder(std::string_view path) {
  const std::string native = resolve(*index_, withoutTrailingSeparator(path));
  if (::rmdir(native.c_str()) != 0) return Status::failure(describe("Cannot remove folder", path, errno));
  return {};
}

std::optional<DirEntry> NativeFileSystem::lookUp(std::string_view path) const {
  bool complete = false;
  struct stat info;
  const std::string native = resolve(*index_, withoutTrailingSeparator(path), complete, info);
  if (!complete) return std::nullopt;
  DirEntry entry;
  entry.name = std::string(bareName(native));
  entry.isLink = S_ISLNK(info.st_mode);
  struct stat target;
  // A link that points nowhere is still an entry: a file.
  entry.isFolder = entry.isLink ? ::stat(native.c_str(), &target) == 0 && S_ISDIR(target.st_mode) : S_ISDIR(info.st_mode);
  entry.isHidden = !entry.name.empty() && entry.name[0] == '.';
  return entry;
}

std::vector<DirEntry> NativeFileSystem::list(std::string_view folder, std::string_view pattern) const {
  std::vector<DirEntry> out;
  const std::string native = resolve(*index_, folder);
  DIR* dir = ::opendir(native.empty() ? "." : native.c_str());
  if (dir == nullptr) return out;
  while (dirent* item = ::readdir(dir)) {
    std::string_view name(item->d_name);
    if (name == "." || name == ".." || !wildcardMatch(pattern, name)) continue;
    DirEntry entry;
    entry.name = std::string(name);
    std::string full = native;
    if (!full.empty() && full.back() != '/') full.push_back('/');
    full += entry.name;
    struct stat info;
    if (::stat(full.c_str(), &info) == 0) {
      entry.isFolder = S_ISDIR(info.st_mode);
      entry.modifiedNanoseconds =
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    }
    entry.isHidden = name[0] == '.';
    entry.isLink = statPath(full, info) && S_ISLNK(info.st_mode);
    out.push_back(std::move(entry));
  }
  ::closedir(dir);
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return out;
}

std::string NativeFileSystem::resolvedPath(std::string_view path) const {
  std::string native = resolve(*index_, withoutTrailingSeparator(path));
  if (native.empty() || native[0] != '/') {
    char* here = ::getcwd(nullptr, 0);
    native = std::string(here != nullptr ? here : "") + "/" + native;
    std::free(here);
  }
  // The longest leading part that exists goes through realpath (links and
  // ".." as the file system follows them); the missing rest is kept, with
  // "." and ".." taken out as written.
  std::vector<std::string> missing;
  std::string existing = native;
  for (;;) {
    if (char* real = ::realpath(existing.c_str(), nullptr)) {
      existing = real;
      std::free(real);
      break;
    }
    const std::size_t slash = existing.find_last_of('/');
    if (slash == std::string::npos || existing == "/") break;
    missing.push_back(existing.substr(slash + 1));
    existing = slash == 0 ? "/" : existing.substr(0, slash);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (it->empty() || *it == ".") continue;
    if (*it == "..") {
      const std::size_t slash = existing.find_last_of('/');
      existing = slash == 0 || slash == std::string::npos ? "/" : existing.substr(0, slash);
      continue;
    }
    if (existing.back() != '/') existing.push_back('/');
    existing += *it;
  }
  return existing;
}

std::string NativeFileSystem::longName(std::string_view path) const {
  bool complete = false;
  struct stat info;
  std::string native = resolve(*index_, withoutTrailingSeparator(path), complete, info);
  return complete ? native : std::string();
}

}  // namespace qm
