// The lines of a project file that name member files, of every kind Visual
// Basic writes: forms, modules, classes, user controls, property pages, user
// documents, designers, related documents and the resource file. The files
// page lists only forms, modules and classes (project_file.h); copying or
// backing up a project needs them all, with the companion files that hold
// their binary parts (".frx" beside a form and so on), or the copy would not
// open.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct MemberLine {
  std::size_t pathStart = 0;   // where the path starts in the line
  std::size_t pathLength = 0;  // its length there (quotes excluded)
  std::string path;            // the member's path as written
};

// The member a project file line names; nothing for any other line.
std::optional<MemberLine> memberLineOf(std::string_view line);

// The paths of every member the project text lists, in file order.
std::vector<std::string> allMemberPaths(std::string_view projectText);

// `line` with the member path it names replaced by `newPath`.
std::string withMemberPath(std::string_view line, const MemberLine& member, std::string_view newPath);

// The extension of the companion file a member of this kind keeps its
// binary parts in (".frx" for ".frm"...); empty when it has none.
std::string_view companionExtension(std::string_view memberPath);

}  // namespace qm
