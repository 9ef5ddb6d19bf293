// A file system that forwards to the real one but fails on demand, to show
// that no pass loses or truncates a file when the disk lets it down.
//
// It fails the way a disk does: a write that fails has written part of its
// content first, and the file it was writing stays behind cut off (as after
// a full disk or a crash), so a caller that trusts that file is caught out.
// Every write, copy, rename, removal, folder change, link and flush counts as a
// change to the disk; reads only fail by rule.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"

namespace qm::testing {

enum class Operation { Read, Write, Copy, Move, Remove, CreateFolder, RemoveFolder, Flush, Link };

class FaultyFileSystem final : public FileSystem {
 public:
  // Decides whether an operation on `path` (the target for copies and moves) fails.
  using Rule = std::function<bool(Operation, const std::string& path)>;

  FaultyFileSystem() = default;
  explicit FaultyFileSystem(Rule rule) : rule_(std::move(rule)) {}
  void setRule(Rule rule) { rule_ = std::move(rule); }

  // Fails the n-th (0-based) mutating operation from now on, and every one after it.
  void failFromMutation(int n);

  Result<std::string> readFile(std::string_view path) const override;
  Status writeFile(std::string_view path, std::string_view content) override;
  Status copyFile(std::string_view source, std::string_view target) override;
  Status copyFileUnflushed(std::string_view source, std::string_view target) override;
  Status linkFile(std::string_view source, std::string_view target) override;
  Status flushFolder(std::string_view folder) override;
  Result<std::string> stageBeside(std::string_view target, std::string_view content) override;
  Status commitStaged(std::string_view staged, std::string_view target) override;
  Status discardStaged(std::string_view staged) override;
  Status moveFile(std::string_view source, std::string_view target) override;
  Status removeFile(std::string_view path) override;
  Status createFolder(std::string_view path) override;
  Status removeFolder(std::string_view path) override;
  std::optional<DirEntry> lookUp(std::string_view path) const override { return real_.lookUp(path); }
  std::vector<DirEntry> list(std::string_view folder, std::string_view pattern) const override {
    return real_.list(folder, pattern);
  }
  std::string longName(std::string_view path) const override { return real_.longName(path); }
  std::string nativePath(std::string_view path) const override { return real_.nativePath(path); }
  std::string resolvedPath(std::string_view path) const override { return real_.resolvedPath(path); }

 private:
  bool fails(Operation op, std::string_view path) const;
  bool failsMutation(Operation op, std::string_view path);
  // What a write that fails part way leaves: the first half of `content` in
  // the file being written beside `target`.
  Status cutOff(std::string_view target, std::string_view content);
  std::string contentOf(std::string_view path) const;

  NativeFileSystem real_;
  Rule rule_;
  int mutations_ = 0;
  int failFrom_ = -1;
};

}  // namespace qm::testing
