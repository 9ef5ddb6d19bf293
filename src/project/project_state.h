// The current project as the main window keeps it.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

struct ProjectState {
  std::string projectFile;    // full path of the .vbp
  std::string projectName;    // Name= value; empty means no usable project
  std::string projectFolder;  // folder of projectFile, with its trailing separator
  bool isExe = false;
  std::int16_t fileCount = 0;
  bool insertedCodeFound = false;
};

}  // namespace qm
