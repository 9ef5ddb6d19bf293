// How a pass puts its result in place of the file it read. The result first
// goes to a named scratch file in the program's folder; only then is the
// target replaced, atomically and durably, with those same bytes. A failure
// before the replacement leaves the target as it was; the replacement itself
// either completes or leaves it as it was.
#pragma once

#include <string_view>

#include "platform/status.h"
#include "platform/workspace.h"

namespace qm {

inline constexpr std::string_view kWorkingFileName = "WorkingFile";
inline constexpr std::string_view kLineNumberScratchName = "linenumbertemp";

// Writes `content` to the scratch file, copies it over `target` and deletes
// the scratch file. Once the copy has succeeded the target is complete, so a
// scratch file that cannot be deleted is left behind (the next pass of that
// name overwrites it) and does not count as a failure.
Status copyThroughScratch(Workspace& ws, std::string_view target, std::string_view scratchName,
                          std::string_view content);

// Deletes a scratch file that an earlier, failed pass may have left; a
// missing one is fine.
void removeLeftoverScratch(Workspace& ws, std::string_view scratchName);

}  // namespace qm
