// The update run on a file system and a settings store that keep their
// changes to themselves, and the diff of what it would have written.
#include "run/run_preview.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/preview_file_system.h"
#include "platform/preview_settings.h"
#include "platform/text.h"
#include "run/unified_diff.h"

namespace qm {

namespace {

// Starts nothing, as if the start had worked: the summary reads as the real
// run's would.
class NoLauncher final : public ProcessLauncher {
 public:
  Status startDetached(std::string_view, const std::vector<ProcessArgument>&) override { return {}; }
};

class NoProgress final : public ProgressDisplay {
 public:
  void setMaximum(int) override {}
  void setValue(int) override {}
  void setVisible(bool) override {}
};

bool liesIn(std::string_view place, std::string_view folder) {
  return !folder.empty() && place.size() > folder.size() && startsWithNoCase(place, folder) &&
         isSeparator(place[folder.size()]);
}

std::vector<std::string> componentsOf(std::string_view folder) {
  std::vector<std::string> parts = pathParts(folder);
  while (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  return parts;
}

std::string relativeTo(std::string_view root, std::string_view place) {
  std::string_view rest = place.substr(std::min(root.size(), place.size()));
  while (!rest.empty() && isSeparator(rest.front())) rest.remove_prefix(1);
  return replaceAll(rest, "\\", "/");
}

}  // namespace

std::string deepestCommonFolder(const std::vector<std::string>& folders) {
  if (folders.empty()) return {};
  std::vector<std::string> common = componentsOf(folders.front());
  for (const std::string& folder : folders) {
    const std::vector<std::string> parts = componentsOf(folder);
    std::size_t same = 0;
    while (same < common.size() && same < parts.size() && common[same] == parts[same]) ++same;
    common.resize(same);
  }
  std::string out;
  for (std::size_t i = 0; i < common.size(); ++i) {
    if (i > 0) out.push_back('/');
    out += common[i];
  }
  // The file system's root: "/" on POSIX systems, "C:/" on Windows.
  if (common.size() == 1 && (common[0].empty() || common[0].back() == ':')) out.push_back('/');
  return out;
}

RunPreview previewUpdate(const RunContext& context) {
  PreviewFileSystem files(context.workspace.files);
  Workspace workspace{files, context.workspace.programFolder, context.workspace.workingFolder};
  PreviewSettings settings(context.settings);
  CancellingDialogs dialogs;  // a preview asks nobody anything
  NoLauncher launcher;
  NoProgress progress;
  DumpState dump;
  std::string vbLocation = context.vbLocation;
  RunContext preview{workspace,  context.project, context.options, context.currentStyle, context.procedures,
                     context.notes, dump,           context.summary, progress,             dialogs,
                     context.yield, settings,       vbLocation,      context.clock,        launcher};

  RunPreview out;
  out.outcome = runUpdate(preview);
  const std::string backup = out.outcome.backupFolder.empty()
                                 ? std::string()
                                 : files.resolvedPath(withoutTrailingSeparator(out.outcome.backupFolder));
  std::vector<PreviewChange> changes = files.changes();
  std::erase_if(changes, [&backup](const PreviewChange& change) { return liesIn(change.place, backup); });

  std::vector<std::string> folders{std::string(folderOf(files.resolvedPath(context.project.projectFile)))};
  for (const PreviewChange& change : changes) folders.emplace_back(folderOf(change.place));
  out.root = deepestCommonFolder(folders);
  for (const PreviewChange& change : changes) {
    out.diff += unifiedDiff(change.before, change.after, relativeTo(out.root, change.place));
  }
  return out;
}

}  // namespace qm
