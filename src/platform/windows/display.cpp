// A Windows desktop session always has its display.
#include "platform/display.h"

namespace qm {

bool displayAvailable() { return true; }

}  // namespace qm
