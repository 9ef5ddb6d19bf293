// The tags a code style may hold, each filled in per procedure when code is
// inserted. Their spelling lives here only: the insertion fills them, the
// variable dump expands one of them, the style editor offers them.
#pragma once

#include <cstddef>
#include <string_view>

namespace qm {

// In the order the style editor's Insert menu offers them.
enum class Tag : std::size_t { ProjectName = 0, ModuleName, ProcedureName, VariableDump, ExitRoutine, Increment };
inline constexpr std::size_t kTagCount = 6;

// "<Project_Name>", "<Module_Name>", "<Procedure_Name>", "<Variable_Dump>",
// "<Exit_Routine>", "<Increment>".
std::string_view tagText(Tag tag);

}  // namespace qm
