// The module "GlobalVariables.bas" that ends a run with the variable dump:
// its function sGlobalVariables reports the public variables of all files
// processed (or says "No Global Variables"), and its function sVariableReport
// is what every generated report line calls.
//
// A new file starts with its attribute line, "Option Explicit" and an empty
// line. A file left by an earlier run keeps whatever its user wrote there;
// only the earlier copies of the two generated functions are taken out, so
// the module always ends with exactly one copy of each. The file is replaced
// atomically. Adding the module to the project (AddFileToProject, which adds
// no duplicate member line) and deciding whether to write it at all (the
// option is on, or some tag used local report lines) is the caller's part.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "platform/workspace.h"
#include "vardump/variable_dump.h"

namespace qm {

inline constexpr std::string_view kGlobalVariablesFileName = "GlobalVariables.bas";

// The module's text. `earlierText` is the content of a file left by an
// earlier run; `existsByExactName` says whether the folder lists it under
// exactly the name "GlobalVariables.bas".
std::string globalVariablesModuleText(const DumpState& state, const std::optional<std::string>& earlierText,
                                      bool existsByExactName);

// Writes folder + "GlobalVariables.bas" and returns that path. A failure
// leaves an existing file as it was.
Result<std::string> writeGlobalVariablesModule(Workspace& ws, std::string_view folder, const DumpState& state);

}  // namespace qm
