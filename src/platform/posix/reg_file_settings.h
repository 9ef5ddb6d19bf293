// The settings back end of platforms without a registry: one per-user file
// in the registry's text export format (see registry_text.h), so a person can
// read it and import it on Windows.
//
// Nothing is cached: every read reads the file, every write re-reads it,
// changes one value and replaces the file atomically while holding a lock on
// its folder, so two programs writing at once leave a valid file with both
// changes (the later one winning for the same value). A missing, unreadable
// or hand-broken file never stops the program: reads give nothing (the
// caller's default), and a write that cannot be made reports a failure and
// leaves the file as it was.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry_text.h"
#include "platform/settings_backend.h"

namespace qm {

class RegFileSettings final : public SettingsBackend {
 public:
  // `filePath` is a native path; its folders are created on the first write.
  explicit RegFileSettings(std::string filePath);

  const std::string& filePath() const { return path_; }

  std::optional<std::string> readString(std::string_view keyPath, std::string_view valueName) const override;
  std::optional<std::uint32_t> readNumber(std::string_view keyPath, std::string_view valueName) const override;
  Status writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) override;
  Status writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) override;

 private:
  RegistryDocument load() const;
  template <typename Change>
  Status update(Change change);

  std::string path_;
};

// $XDG_CONFIG_HOME/<maker>/<product>.reg, with ~/.config when the variable is
// unset, empty or not an absolute path.
std::string userSettingsFilePath(std::string_view maker, std::string_view product);

}  // namespace qm
