// The Visual Basic project file (.vbp): reading its details and member list,
// resolving a path to the names the file system lists, and adding member
// lines to it. The project file is a text of key=value lines; only the keys
// below are read, each recognised by its first five characters and its value
// taken from a fixed position, as Visual Basic itself writes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/status.h"
#include "platform/workspace.h"

namespace qm {

// Which members the files page lists: forms, modules and classes, as it
// always has, or, on the person's request, also the user controls, property
// pages and user documents, which are source text like a form (a designer
// block at the top, then code). Designers and the resource file are never
// listed: their text belongs to the designer, not to the person.
enum class MemberKinds { Classic, All };
inline MemberKinds memberKindsFor(bool allProcedures) {
  return allProcedures ? MemberKinds::All : MemberKinds::Classic;
}

struct ProjectDetails {
  bool loaded = false;       // the whole file was read without a failure
  std::string name;          // Name= value ("" on failure or when missing)
  std::string detailsText;   // the six details lines, each ending CR LF (only meaningful when loaded)
  std::vector<std::string> members;  // member paths as written, in file order (partial on failure)
  bool isExe = false;
  std::int16_t fileCount = 0;
  std::string failure;       // why the file did not load, for messages ("" when loaded)
};

// Reads the project file. A Module=/Class= line without ";", a Name line
// shorter than 7 characters, more than 32767 members of a kind, or a file
// that cannot be read make it fail: loaded false, name empty. With all
// member kinds the details text counts the added kinds in three more lines.
ProjectDetails LoadProjectDetails(const FileSystem& files, std::string_view projectFile,
                                  MemberKinds kinds = MemberKinds::Classic);

// Why `projectFile` cannot be used as a project (no such file, a file that
// cannot be read or is no project file, no Name= line), naming the file;
// "" when it can.
std::string projectLoadProblem(const FileSystem& files, std::string_view projectFile);

// `path` with each component as the file system lists it; "" when any part is missing.
std::string sGetLongFileName(const FileSystem& files, std::string_view path);

// Puts the member line (and a form's "Object=" lines) first in the project
// file. Lines the project already holds (compared without regard to case)
// are not added again. A member without a VB_Name attribute (other than a
// ".txt" document) leaves the project file unchanged. The replacement is
// atomic and leaves no scratch file behind.
Status AddFileToProject(Workspace& workspace, std::string_view projectFile, std::string_view memberFile);

// The value of the source text's Attribute VB_Name line (the last one); "" when none.
std::string memberVbName(std::string_view fileText);

}  // namespace qm
