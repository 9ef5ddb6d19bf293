// The one door to files and folders.
//
// Every path given here is in the product's own form (see paths.h): "\" or
// "/" separate components, and a component that does not exist exactly is
// matched without regard to case against its folder's entries, as Windows
// would. Every replacement of a file is atomic: the new content is written
// beside the target, flushed, and renamed over it, so a failure leaves the
// target either as it was or completely rewritten. A replaced file keeps its
// permissions, and a target that is a symbolic link keeps its link: the file
// it points to is the one replaced, beside itself.
//
// Many replacements can share two flushes instead of one each: stage every
// new content beside its target, flush, commit every staged file, flush.
//
// Tests wrap a FileSystem to inject failures (see tests/faulty_file_system.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace qm {

struct DirEntry {
  std::string name;  // as the folder lists it
  bool isFolder = false;
  bool isHidden = false;  // names starting with "." on POSIX systems, the hidden attribute on Windows
  bool isLink = false;    // a symbolic link; isFolder tells what it points to
  bool isReadOnly = false;  // a file the system will not let be replaced or deleted (look-ups only)
  std::int64_t modifiedNanoseconds = 0;  // last change, since the epoch (listings only)
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual Result<std::string> readFile(std::string_view path) const = 0;
  // Creates or atomically replaces `path`.
  virtual Status writeFile(std::string_view path, std::string_view content) = 0;
  // Atomically replaces `target` by a copy of `source`. A `target` that is
  // a second name of `source`'s file (see linkFile) becomes a file of its own.
  virtual Status copyFile(std::string_view source, std::string_view target) = 0;
  // The same, without waiting for the disk: for many copies that are made
  // durable together by one flushFolder() before anything relies on them.
  virtual Status copyFileUnflushed(std::string_view source, std::string_view target) {
    return copyFile(source, target);
  }
  // Gives the file `source` names (the file a link points to) the second
  // name `target`, which must not exist yet, without waiting for the disk:
  // a backup that costs no copy, as long as `source` is then only ever
  // replaced by a rename, never written into. Fails where the file system
  // cannot (no such links, another volume) and for a read-only file, which
  // is never replaced; callers then copy.
  virtual Status linkFile(std::string_view source, std::string_view target) = 0;
  // Waits until everything written into `folder` is on the disk.
  virtual Status flushFolder(std::string_view /*folder*/) { return {}; }
  // The same for each of `folders`, stopping at the first failure.
  virtual Status flushFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
      if (Status flushed = flushFolder(folder); !flushed) return flushed;
    }
    return {};
  }

  // Writes `content` beside `target` (beside the file a link points to)
  // under a fresh hidden name, with the permissions the target has, without
  // waiting for the disk; returns the staged file's path. `target` is left
  // as it is; a read-only target is refused here already.
  virtual Result<std::string> stageBeside(std::string_view target, std::string_view content) = 0;
  // Renames a staged file over its target (the file a link points to).
  virtual Status commitStaged(std::string_view staged, std::string_view target) = 0;
  // Removes a staged file that will not be committed.
  virtual Status discardStaged(std::string_view staged) = 0;
  // Puts `source` in `target`'s place (rename); `source` is gone afterwards.
  virtual Status moveFile(std::string_view source, std::string_view target) = 0;
  virtual Status removeFile(std::string_view path) = 0;
  // Creates one folder; its parent must exist.
  virtual Status createFolder(std::string_view path) = 0;
  virtual Status removeFolder(std::string_view path) = 0;

  // The entry that `path` names, as its folder lists it; nothing when any
  // component is missing.
  virtual std::optional<DirEntry> lookUp(std::string_view path) const = 0;
  // The entries of `folder` whose names match the wildcard `pattern`
  // (ignoring case), sorted by name.
  virtual std::vector<DirEntry> list(std::string_view folder, std::string_view pattern) const = 0;

  // `path` with every component spelled as the file system lists it, in the
  // product's own form; empty when any component is missing.
  virtual std::string longName(std::string_view path) const = 0;

  // The path in the native form, resolved case-insensitively where needed.
  virtual std::string nativePath(std::string_view path) const = 0;

  // The place `path` names as the file system sees it, as an absolute native
  // path with "/" between its components on every system: symbolic links
  // followed, "." and ".." taken out, each existing component spelled as its
  // folder lists it; a missing tail is kept as written. Two paths name the
  // same place exactly when their resolved paths are equal.
  virtual std::string resolvedPath(std::string_view path) const = 0;

  // Convenience built on the above.
  bool exists(std::string_view path) const { return lookUp(path).has_value(); }
  bool isFile(std::string_view path) const;
  bool isFolder(std::string_view path) const;
};

// The real file system of the machine.
class NativeFileSystem final : public FileSystem {
 public:
  NativeFileSystem();
  ~NativeFileSystem() override;
  NativeFileSystem(const NativeFileSystem&) = delete;
  NativeFileSystem& operator=(const NativeFileSystem&) = delete;

  Result<std::string> readFile(std::string_view path) const override;
  Status writeFile(std::string_view path, std::string_view content) override;
  Status copyFile(std::string_view source, std::string_view target) override;
  Status copyFileUnflushed(std::string_view source, std::string_view target) override;
  Status linkFile(std::string_view source, std::string_view target) override;
  Status flushFolder(std::string_view folder) override;
  // On POSIX systems one flush per file system, which flushes all of it.
  Status flushFolders(const std::vector<std::string>& folders) override;
  Result<std::string> stageBeside(std::string_view target, std::string_view content) override;
  Status commitStaged(std::string_view staged, std::string_view target) override;
  Status discardStaged(std::string_view staged) override;
  Status moveFile(std::string_view source, std::string_view target) override;
  Status removeFile(std::string_view path) override;
  Status createFolder(std::string_view path) override;
  Status removeFolder(std::string_view path) override;
  std::optional<DirEntry> lookUp(std::string_view path) const override;
  std::vector<DirEntry> list(std::string_view folder, std::string_view pattern) const override;
  std::string longName(std::string_view path) const override;
  std::string nativePath(std::string_view path) const override;
  std::string resolvedPath(std::string_view path) const override;

  // The system back end's own bookkeeping: on POSIX systems the listings of
  // the folders searched for a name in another case, so that creating many
  // files in one folder does not read the folder each time; on Windows the
  // files that still wait for a flush.
  struct FolderIndex;

 private:
  std::unique_ptr<FolderIndex> index_;
};

}  // namespace qm
