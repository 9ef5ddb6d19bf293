#include <gtest/gtest.h>

#include "platform/program_folder.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::TempFolder;

TEST(ProgramFolder, IsTheExecutablesFolderWhenItCanBeWritten) {
  TempFolder folder;
  folder.makeFolder("bin");
  EXPECT_EQ(chooseProgramFolder(folder.file("bin/"), folder.file("data/quillmere/")), folder.file("bin/"));
  EXPECT_FALSE(folder.exists("data"));
}

TEST(ProgramFolder, FallsBackToTheUsersDataFolderAndCreatesIt) {
  TempFolder folder;
  EXPECT_EQ(chooseProgramFolder(folder.file("missing/bin/"), folder.file("share/quillmere/")),
            folder.file("share/quillmere/"));
  EXPECT_TRUE(folder.exists("share/quillmere"));
  EXPECT_EQ(chooseProgramFolder("", folder.file("share/quillmere/")), folder.file("share/quillmere/"));
}

TEST(ProgramFolder, OfThisProgramIsAFolderWithATrailingSeparator) {
  const std::string folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\');
}

}  // namespace
}  // namespace qm
