// A file system that forwards to the real one but fails on demand, to show
// that no pass loses or truncates a file when the disk lets it down.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"

namespace qm::testing {

enum class Operation { Read, Write, Copy, Move, Remove, CreateFolder, RemoveFolder, Flush };

class FaultyFileSystem final : public FileSystem {
 public:
  // Decides whether an operation on `path` (the target for copies and moves) fails.
  using Rule = std::function<bool(Operation, const std::string& path)>;

  FaultyFileSystem() = default;
  explicit FaultyFileSystem(Rule rule) : rule_(std::move(rule)) {}
  void setRule(Rule rule) { rule_ = std::move(rule); }

  // Fails the n-th (0-based) mutating operation from now on, and every one after it.
  void failFromMutation(int n);
  int mutations() const { return mutations_; }

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
  std::optional<DirEntry> lookUp(std::string_view path) const override { return real_.lookUp(path); }
  std::vector<DirEntry> list(std::string_view folder, std::string_view pattern) const override {
    return real_.list(folder, pattern);
  }
  std::string longName(std::string_view path) const override { return real_.longName(path); }
  std::string nativePath(std::string_view path) const override { return real_.nativePath(path); }

 private:
  bool fails(Operation op, std::string_view path) const;
  bool failsMutation(Operation op, std::string_view path);

  NativeFileSystem real_;
  Rule rule_;
  int mutations_ = 0;
  int failFrom_ = -1;
};

}  // namespace qm::testing
