// The process's current folder, where the update run keeps its working file:
// the "working folder" of a Workspace.
#pragma once

#include <string>

namespace qm {

// A native path ending in a separator; "./" when the current folder cannot be read.
std::string currentWorkingFolder();

}  // namespace qm
