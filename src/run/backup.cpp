#include "run/backup.h"

#include <cstdio>

#include "engine/scanning.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr int kMaxBackupsPerSecond = 99;

// A form of the path for comparing: "/" separators, no empty or "."
// components, ".." taken back where it can be, lower case, no trailing "/".
std::string comparablePath(std::string_view path) {
  const bool absolute = !path.empty() && isSeparator(path.front());
  std::vector<std::string> kept;
  for (std::string& part : pathParts(path)) {
    if (part.empty() || part == ".") continue;
    if (part == ".." && !kept.empty() && kept.back() != "..") {
      kept.pop_back();
      continue;
    }
    kept.push_back(toLower(part));
  }
  std::string out = absolute ? "/" : "";
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) out.push_back('/');
    out += kept[i];
  }
  return out;
}

bool hasDotComponent(std::string_view path) {
  for (const std::string& part : pathParts(path)) {
    if (part == "." || part == "..") return true;
  }
  return false;
}

std::string withSlash(std::string path) {
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path;
}

// The location, as the file system sees it, is the project's folder, lies in
// one of its backup folders, or holds a file the run will change: a new copy
// there would overwrite the project's files or mix with a backup that a roll
// back restores from.
bool isProtectedLocation(const FileSystem& files, std::string_view location, std::string_view projectFolder,
                         const std::vector<std::string>& changedFiles) {
  if (projectFolder.empty()) return false;
  const std::string place = files.resolvedPath(location);
  const std::string project = files.resolvedPath(projectFolder);
  if (place == project) return true;
  const std::string prefix = withSlash(project);
  if (startsWith(place, prefix)) {
    const std::string_view rest = std::string_view(place).substr(prefix.size());
    if (isBackupName(rest.substr(0, rest.find('/')))) return true;
  }
  const std::string inside = withSlash(place);
  for (const std::string& file : changedFiles) {
    if (startsWith(files.resolvedPath(file), inside)) return true;
  }
  return false;
}

}  // namespace

std::string uninstallHeader() { return "FILE REQUIRED BY " + toUpper(kProductName) + ". DO NOT REMOVE."; }

std::string datedSuffix(const LocalDateTime& when, std::string_view monthAbbreviation) {
  char day[8];
  char time[16];
  std::snprintf(day, sizeof day, "%02d", when.day);
  std::snprintf(time, sizeof time, "%02d-%02d-%02d", when.hour, when.minute, when.second);
  return std::string(day) + " " + std::string(monthAbbreviation) + " at " + time;
}

std::string backupFolderName(const Clock& clock) {
  const LocalDateTime now = clock.now();
  return "Backup on " + datedSuffix(now, clock.monthAbbreviation(now.month));
}

std::string newCopyDefaultLocation(std::string_view projectFolder, const Clock& clock) {
  const LocalDateTime now = clock.now();
  return std::string(projectFolder) + "New copy created " + datedSuffix(now, clock.monthAbbreviation(now.month));
}

bool isBackupName(std::string_view name) { return wildcardMatch("backup on*", name); }

std::int16_t iCheckFolder(FileSystem& files, std::string_view sFolder, std::string_view projectFolder,
                          const std::vector<std::string>& changedFiles) {
  std::string_view folder = sFolder;
  if (!folder.empty() && isSeparator(folder.back())) folder.remove_suffix(1);
  if (trimSpaces(folder).empty()) return 0;
  if (isProtectedLocation(files, folder, projectFolder, changedFiles)) return 0;
  if (auto entry = files.lookUp(folder)) return entry->isFolder ? 1 : 0;
  if (!files.createFolder(folder)) return 0;
  // Should the trial folder refuse to go away, it exists now and is usable.
  return files.removeFolder(folder) ? 2 : 1;
}

Result<std::string> createBackupFolder(FileSystem& files, std::string_view projectFolder, const Clock& clock) {
  const std::string name = backupFolderName(clock);
  Status last;
  for (int attempt = 1; attempt <= kMaxBackupsPerSecond; ++attempt) {
    const std::string candidate =
        joinPath(projectFolder, attempt == 1 ? name : name + " (" + std::to_string(attempt) + ")");
    if (files.exists(candidate)) continue;
    last = files.createFolder(candidate);
    if (last) return withTrailingSeparator(candidate);
    if (!files.exists(candidate)) return last;  // a real failure, not a folder that appeared meanwhile
  }
  return last ? Status::failure("Cannot create folder '" + joinPath(projectFolder, name) +
                                "': too many backups within one second")
              : last;
}

bool samePath(std::string_view a, std::string_view b) { return comparablePath(a) == comparablePath(b); }

bool liesDirectlyInResolved(const FileSystem& files, std::string_view path, std::string_view folder) {
  const std::string resolved = files.resolvedPath(path);
  const std::size_t slash = resolved.find_last_of('/');
  if (slash == std::string::npos || slash + 1 == resolved.size()) return false;
  const std::string parent = slash == 0 ? std::string("/") : resolved.substr(0, slash);
  return parent == files.resolvedPath(folder);
}

bool liesDirectlyIn(std::string_view path, std::string_view folder) {
  if (hasDotComponent(path) || bareName(path).empty()) return false;
  return comparablePath(folderOf(path)) == comparablePath(folder);
}

std::vector<std::string> topLevelFiles(const FileSystem& files, std::string_view folder) {
  std::vector<std::string> names;
  for (const DirEntry& entry : files.list(folder, "*.*")) {
    if (!entry.isFolder && !entry.isHidden) names.push_back(entry.name);
  }
  return names;
}

ProjectCopy copyProjectFiles(FileSystem& files, const std::vector<std::string>& names, std::string_view sourceFolder,
                             std::string_view destinationFolder, const std::set<std::string>& leaveOut) {
  ProjectCopy report;
  for (const std::string& name : names) {
    if (leaveOut.count(toLower(name)) > 0) continue;
    Status copied = files.copyFileUnflushed(joinPath(sourceFolder, name), joinPath(destinationFolder, name));
    if (copied) {
      report.copied.push_back(name);
    } else {
      report.failed.push_back(FileFailure{name, copied.message()});
    }
  }
  return report;
}

UninstallRecord::UninstallRecord(FileSystem& files, std::string_view folder)
    : files_(files), path_(joinPath(folder, kUninstallRecordName)) {}

Status UninstallRecord::begin() { return append(uninstallHeader()); }

Status UninstallRecord::add(std::string_view copiedFile) { return append(copiedFile); }

Status UninstallRecord::append(std::string_view line) {
  std::string text;
  if (files_.exists(path_)) {
    auto earlier = files_.readFile(path_);
    // Never replace a record that cannot be read: its lines are what a roll
    // back of earlier runs needs.
    if (!earlier) return earlier.status();
    text = std::move(*earlier);
    if (!text.empty() && text.back() != '\n') text += "\r\n";
  }
  appendLine(text, line);
  return files_.writeFile(path_, text);
}

std::vector<std::string> recordedFiles(std::string_view recordText) {
  std::vector<std::string> paths;
  const std::string header = uninstallHeader();
  LineReader reader(recordText);
  std::string_view line;
  if (!reader.next(line)) return paths;  // the first header says nothing
  while (reader.next(line)) {
    if (line.empty() || line == header) continue;
    paths.emplace_back(line);
  }
  return paths;
}

}  // namespace qm
