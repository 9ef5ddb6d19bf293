// Command-line mode: an update run without anybody at the screen. It opens
// the project named by "/p", then presses the wizard's own buttons in the
// order a person would (Next, Select All, Next, the options from the
// switches, Next, Begin), so the run does exactly what the wizard does. When
// the project cannot be opened, or the run does not come to its end, the
// failure log in the program's folder is the only report.
#pragma once

#include <string>

#include "settings/command_line.h"

namespace qm {

class Wizard;

struct CommandLineOutcome {
  int exitStatus = 0;      // 0: the run ended with its timing line; 1: the failure log was written
  std::string failureLog;  // the log's path when it was written
  std::string logFailure;  // why the log itself could not be written, if it could not
};

// Runs the whole unattended request on a window that has loaded.
CommandLineOutcome RunCommandLine(Wizard& window, const CommandLine& commandLine);

}  // namespace qm
