// Where this program may keep files of its own, and the creation of folders.
// Used by the program's folder, the settings and the project lock; nothing
// outside platform/ needs to know where these live on each system.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace qm {

// The user's own folder for this program's data, with a trailing separator:
// $XDG_DATA_HOME/quillmere/ (default ~/.local/share/quillmere/) on POSIX
// systems, %LOCALAPPDATA%\Quillmere\ on Windows. Not created here.
std::string programDataFolder();

// The folder of the running executable, with a trailing separator; "" when
// it cannot be found. `argv0` is consulted only where the system cannot say.
std::string executableFolder(std::string_view argv0);

// True when `folder` exists and this user may create files in it.
bool isWritableFolder(std::string_view folder);

// Creates `folder` (a native path) and every missing folder above it.
Status makeFolders(std::string_view folder);

}  // namespace qm
