// Starting another program without waiting for it: the compiler is handed a
// project and left to work on its own. The program is started directly, with
// no shell in between, and every argument reaches it as one argument of its
// own, so nothing in a path can be taken for an option or a command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace qm {

struct ProcessArgument {
  std::string text;
  bool isPath = false;  // a native path, translated for Windows programs

  static ProcessArgument plain(std::string text) { return {std::move(text), false}; }
  static ProcessArgument path(std::string text) { return {std::move(text), true}; }
  bool operator==(const ProcessArgument&) const = default;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts `executable` (a native path) and returns at once. A failure names
  // the program and says why it could not be started.
  virtual Status startDetached(std::string_view executable, const std::vector<ProcessArgument>& arguments) = 0;
};

class SystemProcessLauncher final : public ProcessLauncher {
 public:
  Status startDetached(std::string_view executable, const std::vector<ProcessArgument>& arguments) override;
};

}  // namespace qm
