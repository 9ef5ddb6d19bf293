#if defined(_WIN32)  // only the Windows build compiles this file
// A Windows desktop session always has its display.
#include "platform/display.h"

namespace qm {

bool displayAvailable() { return true; }

}  // namespace qm
#endif  // defined(_WIN32)
