// The registry's own text export format, as a document of keys and values.
//
// The settings file on platforms without a registry is written in this form
// so that a person can read it and import it on Windows:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Oskavel Software\Quillmere\Settings]
//   "LastRoutine"="Simple.style"
//   "Number"=dword:0000000a
//
// Reading is forgiving, because people edit such files by hand: a line that
// cannot be understood is passed over and the rest still counts; values of
// types this program never writes (hex:..., hex(2):...) are kept as written
// so that rewriting the file does not lose them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

enum class RegistryValueType { String, Number, Other };

struct RegistryValue {
  std::string name;  // "" for a key's default value ("@")
  RegistryValueType type = RegistryValueType::String;
  std::string text;  // String: the text; Other: the right-hand side as written
  std::uint32_t number = 0;
};

struct RegistryKey {
  std::string path;  // full path, root included, as first written
  std::vector<RegistryValue> values;
};

class RegistryDocument {
 public:
  static RegistryDocument parse(std::string_view fileText);
  // The whole file: header, then each key and its values, CR LF line ends.
  std::string text() const;

  // The value, or nullptr; keys and names are matched ignoring ASCII case.
  const RegistryValue* find(std::string_view keyPath, std::string_view name) const;
  // The value when it exists and has that type; nothing otherwise.
  std::optional<std::string> stringValue(std::string_view keyPath, std::string_view name) const;
  std::optional<std::uint32_t> numberValue(std::string_view keyPath, std::string_view name) const;

  void setString(std::string_view keyPath, std::string_view name, std::string_view text);
  void setNumber(std::string_view keyPath, std::string_view name, std::uint32_t number);
  // A value of a type this program never writes; `raw` is its right-hand side.
  void setOther(std::string_view keyPath, std::string_view name, std::string_view raw);

  const std::vector<RegistryKey>& keys() const { return keys_; }

 private:
  RegistryKey& keyFor(std::string_view keyPath);
  RegistryValue& valueFor(std::string_view keyPath, std::string_view name);

  std::vector<RegistryKey> keys_;
};

}  // namespace qm
