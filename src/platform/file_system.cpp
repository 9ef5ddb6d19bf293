#include "platform/file_system.h"

namespace qm {

bool FileSystem::isFile(std::string_view path) const {
  auto entry = lookUp(path);
  return entry && !entry->isFolder;
}

bool FileSystem::isFolder(std::string_view path) const {
  auto entry = lookUp(path);
  return entry && entry->isFolder;
}

}  // namespace qm
