// Changes kept in memory over a file system that is only read.
#include "platform/preview_file_system.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

namespace {

const std::string& keyOf(const std::string& entry) { return entry; }
template <typename Value>
const std::string& keyOf(const std::pair<const std::string, Value>& entry) {
  return entry.first;
}

// The entry of `map` for `place`: the exact key, else one equal ignoring
// case (the disk matches a missing component that way too).
template <typename Map>
auto findPlace(Map& map, const std::string& place) {
  auto found = map.find(place);
  if (found != map.end()) return found;
  return std::find_if(map.begin(), map.end(), [&place](const auto& entry) { return equalsNoCase(keyOf(entry), place); });
}

bool containsPlace(const std::set<std::string>& places, const std::string& place) {
  return std::any_of(places.begin(), places.end(), [&place](const std::string& p) { return equalsNoCase(p, place); });
}

std::string parentPlace(std::string_view place) { return std::string(withoutTrailingSeparator(folderOf(place))); }

Status missing(std::string_view what, std::string_view path) {
  return Status::failure(std::string(what) + " '" + std::string(path) + "': No such file or directory");
}

constexpr std::string_view kStagedMark = "\x01staged:";

Status readOnly(std::string_view what, std::string_view path) {
  return Status::failure(std::string(what) + " '" + std::string(path) + "': the file is read-only");
}

}  // namespace

bool PreviewFileSystem::underRemovedFolder(const std::string& place) const {
  return std::any_of(removedFolders_.begin(), removedFolders_.end(), [&place](const std::string& folder) {
    return place.size() > folder.size() && startsWithNoCase(place, folder) && isSeparator(place[folder.size()]);
  });
}

bool PreviewFileSystem::folderExists(const std::string& folderPlace) const {
  if (containsPlace(createdFolders_, folderPlace)) return true;
  if (underRemovedFolder(folderPlace) || containsPlace(removedFolders_, folderPlace)) return false;
  return disk_.isFolder(folderPlace);
}

bool PreviewFileSystem::readOnlyOnDisk(std::string_view path, bool ownEntry) const {
  if (findPlace(files_, place(path)) != files_.end()) return false;
  const auto entry = disk_.lookUp(path);
  return entry && entry->isReadOnly && !(ownEntry && entry->isLink);
}

Status PreviewFileSystem::record(std::string_view path, std::string content) {
  const std::string at = place(path);
  if (!folderExists(parentPlace(at))) return missing("Cannot write", path);
  if (const auto entry = lookUp(path); entry && entry->isFolder) {
    return Status::failure("Cannot write '" + std::string(path) + "': Is a directory");
  }
  if (readOnlyOnDisk(path)) return readOnly("Cannot replace", path);
  auto found = findPlace(files_, at);
  if (found != files_.end()) {
    found->second.content = std::move(content);
  } else {
    files_[at].content = std::move(content);
  }
  return {};
}

Result<std::string> PreviewFileSystem::readFile(std::string_view path) const {
  const std::string at = place(path);
  const auto found = findPlace(files_, at);
  if (found != files_.end()) {
    if (found->second.content) return *found->second.content;
    return missing("Cannot read", path);
  }
  if (underRemovedFolder(at)) return missing("Cannot read", path);
  return disk_.readFile(path);
}

Status PreviewFileSystem::writeFile(std::string_view path, std::string_view content) {
  return record(path, std::string(content));
}

Status PreviewFileSystem::copyFile(std::string_view source, std::string_view target) {
  auto content = readFile(source);
  if (!content) return content.status();
  return record(target, std::move(*content));
}

// A run replaces a file that has a second name only by a rename, which
// leaves the second name holding what the file holds now: a copy records
// the same outcome.
Status PreviewFileSystem::linkFile(std::string_view source, std::string_view target) {
  return copyFile(source, target);
}

Result<std::string> PreviewFileSystem::stageBeside(std::string_view target, std::string_view content) {
  if (!folderExists(parentPlace(place(target)))) return missing("Cannot write beside", target);
  if (readOnlyOnDisk(target)) return readOnly("Cannot replace", target);
  std::string name = std::string(kStagedMark) + std::to_string(nextStaged_++);
  staged_[name] = std::string(content);
  return name;
}

Status PreviewFileSystem::commitStaged(std::string_view staged, std::string_view target) {
  const auto found = staged_.find(std::string(staged));
  if (found == staged_.end()) return missing("Cannot rename", staged);
  Status recorded = record(target, std::move(found->second));
  staged_.erase(found);
  return recorded;
}

Status PreviewFileSystem::discardStaged(std::string_view staged) {
  staged_.erase(std::string(staged));
  return {};
}

Status PreviewFileSystem::moveFile(std::string_view source, std::string_view target) {
  auto content = readFile(source);
  if (!content) return content.status();
  if (Status recorded = record(target, std::move(*content)); !recorded) return recorded;
  forget(source);  // a rename takes a read-only file along
  return {};
}

Status PreviewFileSystem::removeFile(std::string_view path) {
  const auto entry = lookUp(path);
  if (!entry || entry->isFolder) return missing("Cannot delete", path);
  if (readOnlyOnDisk(path, true)) return readOnly("Cannot delete", path);
  forget(path);
  return {};
}

void PreviewFileSystem::forget(std::string_view path) {
  const std::string at = place(path);
  auto found = findPlace(files_, at);
  if (found != files_.end()) {
    found->second.content.reset();
  } else {
    files_[at].content.reset();
  }
}

Status PreviewFileSystem::createFolder(std::string_view path) {
  const std::string at = place(withoutTrailingSeparator(path));
  if (!folderExists(parentPlace(at))) return missing("Cannot create folder", path);
  if (lookUp(path)) return Status::failure("Cannot create folder '" + std::string(path) + "': File exists");
  // Created folders are looked at before removed ones, so a folder removed
  // and created again needs no clearing from the removed ones.
  createdFolders_.insert(at);
  return {};
}

Status PreviewFileSystem::removeFolder(std::string_view path) {
  const auto entry = lookUp(path);
  if (!entry || !entry->isFolder) return missing("Cannot remove folder", path);
  const std::string at = place(withoutTrailingSeparator(path));
  if (!list(at, "*").empty()) return Status::failure("Cannot remove folder '" + std::string(path) + "': Directory not empty");
  const std::size_t created = std::erase_if(createdFolders_, [&at](const std::string& p) { return equalsNoCase(p, at); });
  if (created == 0) removedFolders_.insert(at);
  return {};
}

std::optional<DirEntry> PreviewFileSystem::lookUp(std::string_view path) const {
  const std::string at = place(withoutTrailingSeparator(path));
  const auto found = findPlace(files_, at);
  if (found != files_.end()) {
    if (!found->second.content) return std::nullopt;
    if (auto onDisk = disk_.lookUp(path); onDisk && !onDisk->isFolder) return onDisk;
    return DirEntry{std::string(bareName(found->first))};
  }
  if (const auto folder = findPlace(createdFolders_, at); folder != createdFolders_.end()) {
    return DirEntry{std::string(bareName(*folder)), true};
  }
  if (underRemovedFolder(at) || containsPlace(removedFolders_, at)) return std::nullopt;
  return disk_.lookUp(path);
}

std::vector<DirEntry> PreviewFileSystem::list(std::string_view folder, std::string_view pattern) const {
  const std::string at = place(withoutTrailingSeparator(folder));
  if (!folderExists(at)) return {};
  std::vector<DirEntry> out = disk_.list(folder, pattern);
  const auto remove = [&out](std::string_view name) {
    std::erase_if(out, [name](const DirEntry& e) { return equalsNoCase(e.name, name); });
  };
  for (const auto& [recorded, file] : files_) {
    if (!equalsNoCase(parentPlace(recorded), at)) continue;
    const std::string_view name = bareName(recorded);
    remove(name);
    if (file.content && wildcardMatch(pattern, name)) out.push_back(DirEntry{std::string(name)});
  }
  for (const std::string& created : createdFolders_) {
    if (equalsNoCase(parentPlace(created), at) && wildcardMatch(pattern, bareName(created))) {
      remove(bareName(created));
      out.push_back(DirEntry{std::string(bareName(created)), true});
    }
  }
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return out;
}

std::string PreviewFileSystem::longName(std::string_view path) const {
  const auto entry = lookUp(path);
  if (!entry) return {};
  std::string onDisk = disk_.longName(path);
  if (!onDisk.empty()) return onDisk;
  const std::string_view trimmed = withoutTrailingSeparator(path);
  const std::string_view folder = withoutTrailingSeparator(folderOf(trimmed));
  if (folder.empty() || folder.size() == trimmed.size()) return std::string(trimmed);
  const std::string parent = longName(folder);
  return parent.empty() ? std::string() : joinPath(parent, entry->name);
}

std::vector<PreviewChange> PreviewFileSystem::changes() const {
  std::vector<PreviewChange> out;
  for (const auto& [at, file] : files_) {
    std::optional<std::string> before;
    if (auto onDisk = disk_.readFile(at)) before = std::move(*onDisk);
    if (before == file.content) continue;
    out.push_back({at, std::move(before), file.content});
  }
  return out;
}

}  // namespace qm
