// Where a pass may put its files. The program's folder holds the styles, the
// scratch files and the failure log; the working folder stands for the
// process's current folder ("TempDataFile", "TempVBData"). Every routine that
// needs them takes a Workspace, so tests give each case its own folders.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace qm {

// The name of the update run's working copy of the file it is processing.
inline constexpr std::string_view kRunWorkingFileName = "TempDataFile";

struct Workspace {
  FileSystem& files;
  std::string programFolder;
  std::string workingFolder;

  std::string workingFilePath() const {
    return workingFolder.empty() ? std::string(kRunWorkingFileName) : joinPath(workingFolder, kRunWorkingFileName);
  }

  // The working copy, like the passes' scratch files, only ever holds a copy
  // of a file that is still on disk, so writing it need not wait for the
  // disk: only the user's own files must survive a power cut.
  bool holdsOnlyACopy(std::string_view path) const { return path == workingFilePath(); }
};

}  // namespace qm
