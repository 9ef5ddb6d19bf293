#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "project/project_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

std::string detailsText(const std::string& name, const std::string& type, const std::string& version, int modules,
                        int classes, int forms) {
  return crlf({"Project Name: " + name, "Project Type: " + type, "Project Version: " + version,
               "Number of modules: " + std::to_string(modules), "Number of classes: " + std::to_string(classes),
               "Number of forms: " + std::to_string(forms)});
}

struct LoadCase {
  const char* name;
  std::string text;
  std::string projectName;
  std::string details;
  std::vector<std::string> members;
  bool isExe;
};

TEST(LoadProjectDetails, ReadsTheLinesVisualBasicWrites) {
  const std::vector<LoadCase> cases = {
      {"ordinary project",
       crlf({"Type=Exe", "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#stdole2.tlb#OLE Automation",
             "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX", "Form=Forms\\frmMain.frm",
             "Module=Utilities; modUtil.bas", "Class=clsInvoice; clsInvoice.cls",
             "Module=modShared; ..\\Shared\\modShared.bas", "UserControl=ctlGrid.ctl", "Startup=\"frmMain\"",
             "ExeName32=\"Billing.exe\"", "Name=\"Billing\"", "MajorVer=1", "MinorVer=4", "RevisionVer=27",
             "VersionCompanyName=\"Harrow Lane\"", "MaxNumberOfThreads=1", "", "[MS Transaction Server]",
             "AutoRefresh=1"}),
       "Billing",
       detailsText("Billing", "Exe", "1.4.27", 2, 1, 1),
       {"Forms\\frmMain.frm", "modUtil.bas", "clsInvoice.cls", "..\\Shared\\modShared.bas"},
       true},
      {"no version lines", crlf({"Type=OleDll", "Name=\"Parts\""}), "Parts", detailsText("Parts", "OleDll", "..", 0, 0, 0),
       {}, false},
      {"type compared without case", crlf({"Type=EXE", "Name=\"A\""}), "A", detailsText("A", "EXE", "..", 0, 0, 0), {},
       true},
      {"module line without a blank loses one character", crlf({"Name=\"A\"", "Module=modA;modA.bas"}), "A",
       detailsText("A", "", "..", 1, 0, 0), {"odA.bas"}, false},
      {"semicolon at the end gives an empty path", crlf({"Name=\"A\"", "Module=modA;"}), "A",
       detailsText("A", "", "..", 1, 0, 0), {""}, false},
      {"keys in any case, five characters only",
       crlf({"NAME=\"A\"", "CLASS=C1; c1.cls", "class=C2; c2.cls", "Classic=C3; c3.cls", "MODULE=M; m.bas",
             "FORM=f.frm", "form=g.frm"}),
       "A", detailsText("A", "", "..", 1, 3, 2), {"c1.cls", "c2.cls", "c3.cls", "m.bas", "f.frm", "g.frm"}, false},
      {"last value wins",
       crlf({"Type=OleDll", "Name=\"First\"", "MajorVer=1", "Type=Exe", "Name=\"Second\"", "MajorVer=2"}), "Second",
       detailsText("Second", "Exe", "2..", 0, 0, 0), {}, true},
      {"no Name line loads with an empty name", crlf({"Type=Exe", "Form=frmA.frm"}), "",
       detailsText("", "Exe", "..", 0, 0, 1), {"frmA.frm"}, true},
      {"empty quoted name", crlf({"Name=\"\""}), "", detailsText("", "", "..", 0, 0, 0), {}, false},
      {"short version lines", crlf({"Name=\"A\"", "MajorVer=", "MinorVer", "RevisionVer="}), "A",
       detailsText("A", "", "..", 0, 0, 0), {}, false},
      {"lone LF line ends", "Type=Exe\nName=\"A\"\nForm=Forms\\f.frm\n", "A", detailsText("A", "Exe", "..", 0, 0, 1),
       {"Forms\\f.frm"}, true},
      {"8-bit bytes pass through", crlf({"Name=\"Cr\xE9" "dit\"", "Module=M; Cr\xE9" "dit.bas"}),
       "Cr\xE9" "dit", detailsText("Cr\xE9" "dit", "", "..", 1, 0, 0), {"Cr\xE9" "dit.bas"}, false},
      {"empty file", "", "", detailsText("", "", "..", 0, 0, 0), {}, false},
  };
  TempFolder temp;
  NativeFileSystem files;
  for (const auto& c : cases) {
    temp.write("Project.vbp", c.text);
    const ProjectDetails details = LoadProjectDetails(files, temp.path() + "Project.vbp");
    EXPECT_TRUE(details.loaded) << c.name << ": " << details.failure;
    EXPECT_EQ(details.name, c.projectName) << c.name;
    EXPECT_EQ(details.detailsText, c.details) << c.name;
    EXPECT_EQ(details.members, c.members) << c.name;
    EXPECT_EQ(details.isExe, c.isExe) << c.name;
    EXPECT_EQ(details.fileCount, static_cast<std::int16_t>(c.members.size())) << c.name;
    EXPECT_TRUE(details.failure.empty()) << c.name;
  }
}

struct FailureCase {
  const char* name;
  std::string text;
  std::vector<std::string> membersBefore;  // the list as far as the call got
};

TEST(LoadProjectDetails, FailsOnLinesVisualBasicWouldNotWrite) {
  const std::vector<FailureCase> cases = {
      {"module line without a semicolon", crlf({"Name=\"A\"", "Form=f.frm", "Module=modA", "Form=g.frm"}), {"f.frm"}},
      {"class line without a semicolon", crlf({"Class=c.cls", "Name=\"A\""}), {}},
      {"Name line shorter than seven characters", crlf({"Form=f.frm", "Name=\"", "Form=g.frm"}), {"f.frm"}},
      {"bare Name= line", crlf({"Name="}), {}},
  };
  TempFolder temp;
  NativeFileSystem files;
  for (const auto& c : cases) {
    temp.write("Project.vbp", c.text);
    const ProjectDetails details = LoadProjectDetails(files, temp.path() + "Project.vbp");
    EXPECT_FALSE(details.loaded) << c.name;
    EXPECT_EQ(details.name, "") << c.name;
    EXPECT_EQ(details.members, c.membersBefore) << c.name;
    EXPECT_NE(details.failure.find("Project.vbp"), std::string::npos) << c.name << ": " << details.failure;
  }
}

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
  EXPECT_EQ(details.detailsText, detailsText("Billing", "Exe", "1.4.27", 2, 1, 1));
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

TEST(MemberVbName, TakesTheLastAttributeLineUnquoted) {
  struct Case {
    std::string text, name;
  };
  const std::vector<Case> cases = {
      {crlf({"Attribute VB_Name = \"Utilities\"", "Option Explicit"}), "Utilities"},
      {crlf({"VERSION 5.00", "Begin VB.Form frmMain ", "End", "Attribute VB_Name = \"frmMain\""}), "frmMain"},
      {crlf({"attribute vb_name = \"lower\""}), "lower"},
      {crlf({"Attribute VB_Name = \"First\"", "Attribute VB_Name = \"Second\""}), "Second"},
      {crlf({"Attribute VB_Name = Bare"}), "Bare"},
      {crlf({"Attribute VB_Name=\"NoBlanks\""}), ""},
      {crlf({"  Attribute VB_Name = \"Indented\""}), ""},
      {crlf({"Attribute VB_GlobalNameSpace = False"}), ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(memberVbName(c.text), c.name) << c.text;
}

}  // namespace
}  // namespace qm
