#include "styles/tags.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, kTagCount> kMenuEntries = {
    "Pro&ject Name", "&Module Name", "&Procedure Name", "&Variable Dump", "&Exit Routine", "&Increment"};

}  // namespace

std::string_view tagMenuEntry(Tag tag) { return kMenuEntries[static_cast<std::size_t>(tag)]; }

TagTable makeTagTable() {
  TagTable table;
  for (std::size_t i = 0; i < kTagCount; ++i) table.slots[i] = std::string(tagText(static_cast<Tag>(i)));
  return table;
}

}  // namespace qm
