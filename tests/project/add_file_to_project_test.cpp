// Adding a file to a project: the member lines as tests/data/project/
// add_member.txt says, and every failure leaving the project as it was.
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

using testing::FaultyFileSystem;
using testing::Operation;
using testing::TempFolder;

class AddMember : public testing::CaseTest {};

TEST_P(AddMember, PutsTheMemberLinesFirstWritingOnlyTheProject) {
  TempFolder temp;
  temp.write("Billing.vbp", c.text("project"));
  temp.write(c.text("file"), c.text("member"));
  std::vector<std::string> written;
  FaultyFileSystem files([&written](Operation op, const std::string& path) {
    if (op == Operation::Write) written.push_back(path);
    return false;
  });
  Workspace workspace{files, temp.path() + "Program/", temp.path() + "Working/"};
  for (int time = 0; time < c.number("times"); ++time) {
    const Status status =
        AddFileToProject(workspace, temp.path() + "Billing.vbp", temp.path() + c.text("argument", c.text("file")));
    EXPECT_TRUE(status.ok()) << status.message();
  }
  EXPECT_EQ(temp.read("Billing.vbp"), c.text("expected"));
  for (const std::string& path : written) EXPECT_EQ(path, temp.path() + "Billing.vbp");
}

QM_CASES_FROM(AddMember, "project/add_member.txt");

TEST(AddFileToProject, AFailureLeavesTheProjectAsItWasAndNothingBesideIt) {
  const std::string project = "Type=Exe\r\nName=\"Billing\"\r\n";
  struct Failure {
    const char* name;
    std::string projectFile, memberFile;
    FaultyFileSystem::Rule rule;
    const char* named;  // what the message names
  };
  const auto never = [](Operation, const std::string&) { return false; };
  const std::vector<Failure> failures = {
      {"missing member", "Billing.vbp", "Gone.bas", never, "Gone.bas"},
      {"missing project", "Other.vbp", "GlobalVariables.bas", never, "Other.vbp"},
      {"read-only project", "Billing.vbp", "GlobalVariables.bas", never, "Billing.vbp"},
      {"project cannot be written", "Billing.vbp", "GlobalVariables.bas",
       [](Operation op, const std::string&) { return op == Operation::Write; }, "injected"},
      {"member cannot be read", "Billing.vbp", "GlobalVariables.bas",
       [](Operation op, const std::string& path) { return op == Operation::Read && path.ends_with(".bas"); },
       "injected"},
  };
  for (const Failure& failure : failures) {
    TempFolder temp;
    temp.write("Billing.vbp", project);
    temp.write("GlobalVariables.bas", "Attribute VB_Name = \"GlobalVariables\"\r\n");
    temp.setReadOnly("Billing.vbp", failure.name == std::string("read-only project"));
    FaultyFileSystem files(failure.rule);
    Workspace workspace{files, temp.path(), temp.path()};
    const Status status = AddFileToProject(workspace, temp.path() + failure.projectFile, temp.path() + failure.memberFile);
    EXPECT_FALSE(status.ok()) << failure.name;
    EXPECT_NE(status.message().find(failure.named), std::string::npos) << failure.name << ": " << status.message();
    EXPECT_EQ(temp.read("Billing.vbp"), project) << failure.name;
    if (failure.named == std::string("injected")) continue;  // a failed write leaves its cut-off file, as a full disk does
    std::vector<std::string> names;
    for (const auto& entry : files.list(temp.path(), "*")) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Billing.vbp", "GlobalVariables.bas"})) << failure.name;
  }
}

}  // namespace
}  // namespace qm
