#include "project/analysis_report.h"

#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

std::vector<MemberAnalysis> analyseMembers(const FileSystem& files, std::string_view projectFolder,
                                           const std::vector<std::string>& members, ProcedureList& procedures,
                                           AnalysisNotes& notes) {
  std::vector<MemberAnalysis> rows;
  rows.reserve(members.size());
  std::string path(projectFolder);
  for (const std::string& member : members) {
    path.resize(projectFolder.size());
    path.append(member);
    MemberAnalysis row;
    row.member = member;
    row.counts = AnalyseFile(files, path, procedures, notes);
    row.coverage = coveragePercent(row.counts);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string formatAnalysisReport(const ProjectDetails& details, const std::vector<MemberAnalysis>& rows) {
  std::string out;
  LineReader reader(details.detailsText);
  std::string_view line;
  while (reader.next(line)) {
    out.append(line);
    out.push_back('\n');
  }
  out.append("\nName\tProcedures\tCoverage (%)\n");
  for (const MemberAnalysis& row : rows) {
    out.append(row.member);
    out.push_back('\t');
    out.append(decimal(row.counts.procedures));
    out.push_back('\t');
    out.append(decimal(row.coverage));
    out.push_back('\n');
  }
  return out;
}

Result<std::string> analysisReport(const FileSystem& files, std::string_view projectFile) {
  const std::string longName = sGetLongFileName(files, projectFile);
  if (longName.empty()) return Status::failure("Cannot find the project file '" + std::string(projectFile) + "'");
  ProjectDetails details = LoadProjectDetails(files, longName);
  if (!details.loaded) return Status::failure(details.failure);
  if (details.name.empty()) {
    return Status::failure("The project file '" + longName + "' has no Name= line, so it cannot be used");
  }
  ProcedureList procedures;
  AnalysisNotes notes;
  const auto rows = analyseMembers(files, folderOf(longName), details.members, procedures, notes);
  return formatAnalysisReport(details, rows);
}

}  // namespace qm
