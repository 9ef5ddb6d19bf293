#include "run/rollback.h"

#include <set>

#include "platform/paths.h"
#include "platform/text.h"
#include "run/backup.h"
#include "settings/registry.h"

namespace qm {

namespace {

constexpr int kPauseStepMilliseconds = 20;

bool askToGoOn(RollbackContext& context, bool& bShowWarning) {
  if (!bShowWarning) return true;
  bool dontShowAgain = false;
  const bool proceed = context.dialogs.rollbackWarning(dontShowAgain);
  if (proceed && dontShowAgain) {
    bShowWarning = false;
    SaveSettingString(context.settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "ShowWarning", "False");
  }
  return proceed;
}

void yieldTo(const RollbackContext& context) {
  if (context.yield) context.yield();
}

// Copies the backup's files back; the bar shows k of k + 1 while the k-th
// file is copied.
void restoreFiles(RollbackContext& context, const std::string& backupFolder, const std::vector<std::string>& names,
                  const ProjectState& project, RollbackOutcome& outcome) {
  if (names.empty()) return;
  int k = 1;
  context.progress.setValue(k);
  for (std::size_t i = 0; i < names.size(); ++i) {
    context.progress.setMaximum(k + 1);
    yieldTo(context);
    Status copied = context.files.copyFile(joinPath(backupFolder, names[i]), joinPath(project.projectFolder, names[i]));
    if (copied) {
      outcome.restored.push_back(names[i]);
    } else {
      outcome.failures.push_back(copied.message());
    }
    if (i + 1 < names.size()) context.progress.setValue(++k);
  }
}

bool isDeletableRecordLine(const FileSystem& files, std::string_view line, const ProjectState& project,
                           const std::set<std::string>& backedUpNames) {
  if (!liesDirectlyIn(line, project.projectFolder)) return false;
  const auto entry = files.lookUp(line);
  if (!entry || entry->isFolder || entry->isLink) return false;
  return backedUpNames.count(toLower(entry->name)) == 0;
}

void deleteRecordedFiles(RollbackContext& context, const std::string& backupFolder,
                         const std::vector<std::string>& backedUp, const ProjectState& project,
                         RollbackOutcome& outcome) {
  const std::string recordPath = joinPath(backupFolder, kUninstallRecordName);
  const auto record = context.files.lookUp(recordPath);
  if (!record || record->name != kUninstallRecordName) return;
  auto text = context.files.readFile(recordPath);
  if (!text) {
    outcome.failures.push_back(text.message());
    return;
  }
  std::set<std::string> backedUpNames;
  for (const std::string& name : backedUp) backedUpNames.insert(toLower(name));
  for (const std::string& line : recordedFiles(*text)) {
    if (!isDeletableRecordLine(context.files, line, project, backedUpNames)) continue;
    Status removed = context.files.removeFile(line);
    if (removed) {
      outcome.deleted.push_back(line);
    } else {
      outcome.failures.push_back(removed.message());
    }
  }
  const std::string copiedRecord = joinPath(project.projectFolder, kUninstallRecordName);
  if (context.files.isFile(copiedRecord)) {
    Status removed = context.files.removeFile(copiedRecord);
    if (!removed) outcome.failures.push_back(removed.message());
  }
}

// Keeps the panel up for about half a second, measured on the monotonic
// clock: until the elapsed time, rounded to whole seconds (a half going to
// the even number, so 0.5 still counts as 0), reaches 1.
void showCompletedBriefly(RollbackContext& context) {
  if (context.showCompleted) context.showCompleted(true);
  yieldTo(context);
  const std::int64_t start = context.clock.monotonicMilliseconds();
  while (roundHalfEven(static_cast<double>(context.clock.monotonicMilliseconds() - start) / 1000.0) < 1) {
    context.clock.sleepMilliseconds(kPauseStepMilliseconds);
    yieldTo(context);
  }
  if (context.showCompleted) context.showCompleted(false);
}

}  // namespace

std::vector<std::string> bListBackups(const FileSystem& files, std::string_view sProjectFolder) {
  std::vector<std::string> entries;
  for (const DirEntry& entry : files.list(sProjectFolder, "backup on*")) {
    if (entry.isFolder) entries.push_back(replaceAll(entry.name, "-", ":"));
  }
  return entries;
}

std::string backupFolderOf(std::string_view projectFolder, std::string_view entry) {
  return std::string(projectFolder) + replaceAll(entry, ":", "-");
}

RollbackOutcome rollBack(RollbackContext& context, const ProjectState& project, std::string_view backupEntry,
                         bool& bShowWarning) {
  RollbackOutcome outcome;
  if (!askToGoOn(context, bShowWarning)) return outcome;
  outcome.performed = true;

  context.progress.setValue(0);
  context.progress.setMaximum(1);
  context.progress.setVisible(true);

  const std::string backupFolder = backupFolderOf(project.projectFolder, backupEntry);
  const std::vector<std::string> names = topLevelFiles(context.files, backupFolder);
  restoreFiles(context, backupFolder, names, project, outcome);
  deleteRecordedFiles(context, backupFolder, names, project, outcome);

  // The bar ends full: its maximum is the file count + 1, or 1 without files.
  context.progress.setValue(names.empty() ? 1 : static_cast<int>(names.size()) + 1);
  context.progress.setVisible(false);

  showCompletedBriefly(context);
  return outcome;
}

}  // namespace qm
