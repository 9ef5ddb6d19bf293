// The native file system: paths in the product's Windows form resolved
// without regard to case, and writes that never leave a file half written.
#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Names = std::vector<std::string>;

// The folder every case starts from.
void makeFolders(const testing::TempFolder& temp) {
  temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
  temp.write("Billing/Forms/frmMain.frm", "VERSION 5.00\r\n");
  temp.write("Shared/modShared.bas", "Attribute VB_Name = \"modShared\"\r\n");
  for (const char* name : {"Simple.style", "loud.STYLE", "Other.Style", "notes.styles", "style"}) {
    temp.write(std::string("Program/") + name, "");
  }
  temp.makeFolder("Program/Folder.style");
}

class NativePaths : public testing::CaseTest {};

TEST_P(NativePaths, GiveWhatTheTableSays) {
  testing::TempFolder temp;
  makeFolders(temp);
  const NativeFileSystem files;
  using Arguments = std::vector<std::string>;
  testing::expectRows(c, {
      {"read", [&](const Arguments& a) {  // the first line
         const auto bytes = files.readFile(temp.path() + a[0]);
         const std::string name(bareName(a[0]));
         if (!bytes.ok()) return bytes.message().find(name) != std::string::npos ? "refused, naming " + name : bytes.message();
         return bytes->substr(0, std::min(bytes->find("\r\n"), bytes->find(" = ")));
       }},
      {"lookUp", [&](const Arguments& a) {
         const auto entry = files.lookUp(temp.path() + a[0]);
         return entry ? (entry->isFolder ? "folder " : "file ") + entry->name : std::string("<none>");
       }},
      {"longName", [&](const Arguments& a) {
         const std::string name = files.longName(temp.path() + a[0]);
         return name.starts_with(temp.path()) ? name.substr(temp.path().size()) : name;
       }},
      {"list", [&](const Arguments& a) {  // folders end in "/"
         std::string names;
         for (const auto& entry : files.list(temp.path() + a[0], a[1])) {
           names += (names.empty() ? "" : " | ") + entry.name + (entry.isFolder ? "/" : "");
         }
         return names;
       }},
  });
}

QM_CASES_FROM(NativePaths, "platform/native_files.txt");

class NativeFiles : public ::testing::Test {
 protected:
  void SetUp() override { makeFolders(temp); }
  Names entriesOf(const std::string& folder) const {
    Names names;
    for (const auto& entry : files.list(at(folder), "*")) names.push_back(entry.name);
    return names;
  }
  std::string at(const std::string& relative) const { return temp.path() + relative; }

  testing::TempFolder temp;
  NativeFileSystem files;
};

TEST_F(NativeFiles, NamesAddedAndRemovedMeanwhileAreSeenUnderAnyCase) {
  const std::string forms = at("Billing\\Forms\\");
  ASSERT_FALSE(files.exists(forms + "FRMABOUT.FRM"));  // the folder's names are now known
  ASSERT_TRUE(files.writeFile(forms + "frmAbout.frm", "A\r\n").ok());
  const auto staged = files.stageBeside(forms + "frmLogin.frm", "L\r\n");
  ASSERT_TRUE(staged.ok()) << staged.message();
  ASSERT_TRUE(files.commitStaged(*staged, forms + "frmLogin.frm").ok());
  temp.write("Billing/Forms/frmOther.frm", "O\r\n");  // written by another program
  EXPECT_EQ(files.lookUp(forms + "FRMABOUT.FRM")->name, "frmAbout.frm");
  EXPECT_EQ(files.lookUp(forms + "frmlogin.FRM")->name, "frmLogin.frm");
  EXPECT_EQ(files.lookUp(forms + "FRMOTHER.frm")->name, "frmOther.frm");
  ASSERT_TRUE(files.removeFile(forms + "frmabout.frm").ok());
  EXPECT_FALSE(files.exists(forms + "FRMABOUT.FRM"));
  EXPECT_EQ(entriesOf("Billing/Forms"), (Names{"frmLogin.frm", "frmMain.frm", "frmOther.frm"}));
}

TEST_F(NativeFiles, WritingCopyingAndMovingReplaceTheTargetUnderAnyCaseKeepingEveryByte) {
  const std::string bytes("'Cr\xE9" "dit\0\r\nlast line without terminator", 38);
  ASSERT_TRUE(files.writeFile(at("BILLING\\BILLING.VBP"), bytes).ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), bytes);
  EXPECT_EQ(entriesOf("Billing"), (Names{"Billing.vbp", "Forms"}));
  const std::string source = at("Shared\\modShared.bas");
  ASSERT_TRUE(files.copyFile(source, at("BILLING\\billing.vbp")).ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Attribute VB_Name = \"modShared\"\r\n");
  ASSERT_TRUE(files.copyFile(source, source).ok());
  EXPECT_EQ(temp.read("Shared/modShared.bas"), "Attribute VB_Name = \"modShared\"\r\n");
  ASSERT_TRUE(files.moveFile(at("billing\\forms\\FRMMAIN.FRM"), at("Billing\\frmMain.frm")).ok());
  EXPECT_FALSE(temp.exists("Billing/Forms/frmMain.frm"));
  EXPECT_EQ(temp.read("Billing/frmMain.frm"), "VERSION 5.00\r\n");
}

TEST_F(NativeFiles, ACopyTakesItsSourcesModeAndAListingTellsLinksFromFiles) {
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

TEST_F(NativeFiles, AReadOnlyFileOrAFolderIsRefusedAndKeptWithNothingBesideIt) {
  const std::string target = temp.file("Billing/Billing.vbp");
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  Status written = files.writeFile(at("Billing\\Billing.vbp"), "Type=OleDll\r\n");
  EXPECT_FALSE(written.ok());
  EXPECT_NE(written.message().find("Billing.vbp"), std::string::npos) << written.message();
  EXPECT_FALSE(files.copyFile(at("Shared\\modShared.bas"), target).ok());
  EXPECT_FALSE(files.removeFile(target).ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Type=Exe\r\n");
  EXPECT_FALSE(files.writeFile(at("Billing\\Forms"), "x").ok());
  EXPECT_TRUE(files.isFolder(at("Billing\\Forms")));
  EXPECT_EQ(entriesOf("Billing"), (Names{"Billing.vbp", "Forms"}));
  ::chmod(target.c_str(), 0644);
}

TEST_F(NativeFiles, FoldersAreCreatedOnceAndRemoved) {
  ASSERT_TRUE(files.createFolder(at("Billing\\Backup_1")).ok());
  EXPECT_TRUE(files.isFolder(at("billing\\backup_1")));
  EXPECT_FALSE(files.createFolder(at("Billing\\Backup_1")).ok());
  EXPECT_FALSE(files.createFolder(at("Missing\\Backup_1")).ok());
  ASSERT_TRUE(files.removeFolder(at("BILLING\\BACKUP_1\\")).ok());
  EXPECT_FALSE(temp.exists("Billing/Backup_1"));
}

}  // namespace
}  // namespace qm
