// Reading a project file onto the first two pages: its details text into the
// details label of page 1 and one row per member into the file list of
// page 2. A file that does not load still empties the list (and lists the
// members read before the failure) but leaves the details label, the Exe
// flag and the member count as they were; its name comes back empty, which
// every caller takes as a project that cannot be used.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "project/project_file.h"
#include "project/project_state.h"
#include "wizard/controls.h"

namespace qm {

// Shows details already read; the project's name, "" when unusable.
std::string showProjectDetails(const ProjectDetails& details, ProjectState& project, Label& lblProjectDetails,
                               FileListView& lstProjectFiles);

// Reads the project file, listing the members of the given kinds, and shows it.
std::string showProjectDetails(const FileSystem& files, std::string_view projectFile, MemberKinds kinds,
                               ProjectState& project, Label& lblProjectDetails, FileListView& lstProjectFiles);

}  // namespace qm
