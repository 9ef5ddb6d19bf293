// The native file system of POSIX systems: permission bits and symbolic links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

class PosixFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
    temp.write("Billing/Forms/frmMain.frm", "VERSION 5.00\r\n");
    temp.write("Shared/modShared.bas", "Attribute VB_Name = \"modShared\"\r\n");
  }
  std::string at(const std::string& relative) const { return temp.path() + relative; }

  testing::TempFolder temp;
  NativeFileSystem files;
};

TEST_F(PosixFiles, ACopyTakesItsSourcesModeAndAListingTellsLinksFromFiles) {
  const std::string source = temp.file("Shared/modShared.bas");
  ASSERT_EQ(::chmod(source.c_str(), 0640), 0);
  ASSERT_TRUE(files.copyFile(at("Shared\\modShared.bas"), at("Billing\\modShared.bas")).ok());
  struct stat info;
  ASSERT_EQ(::stat(temp.file("Billing/modShared.bas").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  ASSERT_EQ(::symlink("../Shared/modShared.bas", temp.file("Billing/modLink.bas").c_str()), 0);
  std::map<std::string, std::pair<bool, bool>> kinds;  // name -> (folder, link)
  for (const auto& entry : files.list(at("Billing"), "*")) kinds[entry.name] = {entry.isFolder, entry.isLink};
  const std::map<std::string, std::pair<bool, bool>> expected = {{"Billing.vbp", {false, false}},
                                                                 {"Forms", {true, false}},
                                                                 {"modLink.bas", {false, true}},
                                                                 {"modShared.bas", {false, false}}};
  EXPECT_EQ(kinds, expected);
}

}  // namespace
}  // namespace qm
