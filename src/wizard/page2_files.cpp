// The project files page: the analysis that fills the list, the tick rule,
// and the button and label that follow the ticks.
#include "wizard/page2_files.h"

#include <algorithm>

#include "platform/text.h"

namespace qm {

namespace {

// Rows 1 to fileCount, never more than the list holds: a project file that
// failed to load part way leaves fewer rows than the last count says.
std::size_t projectRows(const FileListView& list, const ProjectState& project) {
  return std::min<std::size_t>(list.rows.size(), project.fileCount > 0 ? project.fileCount : 0);
}

void setCell(ListRow& row, std::size_t column, std::string text) {
  if (row.cells.size() <= column) row.cells.resize(column + 1);
  row.cells[column] = std::move(text);
}

// The state of the button and the label after the analysis ticked the rows.
void showAnalysedTicks(FilesPage& page, const ProjectState& project) {
  const std::int16_t count = iCountCheckedFiles(page.lstProjectFiles);
  page.lblNoFiles.caption = std::string(kNoFilesSelected);
  page.lblNoFiles.visible = count == 0;
  page.cmdSelectAll.caption =
      (count != 0 && count == project.fileCount) ? std::string(kDeselectAll) : std::string(kSelectAll);
}

}  // namespace

std::vector<ListColumn> projectFilesColumns() {
  return {{"Name", 0.48}, {"Procedures", 0.23}, {"Coverage (%)", 0.23}};
}

std::int16_t iCountCheckedFiles(const FileListView& list) {
  const auto ticked = std::count_if(list.rows.begin(), list.rows.end(), [](const ListRow& row) { return row.ticked; });
  return static_cast<std::int16_t>(std::min<std::ptrdiff_t>(ticked, INT16_MAX));
}

void analyseProjectFiles(FilesPage& page, ProjectState& project, const FileSystem& files,
                         ProcedureList& procedures, AnalysisNotes& notes, const YieldHook& yield) {
  procedures.clear();
  notes = AnalysisNotes{};
  FileListView& list = page.lstProjectFiles;
  if (project.fileCount <= 0) {
    list.visible = true;
    page.cmdSelectAll.visible = false;
    page.lblNoFiles.caption = std::string(kProjectContainsNoFiles);
    page.lblNoFiles.visible = true;
    page.barProgress.visible = false;
    return;
  }

  list.visible = false;
  page.barProgress.value = 0;
  page.barProgress.maximum = project.fileCount;
  page.barProgress.visible = true;
  const std::size_t rows = projectRows(list, project);
  std::string path;
  for (std::size_t i = 0; i < rows; ++i) {
    path = project.projectFolder;
    path.append(list.rows[i].cells.empty() ? std::string() : list.rows[i].cells[0]);
    const ProcedureCounts counts = AnalyseFile(files, path, procedures, notes);
    const std::int16_t coverage = coveragePercent(counts);
    page.barProgress.value += 1;
    if (yield) yield();
    if (i >= list.rows.size()) break;  // the view let something empty the list meanwhile
    ListRow& row = list.rows[i];
    setCell(row, 1, decimal(counts.procedures));
    setCell(row, 2, decimal(coverage));
    row.ticked = coverage != 100 && counts.procedures >= 1;
  }
  project.insertedCodeFound = notes.insertedCodeFound;

  showAnalysedTicks(page, project);
  page.barProgress.visible = false;
  list.visible = true;
  page.cmdSelectAll.visible = true;
}

void cmdSelectAll_Click(FilesPage& page, const ProjectState& project) {
  FileListView& list = page.lstProjectFiles;
  const std::size_t rows = projectRows(list, project);
  if (page.cmdSelectAll.caption == kSelectAll) {
    for (std::size_t i = 0; i < rows; ++i) list.rows[i].ticked = true;
    page.cmdSelectAll.caption = std::string(kDeselectAll);
  } else if (page.cmdSelectAll.caption == kDeselectAll) {
    for (std::size_t i = 0; i < rows; ++i) list.rows[i].ticked = false;
    page.cmdSelectAll.caption = std::string(kSelectAll);
  }
  page.lblNoFiles.visible = iCountCheckedFiles(list) == 0;
}

void lstProjectFiles_ItemCheck(FilesPage& page) {
  const bool none = iCountCheckedFiles(page.lstProjectFiles) < 1;
  page.lblNoFiles.visible = none;
  page.cmdSelectAll.caption = none ? std::string(kSelectAll) : std::string(kDeselectAll);
}

}  // namespace qm
