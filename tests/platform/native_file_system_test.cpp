// The native file system: paths in the product's Windows form resolved
// without regard to case, and writes that never leave a file half written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Names = std::vector<std::string>;

class NativeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
    temp.write("Billing/Forms/frmMain.frm", "VERSION 5.00\r\n");
    temp.write("Shared/modShared.bas", "Attribute VB_Name = \"modShared\"\r\n");
  }
  Names entriesOf(const std::string& folder, const std::string& pattern = "*") const {
    Names names;
    for (const auto& entry : files.list(at(folder), pattern)) names.push_back(entry.name);
    return names;
  }
  std::string at(const std::string& relative) const { return temp.path() + relative; }

  testing::TempFolder temp;
  NativeFileSystem files;
};

TEST_F(NativeFiles, ResolveEveryComponentWithoutRegardToCase) {
  const std::pair<const char*, const char*> read[] = {
      {"Billing\\Forms\\FRMMAIN.FRM", "VERSION 5.00\r\n"},
      {"billing/FORMS/frmmain.frm", "VERSION 5.00\r\n"},
      {"billing\\..\\SHARED\\MODSHARED.BAS", "Attribute VB_Name = \"modShared\"\r\n"},
      {"Billing\\Forms\\..\\..\\shared\\modshared.bas", "Attribute VB_Name = \"modShared\"\r\n"}};
  for (const auto& [path, content] : read) {
    auto got = files.readFile(at(path));
    ASSERT_TRUE(got.ok()) << path << ": " << got.message();
    EXPECT_EQ(*got, content) << path;
  }
  auto missing = files.readFile(at("Billing\\Nowhere.bas"));
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("Nowhere.bas"), std::string::npos) << missing.message();
  // The long name spells each component as listed; empty when any is missing.
  const std::pair<const char*, const char*> longNames[] = {
      {"BILLING\\FORMS\\FRMMAIN.FRM", "Billing/Forms/frmMain.frm"}, {"billing\\billing.vbp", "Billing/Billing.vbp"},
      {"Billing\\Forms", "Billing/Forms"}, {"Billing\\Forms\\", "Billing/Forms"}, {"Billing\\Nowhere\\frmMain.frm", ""},
      {"Billing\\Forms\\frmMissing.frm", ""}, {"Gone\\Billing.vbp", ""}};
  for (const auto& [path, longName] : longNames) {
    EXPECT_EQ(files.longName(at(path)), *longName ? at(longName) : "") << path;
  }
  auto form = files.lookUp(at("billing\\forms\\FRMMAIN.frm"));
  ASSERT_TRUE(form.has_value());
  EXPECT_EQ(form->name, "frmMain.frm");
  EXPECT_FALSE(form->isFolder);
  auto folder = files.lookUp(at("BILLING\\FORMS\\"));
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->name, "Forms");
  EXPECT_TRUE(folder->isFolder);
  EXPECT_FALSE(files.lookUp(at("Billing\\frmMain.frm")).has_value());
  EXPECT_TRUE(files.isFile(at("Billing\\BILLING.VBP")));
  EXPECT_TRUE(files.isFolder(at("shared")));
}

TEST_F(NativeFiles, NamesAddedAndRemovedMeanwhileAreSeenUnderAnyCase) {
  const std::string forms = at("Billing\\Forms\\");
  ASSERT_FALSE(files.exists(forms + "FRMABOUT.FRM"));  // the folder's names are now known
  ASSERT_TRUE(files.writeFile(forms + "frmAbout.frm", "A\r\n").ok());
  ASSERT_TRUE(files.writeScratchFile(forms + "frmLogin.frm", "L\r\n").ok());
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

TEST_F(NativeFiles, ListingMatchesPatternsWithoutRegardToCaseInNameOrder) {
  for (const char* name : {"Simple.style", "loud.STYLE", "Other.Style", "notes.styles", "style"}) {
    temp.write(std::string("Program/") + name, "");
  }
  temp.makeFolder("Program/Folder.style");
  const Names styles = {"Folder.style", "Other.Style", "Simple.style", "loud.STYLE"};
  EXPECT_EQ(entriesOf("PROGRAM", "*.style"), styles);
  EXPECT_EQ(entriesOf("PROGRAM", "*.STYLE"), styles);
  EXPECT_EQ(entriesOf("PROGRAM", "s*"), (Names{"Simple.style", "style"}));
  EXPECT_EQ(entriesOf("PROGRAM", "SIMPLE.STYLE"), Names{"Simple.style"});
  EXPECT_EQ(entriesOf("PROGRAM", "*.bas"), Names{});
  auto listed = files.list(at("Program"), "Folder.*");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_TRUE(listed[0].isFolder);
}

}  // namespace
}  // namespace qm
