// The coverage of a project's members for tools: the records behind the
// project files page (path as the project file writes it, procedures,
// handled procedures, coverage, whether the file was found), as JSON, and
// the gate of `--analyse --min-coverage N`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/status.h"

namespace qm {

struct MemberCoverage {
  std::string path;  // as the project file writes it
  int procedures = 0;
  int handled = 0;
  int coverage = 0;  // percent
  bool found = false;
};

struct ProjectCoverage {
  std::string projectFile;
  std::string name;
  std::vector<std::string> details;  // the details lines the first page shows
  std::vector<MemberCoverage> members;
};

// Opens and analyses the project as the first two pages do, touching no
// setting; a failure says why the project cannot be used.
Result<ProjectCoverage> analyseProjectCoverage(const FileSystem& files, std::string_view projectFile,
                                               bool allProcedures = false);

// One JSON object: "project", "name", "details" and one record per member
// in "members". Text that is not UTF-8 is read byte by byte as Latin-1.
std::string coverageJson(const ProjectCoverage& coverage);

// The members with procedures whose coverage is below `minimum` percent.
std::vector<MemberCoverage> membersBelow(const ProjectCoverage& coverage, int minimum);

}  // namespace qm
