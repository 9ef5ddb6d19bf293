#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/paths.h"

namespace qm {

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), refusal_(other.refusal_), message_(std::move(other.message_)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    refusal_ = other.refusal_;
    message_ = std::move(other.message_);
  }
  return *this;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

FolderLock FolderLock::take(const FileSystem& files, std::string_view folder) {
  FolderLock lock;
  const std::string shown(withoutTrailingSeparator(folder));
  const std::string native = files.resolvedPath(shown);
  const int fd = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    lock.refusal_ = Refusal::Unavailable;
    lock.message_ = "Cannot lock the folder '" + shown + "': " + std::strerror(errno);
    return lock;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    lock.refusal_ = error == EWOULDBLOCK ? Refusal::Busy : Refusal::Unavailable;
    lock.message_ = error == EWOULDBLOCK ? "Another run is working on the project in '" + shown + "'"
                                         : "Cannot lock the folder '" + shown + "': " + std::strerror(error);
    return lock;
  }
  lock.fd_ = fd;
  return lock;
}

}  // namespace qm
