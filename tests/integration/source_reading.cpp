#include "integration/source_reading.h"

#include "platform/text.h"

namespace qm::testing {

Lines sourceLines(std::string_view text) {
  Lines out;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r' && end < text.size()) --end;
    out.emplace_back(text.substr(start, end - start));
    start = next;
  }
  return out;
}

std::string withCrLfLines(std::string_view text) {
  std::string out;
  for (const std::string& line : sourceLines(text)) out += line + "\r\n";
  return out;
}

bool isMarkerLine(std::string_view line) {
  const std::string_view text = trimBlanks(line);
  if (text.size() < 9 || text.front() != '\'' || text.substr(3, 6) != "******") return false;
  const std::string_view letters = text.substr(1, 2);
  return letters == "SS" || letters == "SE" || letters == "ES" || letters == "EE";
}

}  // namespace qm::testing
