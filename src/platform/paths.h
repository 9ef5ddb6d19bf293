// Path strings as the product handles them: the Windows form, with "\" as
// separator and names compared without regard to case. Only the file system
// layer turns them into native paths; these helpers never touch the disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline bool isSeparator(char c) { return c == '\\' || c == '/'; }

// folder + "\" + name, without a second separator when the folder already ends in one.
std::string joinPath(std::string_view folder, std::string_view name);

// The last component of a path (after the last "\" or "/").
std::string_view bareName(std::string_view path);

// Everything up to and including the last separator ("" when there is none).
std::string_view folderOf(std::string_view path);

// The pieces between separators ("\" or "/"), empty ones included:
// "..\Shared\a.bas" gives "..", "Shared", "a.bas".
std::vector<std::string> pathParts(std::string_view path);

// The path without one trailing separator.
std::string_view withoutTrailingSeparator(std::string_view path);

// The folder with a trailing "\" added when it has none.
std::string withTrailingSeparator(std::string_view folder);

// The path as people on this system read it: every separator the system's
// own ("/" on POSIX systems, "\" on Windows), whichever kind the path was put
// together with (a project's members are named with "\", the folders a POSIX
// system gives with "/").
std::string shownPath(std::string_view path);

// Windows wildcard match ("*" and "?"), ignoring ASCII case. "*.*" matches
// every name, as it does on Windows.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace qm
