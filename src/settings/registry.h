// The four settings operations and the product's key path. Every part of the
// program that remembers something between runs goes through these: reads
// fall back to the caller's default whenever the value is missing, of
// another type or unreadable, and writes never stop the program — a write
// that fails leaves the store as it was, and the program goes on with the
// values it holds in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/settings_backend.h"

namespace qm {

// The root of the key paths. Only the current user's part of the store is
// used, so there is one root.
enum class RegistryRoot { CurrentUser };
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::CurrentUser;


// "Software\Oskavel Software\Quillmere", rebuilt at every call.
std::string SettingsKey();
// SettingsKey + "\Settings": the choices the program remembers.
std::string SettingsValuesKey();
// SettingsKey + "\Previous": the recent projects.
std::string PreviousProjectsKey();

std::string GetSettingString(const SettingsBackend& store, RegistryRoot root, std::string_view keyPath,
                             std::string_view valueName, std::string_view defaultText);
void SaveSettingString(SettingsBackend& store, RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                       std::string_view text);
std::int32_t GetSettingNumber(const SettingsBackend& store, RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName, std::int32_t defaultNumber);
void SaveSettingNumber(SettingsBackend& store, RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                       std::int32_t number);

// Under SettingsValuesKey, a number: 1 when every procedure form and the
// user controls, property pages and user documents are included, 0 or
// missing when not.
inline constexpr std::string_view kAllProceduresValue = "AllProcedures";

// The user's own store on this platform.
std::unique_ptr<SettingsBackend> openProductSettings();
// Where those settings are kept, for the help.
std::string productSettingsPlace();

}  // namespace qm
