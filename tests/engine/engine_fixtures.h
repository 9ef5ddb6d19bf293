// What the engine tests share: procedure records written as the case files
// under tests/data/engine give them, one a line, "<counted lines>
// handled|unhandled <header as read>".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/procedure_list.h"
#include "engine/scanning.h"
#include "platform/lines.h"

namespace qm::testing {

inline std::string recordLine(const ProcedureRecord& r) {
  return std::to_string(r.lineCount) + (r.hasErrorHandling ? " handled " : " unhandled ") + r.headerText;
}

inline void appendRecords(ProcedureList& list, std::string_view member, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::size_t count = line.find(' '), kind = line.find(' ', count + 1);
    list.append(member, {line.substr(kind + 1), line.compare(count + 1, kind - count - 1, "handled") == 0,
                         static_cast<std::int16_t>(std::stoi(line.substr(0, count)))});
  }
}

// A record for every line that opens a procedure, as a long one without error handling.
inline void recordEveryHeader(std::string_view text, ProcedureList& list, std::string_view member = "") {
  for (std::string_view line : splitLines(text)) {
    if (isHeader(line)) list.append(member, {std::string(line), false, 50});
  }
}

}  // namespace qm::testing
