// The recent projects of the first page: the drop-down list, most recent
// first, and how many of its entries are stored. At most ten are stored;
// while the program runs the list may hold more, and only the first ten
// (the stored count) survive it.
//
// The making-current sequence that uses this list (choosing a project,
// a pick from the list, iSortNewFile) belongs to the first page; see
// project_page.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_backend.h"
#include "wizard/controls.h"

namespace qm {

inline constexpr std::int16_t kMostRecentStored = 10;

struct RecentProjects {
  DropDownList& cmbRecent;
  std::int16_t& count;
};

// Start-up: the stored count (read as 0 to 10 whatever the store holds) and
// values "1" to the count appended to the list. Selecting the first entry is
// left to the caller, since that opens the project.
void loadRecentProjects(RecentProjects recent, const SettingsBackend& settings);

// The first entry, from the top, that begins with `path`, ignoring case: the
// drop-down list's own prefix search.
std::optional<std::size_t> findRecentEntry(const DropDownList& cmbRecent, std::string_view path);

// Puts `projectFile` at the top of the list (in place of an entry that begins
// with it, or as a new entry that raises the count, up to ten) and stores the
// count and the first `count` entries. An empty path changes nothing.
void UpdateRecentList(RecentProjects recent, std::string_view projectFile, SettingsBackend& settings);

// The entry whose text equals `path` exactly, else one equal ignoring case.
std::optional<std::size_t> entryNamed(const DropDownList& list, std::string_view path);

}  // namespace qm
