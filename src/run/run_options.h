// What the wizard decided for one update run.
#pragma once

#include <string>
#include <vector>

namespace qm {

enum class RunAction { Add, Delete };
enum class SaveMode { Backup, NewCopy };

struct RunOptions {
  RunAction action = RunAction::Add;
  bool skipIgnoreTagged = true;
  bool skipExistingHandlers = true;
  std::string minLines = "0";  // the text of the minimum-lines box, read by the insertion
  bool addLineNumbers = false;
  float lineNumberStart = 10;  // not a number when the box's text is none
  bool variableDump = false;
  bool allProcedures = false;  // every procedure form, and the project read with all its source members
  SaveMode saveMode = SaveMode::Backup;
  std::string newLocation;
  bool compile = false;
  std::vector<std::string> selectedFiles;  // full paths, in list order
};

}  // namespace qm
