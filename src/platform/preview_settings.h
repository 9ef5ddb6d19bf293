// Settings that read through to the user's store and keep every write in
// memory: a preview sees the settings a run would see, including those it
// stores on the way, and the user's store is left as it was.
#pragma once

#include "platform/memory_settings.h"
#include "platform/settings_backend.h"

namespace qm {

class PreviewSettings final : public SettingsBackend {
 public:
  explicit PreviewSettings(const SettingsBackend& stored) : stored_(stored) {}

  std::optional<std::string> readString(std::string_view keyPath, std::string_view valueName) const override {
    if (written_.readNumber(keyPath, valueName)) return std::nullopt;
    if (auto value = written_.readString(keyPath, valueName)) return value;
    return stored_.readString(keyPath, valueName);
  }
  std::optional<std::uint32_t> readNumber(std::string_view keyPath, std::string_view valueName) const override {
    if (written_.readString(keyPath, valueName)) return std::nullopt;
    if (auto value = written_.readNumber(keyPath, valueName)) return value;
    return stored_.readNumber(keyPath, valueName);
  }
  Status writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) override {
    return written_.writeString(keyPath, valueName, text);
  }
  Status writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) override {
    return written_.writeNumber(keyPath, valueName, number);
  }

 private:
  const SettingsBackend& stored_;
  MemorySettings written_;
};

}  // namespace qm
