// The program with windows: the wizard on this machine's real file system,
// settings and clock. Command-line mode ("/p") never comes here, so it runs
// where there is no display.
#pragma once

#include "settings/command_line.h"

namespace qm::ui {

// Shows the wizard (a lone project path opens that project on page 2) and
// runs until it is closed; the program's exit status.
int runWizard(int& argc, char** argv, const CommandLine& commandLine);

// `--screenshots FOLDER PROJECT.vbp`: walks the wizard over the project (a
// copy the caller can spare: Begin runs on it) with throw-away settings and
// program folder, and saves a PNG of every page, the style editor and the
// three small windows into FOLDER.
int runScreenshots(int& argc, char** argv);

}  // namespace qm::ui
