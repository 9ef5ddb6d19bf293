// The guide is looked for beside the program, then in an installation's data folder.
#include "platform/help_guide.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(HelpGuide, IsFoundBesideTheProgramBeforeTheInstalledDataFolder) {
  testing::TempFolder folder;
  NativeFileSystem files;
  const std::vector<std::string> candidates = guideFolderCandidates(folder.file("usr/bin/"));
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/bin/help/")) << "none: where it was looked for";
  folder.write("usr/share/quillmere/help/index.html", "");
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/share/quillmere/help/"));
  folder.write("usr/bin/help/index.html", "");
  EXPECT_EQ(findGuideFolder(files, candidates), folder.file("usr/bin/help/"));
}

}  // namespace
}  // namespace qm
