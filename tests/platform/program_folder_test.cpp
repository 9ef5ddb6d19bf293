// Where the program keeps its styles: beside the executable when that
// folder can be written, else in the user's data folder.
#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(ProgramFolder, IsTheExecutablesFolderWhenWritableElseTheUsersDataFolder) {
  testing::TempFolder folder;
  folder.makeFolder("bin");
  EXPECT_EQ(chooseProgramFolder(folder.file("bin/"), folder.file("data/quillmere/")), folder.file("bin/"));
  EXPECT_FALSE(folder.exists("data"));
  EXPECT_EQ(chooseProgramFolder(folder.file("missing/bin/"), folder.file("share/quillmere/")),
            folder.file("share/quillmere/"));
  EXPECT_TRUE(folder.exists("share/quillmere"));
  EXPECT_EQ(chooseProgramFolder("", folder.file("share/quillmere/")), folder.file("share/quillmere/"));
  const std::string ours = programFolder();
  ASSERT_FALSE(ours.empty());
  EXPECT_TRUE(ours.back() == '/' || ours.back() == '\\');
}

}  // namespace
}  // namespace qm
