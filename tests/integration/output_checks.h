// What a rewritten file must look like for VB6 to go on compiling it, as
// checks over the text before and after a run. Each check gives the
// problems it found, one readable line each (empty: none), so that a run
// over many projects reports every fault at once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

using Problems = std::vector<std::string>;

// No added line number stands in front of a directive, an Attribute line, a
// procedure header or a label, inside a Type or Enum block, or outside a
// procedure.
Problems numberingProblems(std::string_view processed);

// No line number and no label stands twice in what the compiler reads as one
// procedure.
Problems repeatedLabelProblems(std::string_view processed);

// What decides whether a procedure must get the style's blocks.
struct WantedBlocks {
  bool skipExistingHandlers = true;  // a procedure with an On Error line of its own is spared
  std::vector<std::string> blockNames;  // what the blocks declare or define (namesDeclaredIn)
  bool allForms = false;                // the run served every procedure form
};
// The names a style's texts declare or define, as VB compares them.
std::vector<std::string> namesDeclaredIn(std::string_view styleText);

// Read as the compiler reads each header with its body: a procedure of a
// form the program serves (a header in the first column; unless all forms
// were served, no Static, no scope word before Property, no Property Set)
// with at least two statements, no name that the blocks add and (when they are
// spared) no On Error line of its own gained exactly one ON ERROR block and
// one handler block; a one-line procedure, one that has such a name or a
// spared one gained none; any other gained either none or one of each.
Problems handlerProblems(std::string_view original, std::string_view processed, const WantedBlocks& wanted);

// Every header is still there, in order, and every Attribute line that stood
// directly under a header (and its continuation lines) still does.
Problems attributeProblems(std::string_view original, std::string_view processed);

// Every SS marker stands directly under a header, its comments and its
// Attribute lines; every block is closed; every handler block stands above
// the end line; no procedure gained more than one SS or ES block.
Problems insertedBlockProblems(std::string_view original, std::string_view processed);

// Each inserted `Const sPROCEDURE as String = "..."` is one string literal
// whose value is the procedure's joined header.
Problems quotedHeaderProblems(std::string_view processed);

// In each handler block the run added, the line before "ErrorHandler:" is
// the exit statement of the procedure's kind.
Problems exitBeforeHandlerProblems(std::string_view original, std::string_view processed);

struct ProcessedMember {
  std::string name;  // for messages
  std::string kind;  // "Form", "Module" or "Class"
  std::string vbName;
  std::string text;  // after the run
};

// Every sVariableReport( call reports a variable that exists where it is
// named, labelled with its own expression: a plain name in its procedure or
// module, or module.name where module is a form or standard module of the
// project (never a class); never a variable of one of the project's Types,
// a member of a Type or Enum block, a parameter of a module's procedure
// reported as a module variable, or a name declared only inside an #If block
// (its branch may not be compiled).
Problems variableReportProblems(const std::vector<ProcessedMember>& members, std::string_view globalModule);

}  // namespace qm::testing
