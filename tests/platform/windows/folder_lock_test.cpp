#include <gtest/gtest.h>

#include <set>

#include "platform/file_system.h"
#include "platform/folder_lock.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

// Lock files are the user's own and shared with every run at once, so only
// the one this test brings in is looked at.
std::set<std::string> lockFiles(const FileSystem& files) {
  std::set<std::string> names;
  for (const DirEntry& entry : files.list(programDataFolder() + "Locks", "*")) names.insert(entry.name);
  return names;
}

TEST(ProjectLock, HoldsTheFolderUnderAnySpellingAndLeavesNoFileOnceLetGo) {
  testing::TempFolder temp;
  temp.makeFolder("Billing");
  NativeFileSystem files;
  const std::set<std::string> before = lockFiles(files);
  std::set<std::string> added;
  {
    const FolderLock held = FolderLock::take(files, temp.path() + "Billing");
    ASSERT_TRUE(held.held()) << held.message();
    const FolderLock again = FolderLock::take(files, toUpper(temp.path()) + "BILLING\\");
    EXPECT_EQ(again.refusal(), FolderLock::Refusal::Busy) << again.message();
    for (const std::string& name : lockFiles(files)) {
      if (!before.count(name)) added.insert(name);
    }
    ASSERT_EQ(added.size(), 1u);
  }
  EXPECT_FALSE(lockFiles(files).count(*added.begin()));
  EXPECT_TRUE(FolderLock::take(files, temp.path() + "billing").held());
  EXPECT_EQ(FolderLock::take(files, temp.path() + "Gone").refusal(), FolderLock::Refusal::Unavailable);
}

}  // namespace
}  // namespace qm
