#if defined(_WIN32)  // only the Windows build compiles this file
#include "platform/windows/registry_settings.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/text.h"
#include "platform/windows/wide_text.h"

namespace qm::windows {

namespace {

struct RootKey {
  std::string_view name;
  HKEY handle;
};

// The root named by a key path's first component, and the rest of the path.
std::optional<std::pair<HKEY, std::wstring>> splitKeyPath(std::string_view keyPath) {
  static const std::array<RootKey, 5> kRoots = {{{"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                                                 {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                                                 {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                                                 {"HKEY_USERS", HKEY_USERS},
                                                 {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG}}};
  const std::size_t slash = keyPath.find('\\');
  const std::string_view root = keyPath.substr(0, slash);
  const std::string_view rest = slash == std::string_view::npos ? std::string_view() : keyPath.substr(slash + 1);
  for (const RootKey& known : kRoots) {
    if (equalsNoCase(root, known.name)) return std::make_pair(known.handle, wideFromAnsi(rest));
  }
  return std::nullopt;
}

class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's type and bytes; nothing when the key or the value is missing.
std::optional<std::pair<DWORD, std::vector<BYTE>>> queryValue(std::string_view keyPath, std::string_view valueName) {
  const auto split = splitKeyPath(keyPath);
  if (!split) return std::nullopt;
  OpenKey key;
  if (::RegOpenKeyExW(split->first, split->second.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring name = wideFromAnsi(valueName);
  for (int attempt = 0; attempt < 4; ++attempt) {  // the value may grow between the two calls
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::vector<BYTE> data(size);
    const LSTATUS read = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data.data(), &size);
    if (read == ERROR_MORE_DATA) continue;
    if (read != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    return std::make_pair(type, std::move(data));
  }
  return std::nullopt;
}

Status setValue(std::string_view keyPath, std::string_view valueName, DWORD type, const BYTE* data, DWORD size) {
  const auto split = splitKeyPath(keyPath);
  if (!split) return Status::failure("Cannot write the setting '" + std::string(valueName) + "': unknown root in '" +
                                     std::string(keyPath) + "'");
  OpenKey key;
  LSTATUS result = ::RegCreateKeyExW(split->first, split->second.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, key.out(), nullptr);
  if (result == ERROR_SUCCESS) {
    result = ::RegSetValueExW(key.get(), wideFromAnsi(valueName).c_str(), 0, type, data, size);
  }
  if (result != ERROR_SUCCESS) {
    return Status::failure("Cannot write the setting '" + std::string(valueName) + "' under '" +
                           std::string(keyPath) + "': " + systemMessage(static_cast<DWORD>(result)));
  }
  return {};
}

}  // namespace

std::optional<std::string> RegistrySettings::readString(std::string_view keyPath, std::string_view valueName) const {
  const auto value = queryValue(keyPath, valueName);
  if (!value || value->first != REG_SZ) return std::nullopt;
  const std::vector<BYTE>& data = value->second;
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(text.size() * sizeof(wchar_t)),
            reinterpret_cast<BYTE*>(text.data()));
  // The terminator that most writers store (and that the registry may add)
  // is not part of the text.
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  return ansiFromWide(text);
}

std::optional<std::uint32_t> RegistrySettings::readNumber(std::string_view keyPath, std::string_view valueName) const {
  const auto value = queryValue(keyPath, valueName);
  if (!value || value->first != REG_DWORD || value->second.size() != sizeof(DWORD)) return std::nullopt;
  DWORD number = 0;
  std::copy(value->second.begin(), value->second.end(), reinterpret_cast<BYTE*>(&number));
  return number;
}

Status RegistrySettings::writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) {
  const std::wstring wide = wideFromAnsi(text);
  return setValue(keyPath, valueName, REG_SZ, reinterpret_cast<const BYTE*>(wide.data()),
                  static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

Status RegistrySettings::writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) {
  const DWORD value = number;
  return setValue(keyPath, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace qm::windows
#endif  // defined(_WIN32)
