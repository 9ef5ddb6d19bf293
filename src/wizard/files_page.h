// The second wizard page, "2. Analyzing your project": every form, module and
// class of the project with its procedure count and the share of them that
// already handle errors, a tick per file for the run, Select All / Deselect
// All, the label that says when nothing is ticked, and sorting by a click on
// a column header.
//
// The analysis empties the ProcedureList and the analysis notes first: every
// analysis describes the project as it is now, and the insertion must never
// find a stale record of a header from an earlier pass over the same files.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/view_services.h"
#include "wizard/controls.h"
#include "wizard/session.h"

namespace qm {

inline constexpr std::string_view kSelectAll = "Select All";

class FilesPage {
 public:
  FilesPage(Session& session, const FileSystem& files, YieldHook yield);
  FilesPage(const FilesPage&) = delete;
  FilesPage& operator=(const FilesPage&) = delete;

  Label lblTitles1{"2. Analyzing your project"};
  Label lblTitles2{"Project files"};
  Label lblTitles3{"Select the files from your project that you wish to change."};
  Label lblNoFiles{"No files selected.", false};
  FileListView lstProjectFiles;
  ProgressBar barProgress;
  Button cmdSelectAll{.caption = std::string(kSelectAll)};
  Button cmdBack1{.caption = "<< Back", .helpTopic = 100};
  Button cmdLoad3{.caption = "Next >>", .helpTopic = 300};
  Button cmdQuit{.caption = "Quit"};
  Image imgVeltane;
  bool bSortAscending = false;  // the direction of the next header click, shared by all columns

  // Analyses rows 1 to ProjectState.fileCount into their sub-items and
  // ticks, yielding once per file, and sets the button and label to match.
  void analyse();
  // The full paths of the ticked rows, in list order.
  std::vector<std::string> tickedFiles() const;
  // The tick of each row, by the row's path as the project file writes it.
  std::map<std::string, bool> ticksByRow() const;
  // After a fresh analysis: each row that was there before takes back the
  // tick the person gave it; a new row keeps the analysis's tick.
  void restoreTicks(const std::map<std::string, bool>& ticks);

  void cmdSelectAll_Click();
  // The person changed the tick of row `row` (0-based) to `ticked`.
  void lstProjectFiles_ItemCheck(std::size_t row, bool ticked);
  // A click on column header `column` (1-based).
  void lstProjectFiles_ColumnClick(int column);

 private:
  std::size_t projectRows() const;
  void showAnalysedTicks();

  Session& session_;
  const FileSystem& files_;
  YieldHook yield_;
};

// The number of ticked rows.
std::int16_t iCountCheckedFiles(const FileListView& list);

}  // namespace qm
