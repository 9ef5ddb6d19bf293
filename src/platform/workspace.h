// The folders a program works from. The program's folder holds the styles
// and the failure log; the working folder stands for the process's current
// folder, from which relative project paths are taken. Every routine that
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
