// Where each member of a project goes when the project is backed up or
// copied. A member keeps its path relative to the project file, so the copy
// of a project opens as the project does. A member outside the project's
// folder ("..\Shared\MApi.bas") is given the path left when its leading
// "..\" parts are taken away ("Shared\MApi.bas"), under a folder of its own
// when one is asked for; should that path already be taken, by a member or
// by a top-level file, it moves under "Outside 2\", "Outside 3\"... so that
// no two files ever land on one path. Companion files keep their member's
// folder and base name.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct MemberPlace {
  std::string listed;    // the member path as the project file gives it
  std::string source;    // the project's folder followed by `listed`
  std::string relative;  // its path inside the backup or copy, "\"-separated
  bool outside = false;  // it does not lie in the project's folder or below
};

// `path` with "." parts dropped and "folder\.." parts folded, "\"-separated;
// leading ".." parts stay. `outside` tells whether the path leaves its
// starting folder (a leading "..", or an absolute path).
std::string foldedPath(std::string_view path, bool* outside = nullptr);

// The places of `listed` members (each once, in order). `takenNames` holds
// the lower-cased relative paths already used (the project's top-level
// files); outside members go under `outsideFolder` (may be empty).
std::vector<MemberPlace> placeMembers(const std::vector<std::string>& listed, std::string_view projectFolder,
                                      std::string_view outsideFolder, std::set<std::string> takenNames);

// `path` with its last extension replaced by `extension` (with its dot).
std::string withExtension(std::string_view path, std::string_view extension);

}  // namespace qm
