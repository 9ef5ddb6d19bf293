// The files page written out as text, and the read-only analysis behind
// `quillmere --analyse`.
#include "wizard/files_page_report.h"

#include "engine/analysis.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "project/project_file.h"
#include "wizard/files_page.h"
#include "wizard/project_details_display.h"

namespace qm {

std::string filesPageReport(const Label& lblProjectDetails, const FileListView& lstProjectFiles) {
  std::string out;
  LineReader reader(lblProjectDetails.caption);
  std::string_view line;
  while (reader.next(line)) {
    out.append(line);
    out.push_back('\n');
  }
  out.push_back('\n');
  const auto& columns = lstProjectFiles.columns;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) out.push_back('\t');
    out.append(columns[c].header);
  }
  out.push_back('\n');
  for (const ListRow& row : lstProjectFiles.rows) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) out.push_back('\t');
      if (c < row.cells.size()) out.append(row.cells[c]);
    }
    out.push_back('\n');
  }
  return out;
}

Result<std::string> analyseProjectReport(const FileSystem& files, std::string_view projectFile,
                                         bool allProcedures) {
  if (std::string problem = projectLoadProblem(files, projectFile); !problem.empty()) {
    return Status::failure(std::move(problem));
  }
  const std::string longName = sGetLongFileName(files, projectFile);
  const ProjectDetails details = LoadProjectDetails(files, longName, memberKindsFor(allProcedures));
  Session session;
  session.allProcedures = allProcedures;
  Label lblProjectDetails;
  FilesPage page(session, files, {});
  showProjectDetails(details, session.project, lblProjectDetails, page.lstProjectFiles);
  session.project.projectFile = longName;
  session.project.projectFolder = std::string(folderOf(longName));
  page.analyse();
  return filesPageReport(lblProjectDetails, page.lstProjectFiles);
}

}  // namespace qm
