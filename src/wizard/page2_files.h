// The second wizard page, "2. Analyzing your project": every form, module and
// class of the project with its procedure count and the share of them that
// already handle errors, a tick per file for the run, Select All / Deselect
// All, and the label that says when nothing is ticked.
//
// The analysis empties the ProcedureList and the analysis notes first: every
// analysis describes the project as it is now, and the insertion must never
// find a stale record of a header from an earlier pass over the same files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/analysis.h"
#include "engine/procedure_list.h"
#include "platform/file_system.h"
#include "project/project_state.h"
#include "run/run_services.h"
#include "wizard/controls.h"
#include "wizard/list_sort.h"

namespace qm {

inline constexpr std::string_view kSelectAll = "Select All";
inline constexpr std::string_view kDeselectAll = "Deselect All";
inline constexpr std::string_view kNoFilesSelected = "No files selected.";
inline constexpr std::string_view kProjectContainsNoFiles = "Project contains no files";

struct ListColumn {
  std::string header;
  double widthShare = 0;  // of the list's width
};

// A report-style list with a check box in front of every row. Row i (1-based
// in the window's terms) is rows[i - 1]; cells[0] is its text, cells[1] and
// cells[2] its sub-items.
struct FileListView {
  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  bool visible = true;
};

struct FilesPage {
  Label lblTitles1{"2. Analyzing your project"};
  Label lblTitles2{"Project files"};
  Label lblTitles3{"Select the files from your project that you wish to change."};
  Label lblNoFiles{std::string(kNoFilesSelected), false};
  FileListView lstProjectFiles;
  ProgressBar barProgress;
  Button cmdSelectAll{.caption = std::string(kSelectAll)};
  Button cmdBack1{.caption = "<< Back", .helpTopic = 100};
  Button cmdLoad3{.caption = "Next >>", .helpTopic = 300};
  Button cmdQuit{.caption = "Quit"};
};

// The three columns the window adds when it loads.
std::vector<ListColumn> projectFilesColumns();

// The number of ticked rows.
std::int16_t iCountCheckedFiles(const FileListView& list);

// Analyses rows 1 to ProjectState.fileCount into their sub-items and ticks,
// yielding once per file, and sets the button and label to match.
void analyseProjectFiles(FilesPage& page, ProjectState& project, const FileSystem& files,
                         ProcedureList& procedures, AnalysisNotes& notes, const YieldHook& yield);

// Select All / Deselect All.
void cmdSelectAll_Click(FilesPage& page, const ProjectState& project);

// After the person changed a row's tick.
void lstProjectFiles_ItemCheck(FilesPage& page);

}  // namespace qm
