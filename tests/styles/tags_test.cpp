#include <gtest/gtest.h>

#include "styles/tags.h"

namespace qm {
namespace {

TEST(TagTable, HoldsTheSixTagsInMenuOrderAndAnEmptySlot) {
  struct Case {
    Tag tag;
    const char* text;
    const char* menuEntry;
  };
  const Case cases[] = {
      {Tag::ProjectName, "<Project_Name>", "Pro&ject Name"},
      {Tag::ModuleName, "<Module_Name>", "&Module Name"},
      {Tag::ProcedureName, "<Procedure_Name>", "&Procedure Name"},
      {Tag::VariableDump, "<Variable_Dump>", "&Variable Dump"},
      {Tag::ExitRoutine, "<Exit_Routine>", "&Exit Routine"},
      {Tag::Increment, "<Increment>", "&Increment"},
  };
  const TagTable table = makeTagTable();
  ASSERT_EQ(table.size(), 7u);
  for (std::size_t i = 0; i < kTagCount; ++i) {
    EXPECT_EQ(static_cast<std::size_t>(cases[i].tag), i);
    EXPECT_EQ(tagText(cases[i].tag), cases[i].text);
    EXPECT_EQ(tagMenuEntry(cases[i].tag), cases[i].menuEntry);
    EXPECT_EQ(table[i], cases[i].text);
    EXPECT_EQ(table[cases[i].tag], cases[i].text);
  }
  EXPECT_EQ(table[6], "");
}

}  // namespace
}  // namespace qm
