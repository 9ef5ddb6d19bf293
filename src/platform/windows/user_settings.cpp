#include "platform/user_settings.h"

#include "platform/windows/registry_settings.h"

namespace qm {

// The key paths name the maker and the product already.
std::unique_ptr<SettingsBackend> openUserSettings(std::string_view, std::string_view) {
  return std::make_unique<windows::RegistrySettings>();
}

std::string userSettingsPlace(std::string_view maker, std::string_view product) {
  return "the registry, HKEY_CURRENT_USER\\Software\\" + std::string(maker) + "\\" + std::string(product);
}

}  // namespace qm
