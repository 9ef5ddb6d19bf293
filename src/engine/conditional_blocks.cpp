#include "engine/conditional_blocks.h"

#include "engine/scanning.h"

namespace qm {

namespace {

// The directive's words after "#", blanks and tabs between them allowed.
std::string_view afterHash(std::string_view trimmed) {
  std::size_t pos = 1;
  while (pos < trimmed.size() && (trimmed[pos] == ' ' || trimmed[pos] == '\t')) ++pos;
  return trimmed.substr(pos);
}

bool isEndIf(std::string_view directive) {
  if (!beginsWithWord(directive, "end")) return false;
  std::size_t pos = 3;
  while (pos < directive.size() && (directive[pos] == ' ' || directive[pos] == '\t')) ++pos;
  return pos > 3 && beginsWithWord(directive.substr(pos), "if");
}

}  // namespace

void ConditionalBlocks::take(std::string_view trimmed) {
  closedOnThisLine_ = false;
  std::size_t start = 0;
  while (start < trimmed.size() && trimmed[start] == '\t') ++start;
  trimmed.remove_prefix(start);
  if (trimmed.empty() || trimmed.front() != '#') return;
  const std::string_view directive = afterHash(trimmed);
  if (beginsWithWord(directive, "if")) {
    ++depth_;
  } else if (isEndIf(directive) && depth_ > 0) {
    --depth_;
    closedOnThisLine_ = true;
  }
}

}  // namespace qm
