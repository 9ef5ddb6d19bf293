#include "settings/registry.h"

#include "platform/product.h"
#include "platform/user_settings.h"

namespace qm {

namespace {


std::string rootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser:
      return "HKEY_CURRENT_USER";
  }
  return "HKEY_CURRENT_USER";
}

std::string fullKeyPath(RegistryRoot root, std::string_view keyPath) {
  std::string path = rootName(root);
  if (!keyPath.empty() && keyPath.front() != '\\') path.push_back('\\');
  path += keyPath;
  return path;
}

// A stored string ends at its first NUL character, as the registry's own
// readers cut it.
std::string cutAtNul(std::string text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

}  // namespace

std::string SettingsKey() {
  std::string key = "Software\\";
  key += kMakerName;
  key += "\\";
  key += kProductName;
  return key;
}

std::string SettingsValuesKey() { return SettingsKey() + "\\Settings"; }

std::string PreviousProjectsKey() { return SettingsKey() + "\\Previous"; }

std::string GetSettingString(const SettingsBackend& store, RegistryRoot root, std::string_view keyPath,
                             std::string_view valueName, std::string_view defaultText) {
  auto value = store.readString(fullKeyPath(root, keyPath), valueName);
  return value ? cutAtNul(std::move(*value)) : std::string(defaultText);
}

void SaveSettingString(SettingsBackend& store, RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                       std::string_view text) {
  // Silent by design: a setting that cannot be stored must not stop anything.
  (void)store.writeString(fullKeyPath(root, keyPath), valueName, text);
}

std::int32_t GetSettingNumber(const SettingsBackend& store, RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName, std::int32_t defaultNumber) {
  auto value = store.readNumber(fullKeyPath(root, keyPath), valueName);
  return value ? static_cast<std::int32_t>(*value) : defaultNumber;
}

void SaveSettingNumber(SettingsBackend& store, RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                       std::int32_t number) {
  (void)store.writeNumber(fullKeyPath(root, keyPath), valueName, static_cast<std::uint32_t>(number));
}

std::unique_ptr<SettingsBackend> openProductSettings() { return openUserSettings(kMakerName, kProductName); }

std::string productSettingsPlace() { return userSettingsPlace(kMakerName, kProductName); }

}  // namespace qm
