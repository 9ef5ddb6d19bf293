// One run per project at a time. A run holds an exclusive lock on the
// project's folder for as long as it works; a second run that finds the lock
// taken is refused before it touches anything. The lock belongs to something
// the process holds open (the folder itself on POSIX systems; on Windows,
// which cannot lock a folder, a lock file of the user's own named after the
// folder and deleted when it is closed), so the operating system releases it
// when the process ends, however it ends, and nothing is left behind to clean
// up.
//
// The whole folder is locked, not the project file alone: two projects in
// one folder share its top-level files, its backups and its
// "GlobalVariables.bas", so their runs must not overlap either.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/status.h"

namespace qm {

class FolderLock {
 public:
  enum class Refusal { None, Busy, Unavailable };

  FolderLock();
  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  // Takes the lock on `folder` without waiting. On failure `refusal` says
  // whether another run holds it (Busy) or the folder could not be locked at
  // all (Unavailable), and `message` says why.
  static FolderLock take(const FileSystem& files, std::string_view folder);

  bool held() const { return held_ != nullptr; }
  Refusal refusal() const { return refusal_; }
  const std::string& message() const { return message_; }

 private:
  // What the system keeps open for as long as the lock is held.
  struct Held;

  static FolderLock busy(std::string_view shownFolder);
  static FolderLock unavailable(std::string_view shownFolder, std::string_view reason);

  std::unique_ptr<Held> held_;
  Refusal refusal_ = Refusal::None;
  std::string message_;
};

}  // namespace qm
