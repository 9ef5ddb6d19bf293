// The program with windows: the wizard on this machine's real file system,
// settings and clock. Command-line mode ("/p") never comes here, so it runs
// where there is no display.
#pragma once

#include "settings/command_line.h"

namespace qm::ui {

// Shows the wizard (a lone project path opens that project on page 2) and
// runs until it is closed; the program's exit status.
int runWizard(int& argc, char** argv, const CommandLine& commandLine);

}  // namespace qm::ui
