// The settings back end on Windows: the registry itself. Key paths name
// their root in full ("HKEY_CURRENT_USER\Software\..."), as the settings
// operations and the .reg file back end write them, so both store the same
// keys and values: REG_SZ strings (the text's characters, no terminating
// NUL) and REG_DWORD numbers. Every call opens its key, uses it and closes
// it; nothing is cached.
#pragma once

#include "platform/settings_backend.h"

namespace qm::windows {

class RegistrySettings final : public SettingsBackend {
 public:
  std::optional<std::string> readString(std::string_view keyPath, std::string_view valueName) const override;
  std::optional<std::uint32_t> readNumber(std::string_view keyPath, std::string_view valueName) const override;
  Status writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) override;
  Status writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) override;
};

}  // namespace qm::windows
