#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "project/project_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

const std::string kProject = crlf({"Type=Exe", "Form=Forms\\frmMain.frm", "Module=Utilities; modUtil.bas",
                                   "Name=\"Billing\"", "MajorVer=1"});

const std::string kFormWithTwoLibraries = crlf({
    "VERSION 5.00",
    "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"",
    "Object = \"{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0\"; \"COMDLG32.OCX\"",
    "Begin VB.Form frmReport ",
    "   Caption         =   \"Report\"",
    "End",
    "Attribute VB_Name = \"frmReport\"",
    "Option Explicit",
});

struct AddCase {
  const char* name;
  std::string memberFile;  // as written to disk
  std::string memberText;
  std::string memberArgument;  // as passed; "" = memberFile
  std::string project;
  std::string expected;  // the whole project file afterwards
};

class AddFileToProjectTest : public ::testing::Test {
 protected:
  std::vector<std::string> projectFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : files.list(temp.path(), "*")) names.push_back(entry.name);
    return names;
  }

  TempFolder temp;
  NativeFileSystem files;
};

TEST_F(AddFileToProjectTest, PutsTheMemberLinesFirst) {
  const std::string kOdd = "Type=Exe\nModule=GlobalVariables; GlobalVariables.bas\r\nName=\"A\"";
  const std::vector<AddCase> cases = {
      {"generated module", "GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\"", "Option Explicit"}),
       "", kProject, "Module=GlobalVariables; GlobalVariables.bas\r\n" + kProject},
      {"module named apart from its file", "modTools.bas", crlf({"Attribute VB_Name = \"Tools\""}), "", kProject,
       "Module=Tools; modTools.bas\r\n" + kProject},
      {"class", "clsLedger.cls",
       crlf({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END", "Attribute VB_Name = \"clsLedger\""}), "",
       kProject, "Class=clsLedger; clsLedger.cls\r\n" + kProject},
      {"form with two control libraries", "frmReport.frm", kFormWithTwoLibraries, "", kProject,
       crlf({"Form=frmReport.frm", "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX",
             "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX"}) +
           kProject},
      {"other extension with a VB name", "ctlGrid.ctl",
       crlf({"VERSION 5.00", "Object = \"{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0\"; \"MSFLXGRD.OCX\"",
             "Attribute VB_Name = \"ctlGrid\""}),
       "", kProject, crlf({"", "Object={5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0; MSFLXGRD.OCX"}) + kProject},
      {"related document", "ReadMe.txt", "not read\r\n", "README.TXT", kProject, "RelatedDoc=ReadMe.txt\r\n" + kProject},
      {"file name as the folder lists it", "GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}),
       "globalvariables.BAS", kProject, "Module=GlobalVariables; GlobalVariables.bas\r\n" + kProject},
      {"project lines get CR LF, the last one too", "GlobalVariables.bas",
       crlf({"Attribute VB_Name = \"GlobalVariables\""}), "", "Type=Exe\nName=\"A\"",
       crlf({"Module=GlobalVariables; GlobalVariables.bas", "Type=Exe", "Name=\"A\""})},
      {"library the project already uses is not repeated", "frmReport.frm", kFormWithTwoLibraries, "",
       "object={831fdd16-0c5c-11d2-a9fc-0000f8754da1}#2.0#0; mscomctl.ocx\r\n" + kProject,
       crlf({"Form=frmReport.frm", "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX",
             "object={831fdd16-0c5c-11d2-a9fc-0000f8754da1}#2.0#0; mscomctl.ocx"}) +
           kProject},
      {"form already a member, its new library still added", "frmReport.frm", kFormWithTwoLibraries, "",
       crlf({"Form=frmReport.frm", "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX"}),
       crlf({"Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX", "Form=frmReport.frm",
             "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX"})},
      // Nothing to add: the project stays byte for byte, odd line ends and all.
      {"no VB name", "Helpers.bas", crlf({"Option Explicit", "Public x As Long"}), "", kOdd, kOdd},
      {"VB name not at the start of the line", "Helpers.bas", crlf({"  Attribute VB_Name = \"Helpers\""}), "", kOdd,
       kOdd},
      {"member already listed, in another case", "GlobalVariables.bas",
       crlf({"Attribute VB_Name = \"globalvariables\""}), "", kOdd, kOdd},
      {"other extension without libraries", "ctlGrid.ctl", crlf({"Attribute VB_Name = \"ctlGrid\""}), "", kOdd, kOdd},
  };
  for (const auto& c : cases) {
    temp.write("Billing.vbp", c.project);
    temp.write(c.memberFile, c.memberText);
    Workspace workspace{files, temp.path() + "Program/", temp.path() + "Working/"};
    const std::string member = temp.path() + (c.memberArgument.empty() ? c.memberFile : c.memberArgument);
    Status status = AddFileToProject(workspace, temp.path() + "Billing.vbp", member);
    EXPECT_TRUE(status.ok()) << c.name << ": " << status.message();
    EXPECT_EQ(temp.read("Billing.vbp"), c.expected) << c.name;
    ::unlink(temp.file(c.memberFile).c_str());
  }
}

TEST_F(AddFileToProjectTest, AddingTheSameModuleTwiceListsItOnce) {
  temp.write("Billing.vbp", kProject);
  temp.write("GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}));
  Workspace workspace{files, temp.path(), temp.path()};
  ASSERT_TRUE(AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + "GlobalVariables.bas").ok());
  ASSERT_TRUE(AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + "GlobalVariables.bas").ok());
  EXPECT_EQ(temp.read("Billing.vbp"), "Module=GlobalVariables; GlobalVariables.bas\r\n" + kProject);
  EXPECT_EQ(projectFolderEntries(), (std::vector<std::string>{"Billing.vbp", "GlobalVariables.bas"}));
}

TEST_F(AddFileToProjectTest, AMissingMemberOrProjectFailsAndChangesNothing) {
  temp.write("Billing.vbp", kProject);
  Workspace workspace{files, temp.path(), temp.path()};
  EXPECT_FALSE(AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + "Gone.bas").ok());
  EXPECT_EQ(temp.read("Billing.vbp"), kProject);
  temp.write("GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}));
  EXPECT_FALSE(AddFileToProject(workspace, temp.path() + "Other.vbp", temp.path() + "GlobalVariables.bas").ok());
  EXPECT_EQ(projectFolderEntries(), (std::vector<std::string>{"Billing.vbp", "GlobalVariables.bas"}));
}

TEST_F(AddFileToProjectTest, AReadOnlyProjectIsRefusedUnchangedAndNoScratchRemains) {
  temp.write("Billing.vbp", kProject);
  temp.write("GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}));
  temp.setReadOnly("Billing.vbp");
  Workspace workspace{files, temp.path(), temp.path()};
  Status status = AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + "GlobalVariables.bas");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Billing.vbp"), std::string::npos) << status.message();
  EXPECT_EQ(temp.read("Billing.vbp"), kProject);
  EXPECT_EQ(projectFolderEntries(), (std::vector<std::string>{"Billing.vbp", "GlobalVariables.bas"}));
  temp.setReadOnly("Billing.vbp", false);
}

TEST(AddFileToProjectFaults, AFailingStepLeavesTheProjectAsItWas) {
  using testing::FaultyFileSystem;
  using testing::Operation;
  struct Case {
    const char* name;
    FaultyFileSystem::Rule rule;
  };
  const std::vector<Case> cases = {
      {"project cannot be written", [](Operation op, const std::string&) { return op == Operation::Write; }},
      {"member cannot be read", [](Operation op, const std::string& path) {
         return op == Operation::Read && path.find("GlobalVariables") != std::string::npos;
       }},
  };
  for (const auto& c : cases) {
    TempFolder temp;
    temp.write("Billing.vbp", kProject);
    temp.write("GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}));
    FaultyFileSystem faulty(c.rule);
    Workspace workspace{faulty, temp.path(), temp.path()};
    Status status = AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + "GlobalVariables.bas");
    EXPECT_FALSE(status.ok()) << c.name;
    EXPECT_NE(status.message().find("injected"), std::string::npos) << c.name << ": " << status.message();
    EXPECT_EQ(temp.read("Billing.vbp"), kProject) << c.name;
  }
}

TEST(AddFileToProjectFaults, NoScratchFileOfAFixedNameIsWritten) {
  using testing::FaultyFileSystem;
  using testing::Operation;
  TempFolder temp;
  temp.write("Project/Billing.vbp", kProject);
  temp.write("Project/GlobalVariables.bas", crlf({"Attribute VB_Name = \"GlobalVariables\""}));
  std::vector<std::string> written;
  FaultyFileSystem faulty([&](Operation op, const std::string& path) {
    if (op == Operation::Write) written.push_back(path);
    return false;
  });
  Workspace workspace{faulty, temp.path() + "Program/", temp.path() + "Working/"};
  ASSERT_TRUE(
      AddFileToProject(workspace, temp.path() + "Project/Billing.vbp", temp.path() + "Project/GlobalVariables.bas").ok());
  EXPECT_EQ(written, std::vector<std::string>{temp.path() + "Project/Billing.vbp"});
}

}  // namespace
}  // namespace qm
