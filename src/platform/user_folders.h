// The per-user folders of this platform (the XDG base directories) and the
// creation of a folder together with its missing parents. Used by the
// settings file and by the program's folder; nothing outside platform/
// needs to know where these live.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace qm {

// $HOME, or the account's home folder when HOME is unset; with a trailing "/".
std::string homeFolder();
// $XDG_CONFIG_HOME (default ~/.config), with a trailing "/".
std::string userConfigFolder();
// $XDG_DATA_HOME (default ~/.local/share), with a trailing "/".
std::string userDataFolder();

// Creates `folder` (a native path) and every missing folder above it.
Status makeFolders(std::string_view folder);

}  // namespace qm
