// Hands a web address, a mail link or a file to the desktop's default
// handler. Nothing is reported when the desktop cannot open it: a missing
// browser or viewer must not interrupt the user's work.
#pragma once

#include <string_view>

namespace qm::ui {

// Non-zero when the desktop accepted the link. `link` is an address with its
// scheme ("http://...", "mailto:...") or a path to a file.
int OpenWebLink(std::string_view link);

}  // namespace qm::ui
