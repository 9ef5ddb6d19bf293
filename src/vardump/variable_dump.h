// The variable dump of one source file: replaces each "<Variable_Dump>" tag
// (exactly these capitals) with statements that collect the values of the
// procedure's parameters and local variables into sLocalVariableDump, and,
// when the option is on, appends a private function sModuleVariables that
// reports the module's private variables. The file's public variables are
// gathered into the DumpState for the "GlobalVariables.bas" module that the
// run writes at its end (see global_variables.h).
//
// Only names that are certainly variables are reported, so the generated code
// always compiles: pieces the declaration rules yield that are not plain names
// are dropped (see declarations.h), variables of the project's user-defined
// types are left out (Visual Basic cannot pass them to a Variant), public
// variables of a class are left out of the global report (a class has no
// default instance to qualify them with, and neither has a user control, a
// property page or a user document), and public variables are qualified
// with the module's VB_Name, which is what code elsewhere in the project
// names them by. A function sModuleVariables written by an earlier run is
// replaced, not defined a second time.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "engine/scanning.h"

namespace qm {

// The dump state of one update run: cleared when the run starts, filled file
// by file, read by the writer of "GlobalVariables.bas".
struct DumpState {
  std::string globalLines;        // report lines of the public variables found so far, each ending CR LF
  std::int16_t globalCount = 0;   // how many lines globalLines holds
  bool localDumpUsed = false;     // some tag received report lines for local variables
  void clear();
  // The report counts its lines in a VB Integer, so it holds no more than fit.
  bool full() const;
  // Adds what a later file's dump found, as much of it as still fits.
  void append(const DumpState& later);
};

struct DumpOptions {
  std::string_view fileName;      // the member's file name with its extension (a folder before it is ignored)
  bool skipIgnoreTagged = false;  // declarations inside '<ignore> ... '</ignore> tags are not reported
  bool variableDumpOption = false;  // append sModuleVariables to the file
  const std::set<std::string>* userTypes = nullptr;  // lower-cased names of the project's Type blocks
  HeaderForms headerForms = HeaderForms::Classic;  // the lines that open a procedure
};

// The pass on a text in memory. Adds the file's public variables to `state`.
class VariableDumpPass {
 public:
  explicit VariableDumpPass(DumpOptions options) : options_(options) {}
  std::string run(std::string_view text, DumpState& state) const;

 private:
  DumpOptions options_;
};

}  // namespace qm
