// A settings back end that keeps its document in memory: for tests, and for
// any run that must not touch the user's real settings. It holds the same
// document as the settings file, so a test can start it from a file's text
// and look at the text a write would have produced.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry_text.h"
#include "platform/settings_backend.h"

namespace qm {

class MemorySettings final : public SettingsBackend {
 public:
  MemorySettings() = default;
  explicit MemorySettings(std::string_view regText) : document_(RegistryDocument::parse(regText)) {}

  RegistryDocument& document() { return document_; }
  const RegistryDocument& document() const { return document_; }
  std::string text() const { return document_.text(); }

  // Makes every later write fail, as a full disk or a locked file would.
  void failWrites(bool fail) { failWrites_ = fail; }
  int writes() const { return writes_; }

  std::optional<std::string> readString(std::string_view keyPath, std::string_view valueName) const override;
  std::optional<std::uint32_t> readNumber(std::string_view keyPath, std::string_view valueName) const override;
  Status writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) override;
  Status writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) override;

 private:
  RegistryDocument document_;
  bool failWrites_ = false;
  int writes_ = 0;
};

}  // namespace qm
