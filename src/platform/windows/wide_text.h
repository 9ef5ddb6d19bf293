// The meeting point of the program's 8-bit text and Windows' UTF-16 calls.
//
// Project files, member lines and every path the program handles are bytes
// in the system's ANSI code page (usually Windows-1252), as the Visual Basic
// tools that wrote them used it; the wide-character functions of Win32 take
// UTF-16. Every conversion between the two goes through here, so an accented
// member name means the same file to this program as to Visual Basic.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qm::windows {

// `text` in the ANSI code page, as UTF-16.
std::wstring wideFromAnsi(std::string_view text);
// UTF-16 text in the ANSI code page. A character the code page cannot hold
// becomes "?" (never a look-alike, so a converted name cannot stand for a
// different file).
std::string ansiFromWide(std::wstring_view text);

// A path in the program's form ("\" or "/" between components) as the wide
// path the file functions take, with "\" throughout.
std::wstring widePath(std::string_view path);

// The system's own text for an error code, without its line end.
std::string systemMessage(DWORD error);

// "<what> '<path>': <the system's text for error>", the form of every
// failure message of the file system.
std::string describe(std::string_view what, std::string_view path, DWORD error);

}  // namespace qm::windows
