#include "styles/tags.h"

#include <array>

namespace qm {

namespace {

constexpr std::array<std::string_view, kTagCount> kMenuEntries = {
    "Pro&ject Name", "&Module Name", "&Procedure Name", "&Variable Dump", "&Exit Routine", "&Increment"};

}  // namespace

std::string_view tagMenuEntry(Tag tag) { return kMenuEntries[static_cast<std::size_t>(tag)]; }

}  // namespace qm
