// The user's own settings store on this system: the registry on Windows, a
// file in the registry's export format elsewhere (see registry_text.h).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/settings_backend.h"

namespace qm {

std::unique_ptr<SettingsBackend> openUserSettings(std::string_view maker, std::string_view product);
// Where that store is, as a person would look for it.
std::string userSettingsPlace(std::string_view maker, std::string_view product);

}  // namespace qm
