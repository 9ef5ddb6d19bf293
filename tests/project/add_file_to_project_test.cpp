#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "project/project_file.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

const std::string kProject = crlf({"Type=Exe", "Form=Forms\\frmMain.frm", "Module=Utilities; modUtil.bas",
                                   "Name=\"Billing\"", "MajorVer=1"});

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

class AddMember : public testing::CaseTest {};

TEST_P(AddMember, PutsTheMemberLinesFirst) {
  TempFolder temp;
  NativeFileSystem files;
  temp.write("Billing.vbp", c.text("project"));
  temp.write(c.text("file"), c.text("member"));
  Workspace workspace{files, temp.path() + "Program/", temp.path() + "Working/"};
  const Status status = AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + c.text("argument", c.text("file")));
  EXPECT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(temp.read("Billing.vbp"), c.text("expected"));
}

QM_CASES_FROM(AddMember, "project/add_member.txt");

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
