// A project file's details and members onto the first two pages; a file
// that fails to load changes only what its reading already touched.
#include "wizard/project_details_display.h"

namespace qm {

std::string showProjectDetails(const ProjectDetails& details, ProjectState& project, Label& lblProjectDetails,
                               FileListView& lstProjectFiles) {
  project.insertedCodeFound = false;
  lstProjectFiles.rows.clear();
  lstProjectFiles.rows.reserve(details.members.size());
  for (const std::string& member : details.members) lstProjectFiles.rows.push_back(ListRow{{member}, false, {}});
  if (!details.loaded) return {};
  lblProjectDetails.caption = details.detailsText;
  project.isExe = details.isExe;
  project.fileCount = details.fileCount;
  return details.name;
}

std::string showProjectDetails(const FileSystem& files, std::string_view projectFile, MemberKinds kinds,
                               ProjectState& project, Label& lblProjectDetails, FileListView& lstProjectFiles) {
  return showProjectDetails(LoadProjectDetails(files, projectFile, kinds), project, lblProjectDetails,
                            lstProjectFiles);
}

}  // namespace qm
