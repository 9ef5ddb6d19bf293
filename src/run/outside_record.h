// The record of the members from outside the project's folder that a Backup
// run copied into its backup folder. Their copies live in a folder of the
// backup reserved for them; the record, a text file at the top of the backup
// folder, names each copy (relative to the backup folder) and the member
// path the project file gives for it, one "copy|member" line each ("|"
// cannot appear in a Windows path), so that a roll back can put every copy
// back where the project file looks for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::string_view kOutsideRecordName = "outside members.dat";
inline constexpr std::string_view kOutsideFolderName = "Outside the project folder";

struct OutsideCopy {
  std::string copy;    // relative to the backup folder
  std::string member;  // as the project file gives it
  bool operator==(const OutsideCopy&) const = default;
};

// The record's text: a header line, then one line per copy, each ending CR LF.
std::string outsideRecordText(const std::vector<OutsideCopy>& copies);

// The copies a record names: every line after the header that holds a "|".
std::vector<OutsideCopy> outsideCopiesIn(std::string_view recordText);

}  // namespace qm
