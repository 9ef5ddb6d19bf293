// The names a procedure already has: its own name, its parameters, and the
// names and labels its lines declare. The insertion must not add a constant,
// variable or label that one of them already is, since VB refuses a
// procedure that declares a name twice.
//
// A file's procedures are read once, before the insertion walks it, so the
// look-ahead costs one extra pass over the text rather than a scan forward
// from every header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/scanning.h"

namespace qm {

// Names compared as VB compares them (see comparableName).
using NameSet = std::unordered_set<std::string>;

// The name after Sub, Function or Property Get/Let/Set (a scope word and
// Static before them passed over), up to the first bracket, blank or type
// character.
std::string_view procedureName(std::string_view header);

// The parameters of a joined header: each item inside the outermost brackets,
// without Optional, ByVal, ByRef and ParamArray, up to the first blank,
// bracket or type character.
std::vector<std::string_view> parameterNames(std::string_view joinedHeader);

// Adds every name that `line` declares (Dim, Static and Const statements) or
// defines as a label; only those in `only` when it is given.
void addNamesOfLine(std::string_view line, NameSet& names, const NameSet* only = nullptr);

// The names of each procedure of a file, found by the insertion's own header
// test (the line as read, in the given forms). Two headers met before an end line (the two
// branches of an #If) share one body and so one set of names.
class FileProcedureNames {
 public:
  // Keeps only the names in `only` when it is given: the insertion needs to
  // know no more than whether a procedure has one of its blocks' names.
  explicit FileProcedureNames(std::string_view text, const NameSet* only = nullptr,
                              HeaderForms forms = HeaderForms::Classic);

  // The names of the procedure whose header is line `lineIndex` (counted
  // from 0), or nullptr when that line was not read as a header.
  const NameSet* namesForHeaderLine(std::size_t lineIndex) const;

 private:
  std::unordered_map<std::size_t, std::size_t> bodyOfHeaderLine_;
  std::vector<NameSet> bodies_;
};

}  // namespace qm
