// A file system that reads through to another one and keeps every change in
// memory: a run made on it computes exactly what it would do to the disk
// (the same code, the same reads of its own results) and leaves the disk as
// it was. What it would have written can then be asked for, file by file,
// beside what the disk holds now.
//
// Paths are keyed by the place they name (the underlying file system's
// resolved path), so "\" and "/", a different letter case or a detour
// through ".." all reach the same recorded file, as they reach the same file
// on the disk. A read-only file of the disk is refused as the disk refuses
// it, so that a preview never shows a change the run could not make.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qm {

// One file whose content the recorded changes make differ from the disk's.
struct PreviewChange {
  std::string place;                  // its resolved path ("/" between components)
  std::optional<std::string> before;  // nothing when the file is new
  std::optional<std::string> after;   // nothing when the file would be removed
};

class PreviewFileSystem final : public FileSystem {
 public:
  explicit PreviewFileSystem(const FileSystem& disk) : disk_(disk) {}

  // Every file the recorded changes leave different from the disk, by place.
  std::vector<PreviewChange> changes() const;

  Result<std::string> readFile(std::string_view path) const override;
  Status writeFile(std::string_view path, std::string_view content) override;
  Status copyFile(std::string_view source, std::string_view target) override;
  Status linkFile(std::string_view source, std::string_view target) override;
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
  std::string nativePath(std::string_view path) const override { return disk_.nativePath(path); }
  std::string resolvedPath(std::string_view path) const override { return disk_.resolvedPath(path); }

 private:
  // A recorded file: its content, or nothing once removed.
  struct Recorded {
    std::optional<std::string> content;
  };

  std::string place(std::string_view path) const { return disk_.resolvedPath(path); }
  bool folderExists(const std::string& place) const;
  bool underRemovedFolder(const std::string& place) const;
  Status record(std::string_view path, std::string content);
  // A file of the disk that the preview has not written and that the disk
  // would not let be replaced (or, with `ownEntry`, deleted: a link itself
  // is never read-only).
  bool readOnlyOnDisk(std::string_view path, bool ownEntry = false) const;
  void forget(std::string_view path);

  const FileSystem& disk_;
  std::map<std::string, Recorded> files_;
  std::set<std::string> createdFolders_;
  std::set<std::string> removedFolders_;
  std::map<std::string, std::string> staged_;  // staged name -> content
  int nextStaged_ = 0;
};

}  // namespace qm
