#include "platform/memory_settings.h"

namespace qm {

std::optional<std::string> MemorySettings::readString(std::string_view keyPath, std::string_view valueName) const {
  return document_.stringValue(keyPath, valueName);
}

std::optional<std::uint32_t> MemorySettings::readNumber(std::string_view keyPath, std::string_view valueName) const {
  return document_.numberValue(keyPath, valueName);
}

Status MemorySettings::writeString(std::string_view keyPath, std::string_view valueName, std::string_view text) {
  ++writes_;
  if (failWrites_) return Status::failure("Cannot write the settings: writes are switched off");
  document_.setString(keyPath, valueName, text);
  return {};
}

Status MemorySettings::writeNumber(std::string_view keyPath, std::string_view valueName, std::uint32_t number) {
  ++writes_;
  if (failWrites_) return Status::failure("Cannot write the settings: writes are switched off");
  document_.setNumber(keyPath, valueName, number);
  return {};
}

}  // namespace qm
