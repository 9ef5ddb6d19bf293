#include "platform/folder_lock.h"

namespace qm {

FolderLock FolderLock::busy(std::string_view shownFolder) {
  FolderLock lock;
  lock.refusal_ = Refusal::Busy;
  lock.message_ = "Another run is working on the project in '" + std::string(shownFolder) + "'";
  return lock;
}

FolderLock FolderLock::unavailable(std::string_view shownFolder, std::string_view reason) {
  FolderLock lock;
  lock.refusal_ = Refusal::Unavailable;
  lock.message_ = "Cannot lock the folder '" + std::string(shownFolder) + "': " + std::string(reason);
  return lock;
}

}  // namespace qm
