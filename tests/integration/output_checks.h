// What a rewritten file must look like for VB6 to go on compiling it, as
// checks over the text before and after a run. Each check gives the
// problems it found, one readable line each (empty: none), so that a run
// over many projects reports every fault at once.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

using Problems = std::vector<std::string>;

// No added line number stands in front of a directive or an Attribute line,
// inside a Type or Enum block, or outside a procedure.
Problems numberingProblems(std::string_view processed);

// Every Attribute line that stood directly under a header (and its
// continuation lines) still does, and every header is still there, in order.
Problems attributeProblems(std::string_view original, std::string_view processed);

// Every SS marker stands directly under a real header, its continuation
// lines, its comments and its Attribute lines; every block is closed; no
// procedure gained more than one SS block.
Problems insertedBlockProblems(std::string_view original, std::string_view processed);

// Each inserted `Const sPROCEDURE as String = "..."` is one string literal
// whose value is the procedure's joined header.
Problems quotedHeaderProblems(std::string_view processed);

// In each ES block of the default style that the run added, the line before
// "ErrorHandler:" is the exit statement of the procedure's kind. (Blocks an
// earlier run left are the user's.)
Problems exitBeforeHandlerProblems(std::string_view original, std::string_view processed);

// One member of a processed project, as the variable report check needs it.
struct ProcessedMember {
  std::string name;  // for messages
  std::string kind;  // "Form", "Module" or "Class"
  std::string vbName;
  std::string text;  // after the run
};

// Every sVariableReport( call in the members and in the global variables
// module reports a variable that exists where it is named, with a label equal
// to its expression: a plain name in its procedure or module, or
// module.name where module is a form or standard module of the project
// (never a class); never a variable of one of the project's Types.
Problems variableReportProblems(const std::vector<ProcessedMember>& members, std::string_view globalModule);

}  // namespace qm::testing
