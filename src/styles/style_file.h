// The code style file: where a style lives, how it is read into a CodeStyle
// and written back, and the two styles the program writes itself (the
// default "Simple.style" and the empty new style).
//
// Layout: "[ON ERROR]", its text, "[ERROR HANDLER]", its text, "[FILES]",
// one extra file per line. Headers are recognised only when a line is
// exactly the header; anything before the first header is ON ERROR text.
// A loaded text keeps a line break after each of its lines, and the saver
// writes a text's final line break only once, so a style that is loaded and
// saved unchanged stays byte for byte the same file.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/status.h"
#include "platform/workspace.h"
#include "styles/code_style.h"

namespace qm {

inline constexpr std::string_view kStyleExtension = ".style";
inline constexpr std::string_view kDefaultStyleName = "Simple.style";

// `name` with ".style" appended unless it already ends in exactly that (case counts).
std::string normaliseStyleName(std::string_view name);

// The program's folder joined with the style's file name, taken as given.
std::string stylePath(std::string_view programFolder, std::string_view styleName);

struct StyleLoad {
  bool ok = false;
  CodeStyle style;                   // style.name is the normalised name, also on failure
  bool mentionsVariableDump = false; // either text holds "<Variable_Dump>" in any case
};

// Reads the style `sFileName` (with or without its extension) from the
// program's folder. The caller applies the window effects: the editor's
// caption and tab, its Save command, the variable dump box.
StyleLoad bLoadDetails(const FileSystem& files, std::string_view programFolder, std::string_view sFileName);

// The style's file text in the layout above.
std::string styleFileText(const CodeStyle& style);

// Writes the style to the program's folder under `styleName` as given.
Status saveStyle(Workspace& workspace, const CodeStyle& style, std::string_view styleName);

// "Simple.style": 22 lines, with "<Exit_Routine>" first in its handler so a
// procedure that ends normally never runs into it.
std::string defaultStyleText();

// Writes "Simple.style" to the program's folder unless a file of that name
// is already there (a style on disk is never rewritten).
Status writeDefaultStyle(Workspace& workspace);

// The empty new style: "[ON ERROR]", "", "[ERROR HANDLER]", "", "[FILES]".
std::string emptyStyleText();

}  // namespace qm
