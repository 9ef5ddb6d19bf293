// An X or Wayland display named in the environment, or a Qt platform chosen
// there (offscreen, for instance), lets windows open.
#include "platform/display.h"

#include <cstdlib>

namespace qm {

namespace {

bool setInEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool displayAvailable() {
  return setInEnvironment("DISPLAY") || setInEnvironment("WAYLAND_DISPLAY") || setInEnvironment("QT_QPA_PLATFORM");
}

}  // namespace qm
