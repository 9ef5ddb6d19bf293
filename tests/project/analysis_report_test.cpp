#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "project/analysis_report.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

TEST(AnalysisReport, ShowsWhatTheProjectFilesPageShowsForTheExample) {
  NativeFileSystem files;
  auto report = analysisReport(files, testing::exampleFolder() + "Billing.vbp");
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report,
            "Project Name: Billing\n"
            "Project Type: Exe\n"
            "Project Version: 1.4.27\n"
            "Number of modules: 2\n"
            "Number of classes: 1\n"
            "Number of forms: 1\n"
            "\n"
            "Name\tProcedures\tCoverage (%)\n"
            "Forms\\frmMain.frm\t6\t17\n"
            "modUtil.bas\t6\t33\n"
            "clsInvoice.cls\t6\t17\n"
            "..\\Shared\\modShared.bas\t2\t50\n");
}

TEST(AnalysisReport, FindsTheProjectWhateverTheCaseOfItsPath) {
  TempFolder temp;
  std::filesystem::copy(testing::exampleFolder() + "..", temp.path(), std::filesystem::copy_options::recursive);
  NativeFileSystem files;
  auto exact = analysisReport(files, testing::exampleFolder() + "Billing.vbp");
  auto report = analysisReport(files, temp.path() + "BILLING\\billing.VBP");
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report, *exact);
}

TEST(AnalysisReport, AMemberThatCannotBeReadShowsMinusOne) {
  TempFolder temp;
  temp.write("Small/Small.vbp", crlf({"Type=OleDll", "Name=\"Small\"", "Module=modA; modA.bas",
                                      "Class=clsGone; clsGone.cls", "Form=Forms\\FRMA.FRM"}));
  temp.write("Small/modA.bas", crlf({"Attribute VB_Name = \"modA\"", "Sub A()", "On Error GoTo 0", "End Sub",
                                     "Sub B()", "End Sub", "Sub C()", "End Sub", "Sub D()", "End Sub"}));
  temp.write("Small/forms/frmA.frm", crlf({"VERSION 5.00", "Attribute VB_Name = \"frmA\""}));
  NativeFileSystem files;
  auto report = analysisReport(files, temp.path() + "Small/Small.vbp");
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report,
            "Project Name: Small\n"
            "Project Type: OleDll\n"
            "Project Version: ..\n"
            "Number of modules: 1\n"
            "Number of classes: 1\n"
            "Number of forms: 1\n"
            "\n"
            "Name\tProcedures\tCoverage (%)\n"
            "modA.bas\t4\t25\n"
            "clsGone.cls\t-1\t0\n"
            "Forms\\FRMA.FRM\t0\t0\n");
}

TEST(AnalysisReport, AProjectThatCannotBeUsedSaysWhy) {
  struct Case {
    const char* name;
    std::string text;  // "" = no file at all
    std::string reasonPart;
  };
  const std::vector<Case> cases = {
      {"missing file", "", "Cannot find"},
      {"module line without a semicolon", crlf({"Name=\"A\"", "Module=modA"}), "line 2"},
      {"no Name line", crlf({"Type=Exe", "Form=frmA.frm"}), "Name="},
  };
  for (const auto& c : cases) {
    TempFolder temp;
    if (!c.text.empty()) temp.write("Project.vbp", c.text);
    NativeFileSystem files;
    auto report = analysisReport(files, temp.path() + "Project.vbp");
    ASSERT_FALSE(report.ok()) << c.name;
    EXPECT_NE(report.message().find(c.reasonPart), std::string::npos) << c.name << ": " << report.message();
    EXPECT_EQ(report.message().find('\n'), std::string::npos) << c.name;
  }
}

}  // namespace
}  // namespace qm
