// Shared fixtures of the engine tests: the default style's texts (from
// support), joining expected lines, and a quick way to fill a ProcedureList
// without running the analysis.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/procedure_list.h"
#include "engine/scanning.h"
#include "platform/lines.h"
#include "support/default_style_texts.h"
#include "support/temp_folder.h"

namespace qm::testing {

using Lines = std::vector<std::string>;

// The lines of every part, in order, each followed by CR LF.
inline std::string join(std::initializer_list<Lines> parts) {
  std::string out;
  for (const Lines& part : parts) {
    for (const std::string& line : part) {
      out += line;
      out += "\r\n";
    }
  }
  return out;
}

// A readable name for a parameterised case.
inline std::string caseName(std::string name) {
  for (char& c : name) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) c = '_';
  }
  return name;
}

// Appends one record per line that opens a procedure (tested as read), in
// file order, all with the same line count and error-handling flag.
inline void recordEveryHeader(std::string_view text, ProcedureList& list, std::int16_t lineCount = 50,
                              bool hasErrorHandling = false) {
  for (std::string_view line : splitLines(text)) {
    if (isHeader(line)) list.append("", {std::string(line), hasErrorHandling, lineCount});
  }
}

}  // namespace qm::testing
