// Where the program finds its guide: beside itself (a build or an unpacked
// copy) before the data folder of an installation; where it says it looks
// when there is none.
#include "platform/help_guide.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(HelpGuide, IsFoundBesideTheProgramBeforeTheInstalledDataFolder) {
  testing::TempFolder folder;
  NativeFileSystem files;
  const std::vector<std::string> candidates = guideFolderCandidates(folder.file("usr/bin/"));
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/bin/help/"));
  folder.write("usr/share/quillmere/help/index.html", "");
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/share/quillmere/help/"));
  folder.write("usr/bin/help/index.html", "");
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/bin/help/"));
  EXPECT_EQ(findGuideFolder(files, guideFolderCandidates("")), "");
}

}  // namespace
}  // namespace qm
