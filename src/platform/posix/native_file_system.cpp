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
#include <optional>
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
  // `known`, when given, is what stat says of the folder this moment.
  std::optional<std::string> match(const std::string& folder, std::string_view name,
                                   const struct stat* known = nullptr) {
    const Listing* listing = fresh(folder, known);
    if (listing == nullptr) return std::nullopt;
    auto hit = listing->byLowerName.find(toLower(name));
    if (hit == listing->byLowerName.end()) return std::nullopt;
    return hit->second;
  }

  // Called after this program added `name` to `folder`, whose modification
  // time was `before` just ahead of it: a listing that was current then
  // stays current with the new name, instead of being read again.
  void noteAdded(const std::string& folder, const std::string& name, const struct timespec& before) {
    Listing* listing = currentAfterOwnChange(folder, before);
    if (listing != nullptr) listing->byLowerName.try_emplace(toLower(name), name);
  }

  // The same after this program renamed `from` over `to` within `folder`.
  void noteRenamed(const std::string& folder, const std::string& from, const std::string& to,
                   const struct timespec& before) {
    Listing* listing = currentAfterOwnChange(folder, before);
    if (listing == nullptr) return;
    listing->byLowerName.try_emplace(toLower(to), to);
    removeName(folder, *listing, from);
  }

  // The same after this program removed `name` from `folder`.
  void noteRemoved(const std::string& folder, const std::string& name, const struct timespec& before) {
    Listing* listing = currentAfterOwnChange(folder, before);
    if (listing != nullptr) removeName(folder, *listing, name);
  }

  // The folder part of a native path, as the listings are keyed, and its
  // modification time now when a current listing of it is kept (else nothing
  // needs it). A listing the folder has moved away from would be read again
  // before any use, so it is dropped here, and changes to its folder cost
  // nothing until a name there is looked for again.
  static std::string folderKeyOf(const std::string& native) {
    const std::string folder(folderOf(native));
    return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
  }
  struct timespec modifiedTime(const std::string& folderKey) {
    struct stat info {};
    auto it = listings.find(folderKey);
    if (it == listings.end()) return info.st_mtim;
    if (::stat(key(folderKey).c_str(), &info) != 0 || !isCurrent(it->second, info)) {
      listings.erase(it);
      return {};
    }
    return info.st_mtim;
  }

  static std::string key(const std::string& folder) { return folder.empty() ? "." : folder; }
  static bool sameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
  }

 private:
  static bool isCurrent(const Listing& listing, const struct stat& info) {
    return listing.inode == info.st_ino && sameTime(listing.modified, info.st_mtim);
  }

  // The listing of `folder`, kept current through a change this program
  // made, when it was current just before (`before`); else nothing, and no
  // listing is kept.
  Listing* currentAfterOwnChange(const std::string& folder, const struct timespec& before) {
    auto it = listings.find(folder);
    if (it == listings.end()) return nullptr;
    struct stat info;
    if (!sameTime(it->second.modified, before) || ::stat(key(folder).c_str(), &info) != 0) {
      listings.erase(it);
      return nullptr;
    }
    it->second.modified = info.st_mtim;
    return &it->second;
  }

  void removeName(const std::string& folder, Listing& listing, const std::string& name) {
    auto hit = listing.byLowerName.find(toLower(name));
    if (hit == listing.byLowerName.end() || hit->second != name) {
      listings.erase(folder);  // another spelling may remain: read the folder again when asked
      return;
    }
    listing.byLowerName.erase(hit);
  }

  const Listing* fresh(const std::string& folder, const struct stat* known) {
    struct stat info;
    if (known != nullptr) {
      info = *known;
    } else if (::stat(key(folder).c_str(), &info) != 0) {
      return nullptr;
    }
    Listing& listing = listings[folder];
    if (isCurrent(listing, info)) return &listing;
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

std::string withSlashes(std::string_view path) {
  std::string slashed(path);
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  return slashed;
}

// A path as the file system spells it. Each caller looks its path up once
// and works on what it found; nothing of it outlives the call.
struct Place {
  std::string native;
  bool complete = false;  // every component exists
  struct stat info {};    // what lstat says of `native`, when complete
  // What stat said of the folder when the last component alone had to be
  // looked for there (a new file, or a name in another case).
  std::optional<struct timespec> folderModified;
};

// Resolves each component.
Place locate(NativeFileSystem::FolderIndex& index, std::string_view path) {
  Place place;
  const std::string slashed = withSlashes(path);
  if (slashed.empty()) return place;
  if (statPath(slashed, place.info)) {
    place.native = slashed;
    place.complete = true;
    return place;
  }
  std::string out = slashed[0] == '/' ? "/" : "";
  bool existing = true;
  std::size_t pos = 0;
  // Most missing paths are new files in a folder that exists as written:
  // then only the last component needs looking for, and the path as
  // written is already known to be missing.
  struct stat parent {};
  bool lastMissing = false;
  const std::size_t lastSlash = slashed.find_last_of('/', slashed.size() - 2);
  if (lastSlash != std::string::npos && lastSlash > 0 && slashed.back() != '/') {
    const std::string folder = slashed.substr(0, lastSlash);
    if (statPath(folder, parent) && S_ISDIR(parent.st_mode)) {
      out = folder;
      pos = lastSlash + 1;
      lastMissing = true;
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
      if (lastMissing || !statPath(exact, place.info)) {
        // The folder was stat'ed just now when the last component alone is looked for.
        if (auto match = index.match(out, component, lastMissing ? &parent : nullptr)) {
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
  if (slashed.back() == '/' && !out.empty() && out.back() != '/') out.push_back('/');
  place.complete = existing && statPath(out, place.info);
  place.native = std::move(out);
  if (lastMissing) place.folderModified = parent.st_mtim;
  return place;
}

std::string resolve(NativeFileSystem::FolderIndex& index, std::string_view path) {
  return locate(index, path).native;
}

// What stat (following links) says of the place.
bool followed(const Place& place, struct stat& info) {
  if (place.complete && !S_ISLNK(place.info.st_mode)) {
    info = place.info;
    return true;
  }
  return ::stat(place.native.c_str(), &info) == 0;
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

// The file a write to a place replaces: the file a symbolic link points to
// (so the link stays and everyone sharing the file sees the change), else
// the place itself. A link that points nowhere is replaced itself.
struct WriteTarget {
  std::string native;
  bool exists = false;
  struct stat info {};  // what lstat says of it, when it exists
};

WriteTarget writeTarget(const Place& place) {
  if (!place.complete) return {place.native, false, {}};
  if (!S_ISLNK(place.info.st_mode)) return {place.native, true, place.info};
  WriteTarget target{realPath(place.native), false, {}};
  target.exists = statPath(target.native, target.info);
  return target;
}

std::string stagedName(const std::string& target) {
  return std::string(folderOf(target)) + "." + std::string(bareName(target)) + ".qm-XXXXXX";
}

// Writes `content` into a fresh hidden file beside the file that `place`
// will replace, with that file's permissions (`mode` for a new one).
Result<std::string> stage(NativeFileSystem::FolderIndex& index, const Place& place, std::string_view shown,
                          std::string_view content, mode_t mode, Flush flush) {
  const WriteTarget target = writeTarget(place);
  if (target.exists) {
    if (S_ISDIR(target.info.st_mode)) return Status::failure(describe("Cannot replace", shown, EISDIR));
    if (isReadOnly(target.info)) {
      return Status::failure("Cannot replace '" + std::string(shown) + "': the file is read-only");
    }
    mode = target.info.st_mode & 07777;
  }
  const std::string folderKey = NativeFileSystem::FolderIndex::folderKeyOf(target.native);
  const struct timespec folderBefore = index.modifiedTime(folderKey);
  std::string temp = stagedName(target.native);
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

Status commit(NativeFileSystem::FolderIndex& index, const std::string& temp, const Place& place,
              std::string_view shown) {
  const WriteTarget target = writeTarget(place);
  if (target.exists && isReadOnly(target.info)) {
    return Status::failure("Cannot replace '" + std::string(shown) + "': the file is read-only");
  }
  const std::string folderKey = NativeFileSystem::FolderIndex::folderKeyOf(target.native);
  const struct timespec folderBefore = index.modifiedTime(folderKey);
  if (::rename(temp.c_str(), target.native.c_str()) != 0) {
    return Status::failure(describe("Cannot replace", shown, errno));
  }
  index.noteRenamed(folderKey, std::string(bareName(temp)), std::string(bareName(target.native)), folderBefore);
  return {};
}

Status replaceAtomically(NativeFileSystem::FolderIndex& index, const Place& place, std::string_view shown,
                         std::string_view content, mode_t mode, Flush flush = Flush::Now) {
  auto staged = stage(index, place, shown, content, mode, flush);
  if (!staged) return staged.status();
  Status committed = commit(index, *staged, place, shown);
  if (!committed) ::unlink(staged->c_str());
  return committed;
}

}  // namespace

NativeFileSystem::NativeFileSystem() : index_(std::make_unique<FolderIndex>()) {}
NativeFileSystem::~NativeFileSystem() = default;

std::string NativeFileSystem::nativePath(std::string_view path) const { return resolve(*index_, path); }

Result<std::string> NativeFileSystem::readFile(std::string_view path) const {
  // The path as written names the file most of the time; only a name that
  // is not there as written is looked for in another case.
  const std::string written = withSlashes(path);
  int fd = written.empty() ? -1 : ::open(written.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && (written.empty() || errno == ENOENT || errno == ENOTDIR)) {
    fd = ::open(resolve(*index_, path).c_str(), O_RDONLY | O_CLOEXEC);
  }
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
  return replaceAtomically(*index_, locate(*index_, path), path, content, 0644);
}

namespace {

Status copyReplacing(NativeFileSystem& files, NativeFileSystem::FolderIndex& index, std::string_view source,
                     std::string_view target, Flush flush) {
  const Place from = locate(index, source);
  const Place to = locate(index, target);
  struct stat fromInfo, toInfo;
  const bool sourceFound = followed(from, fromInfo);
  if (sourceFound && followed(to, toInfo) && fromInfo.st_dev == toInfo.st_dev && fromInfo.st_ino == toInfo.st_ino &&
      realPath(from.native) == realPath(to.native)) {
    return {};  // a file copied onto itself is already where it should be
  }
  auto content = files.readFile(source);
  if (!content) return content.status();
  const mode_t mode = sourceFound ? fromInfo.st_mode & 07777 : 0644;
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
  const Place from = locate(*index_, source);
  const Place to = locate(*index_, target);
  struct stat info;
  if (followed(from, info) && isReadOnly(info)) {
    return Status::failure("Cannot link '" + std::string(target) + "': the file is read-only");
  }
  const std::string folderKey = FolderIndex::folderKeyOf(to.native);
  // A new name was looked for in its folder a moment ago; that look tells
  // the folder's state before the link.
  const struct timespec folderBefore = to.folderModified ? *to.folderModified : index_->modifiedTime(folderKey);
  // A member that is a symbolic link is backed up as the file it points to.
  if (::linkat(AT_FDCWD, from.native.c_str(), AT_FDCWD, to.native.c_str(), AT_SYMLINK_FOLLOW) != 0) {
    return Status::failure(describe("Cannot link", target, errno) + " (to '" + std::string(source) + "')");
  }
  index_->noteAdded(folderKey, std::string(bareName(to.native)), folderBefore);
  return {};
}

namespace {

// Flushes the file system that holds `folder`, unless it is one of
// `flushed` (file systems flushed already by this call), and adds it there.
Status flushFileSystemOf(NativeFileSystem::FolderIndex& index, std::string_view folder, std::vector<dev_t>& flushed) {
  const std::string native = resolve(index, withoutTrailingSeparator(folder));
  const int fd = ::open(native.empty() ? "." : native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Status::failure(describe("Cannot flush folder", folder, errno));
  struct stat info;
  const bool known = ::fstat(fd, &info) == 0;
  if (known && std::find(flushed.begin(), flushed.end(), info.st_dev) != flushed.end()) {
    ::close(fd);
    return {};
  }
  // One flush of the file system covers every file written into the folder.
  const int result = ::syncfs(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0) return Status::failure(describe("Cannot flush folder", folder, error));
  if (known) flushed.push_back(info.st_dev);
  return {};
}

}  // namespace

Status NativeFileSystem::flushFolder(std::string_view folder) {
  std::vector<dev_t> flushed;
  return flushFileSystemOf(*index_, folder, flushed);
}

Status NativeFileSystem::flushFolders(const std::vector<std::string>& folders) {
  std::vector<dev_t> flushed;
  for (const std::string& folder : folders) {
    if (Status status = flushFileSystemOf(*index_, folder, flushed); !status) return status;
  }
  return {};
}

Result<std::string> NativeFileSystem::stageBeside(std::string_view target, std::string_view content) {
  return stage(*index_, locate(*index_, target), target, content, 0644, Flush::Later);
}

Status NativeFileSystem::commitStaged(std::string_view staged, std::string_view target) {
  return commit(*index_, std::string(staged), locate(*index_, target), target);
}

Status NativeFileSystem::discardStaged(std::string_view staged) {
  if (::unlink(std::string(staged).c_str()) != 0) return Status::failure(describe("Cannot delete", staged, errno));
  return {};
}

Status NativeFileSystem::moveFile(std::string_view source, std::string_view target) {
  const std::string from = resolve(*index_, source);
  const Place to = locate(*index_, target);
  if (to.complete && isReadOnly(to.info)) {
    return Status::failure("Cannot replace '" + std::string(target) + "': the file is read-only");
  }
  if (::rename(from.c_str(), to.native.c_str()) == 0) return {};
  if (errno != EXDEV) return Status::failure(describe("Cannot replace", target, errno));
  Status copied = copyFile(source, target);
  if (!copied) return copied;
  return removeFile(source);
}

Status NativeFileSystem::removeFile(std::string_view path) {
  const Place place = locate(*index_, path);
  if (place.complete && isReadOnly(place.info)) {
    return Status::failure("Cannot delete '" + std::string(path) + "': the file is read-only");
  }
  const std::string folderKey = FolderIndex::folderKeyOf(place.native);
  const struct timespec folderBefore = index_->modifiedTime(folderKey);
  if (::unlink(place.native.c_str()) != 0) return Status::failure(describe("Cannot delete", path, errno));
  index_->noteRemoved(folderKey, std::string(bareName(place.native)), folderBefore);
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
  const Place place = locate(*index_, withoutTrailingSeparator(path));
  if (!place.complete) return std::nullopt;
  DirEntry entry;
  entry.name = std::string(bareName(place.native));
  entry.isLink = S_ISLNK(place.info.st_mode);
  struct stat target;
  // A link that points nowhere is still an entry: a file.
  const bool reached = followed(place, target);
  entry.isFolder = reached && S_ISDIR(target.st_mode);
  entry.isReadOnly = reached && isReadOnly(target);
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
    // What the entry is, and for a link what it points to.
    struct stat info;
    bool known = statPath(full, info);
    entry.isLink = known && S_ISLNK(info.st_mode);
    if (entry.isLink) known = ::stat(full.c_str(), &info) == 0;
    if (known) {
      entry.isFolder = S_ISDIR(info.st_mode);
      entry.modifiedNanoseconds =
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    }
    entry.isHidden = name[0] == '.';
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
  Place place = locate(*index_, withoutTrailingSeparator(path));
  return place.complete ? std::move(place.native) : std::string();
}

}  // namespace qm
