// Windows programs on a POSIX system. The compiler is a Windows program: a
// file that begins with the bytes "MZ" is started through `wine` when wine
// is on the PATH, and arguments marked as paths are then given in the form
// `winepath -w` reports, which is how a Windows program expects to see them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/process.h"

namespace qm {

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
