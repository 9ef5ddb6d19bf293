// The recent projects list and its stored form: "Number" and the values
// "1" to "Number" under the Previous key, most recent first.
#include "wizard/recent_projects.h"

#include <algorithm>

#include "platform/text.h"
#include "settings/registry.h"

namespace qm {

void loadRecentProjects(RecentProjects recent, const SettingsBackend& settings) {
  const std::string key = PreviousProjectsKey();
  const std::int32_t stored = GetSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", 0);
  // A hand-edited count outside 0..10 would make the list read (and later
  // store) values that the program never wrote.
  recent.count = static_cast<std::int16_t>(std::clamp<std::int32_t>(stored, 0, kMostRecentStored));
  for (std::int16_t i = 1; i <= recent.count; ++i) {
    recent.cmbRecent.entries.push_back(GetSettingString(settings, HKEY_CURRENT_USER, key, decimal(i), ""));
  }
}

std::optional<std::size_t> findRecentEntry(const DropDownList& cmbRecent, std::string_view path) {
  for (std::size_t i = 0; i < cmbRecent.entries.size(); ++i) {
    if (startsWithNoCase(cmbRecent.entries[i], path)) return i;
  }
  return std::nullopt;
}

void UpdateRecentList(RecentProjects recent, std::string_view projectFile, SettingsBackend& settings) {
  if (projectFile.empty()) return;
  auto& entries = recent.cmbRecent.entries;
  auto& selected = recent.cmbRecent.selected;
  const auto found = findRecentEntry(recent.cmbRecent, projectFile);
  if (found) {
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*found));
  } else {
    recent.count = static_cast<std::int16_t>(std::min<int>(recent.count + 1, kMostRecentStored));
  }
  entries.insert(entries.begin(), std::string(projectFile));
  // The selection stays on the entry it showed, which moved down by one, or
  // follows the moved entry to the top; nothing is opened by this.
  if (selected) {
    if (found && *selected == *found) selected = 0;
    else if (!found || *selected < *found) selected = *selected + 1;
  }

  const std::string key = PreviousProjectsKey();
  SaveSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", recent.count);
  for (std::int16_t i = 1; i <= recent.count && static_cast<std::size_t>(i) <= entries.size(); ++i) {
    SaveSettingString(settings, HKEY_CURRENT_USER, key, decimal(i), entries[static_cast<std::size_t>(i) - 1]);
  }
}

std::optional<std::size_t> entryNamed(const DropDownList& list, std::string_view path) {
  const auto& entries = list.entries;
  const auto exact = std::find(entries.begin(), entries.end(), path);
  if (exact != entries.end()) return static_cast<std::size_t>(exact - entries.begin());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (equalsNoCase(entries[i], path)) return i;
  }
  return std::nullopt;
}

}  // namespace qm
