// Removal of inserted code: takes out every block that the insertion wrote,
// found again by its marker lines alone (no style, no analysis needed).
// Everything from an SS marker to the next SE marker, and from an ES marker
// to the next EE marker, goes, markers included; every other line stays
// exactly as it was.
//
// A block that is opened and never closed would take the rest of the file
// with it, so such a file is left unchanged and the pass fails, saying where
// the open block starts.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace qm {

struct RemovalOutcome {
  std::string text;
  int ssMarkers = 0;  // SS markers met: the procedures that had code inserted
};

class RemovalPass {
 public:
  Result<RemovalOutcome> run(std::string_view text) const;
};

}  // namespace qm
