#include "run/rollback.h"

#include <map>
#include <set>

#include "platform/folder_lock.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/member_lines.h"
#include "run/backup.h"
#include "run/member_places.h"
#include "run/outside_record.h"
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
    SaveSettingString(context.settings, HKEY_CURRENT_USER, SettingsValuesKey(), "ShowWarning", "False");
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
  const auto entry = files.lookUp(line);
  if (!entry || entry->isFolder || entry->isLink || entry->isHidden) return false;
  if (!liesDirectlyInResolved(files, line, project.projectFolder)) return false;
  return backedUpNames.count(toLower(entry->name)) == 0;
}

// The restored project file's members, by their folded, lower-cased path.
std::map<std::string, std::string> restoredMembers(RollbackContext& context, const ProjectState& project,
                                                   RollbackOutcome& outcome) {
  std::map<std::string, std::string> members;
  auto text = context.files.readFile(project.projectFile);
  if (!text) {
    outcome.failures.push_back(text.message());
    return members;
  }
  for (const std::string& member : allMemberPaths(*text)) members.emplace(toLower(foldedPath(member)), member);
  return members;
}

void restoreMember(RollbackContext& context, const std::string& copy, const ProjectState& project,
                   const std::string& member, RollbackOutcome& outcome) {
  Status copied = context.files.copyFile(copy, project.projectFolder + member);
  if (copied) {
    outcome.restored.push_back(member);
  } else {
    outcome.failures.push_back(copied.message());
  }
}

// The copies of members in sub-folders, each back to its place.
void restoreSubFolderMembers(RollbackContext& context, const std::string& backupFolder,
                             const std::map<std::string, std::string>& members, const ProjectState& project,
                             RollbackOutcome& outcome) {
  for (const auto& [folded, member] : members) {
    bool outside = false;
    const std::string relative = foldedPath(member, &outside);
    if (outside || relative.find('\\') == std::string::npos) continue;
    const std::string copy = joinPath(backupFolder, relative);
    if (context.files.isFile(copy)) restoreMember(context, copy, project, member, outcome);
  }
}

// The copies of members from outside the project's folder, each back to the
// member path its record line gives, when the restored project lists it.
void restoreOutsideMembers(RollbackContext& context, const std::string& backupFolder,
                           const std::map<std::string, std::string>& members, const ProjectState& project,
                           RollbackOutcome& outcome) {
  const std::string recordPath = joinPath(backupFolder, kOutsideRecordName);
  if (!context.files.isFile(recordPath)) return;
  auto text = context.files.readFile(recordPath);
  if (!text) {
    outcome.failures.push_back(text.message());
    return;
  }
  for (const OutsideCopy& line : outsideCopiesIn(*text)) {
    bool leaves = false;
    const std::string copy = foldedPath(line.copy, &leaves);
    const auto member = members.find(toLower(foldedPath(line.member)));
    if (member == members.end() || leaves || !startsWith(toLower(copy), toLower(std::string(kOutsideFolderName)) + "\\")) {
      outcome.failures.push_back("Cannot restore '" + line.member + "' from '" + line.copy +
                                 "': the restored project file does not list it as a member");
      continue;
    }
    restoreMember(context, joinPath(backupFolder, copy), project, member->second, outcome);
  }
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

std::string newestBackup(const FileSystem& files, std::string_view projectFolder) {
  std::string newest;
  std::int64_t newestTime = 0;
  for (const DirEntry& entry : files.list(projectFolder, "backup on*")) {
    if (!entry.isFolder) continue;
    if (newest.empty() || entry.modifiedNanoseconds > newestTime) {
      newest = replaceAll(entry.name, "-", ":");
      newestTime = entry.modifiedNanoseconds;
    }
  }
  return newest;
}

std::string backupFolderOf(std::string_view projectFolder, std::string_view entry) {
  return std::string(projectFolder) + replaceAll(entry, ":", "-");
}

RollbackOutcome rollBack(RollbackContext& context, const ProjectState& project, std::string_view backupEntry,
                         bool& bShowWarning) {
  RollbackOutcome outcome;
  if (!askToGoOn(context, bShowWarning)) return outcome;
  // A roll back in the middle of a run would mix the two; the run's lock
  // keeps them apart.
  const FolderLock lock = FolderLock::take(context.files, project.projectFolder);
  if (!lock.held()) {
    outcome.refusal = lock.message() + ". No files were restored.";
    return outcome;
  }
  outcome.performed = true;

  context.progress.setValue(0);
  context.progress.setMaximum(1);
  context.progress.setVisible(true);

  const std::string backupFolder = backupFolderOf(project.projectFolder, backupEntry);
  std::vector<std::string> names = topLevelFiles(context.files, backupFolder);
  std::erase_if(names, [](const std::string& name) { return toLower(name) == toLower(kOutsideRecordName); });
  restoreFiles(context, backupFolder, names, project, outcome);
  if (!names.empty()) {
    const auto members = restoredMembers(context, project, outcome);
    restoreSubFolderMembers(context, backupFolder, members, project, outcome);
    restoreOutsideMembers(context, backupFolder, members, project, outcome);
  }
  deleteRecordedFiles(context, backupFolder, names, project, outcome);

  // The bar ends full: its maximum is the file count + 1, or 1 without files.
  context.progress.setValue(names.empty() ? 1 : static_cast<int>(names.size()) + 1);
  context.progress.setVisible(false);

  showCompletedBriefly(context);
  return outcome;
}

}  // namespace qm
