// The program's own folder: where the code styles and the command-line
// failure log live. That is the folder of the executable when the user may
// write there; an installed copy in a system folder uses the user's own data
// folder for the program instead (see user_folders.h), created when missing.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// A native path with a trailing separator. `argv0` is only consulted when
// the system cannot say where the running executable is.
std::string programFolder(std::string_view argv0 = {});

// The choice itself: `executableFolder` when it is a writable folder, else
// `fallbackFolder`, created when missing. That folder is returned even when
// it cannot be created, so the first failure to write there names the place
// where the files were meant to go. Both come with a trailing separator.
std::string chooseProgramFolder(std::string_view executableFolder, std::string_view fallbackFolder);

}  // namespace qm
