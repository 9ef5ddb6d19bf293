#include "platform/posix/reg_file_settings.h"

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/posix/xdg_folders.h"
#include "platform/user_folders.h"
#include "platform/user_settings.h"

namespace qm {

namespace {

// Holds an exclusive lock on a folder for as long as it lives; the lock is
// advisory and only meant for other copies of this program. Where locking is
// not possible the write still goes ahead: the atomic replacement alone keeps
// the file whole.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder) {
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

RegFileSettings::RegFileSettings(std::string filePath) : path_(std::move(filePath)) {}

RegistryDocument RegFileSettings::load() const {
  NativeFileSystem files;
  auto text = files.readFile(path_);
  if (!text) return RegistryDocument();
  return RegistryDocument::parse(*text);
}

std::optional<std::string> RegFileSettings::readString(std::string_view keyPath, std::string_view valueName) const {
  return load().stringValue(keyPath, valueName);
}

std::optional<std::uint32_t> RegFileSettings::readNumber(std::string_view keyPath, std::string_view valueName) const {
  return load().numberValue(keyPath, valueName);
}

template <typename Change>
Status RegFileSettings::update(Change change) {
  const std::string folder(folderOf(path_));
  if (Status made = makeFolders(folder); !made) return made;
  FolderLock lock(folder);
  NativeFileSystem files;
  RegistryDocument document;
  if (files.exists(path_)) {
    auto text = files.readFile(path_);
    // An existing file that cannot be read is left alone rather than
    // replaced by a file holding only the new value.
    if (!text) return text.status();
    document = RegistryDocument::parse(*text);
  }
  change(document);
  return files.writeFile(path_, document.text());
}

Status RegFileSettings::writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) {
  return update([&](RegistryDocument& document) { document.setString(keyPath, valueName, text); });
}

Status RegFileSettings::writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) {
  return update([&](RegistryDocument& document) { document.setNumber(keyPath, valueName, number); });
}

std::string userSettingsFilePath(std::string_view maker, std::string_view product) {
  std::string path = userConfigFolder();
  path += maker;
  path += "/";
  path += product;
  path += ".reg";
  return path;
}

std::unique_ptr<SettingsBackend> openUserSettings(std::string_view maker, std::string_view product) {
  return std::make_unique<RegFileSettings>(userSettingsFilePath(maker, product));
}

std::string userSettingsPlace(std::string_view maker, std::string_view product) {
  return userSettingsFilePath(maker, product);
}

}  // namespace qm
