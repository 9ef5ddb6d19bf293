// Starting another program without waiting for it: the compiler is handed a
// project and left to work on its own. The program is started directly, with
// every argument as its own argument-vector entry and no shell in between,
// so nothing in a path can be taken for an option or a command.
//
// On this platform a Windows program (a file that begins with the bytes
// "MZ") is started through `wine` when wine is on the PATH, and arguments
// marked as paths are then given in the form `winepath -w` reports, which is
// how a Windows program expects to see them.
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

// True when the file begins with "MZ", the mark of a Windows program.
bool isWindowsProgram(std::string_view executable);

// The full path of `program` found on $PATH; "" when it is not there.
std::string findOnPath(std::string_view program);

// What a Windows program run by wine should be given for a native path:
// the output of `winepath -w`, or the Z: drive form wine uses by default when
// winepath cannot be run.
std::string windowsFormOf(std::string_view nativePath);

// The argument vector that `startDetached` would run: the program first.
std::vector<std::string> commandFor(std::string_view executable, const std::vector<ProcessArgument>& arguments);

}  // namespace qm
