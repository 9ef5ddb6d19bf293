#include "engine/removal.h"

#include "engine/scanning.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

Result<RemovalOutcome> RemovalPass::run(std::string_view text) const {
  RemovalOutcome outcome;
  outcome.text.reserve(text.size());
  bool keep = true;
  long long lineNumber = 0;
  long long openedOn = 0;  // line of the marker that opened the current block
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    ++lineNumber;
    switch (markerOf(trimSpaces(line))) {
      case Marker::SS:
        ++outcome.ssMarkers;
        [[fallthrough]];
      case Marker::ES:
        if (keep) openedOn = lineNumber;
        keep = false;
        break;
      case Marker::SE:
      case Marker::EE:
        keep = true;
        break;
      case Marker::None:
        if (keep) appendLine(outcome.text, line);
        break;
    }
  }
  if (!keep) {
    return Status::failure("the block opened by the marker on line " + decimal(openedOn) +
                           " is never closed; file left unchanged");
  }
  return outcome;
}

}  // namespace qm
