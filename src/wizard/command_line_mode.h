// Command-line mode: an update run without anybody at the screen. It opens
// the project named by "/p", then presses the wizard's own buttons in the
// order a person would (Next, Select All, Next, the options from the
// switches, Next, Begin), so the run does exactly what the wizard does. When
// the project cannot be opened, or the run cannot start, the failure log in
// the program's folder is written and the reason is handed back.
//
// A roll back without a window presses the first page's Roll back in the
// same way, on the named backup or the newest one, without asking.
//
// The exit statuses are those of settings/command_line_options.h.
#pragma once

#include <string>
#include <vector>

#include "platform/view_services.h"
#include "settings/command_line.h"
#include "settings/command_line_options.h"

namespace qm {

class Wizard;

struct CommandLineOutcome {
  int exitStatus = kExitSucceeded;
  std::string failureLog;  // the log's path when it was written
  std::string logFailure;  // why the log itself could not be written, if it could not
  std::string reason;      // why the run could not start
  std::vector<std::string> notices;  // what the run did other than asked (a missing style), one line each
  // "--dry-run": the run was only previewed (see run/run_preview.h); no
  // failure log is written then either.
  bool dryRun = false;
  std::string root;  // the preview's root folder
  std::string diff;  // the preview's unified diff
};

// Runs the whole unattended request on a window that has loaded. With
// "--dry-run" the last button is Preview instead of Begin.
CommandLineOutcome RunCommandLine(Wizard& window, const CommandLine& commandLine);

// Rolls `projectPath` back from `backup` (as the backup list shows it, or as
// its folder is named; the newest backup when empty) on a window that has
// loaded, asking nothing. Every restored, deleted or failed file is written
// to `lines` as a line of its own. `commandText` goes into the failure log.
CommandLineOutcome RunRollbackCommand(Wizard& window, std::string_view projectPath, std::string_view backup,
                                      std::string_view commandText, SummarySink& lines);

}  // namespace qm
