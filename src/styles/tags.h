// The style editor's Insert menu entries for the tags a code style may hold.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/tags.h"

namespace qm {

// The table has one slot more than there are tags; the last stays empty.
inline constexpr std::size_t kTagSlots = 7;

// "Pro&ject Name", "&Module Name", ... ("&" marks the access key).
std::string_view tagMenuEntry(Tag tag);

struct TagTable {
  std::array<std::string, kTagSlots> slots;

  const std::string& operator[](std::size_t position) const { return slots[position]; }
  const std::string& operator[](Tag tag) const { return slots[static_cast<std::size_t>(tag)]; }
  std::size_t size() const { return slots.size(); }
};

// The table as the main window builds it when it loads: slots 0 to 5 hold
// the tags in menu order, slot 6 is empty.
TagTable makeTagTable();

}  // namespace qm
