// The update run: what the Begin command does. It checks its options,
// locks the project's folder against a second run, protects the project (a
// dated backup folder holding a copy of every file the run will change, or a
// new copy of the whole project that opens on its own), reads each selected
// member once, inserts or removes error handling, adds the variable dump and
// line numbers to the text in memory, and writes the result once; then it
// copies the code style's extra files into the project and records them,
// writes "GlobalVariables.bas" when the variable dump asks for it,
// optionally starts a compilation, and reports every step as a summary line,
// ending with "Update completed in ... seconds.".
//
// No file of a fixed name is written on the way, so runs from any current
// folder never meet. The results are written in a batch: each beside its
// target, one flush, every rename, one flush; the backup copies are on the
// disk before the first of them. After a crash at any moment every file is
// as it was or completely rewritten, and a file whose bytes would not change
// is not written at all. A member's backup costs no copy where the file
// system allows: it is a second name of the member's file, which the rename
// then leaves holding the old bytes alone; a member that is not replaced
// gets a copy of its own instead, so that no later change made inside the
// member's file can reach its backup (only a crash between a backup and
// the batch's renames can leave a backup that is still a second name).
// While one member is saved, the next is already read and rewritten on a
// second thread; only reads are made ahead, so every change to the disk and
// every summary line keeps its place.
//
// A file operation that fails is reported in the summary with the file and
// the reason; that file is left exactly as it was and the run goes on with
// the next one. A file whose backup copy could not be made is never changed.
// Nothing is reported as done that did not happen. The generated
// "GlobalVariables.bas" is never processed as a member: the run writes it
// afresh.
//
// The run talks to the world only through the services in RunContext. It
// does not hide the Begin button (the caller does, before calling) and does
// not reload the project (the caller does, after it returns).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/analysis.h"
#include "engine/procedure_list.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/workspace.h"
#include "project/project_state.h"
#include "run/run_options.h"
#include "platform/view_services.h"
#include "styles/code_style.h"
#include "vardump/variable_dump.h"

namespace qm {

struct RunContext {
  Workspace& workspace;
  const ProjectState& project;
  const RunOptions& options;
  // The style as the editor holds it at this moment, saved or not; asked
  // again for every file, so a change made during the run takes effect from
  // the next file on.
  std::function<const CodeStyle&()> currentStyle;
  const ProcedureList& procedures;
  const AnalysisNotes& notes;
  DumpState& dump;
  SummarySink& summary;
  ProgressDisplay& progress;
  Dialogs& dialogs;
  YieldHook yield;
  SettingsBackend& settings;
  std::string& vbLocation;
  Clock& clock;
  ProcessLauncher& launcher;
};

struct RunOutcome {
  bool endedWithTimingLine = false;
  // The run could not start (unusable options, another run on the project,
  // an unusable destination): nothing was read, copied or written.
  bool refused = false;
  std::string refusal;  // why, when refused
  int failures = 0;  // "Failed" and "Not found" lines written to the summary, a failed compiler start included
  std::string backupFolder;  // the dated folder a Backup run created, with its separator

  // Lets callers ask `if (runUpdate(context))`, as for a plain boolean.
  operator bool() const { return endedWithTimingLine; }  // NOLINT(google-explicit-constructor)
};

RunOutcome runUpdate(RunContext& context);

// The maximum of the run's progress bar for F selected files and E extra
// files: 3F + 2E + 1 + F (numbering) + 1 (compile) + F (variable dump), at
// least 1.
int progressMaximum(const RunOptions& options, int extraFiles);

// Seconds from milliseconds, rounded to two places (a half going to the
// even digit), in the shortest form with the given separator: "0", "0.25",
// "3.5", "12".
std::string elapsedSecondsText(std::int64_t milliseconds, std::string_view decimalSeparator);

}  // namespace qm
