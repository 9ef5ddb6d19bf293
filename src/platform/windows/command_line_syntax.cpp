#if defined(_WIN32)  // only the Windows build compiles this file
// The command line on Windows: one string, exactly as the process received
// it, less the program's own name, in the ANSI code page.
#include "platform/command_line_syntax.h"

#include <windows.h>

#include "platform/windows/command_line_text.h"
#include "platform/windows/wide_text.h"

namespace qm {

bool commandLineIsOneString() { return true; }

std::vector<std::string> commandLineArguments(int, char**) {
  return {windows::ansiFromWide(windows::argumentsAfterProgramName(::GetCommandLineW()))};
}

}  // namespace qm
#endif  // defined(_WIN32)
