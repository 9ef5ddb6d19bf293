// The analysis report: what page 2 of the wizard shows for a project, as
// plain text for a terminal or a build pipeline. The project's details
// lines, an empty line, a heading, then per member its path as the project
// file writes it, its procedure count and its coverage, tab-separated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis.h"
#include "platform/file_system.h"
#include "platform/status.h"
#include "project/project_file.h"

namespace qm {

struct MemberAnalysis {
  std::string member;  // path as the project file writes it
  ProcedureCounts counts;
  std::int16_t coverage = 0;
};

// Analyses every member of a loaded project, in project order; a member's
// path is the project's folder followed directly by its text.
std::vector<MemberAnalysis> analyseMembers(const FileSystem& files, std::string_view projectFolder,
                                           const std::vector<std::string>& members, ProcedureList& procedures,
                                           AnalysisNotes& notes);

// The report text, every line ending in "\n".
std::string formatAnalysisReport(const ProjectDetails& details, const std::vector<MemberAnalysis>& rows);

// Loads the project and analyses it; a failure says why the project cannot be used.
Result<std::string> analysisReport(const FileSystem& files, std::string_view projectFile);

}  // namespace qm
