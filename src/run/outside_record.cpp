#include "run/outside_record.h"

#include "platform/lines.h"

namespace qm {

namespace {
constexpr std::string_view kHeader = "MEMBERS FROM OUTSIDE THE PROJECT FOLDER, COPIED BY QUILLMERE.";
}  // namespace

std::string outsideRecordText(const std::vector<OutsideCopy>& copies) {
  std::string text;
  appendLine(text, kHeader);
  for (const OutsideCopy& copy : copies) appendLine(text, copy.copy + "|" + copy.member);
  return text;
}

std::vector<OutsideCopy> outsideCopiesIn(std::string_view recordText) {
  std::vector<OutsideCopy> out;
  LineReader reader(recordText);
  std::string_view line;
  if (!reader.next(line)) return out;  // the header says nothing
  while (reader.next(line)) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos || bar == 0 || bar + 1 == line.size()) continue;
    out.push_back({std::string(line.substr(0, bar)), std::string(line.substr(bar + 1))});
  }
  return out;
}

}  // namespace qm
