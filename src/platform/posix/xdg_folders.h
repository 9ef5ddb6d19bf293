// The per-user folders of POSIX desktops (the XDG base directories).
#pragma once

#include <string>

namespace qm {

// $HOME, or the account's home folder when HOME is unset; with a trailing "/".
std::string homeFolder();
// $XDG_CONFIG_HOME (default ~/.config), with a trailing "/".
std::string userConfigFolder();
// $XDG_DATA_HOME (default ~/.local/share), with a trailing "/".
std::string userDataFolder();

}  // namespace qm
