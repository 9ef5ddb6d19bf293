// Where a pass may put its files. The program's folder holds the styles, the
// scratch files and the failure log; the working folder stands for the
// process's current folder ("TempDataFile", "TempVBData"). Every routine that
// needs them takes a Workspace, so tests give each case its own folders.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace qm {

struct Workspace {
  FileSystem& files;
  std::string programFolder;
  std::string workingFolder;
};

}  // namespace qm
