// The recent projects list: the order it keeps, what it stores and what it
// reads back (tests/data/wizard/recent_projects.txt). The first page's use of
// it is driven by the scripts of tests/data/wizard/pages.txt.
#include "wizard/recent_projects.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "settings/registry.h"
#include "support/script_runner.h"
#include "wizard/controls.h"

namespace qm::testing {
namespace {

void storeRecent(SettingsBackend& settings, const std::vector<std::string>& paths, int count) {
  const std::string key = SettingsKey() + "\\Previous";
  SaveSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", count);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    SaveSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i + 1), paths[i]);
  }
}

std::vector<std::string> listed(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t at = 0; !text.empty() && at <= text.size();) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    out.push_back(text.substr(at, comma - at));
    at = comma + 1;
  }
  return out;
}

class RecentLists : public CaseTest {};

TEST_P(RecentLists, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"update", [](const std::vector<std::string>& a) {  // entries | count | chosen => entries ; count ; stored
         DropDownList list;
         list.entries = listed(a[0]);
         auto count = static_cast<std::int16_t>(std::stoi(a[1]));
         MemorySettings settings;
         UpdateRecentList({list, count}, a[2], settings);
         const std::string key = SettingsKey() + "\\Previous";
         std::vector<std::string> stored;
         const int number = GetSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", -1);
         for (int i = 1; i <= number + 1; ++i) {
           stored.push_back(GetSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i), "-"));
         }
         const std::string written = settings.writes() == 0 ? "nothing" : joined(stored, ",");
         return joined(list.entries, ",") + " ; " + std::to_string(count) + " ; " + written;
       }},
      {"load", [](const std::vector<std::string>& a) {  // stored Number | stored entries => count: entries
         MemorySettings settings;
         storeRecent(settings, listed(a[1]), std::stoi(a[0]));
         DropDownList list;
         std::int16_t count = -5;
         loadRecentProjects({list, count}, settings);
         std::string out = std::to_string(count) + ":";
         if (!list.entries.empty()) out.append(" ").append(joined(list.entries, ","));
         return out;
       }},
  });
}

QM_CASES_FROM(RecentLists, "wizard/recent_projects.txt");

}  // namespace
}  // namespace qm::testing
