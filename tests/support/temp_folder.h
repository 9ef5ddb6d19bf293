// A fresh folder per test case, removed afterwards, and small file helpers
// for building fixtures in it.
#pragma once

#include <string>
#include <string_view>

namespace qm::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path with a trailing "/".
  const std::string& path() const { return path_; }
  // path() + relative, with "\" turned into "/".
  std::string file(std::string_view relative) const;

  // Writes bytes exactly, creating missing folders.
  void write(std::string_view relative, std::string_view content) const;
  // The file's bytes; empty when it is missing.
  std::string read(std::string_view relative) const;
  bool exists(std::string_view relative) const;
  void makeFolder(std::string_view relative) const;
  // Copies the folder `source` (a trailing separator allowed) with all it
  // holds to `relative`.
  void copyFolder(std::string_view source, std::string_view relative) const;
  // Marks a file read-only as the system marks it (no write permission
  // bits, or Windows' read-only attribute), or writable again.
  void setReadOnly(std::string_view relative, bool readOnly = true) const;

 private:
  std::string path_;
};

// Joins lines with CR LF after each one.
std::string crlf(std::initializer_list<std::string_view> lines);

// The folder of the shipped example project, with a trailing "/".
std::string exampleFolder();

}  // namespace qm::testing
