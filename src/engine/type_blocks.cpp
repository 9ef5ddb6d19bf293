#include "engine/type_blocks.h"

#include "engine/scanning.h"
#include "platform/text.h"

namespace qm {

namespace {

std::optional<std::string> declaredBlockName(std::string_view line, std::string_view keyword) {
  std::string_view text = skipBlanks(line);
  if (!consumeWord(text, "private")) consumeWord(text, "public");
  if (!consumeWord(text, keyword)) return std::nullopt;
  std::size_t length = 0;
  while (length < text.size() && isWordChar(text[length])) ++length;
  if (length == 0 || !isAsciiLetter(text[0])) return std::nullopt;
  return toLower(text.substr(0, length));
}

bool closesBlock(std::string_view line) {
  std::string_view text = skipBlanks(line);
  if (!consumeWord(text, "end")) return false;
  return beginsWithWord(text, "type") || beginsWithWord(text, "enum");
}

}  // namespace

std::optional<std::string> userTypeName(std::string_view line) { return declaredBlockName(line, "type"); }

std::optional<std::string> enumName(std::string_view line) { return declaredBlockName(line, "enum"); }

bool TypeBlocks::inside(std::string_view line) {
  if (open_) {
    if (closesBlock(line)) open_ = false;
    return true;
  }
  // Only lines that can open a block are looked at closely.
  std::string_view text = skipBlanks(line);
  if (text.empty()) return false;
  const char first = asciiLower(text.front());
  if (first != 't' && first != 'e' && first != 'p') return false;
  if (first == 'p' && !consumeWord(text, "private") && !consumeWord(text, "public")) return false;
  if (text.empty()) return false;
  const char keyword = asciiLower(text.front());
  open_ = (keyword == 't' && declaredBlockName(text, "type")) || (keyword == 'e' && declaredBlockName(text, "enum"));
  return open_;
}

}  // namespace qm
