// Line splitting and joining for 8-bit source text.
//
// A line ends at CR LF or at a lone LF (files checked out with LF endings);
// a lone CR stays inside its line; a last line without a terminator is still
// a line. Every line written gets CR LF. Nothing else about a line changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // Puts the next line (without its terminator) into `line`; false at the end.
  bool next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::vector<std::string_view> splitLines(std::string_view text);

// Appends `line` and CR LF.
inline void appendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

}  // namespace qm
