// A POSIX program inherits its standard streams from its parent.
#include "platform/console.h"

namespace qm {

void useParentConsole() {}

}  // namespace qm
