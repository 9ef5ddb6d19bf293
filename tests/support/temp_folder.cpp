#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
  std::string pattern = (fs::temp_directory_path() / "quillmere-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
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
