// The Visual Basic code that the variable dump writes: the report lines, the
// head of the report functions, the function sVariableReport that every
// report line calls, and how an earlier copy of a generated function is found
// again so that a second run replaces it instead of defining it twice.
#pragma once

#include <string>
#include <string_view>

#include "engine/scanning.h"
#include "platform/lines.h"

namespace qm {

inline constexpr std::string_view kNoLocalVariables = "sLocalVariableDump = \"No Local Variables\"";
inline constexpr std::string_view kNoModuleVariables = "sMessage = \"No Module Level Variables\"";
inline constexpr std::string_view kNoGlobalVariables = "sMessage = \"No Global Variables\"";

inline constexpr std::string_view kModuleFunctionHeader = "Private Function sModuleVariables() as string";
inline constexpr std::string_view kGlobalFunctionHeader = "Public Function sGlobalVariables() as string";

// Each line below ends in CR LF.
// "sLocalVariableDump = sLocalVariableDump & sVariableReport(name, "name") & VBCrLf"
void appendLocalReportLine(std::string& out, std::string_view name);
// "sMessage = sMessage & sVariableReport(name, "name") & VBCrLf"
void appendModuleReportLine(std::string& out, std::string_view name);
// "sMessage = sMessage & sVariableReport(module.name, "module.name") & VBCrLf"
void appendPublicReportLine(std::string& out, std::string_view module, std::string_view name);

// The nine head lines of a report function, then an empty line and
// "Dim sMessage as String": `header` is line 1, `level` ("module" or
// "global") goes into line 3.
std::string reportFunctionHead(std::string_view header, std::string_view level);

// The function sVariableReport, every line ending in CR LF.
std::string_view variableReportFunction();

// The trimmed line opens a function named `name` (compared without regard to
// case, as the editor may have re-cased it), e.g. "sModuleVariables".
bool opensFunctionNamed(std::string_view trimmed, std::string_view name);

// Moves `reader`, which stands just after such a function's first line, past
// the function's "End Function" line. A function that never ends stops before
// the next procedure header, or at the end of the text, so nothing of another
// procedure (a header of the given forms) goes with it.
void skipRestOfFunction(LineReader& reader, HeaderForms forms = HeaderForms::Classic);

}  // namespace qm
