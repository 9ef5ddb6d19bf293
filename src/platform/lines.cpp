#include "platform/lines.h"

#include <cstring>

namespace qm {

bool LineReader::next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const char* begin = text_.data() + pos_;
  const std::size_t left = text_.size() - pos_;
  const void* hit = std::memchr(begin, '\n', left);
  if (hit == nullptr) {
    line = std::string_view(begin, left);
    pos_ = text_.size();
    return true;
  }
  std::size_t length = static_cast<const char*>(hit) - begin;
  pos_ += length + 1;
  if (length > 0 && begin[length - 1] == '\r') --length;
  line = std::string_view(begin, length);
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) lines.push_back(line);
  return lines;
}

}  // namespace qm
