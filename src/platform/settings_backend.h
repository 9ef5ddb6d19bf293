// Where the settings live. The program keeps a handful of per-user values
// (recent projects, the last style, the compiler's location...) under key
// paths in a hierarchical store of string and 32-bit number values, as the
// Windows registry holds them. Every platform supplies one back end; the
// settings operations (settings/registry.h) are written against this
// interface only, and tests use the in-memory back end.
//
// Key paths are full paths including the root's name
// ("HKEY_CURRENT_USER\Software\..."); keys and value names are matched
// without regard to ASCII case, as the registry matches them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace qm {

class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;

  // The value when it exists and is a string; nothing when the key or the
  // value is missing, the value has another type or the store is unreadable.
  virtual std::optional<std::string> readString(std::string_view keyPath, std::string_view valueName) const = 0;
  // The value when it exists and is a 32-bit number.
  virtual std::optional<std::uint32_t> readNumber(std::string_view keyPath, std::string_view valueName) const = 0;

  // Stores the value, creating the key (and its parents) when missing and
  // replacing a value of that name whatever its type was.
  virtual Status writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) = 0;
  virtual Status writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) = 0;
};

}  // namespace qm
