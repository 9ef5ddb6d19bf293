// The one door to files and folders.
//
// Every path given here is in the product's own form (see paths.h): "\" or
// "/" separate components, and a component that does not exist exactly is
// matched without regard to case against its folder's entries, as Windows
// would. Every replacement of a file is atomic: the new content is written
// beside the target, flushed, and renamed over it, so a failure leaves the
// target either as it was or completely rewritten.
//
// Tests wrap a FileSystem to inject failures (see tests/faulty_file_system.h).
#pragma once

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
  bool isHidden = false;  // names starting with "." on this platform
  bool isLink = false;    // a symbolic link; isFolder tells what it points to
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual Result<std::string> readFile(std::string_view path) const = 0;
  // Creates or atomically replaces `path`.
  virtual Status writeFile(std::string_view path, std::string_view content) = 0;
  // Creates or overwrites a scratch file: a file only this program reads
  // back, so it is neither made durable nor written beside and renamed.
  virtual Status writeScratchFile(std::string_view path, std::string_view content) {
    return writeFile(path, content);
  }
  // Atomically replaces `target` by a copy of `source`.
  virtual Status copyFile(std::string_view source, std::string_view target) = 0;
  // The same, without waiting for the disk: for many copies that are made
  // durable together by one flushFolder() before anything relies on them.
  virtual Status copyFileUnflushed(std::string_view source, std::string_view target) {
    return copyFile(source, target);
  }
  // Waits until everything written into `folder` is on the disk.
  virtual Status flushFolder(std::string_view /*folder*/) { return {}; }
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
  Status writeScratchFile(std::string_view path, std::string_view content) override;
  Status copyFile(std::string_view source, std::string_view target) override;
  Status copyFileUnflushed(std::string_view source, std::string_view target) override;
  Status flushFolder(std::string_view folder) override;
  Status moveFile(std::string_view source, std::string_view target) override;
  Status removeFile(std::string_view path) override;
  Status createFolder(std::string_view path) override;
  Status removeFolder(std::string_view path) override;
  std::optional<DirEntry> lookUp(std::string_view path) const override;
  std::vector<DirEntry> list(std::string_view folder, std::string_view pattern) const override;
  std::string longName(std::string_view path) const override;
  std::string nativePath(std::string_view path) const override;

  // Listings of the folders searched for a name in another case, so that
  // creating many files in one folder does not read the folder each time.
  struct FolderIndex;

 private:
  std::unique_ptr<FolderIndex> index_;
};

}  // namespace qm
