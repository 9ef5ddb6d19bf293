// The project files page's report: the page as tab-separated lines. (The
// page itself is driven by the scripts of tests/data/wizard/pages.txt.)
#include <gtest/gtest.h>

#include "wizard/files_page_report.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

using FilesPageReport = WizardTest;

TEST_F(FilesPageReport, PrintsThePageAsTabSeparatedLines) {
  const auto report = analyseProjectReport(files, billing());
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report,
            "Project Name: Billing\nProject Type: Exe\nProject Version: 1.4.27\nNumber of modules: 2\n"
            "Number of classes: 1\nNumber of forms: 1\n\nName\tProcedures\tCoverage (%)\n"
            "Forms\\frmMain.frm\t6\t17\nmodUtil.bas\t6\t33\nclsInvoice.cls\t6\t17\n..\\Shared\\modShared.bas\t2\t50\n");
  EXPECT_EQ(settings.writes(), 0);
}

TEST_F(FilesPageReport, WithAllProceduresListsEveryMemberKindAndCountsEveryHeaderForm) {
  const std::string gauges = std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/Gauges/Gauges.vbp";
  const std::string head =
      "Project Name: Gauges\nProject Type: Control\nProject Version: 1.2.0\nNumber of modules: 1\n"
      "Number of classes: 1\nNumber of forms: 1\n";
  const std::string columns = "\nName\tProcedures\tCoverage (%)\n";
  EXPECT_EQ(*analyseProjectReport(files, gauges),
            head + columns + "modGauge.bas\t2\t0\nclsScale.cls\t2\t0\nfrmPreview.frm\t2\t0\n");
  EXPECT_EQ(*analyseProjectReport(files, gauges, true),
            head + "Number of user controls: 1\nNumber of property pages: 1\nNumber of user documents: 1\n" + columns +
                "modGauge.bas\t5\t0\nclsScale.cls\t8\t0\nfrmPreview.frm\t3\t0\nctlGauge.ctl\t9\t0\n"
                "ppgGauge.pag\t3\t0\ndocGauge.dob\t2\t0\n");
}

TEST_F(FilesPageReport, SaysWhyAProjectCannotBeUsed) {
  const std::string nameless = root.path() + "projects/Nameless/Nameless.vbp";
  root.write("projects/Nameless/Nameless.vbp", "Type=Exe\r\n");
  EXPECT_NE(analyseProjectReport(files, root.path() + "nowhere.vbp").message().find("Cannot find"), std::string::npos);
  EXPECT_NE(analyseProjectReport(files, nameless).message().find("no Name= line"), std::string::npos);
}

TEST_F(FilesPageReport, FindsTheProjectWhateverTheCaseOfItsPath) {
  const auto exact = analyseProjectReport(files, billing());
  std::string shouted = billing();
  shouted.replace(shouted.size() - std::string("Billing/Billing.vbp").size(), std::string::npos,
                  "BILLING\\billing.VBP");
  const auto report = analyseProjectReport(files, shouted);
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report, *exact);
}

TEST_F(FilesPageReport, AMemberThatCannotBeReadShowsMinusOne) {
  root.write("projects/Small/Small.vbp", crlf({"Type=OleDll", "Name=\"Small\"", "Module=modA; modA.bas",
                                               "Class=clsGone; clsGone.cls", "Form=Forms\\FRMA.FRM"}));
  root.write("projects/Small/modA.bas", crlf({"Attribute VB_Name = \"modA\"", "Sub A()", "On Error GoTo 0",
                                              "End Sub", "Sub B()", "End Sub", "Sub C()", "End Sub", "Sub D()",
                                              "End Sub"}));
  root.write("projects/Small/forms/frmA.frm", crlf({"VERSION 5.00", "Attribute VB_Name = \"frmA\""}));
  const auto report = analyseProjectReport(files, root.path() + "projects/Small/Small.vbp");
  ASSERT_TRUE(report.ok()) << report.message();
  EXPECT_EQ(*report,
            "Project Name: Small\nProject Type: OleDll\nProject Version: ..\nNumber of modules: 1\n"
            "Number of classes: 1\nNumber of forms: 1\n\nName\tProcedures\tCoverage (%)\n"
            "modA.bas\t4\t25\nclsGone.cls\t-1\t0\nForms\\FRMA.FRM\t0\t0\n");
}

TEST_F(FilesPageReport, ShowsWhatTheWindowShows) {
  start();
  browseTo(billing());
  wizard->cmdLoad2_Click();
  EXPECT_EQ(filesPageReport(projectPage().lblProjectDetails, filesPage().lstProjectFiles),
            *analyseProjectReport(files, billing()));
}

}  // namespace
}  // namespace qm::testing
