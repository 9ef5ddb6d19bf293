#include "styles/tags.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, kTagCount> kTagTexts = {
    "<Project_Name>", "<Module_Name>", "<Procedure_Name>", "<Variable_Dump>", "<Exit_Routine>", "<Increment>"};

constexpr std::array<std::string_view, kTagCount> kMenuEntries = {
    "Pro&ject Name", "&Module Name", "&Procedure Name", "&Variable Dump", "&Exit Routine", "&Increment"};

}  // namespace

std::string_view tagText(Tag tag) { return kTagTexts[static_cast<std::size_t>(tag)]; }

std::string_view tagMenuEntry(Tag tag) { return kMenuEntries[static_cast<std::size_t>(tag)]; }

TagTable makeTagTable() {
  TagTable table;
  for (std::size_t i = 0; i < kTagCount; ++i) table.slots[i] = std::string(kTagTexts[i]);
  return table;
}

}  // namespace qm
