#include "platform/working_folder.h"

#include <filesystem>
#include <system_error>

namespace qm {

std::string currentWorkingFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  if (error || folder.empty()) return "./";
  if (folder.back() != '/' && folder.back() != '\\') folder.push_back('/');
  return folder;
}

}  // namespace qm
