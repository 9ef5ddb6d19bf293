#include "styles/style_name.h"

#include "platform/text.h"
#include "styles/style_file.h"

namespace qm {

bool isBareFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  return true;
}

std::string styleNameFromAnswer(const std::optional<std::string>& answer) {
  if (!answer) return std::string();
  const std::string_view trimmed = trimSpaces(*answer);
  if (trimmed.empty()) return std::string();
  return normaliseStyleName(trimmed);
}

}  // namespace qm
