// The program's own folder: where the code styles and the command-line
// failure log live. That is the folder of the executable, as on
// Windows, when the user may write there; an installed copy in a system
// folder uses $XDG_DATA_HOME/quillmere (default ~/.local/share/quillmere)
// instead, created when missing.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// A native path with a trailing "/". `argv0` is only consulted when the
// running executable cannot be found through /proc.
std::string programFolder(std::string_view argv0 = {});

// The choice itself: `executableFolder` when it is a writable folder, else
// `userDataFolder` + "quillmere/", created when missing. That folder is
// returned even when it cannot be created, so the first failure to write
// there names the place where the files were meant to go.
std::string chooseProgramFolder(std::string_view executableFolder, std::string_view userDataFolder);

}  // namespace qm
