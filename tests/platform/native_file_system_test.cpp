#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::TempFolder;

class NativeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
    temp.write("Billing/Forms/frmMain.frm", "VERSION 5.00\r\n");
    temp.write("Shared/modShared.bas", "Attribute VB_Name = \"modShared\"\r\n");
  }

  std::vector<std::string> entriesOf(const std::string& folder, const std::string& pattern = "*") const {
    std::vector<std::string> names;
    for (const auto& entry : files.list(folder, pattern)) names.push_back(entry.name);
    return names;
  }

  TempFolder temp;
  NativeFileSystem files;
};

TEST_F(NativeFiles, ResolvesEveryComponentWithoutRegardToCase) {
  struct Case {
    std::string path;  // relative to the temp folder, in the product's form
    std::string content;
  };
  const std::vector<Case> cases = {
      {"Billing\\Forms\\frmMain.frm", "VERSION 5.00\r\n"},
      {"Billing\\Forms\\FRMMAIN.FRM", "VERSION 5.00\r\n"},
      {"BILLING\\forms\\FrmMain.Frm", "VERSION 5.00\r\n"},
      {"billing/FORMS/frmmain.frm", "VERSION 5.00\r\n"},
      {"Billing\\..\\Shared\\modShared.bas", "Attribute VB_Name = \"modShared\"\r\n"},
      {"billing\\..\\SHARED\\MODSHARED.BAS", "Attribute VB_Name = \"modShared\"\r\n"},
      {"Billing\\Forms\\..\\..\\shared\\modshared.bas", "Attribute VB_Name = \"modShared\"\r\n"},
  };
  for (const auto& c : cases) {
    auto content = files.readFile(temp.path() + c.path);
    ASSERT_TRUE(content.ok()) << c.path << ": " << content.message();
    EXPECT_EQ(*content, c.content) << c.path;
  }
}

TEST_F(NativeFiles, ReadingAMissingFileNamesTheFile) {
  auto content = files.readFile(temp.path() + "Billing\\Nowhere.bas");
  ASSERT_FALSE(content.ok());
  EXPECT_NE(content.message().find("Nowhere.bas"), std::string::npos) << content.message();
}

TEST_F(NativeFiles, LongNameSpellsEachComponentAsListedAndIsEmptyWhenAnyIsMissing) {
  struct Case {
    std::string path, longName;  // relative to the temp folder; "" = expect empty
  };
  const std::vector<Case> cases = {
      {"BILLING\\FORMS\\FRMMAIN.FRM", "Billing/Forms/frmMain.frm"},
      {"billing\\billing.vbp", "Billing/Billing.vbp"},
      {"Billing\\Forms", "Billing/Forms"},
      {"Billing\\Forms\\", "Billing/Forms"},
      {"Billing\\Nowhere\\frmMain.frm", ""},
      {"Billing\\Forms\\frmMissing.frm", ""},
      {"Gone\\Billing.vbp", ""},
  };
  // Each system writes its own separator between the components.
  const auto slashed = [](std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  };
  for (const auto& c : cases) {
    const std::string expected = c.longName.empty() ? "" : temp.path() + c.longName;
    EXPECT_EQ(slashed(files.longName(temp.path() + c.path)), slashed(expected)) << c.path;
  }
}

TEST_F(NativeFiles, LookUpGivesTheEntryAsListed) {
  auto form = files.lookUp(temp.path() + "billing\\forms\\FRMMAIN.frm");
  ASSERT_TRUE(form.has_value());
  EXPECT_EQ(form->name, "frmMain.frm");
  EXPECT_FALSE(form->isFolder);
  auto folder = files.lookUp(temp.path() + "BILLING\\FORMS\\");
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->name, "Forms");
  EXPECT_TRUE(folder->isFolder);
  EXPECT_FALSE(files.lookUp(temp.path() + "Billing\\frmMain.frm").has_value());
  EXPECT_TRUE(files.isFile(temp.path() + "Billing\\BILLING.VBP"));
  EXPECT_TRUE(files.isFolder(temp.path() + "shared"));
}

TEST_F(NativeFiles, WritingUnderAnotherCaseReplacesTheExistingFile) {
  ASSERT_TRUE(files.writeFile(temp.path() + "BILLING\\BILLING.VBP", "Type=OleDll\r\n").ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Type=OleDll\r\n");
  EXPECT_EQ(entriesOf(temp.path() + "Billing"), (std::vector<std::string>{"Billing.vbp", "Forms"}));
}

TEST_F(NativeFiles, NamesAddedAndRemovedMeanwhileAreSeenUnderAnyCase) {
  const std::string forms = temp.path() + "Billing\\Forms\\";
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
  EXPECT_EQ(entriesOf(temp.path() + "Billing/Forms"),
            (std::vector<std::string>{"frmLogin.frm", "frmMain.frm", "frmOther.frm"}));
}

TEST_F(NativeFiles, WritingKeepsEveryByte) {
  const std::string bytes("'Cr\xE9" "dit\0\r\nlast line without terminator", 38);
  ASSERT_TRUE(files.writeFile(temp.path() + "Billing\\bytes.bas", bytes).ok());
  EXPECT_EQ(temp.read("Billing/bytes.bas"), bytes);
}

TEST_F(NativeFiles, AReadOnlyFileIsRefusedAndKeepsItsContent) {
  const std::string target = temp.file("Billing/Billing.vbp");
  temp.setReadOnly("Billing/Billing.vbp");
  Status written = files.writeFile(temp.path() + "Billing\\Billing.vbp", "Type=OleDll\r\n");
  EXPECT_FALSE(written.ok());
  EXPECT_NE(written.message().find("Billing.vbp"), std::string::npos) << written.message();
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Type=Exe\r\n");
  EXPECT_FALSE(files.copyFile(temp.path() + "Shared\\modShared.bas", target).ok());
  EXPECT_FALSE(files.removeFile(target).ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Type=Exe\r\n");
  // Nothing half-written is left beside it.
  EXPECT_EQ(entriesOf(temp.path() + "Billing"), (std::vector<std::string>{"Billing.vbp", "Forms"}));
  temp.setReadOnly("Billing/Billing.vbp", false);
}

TEST_F(NativeFiles, ReplacingAFolderFailsAndLeavesItAlone) {
  EXPECT_FALSE(files.writeFile(temp.path() + "Billing\\Forms", "x").ok());
  EXPECT_TRUE(files.isFolder(temp.path() + "Billing\\Forms"));
  EXPECT_EQ(entriesOf(temp.path() + "Billing"), (std::vector<std::string>{"Billing.vbp", "Forms"}));
}

TEST_F(NativeFiles, CopyAndMoveReplaceTheirTargets) {
  const std::string source = temp.path() + "Shared\\modShared.bas";
  ASSERT_TRUE(files.copyFile(source, temp.path() + "BILLING\\billing.vbp").ok());
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Attribute VB_Name = \"modShared\"\r\n");
  EXPECT_TRUE(temp.exists("Shared/modShared.bas"));
  ASSERT_TRUE(files.copyFile(source, source).ok());
  EXPECT_EQ(temp.read("Shared/modShared.bas"), "Attribute VB_Name = \"modShared\"\r\n");

  ASSERT_TRUE(files.moveFile(temp.path() + "billing\\forms\\FRMMAIN.FRM", temp.path() + "Billing\\frmMain.frm").ok());
  EXPECT_FALSE(temp.exists("Billing/Forms/frmMain.frm"));
  EXPECT_EQ(temp.read("Billing/frmMain.frm"), "VERSION 5.00\r\n");
}

TEST_F(NativeFiles, FoldersAreCreatedAndRemoved) {
  ASSERT_TRUE(files.createFolder(temp.path() + "Billing\\Backup_1").ok());
  EXPECT_TRUE(files.isFolder(temp.path() + "billing\\backup_1"));
  EXPECT_FALSE(files.createFolder(temp.path() + "Billing\\Backup_1").ok());
  EXPECT_FALSE(files.createFolder(temp.path() + "Missing\\Backup_1").ok());
  ASSERT_TRUE(files.removeFolder(temp.path() + "BILLING\\BACKUP_1\\").ok());
  EXPECT_FALSE(temp.exists("Billing/Backup_1"));
}

TEST_F(NativeFiles, ListingMatchesPatternsWithoutRegardToCaseInNameOrder) {
  temp.write("Program/Simple.style", "");
  temp.write("Program/loud.STYLE", "");
  temp.write("Program/Other.Style", "");
  temp.write("Program/notes.styles", "");
  temp.write("Program/style", "");
  temp.makeFolder("Program/Folder.style");
  struct Case {
    std::string pattern;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"*.style", {"Folder.style", "Other.Style", "Simple.style", "loud.STYLE"}},
      {"*.STYLE", {"Folder.style", "Other.Style", "Simple.style", "loud.STYLE"}},
      {"s*", {"Simple.style", "style"}},
      {"SIMPLE.STYLE", {"Simple.style"}},
      {"*.bas", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(entriesOf(temp.path() + "PROGRAM", c.pattern), c.names) << c.pattern;
  }
  auto listed = files.list(temp.path() + "Program", "Folder.*");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_TRUE(listed[0].isFolder);
}

}  // namespace
}  // namespace qm
