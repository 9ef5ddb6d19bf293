#include "platform/program_folder.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/user_folders.h"

namespace qm {

namespace {

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder;
}

std::string folderPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string executablePath(std::string_view argv0) {
  std::vector<char> buffer(PATH_MAX + 1);
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length > 0) return std::string(buffer.data(), static_cast<std::size_t>(length));
  if (argv0.find('/') == std::string_view::npos) return {};
  char* resolved = ::realpath(std::string(argv0).c_str(), nullptr);
  if (resolved == nullptr) return {};
  std::string out(resolved);
  ::free(resolved);
  return out;
}

bool isWritableFolder(const std::string& folder) {
  struct stat info;
  return !folder.empty() && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string chooseProgramFolder(std::string_view executableFolder, std::string_view userDataFolder) {
  const std::string own = withSlash(std::string(executableFolder));
  if (!executableFolder.empty() && isWritableFolder(own)) return own;
  const std::string fallback = withSlash(std::string(userDataFolder)) + "quillmere/";
  (void)makeFolders(fallback);  // a failure shows later, at the first file written there
  return fallback;
}

std::string programFolder(std::string_view argv0) {
  return chooseProgramFolder(folderPart(executablePath(argv0)), userDataFolder());
}

}  // namespace qm
