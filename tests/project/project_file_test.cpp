#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "project/project_file.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

class ProjectFiles : public testing::CaseTest {};

TEST_P(ProjectFiles, LoadAsTheTableSays) {
  TempFolder temp;
  NativeFileSystem files;
  temp.write("Project.vbp", c.text("vbp"));
  const ProjectDetails details = LoadProjectDetails(files, temp.path() + "Project.vbp");
  std::string members;
  for (const std::string& member : details.members) members += member + "\r\n";
  EXPECT_EQ(members, c.text("members", ""));
  EXPECT_EQ(details.loaded, !c.has("failure")) << details.failure;
  if (!details.loaded) {
    EXPECT_EQ(details.name, "");
    EXPECT_EQ(details.failure, "Cannot read the project file '" + temp.path() + "Project.vbp': " + c.text("failure"));
    return;
  }
  EXPECT_TRUE(details.failure.empty()) << details.failure;
  EXPECT_EQ(details.detailsText, c.text("details"));
  EXPECT_EQ("Project Name: " + details.name, c.lines("details")[0]);
  EXPECT_EQ(details.isExe, c.flag("exe", false));
  EXPECT_EQ(details.fileCount, static_cast<std::int16_t>(details.members.size()));
}

QM_CASES_FROM(ProjectFiles, "project/project_details.txt");

TEST(LoadProjectDetails, AMissingFileFails) {
  TempFolder temp;
  NativeFileSystem files;
  const ProjectDetails details = LoadProjectDetails(files, temp.path() + "Gone.vbp");
  EXPECT_FALSE(details.loaded);
  EXPECT_EQ(details.name, "");
  EXPECT_TRUE(details.members.empty());
  EXPECT_FALSE(details.failure.empty());
}

TEST(LoadProjectDetails, FailsWhenACounterOrTheMembersTogetherPass32767) {
  TempFolder temp;
  NativeFileSystem files;
  std::string oneCounter = "Name=\"Huge\"\r\n";
  for (int i = 0; i < 32768; ++i) oneCounter += "Form=f" + std::to_string(i) + ".frm\r\n";
  std::string together = "Name=\"Huge\"\r\n";
  for (int i = 0; i < 20000; ++i) together += "Form=f" + std::to_string(i) + ".frm\r\n";
  for (int i = 0; i < 20000; ++i) together += "Module=M" + std::to_string(i) + "; m.bas\r\n";
  for (const std::string* text : {&oneCounter, &together}) {
    temp.write("Huge.vbp", *text);
    const ProjectDetails details = LoadProjectDetails(files, temp.path() + "Huge.vbp");
    EXPECT_FALSE(details.loaded);
    EXPECT_EQ(details.name, "");
    if (text == &oneCounter) {
      EXPECT_EQ(details.members.size(), 32767u);
    }
  }
}

TEST(LoadProjectDetails, TheExampleProjectLoads) {
  NativeFileSystem files;
  const ProjectDetails details = LoadProjectDetails(files, testing::exampleFolder() + "Billing.vbp");
  ASSERT_TRUE(details.loaded) << details.failure;
  EXPECT_EQ(details.name, "Billing");
  EXPECT_TRUE(details.isExe);
  EXPECT_EQ(details.fileCount, 4);
  for (const auto& member : details.members) {
    EXPECT_TRUE(files.isFile(testing::exampleFolder() + member)) << member;
  }
}

TEST(SGetLongFileName, GivesEachComponentAsListedOrNothing) {
  TempFolder temp;
  temp.write("Work/Billing/Billing.vbp", "Name=\"Billing\"\r\n");
  NativeFileSystem files;
  // Each system writes its own separator between the components.
  const auto slashed = [](std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  };
  const std::string listed = slashed(temp.path() + "Work/Billing/Billing.vbp");
  EXPECT_EQ(slashed(sGetLongFileName(files, temp.path() + "WORK\\billing\\BILLING.VBP")), listed);
  EXPECT_EQ(slashed(sGetLongFileName(files, temp.path() + "Work\\Billing\\Billing.vbp")), listed);
  EXPECT_EQ(sGetLongFileName(files, temp.path() + "Work\\Gone\\Billing.vbp"), "");
  EXPECT_EQ(sGetLongFileName(files, temp.path() + "Work\\Billing\\Other.vbp"), "");
  EXPECT_EQ(sGetLongFileName(files, ""), "");
}

class MemberVbName : public testing::CaseTest {};

TEST_P(MemberVbName, GivesWhatTheTableSays) {
  testing::expectRows(c, {{"memberVbName", [](const std::vector<std::string>& a) { return memberVbName(a[0]); }}});
}

QM_CASES_FROM(MemberVbName, "project/member_vb_name.txt");

}  // namespace
}  // namespace qm
