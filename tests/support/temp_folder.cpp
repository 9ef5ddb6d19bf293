#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qm::testing {

namespace {
std::string slashes(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}
}  // namespace

TempFolder::TempFolder() {
  std::random_device random;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const fs::path folder = fs::temp_directory_path() / ("quillmere-test-" + std::to_string(random()));
    if (fs::create_directory(folder)) path_ = folder.string() + "/";
  }
  if (path_.empty()) throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // Windows deletes no read-only file, and a test may have left one behind.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add | fs::perm_options::nofollow, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string TempFolder::file(std::string_view relative) const { return path_ + slashes(relative); }

void TempFolder::write(std::string_view relative, std::string_view content) const {
  const fs::path target = file(relative);
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string TempFolder::read(std::string_view relative) const {
  std::ifstream in(file(relative), std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

bool TempFolder::exists(std::string_view relative) const { return fs::exists(file(relative)); }

void TempFolder::makeFolder(std::string_view relative) const { fs::create_directories(file(relative)); }

void TempFolder::copyFolder(std::string_view source, std::string_view relative) const {
  fs::path from = fs::path(source).lexically_normal();
  // Windows' C runtime finds no folder whose path ends in a separator.
  if (!from.has_filename()) from = from.parent_path();
  fs::copy(from, file(relative), fs::copy_options::recursive);
}

void TempFolder::setReadOnly(std::string_view relative, bool readOnly) const {
  constexpr auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(file(relative), readOnly ? writable : fs::perms::owner_write,
                  readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (auto line : lines) {
    out.append(line);
    out.append("\r\n");
  }
  return out;
}

std::string exampleFolder() { return std::string(QUILLMERE_SOURCE_DIR) + "/examples/Billing/"; }

}  // namespace qm::testing
