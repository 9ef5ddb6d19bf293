// The tags a code style may contain, in the order the style editor's Insert
// menu offers them. Each is filled in per procedure when code is inserted;
// the table is the one place their spelling and their menu entries live.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

enum class Tag : std::size_t { ProjectName = 0, ModuleName, ProcedureName, VariableDump, ExitRoutine, Increment };

inline constexpr std::size_t kTagCount = 6;
// The table has one slot more than there are tags; the last stays empty.
inline constexpr std::size_t kTagSlots = 7;

// "<Project_Name>", "<Module_Name>", "<Procedure_Name>", "<Variable_Dump>",
// "<Exit_Routine>", "<Increment>".
std::string_view tagText(Tag tag);
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
