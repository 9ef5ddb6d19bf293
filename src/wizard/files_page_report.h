// The project files page as plain text, for a terminal or a build pipeline:
// the project's details lines, an empty line, the column headings, then one
// tab-separated line per row of the list (its path as the project file
// writes it, its procedure count, its coverage). `quillmere --analyse` prints
// it, so what a script reads is exactly what the wizard's page shows.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/status.h"
#include "wizard/controls.h"

namespace qm {

// The text of a page as it stands; every line ends in "\n".
std::string filesPageReport(const Label& lblProjectDetails, const FileListView& lstProjectFiles);

// Opens the project as the first page does and analyses it as the second
// page does, without touching any setting; with `allProcedures` as the
// option "Include all procedures and user controls" does. A failure says why
// the project cannot be used.
Result<std::string> analyseProjectReport(const FileSystem& files, std::string_view projectFile,
                                         bool allProcedures = false);

}  // namespace qm
