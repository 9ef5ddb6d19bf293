// The folders a program works from. The program's folder holds the styles
// and the failure log; the working folder stands for the process's current
// folder, from which relative project paths are taken; the guide's folder
// holds the user guide (see help_guide.h), only ever read. Every routine that
// needs them takes a Workspace, so tests give each case its own folders.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace qm {

struct Workspace {
  FileSystem& files;
  std::string programFolder;
  std::string workingFolder;
  std::string guideFolder = {};  // empty: no guide to open
};

}  // namespace qm
