// Coverage analysis: reads one source file without changing it and counts
// its procedures and the ones among them that already handle errors, the
// figures page 2 of the wizard shows. On the way it appends a record per
// procedure header to the ProcedureList (the insertion looks headers up
// there), and notes what the later passes need to know about the project:
// whether some file already holds inserted code, and which user-defined
// types its members declare (the variable dump cannot report those).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "engine/procedure_list.h"
#include "engine/scanning.h"
#include "engine/type_blocks.h"
#include "platform/file_system.h"

namespace qm {

struct ProcedureCounts {
  std::int16_t procedures = 0;  // -1 when the file could not be analysed
  std::int16_t handled = 0;
};

// What the analysis learns about a project as a whole; it accumulates over
// the files of one project analysis and is only ever added to.
struct AnalysisNotes {
  bool insertedCodeFound = false;   // a comment line began with the SE marker
  std::set<std::string> userTypes;  // lower-cased names of Type ... End Type blocks
};

// Analyses source text already in memory; the records are made for the
// member file `member`, one per header of the given forms. Records are
// appended even when the analysis fails part way ({-1, 0}: more procedures
// than a 16-bit count holds).
ProcedureCounts analyseText(std::string_view text, ProcedureList& procedures, AnalysisNotes& notes,
                            std::string_view member = {}, HeaderForms forms = HeaderForms::Classic);

// Reads `path` and analyses it as the member `path`; {-1, 0} when the file
// cannot be read.
ProcedureCounts AnalyseFile(const FileSystem& files, std::string_view path, ProcedureList& procedures,
                            AnalysisNotes& notes, HeaderForms forms = HeaderForms::Classic);

// handled / procedures as a whole percentage, a half going to the even
// neighbour (12.5 gives 12); 0 when there are no procedures or the analysis failed.
std::int16_t coveragePercent(ProcedureCounts counts);

}  // namespace qm
