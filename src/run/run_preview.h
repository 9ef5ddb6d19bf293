// A preview of an update run: the whole run, computed by the same code on a
// file system that keeps its writes in memory, with settings that are not
// stored and a compiler that is not started. Nothing is written to the disk:
// no backup, no copy, no setting. What comes out is the run's summary (to
// the context's sink, as a real run writes it), its outcome, and the unified
// diff of every file it would change or add, the backup folder left out.
#pragma once

#include <string>

#include "run/update_run.h"

namespace qm {

struct RunPreview {
  RunOutcome outcome;
  // The deepest folder that holds the project file and every file in the
  // diff, "/" between its components; the diff's paths are relative to it.
  std::string root;
  std::string diff;  // "" when the run would change nothing
};

// Previews the run that `context` describes; its workspace, settings,
// dialogs and launcher are only read from.
RunPreview previewUpdate(const RunContext& context);

// The deepest common folder of the given places ("/" between components).
std::string deepestCommonFolder(const std::vector<std::string>& folders);

}  // namespace qm
