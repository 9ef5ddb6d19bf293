// The project files page: the analysis that fills the list, the tick rule,
// and the button and label that follow the ticks.
#include "wizard/files_page.h"

#include <algorithm>

#include "platform/text.h"
#include "wizard/list_sort.h"

namespace qm {

namespace {

constexpr std::string_view kDeselectAll = "Deselect All";
constexpr std::string_view kNoFilesSelected = "No files selected.";

void setCell(ListRow& row, std::size_t column, std::string text) {
  if (row.cells.size() <= column) row.cells.resize(column + 1);
  row.cells[column] = std::move(text);
}

}  // namespace

std::int16_t iCountCheckedFiles(const FileListView& list) {
  const auto ticked = std::count_if(list.rows.begin(), list.rows.end(), [](const ListRow& row) { return row.ticked; });
  return static_cast<std::int16_t>(std::min<std::ptrdiff_t>(ticked, INT16_MAX));
}

FilesPage::FilesPage(Session& session, const FileSystem& files, YieldHook yield)
    : session_(session), files_(files), yield_(std::move(yield)) {
  lstProjectFiles.columns = {{"Name", 0.48}, {"Procedures", 0.23}, {"Coverage (%)", 0.23}};
  cmdSelectAll.onClick = [this] { cmdSelectAll_Click(); };
  lstProjectFiles.onItemCheck = [this](std::size_t row, bool ticked) { lstProjectFiles_ItemCheck(row, ticked); };
  lstProjectFiles.onColumnClick = [this](int column) { lstProjectFiles_ColumnClick(column); };
}

// Rows 1 to fileCount, never more than the list holds: a project file that
// failed to load part way leaves fewer rows than the last count says.
std::size_t FilesPage::projectRows() const {
  const std::int16_t count = session_.project.fileCount;
  return std::min<std::size_t>(lstProjectFiles.rows.size(), count > 0 ? static_cast<std::size_t>(count) : 0);
}

// The state of the button and the label after the analysis ticked the rows.
void FilesPage::showAnalysedTicks() {
  const std::int16_t count = iCountCheckedFiles(lstProjectFiles);
  lblNoFiles.caption = std::string(kNoFilesSelected);
  lblNoFiles.visible = count == 0;
  cmdSelectAll.caption = (count != 0 && count == session_.project.fileCount) ? std::string(kDeselectAll)
                                                                             : std::string(kSelectAll);
}

void FilesPage::analyse() {
  ProjectState& project = session_.project;
  session_.procedures.clear();
  session_.notes = AnalysisNotes{};
  FileListView& list = lstProjectFiles;
  if (project.fileCount <= 0) {
    list.visible = true;
    cmdSelectAll.visible = false;
    lblNoFiles.caption = "Project contains no files";
    lblNoFiles.visible = true;
    barProgress.visible = false;
    return;
  }

  list.visible = false;
  barProgress.value = 0;
  barProgress.maximum = project.fileCount;
  barProgress.visible = true;
  const std::size_t rows = projectRows();
  std::string path;
  for (std::size_t i = 0; i < rows; ++i) {
    path = project.projectFolder;
    path.append(list.rows[i].cells.empty() ? std::string() : list.rows[i].cells[0]);
    const ProcedureCounts counts =
        AnalyseFile(files_, path, session_.procedures, session_.notes, headerFormsFor(session_.allProcedures));
    const std::int16_t coverage = coveragePercent(counts);
    barProgress.value += 1;
    if (yield_) yield_();
    if (i >= list.rows.size()) break;  // the view let something empty the list meanwhile
    ListRow& row = list.rows[i];
    setCell(row, 1, decimal(counts.procedures));
    setCell(row, 2, decimal(coverage));
    row.ticked = coverage != 100 && counts.procedures >= 1;
  }
  project.insertedCodeFound = session_.notes.insertedCodeFound;

  showAnalysedTicks();
  barProgress.visible = false;
  list.visible = true;
  cmdSelectAll.visible = true;
}

std::vector<std::string> FilesPage::tickedFiles() const {
  std::vector<std::string> files;
  const std::size_t rows = projectRows();
  for (std::size_t i = 0; i < rows; ++i) {
    const ListRow& row = lstProjectFiles.rows[i];
    if (!row.ticked) continue;
    files.push_back(session_.project.projectFolder + (row.cells.empty() ? std::string() : row.cells[0]));
  }
  return files;
}

std::map<std::string, bool> FilesPage::ticksByRow() const {
  std::map<std::string, bool> ticks;
  for (const ListRow& row : lstProjectFiles.rows) {
    if (!row.cells.empty()) ticks.emplace(row.cells[0], row.ticked);
  }
  return ticks;
}

void FilesPage::restoreTicks(const std::map<std::string, bool>& ticks) {
  for (ListRow& row : lstProjectFiles.rows) {
    if (row.cells.empty()) continue;
    if (const auto tick = ticks.find(row.cells[0]); tick != ticks.end()) row.ticked = tick->second;
  }
  if (session_.project.fileCount > 0) showAnalysedTicks();
}

void FilesPage::cmdSelectAll_Click() {
  if (session_.isBusy()) return;
  const std::size_t rows = projectRows();
  if (cmdSelectAll.caption == kSelectAll) {
    for (std::size_t i = 0; i < rows; ++i) lstProjectFiles.rows[i].ticked = true;
    cmdSelectAll.caption = std::string(kDeselectAll);
  } else if (cmdSelectAll.caption == kDeselectAll) {
    for (std::size_t i = 0; i < rows; ++i) lstProjectFiles.rows[i].ticked = false;
    cmdSelectAll.caption = std::string(kSelectAll);
  }
  lblNoFiles.visible = iCountCheckedFiles(lstProjectFiles) == 0;
}

void FilesPage::lstProjectFiles_ItemCheck(std::size_t row, bool ticked) {
  if (row >= lstProjectFiles.rows.size()) return;
  lstProjectFiles.rows[row].ticked = ticked;
  const bool none = iCountCheckedFiles(lstProjectFiles) < 1;
  lblNoFiles.visible = none;
  cmdSelectAll.caption = none ? std::string(kSelectAll) : std::string(kDeselectAll);
}

void FilesPage::lstProjectFiles_ColumnClick(int column) {
  if (session_.isBusy()) return;
  projectFilesColumnClick(lstProjectFiles.rows, column, bSortAscending);
}

}  // namespace qm
