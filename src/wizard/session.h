// What the four wizard pages share for as long as the program runs: the
// current project, the files ticked for the run, the procedure list of the
// last analysis, and the few settings read at start-up. The Wizard owns one
// Session; each page holds a reference to it.
//
// While the analysis, the run or the roll back yields to the event loop,
// handlers that would change the pages under the running work are ignored;
// `busy()` says when, so a view can grey them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/analysis.h"
#include "engine/procedure_list.h"
#include "project/project_state.h"
#include "run/rollback.h"
#include "run/run_preview.h"
#include "run/update_run.h"
#include "vardump/variable_dump.h"

namespace qm {

struct Session {
  ProjectState project;
  std::vector<std::string> selectedFiles;  // full paths of the ticked files, captured by Next on page 2
  ProcedureList procedures;
  AnalysisNotes notes;
  DumpState dump;
  std::int16_t recentCount = 0;  // how many recent projects are stored
  std::string vbLocation;        // the Visual Basic executable, "" until located
  bool bShowWarning = true;      // the roll back asks first; the warning window can clear it
  bool bProceed = false;         // the warning window's answer
  bool allProcedures = false;    // every procedure form and every source member kind (a remembered choice)
  bool lastRunCompleted = false;  // the last Begin ended with its timing line
  RunOutcome lastRun;             // what the last Begin came to
  RunPreview lastPreview;         // what the last Preview computed
  RollbackOutcome lastRollback;   // what the last Roll back came to
  int busy = 0;                  // long work in progress (see BusyScope)

  bool isBusy() const { return busy > 0; }
};

// Marks long work in progress for as long as it lives.
class BusyScope {
 public:
  explicit BusyScope(Session& session) : session_(session) { ++session_.busy; }
  ~BusyScope() { --session_.busy; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Session& session_;
};

}  // namespace qm
