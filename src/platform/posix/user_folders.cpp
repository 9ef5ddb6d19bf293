// The per-user folders of POSIX desktops: the XDG base directories, the
// executable's folder as /proc tells it, and folder creation.
#include "platform/user_folders.h"

#include <limits.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/posix/xdg_folders.h"

namespace qm {

namespace {

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder;
}

// An XDG variable counts only when it holds an absolute path.
std::string xdgFolder(const char* variable, std::string_view fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return withSlash(value);
  return homeFolder() + std::string(fallback);
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

}  // namespace

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return withSlash(home);
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr) {
    return withSlash(found->pw_dir);
  }
  return "/tmp/";
}

std::string userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config/"); }

std::string userDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share/"); }

std::string programDataFolder() { return userDataFolder() + "quillmere/"; }

std::string executableFolder(std::string_view argv0) {
  const std::string path = executablePath(argv0);
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool isWritableFolder(std::string_view folder) {
  const std::string path(folder);
  struct stat info;
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(path.c_str(), W_OK | X_OK) == 0;
}

Status makeFolders(std::string_view folder) {
  std::string path(folder);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return {};
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return {};
    return Status::failure("Cannot create folder '" + path + "': a file of that name exists");
  }
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) {
    if (Status parent = makeFolders(path.substr(0, slash)); !parent) return parent;
  }
  if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
    return Status::failure("Cannot create folder '" + path + "': " + std::strerror(errno));
  }
  return {};
}

}  // namespace qm
