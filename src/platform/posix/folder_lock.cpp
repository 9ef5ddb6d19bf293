// The project lock on POSIX systems: flock on the open folder.
#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/paths.h"

namespace qm {

struct FolderLock::Held {
  explicit Held(int descriptor) : fd(descriptor) {}
  ~Held() { ::close(fd); }  // closing the last descriptor releases the lock
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  int fd;
};

FolderLock::FolderLock() = default;
FolderLock::FolderLock(FolderLock&& other) noexcept = default;
FolderLock& FolderLock::operator=(FolderLock&& other) noexcept = default;
FolderLock::~FolderLock() = default;

FolderLock FolderLock::take(const FileSystem& files, std::string_view folder) {
  const std::string shown(withoutTrailingSeparator(folder));
  const std::string native = files.resolvedPath(shown);
  const int fd = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return unavailable(shown, std::strerror(errno));
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? busy(shown) : unavailable(shown, std::strerror(error));
  }
  FolderLock lock;
  lock.held_ = std::make_unique<Held>(fd);
  return lock;
}

}  // namespace qm
