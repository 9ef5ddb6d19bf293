// The project files page: the analysis, the tick rule, Select All / Deselect
// All, the label for an empty selection, and sorting by a header click.
#include <gtest/gtest.h>

#include <set>

#include "wizard/files_page_report.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

// A module of `procedures` subs, the first `handled` of them with an error handler.
std::string moduleText(const std::string& name, int procedures, int handled) {
  std::string text = "Attribute VB_Name = \"" + name + "\"\r\nOption Explicit\r\n\r\n";
  for (int i = 0; i < procedures; ++i) {
    text += "Public Sub Step" + std::to_string(i) + "()\r\n";
    if (i < handled) text += "    On Error GoTo Failed\r\n";
    text += "    Debug.Print \"step " + std::to_string(i) + "\"\r\n";
    if (i < handled) text += "    Exit Sub\r\nFailed:\r\n    Debug.Print Err.Description\r\n";
    text += "End Sub\r\n\r\n";
  }
  return text;
}

class FilesPageTest : public WizardTest {
 protected:
  // One module per (procedures, handled) pair, named m0.bas, m1.bas, ...
  std::string projectOf(const std::vector<std::pair<int, int>>& modules, const std::string& name = "Counts") {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> sources;
    for (std::size_t i = 0; i < modules.size(); ++i) {
      const std::string module = std::string("m").append(std::to_string(i));
      lines.push_back("Module=" + module + "; " + module + ".bas");
      sources.push_back({module + ".bas", moduleText(module, modules[i].first, modules[i].second)});
    }
    return writeProject(name, lines, sources);
  }

  void analyse(const std::string& project) {
    start();
    browseTo(project);
    wizard->cmdLoad2_Click();
  }
};

TEST_F(FilesPageTest, ShowsCountsAndTicksByTheCoverageRule) {
  const std::string project = projectOf({{4, 4}, {4, 3}, {8, 1}, {8, 3}, {0, 0}});
  start();
  browseTo(project);
  // While the files are read, the bar stands in for the list.
  std::set<std::pair<bool, bool>> listAndBar;
  onYield = [this, &listAndBar] {
    listAndBar.insert({filesPage().lstProjectFiles.visible, filesPage().barProgress.visible});
  };
  wizard->cmdLoad2_Click();
  onYield = nullptr;
  EXPECT_EQ(listAndBar, (std::set<std::pair<bool, bool>>{{true, false}, {false, true}}))
      << "the list, then the bar alone";
  EXPECT_EQ(rowTexts(0), (std::vector<std::string>{"m0.bas", "m1.bas", "m2.bas", "m3.bas", "m4.bas"}));
  EXPECT_EQ(rowTexts(1), (std::vector<std::string>{"4", "4", "8", "8", "0"}));
  EXPECT_EQ(rowTexts(2), (std::vector<std::string>{"100", "75", "12", "38", "0"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true, true, false}));
  const FilesPage& p = filesPage();
  expectSeen({SEEN(p.cmdSelectAll, "Select All"), SEEN(p.lblNoFiles, "No files selected. (hidden)")});
  EXPECT_TRUE(p.lstProjectFiles.visible);
  EXPECT_FALSE(p.barProgress.visible);
  EXPECT_EQ(p.barProgress.value, 5);
  EXPECT_EQ(p.barProgress.maximum, 5);
  EXPECT_GE(yields, 6) << "once before the analysis and once per file";
}

TEST_F(FilesPageTest, AFileThatCannotBeReadShowsMinusOneUnticked) {
  const std::string project = writeProject("Missing", {"Module=Gone; gone.bas", "Module=m; m.bas"},
                                           {{"m.bas", moduleText("m", 2, 0)}});
  analyse(project);
  EXPECT_EQ(rowTexts(1), (std::vector<std::string>{"-1", "2"}));
  EXPECT_EQ(rowTexts(2), (std::vector<std::string>{"0", "0"}));
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true}));
}

TEST_F(FilesPageTest, SelectAllAndTicksAgreeWithTheButtonAndLabel) {
  const auto shows = [this](const std::string& button, const std::string& label) {
    expectSeen({SEEN(filesPage().cmdSelectAll, button), SEEN(filesPage().lblNoFiles, label)});
  };
  const std::string none = "No files selected.";
  const std::string some = "No files selected. (hidden)";
  analyse(projectOf({{2, 2}, {1, 1}}));  // all covered: nothing ticked
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false}));
  shows("Select All", none);
  fire(filesPage().cmdSelectAll.onClick);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
  shows("Deselect All", some);
  fire(filesPage().cmdSelectAll.onClick);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false}));
  shows("Select All", none);

  analyse(billing());  // all ticked: Deselect All offered
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true, true}));
  shows("Deselect All", some);

  // Any tick at all offers Deselect All; none says so.
  analyse(projectOf({{4, 1}, {4, 4}, {3, 0}}));
  const struct {
    std::size_t row;
    bool ticked;
    std::string button, label;
  } steps[] = {{0, false, "Deselect All", some}, {2, false, "Select All", none}, {1, true, "Deselect All", some}};
  for (const auto& step : steps) {
    filesPage().lstProjectFiles.onItemCheck(step.row, step.ticked);
    shows(step.button, step.label);
  }
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false}));
}

TEST_F(FilesPageTest, AProjectWithoutFilesSaysSo) {
  analyse(writeProject("Empty", {}, {}));
  FilesPage& p = filesPage();
  EXPECT_TRUE(p.lstProjectFiles.rows.empty());
  EXPECT_TRUE(p.lstProjectFiles.visible);
  EXPECT_FALSE(p.barProgress.visible);
  expectSeen({SEEN(p.cmdSelectAll, "Select All (hidden)"), SEEN(p.lblNoFiles, "Project contains no files")});

  // An ordinary project afterwards, with every row unticked, says "No files selected." again.
  wizard->cmdBack1_Click();
  browseTo(projectOf({{2, 0}}, "Ordinary"));
  wizard->cmdLoad2_Click();
  p.lstProjectFiles_ItemCheck(0, false);
  expectSeen({SEEN(p.lblNoFiles, "No files selected.")});
}

TEST_F(FilesPageTest, NextCapturesTheTickedFilesInListOrder) {
  analyse(billing());
  filesPage().lstProjectFiles_ItemCheck(1, false);
  wizard->cmdLoad3_Click();
  EXPECT_EQ(session().selectedFiles,
            (std::vector<std::string>{billingFolder() + "Forms\\frmMain.frm", billingFolder() + "clsInvoice.cls",
                                      billingFolder() + "..\\Shared\\modShared.bas"}));
}

TEST_F(FilesPageTest, BackFromTheOptionsPageAnalysesAgain) {
  analyse(billing());
  EXPECT_EQ(session().procedures.size(), 20U);
  filesPage().cmdSelectAll_Click();  // Deselect All
  wizard->cmdLoad3_Click();
  EXPECT_TRUE(session().selectedFiles.empty());
  // The file changes meanwhile: the new analysis sees it.
  root.write("projects/Billing/clsInvoice.cls", moduleText("clsInvoice", 2, 2));
  wizard->cmdBack2_Click();
  EXPECT_EQ(wizard->currentPage, WizardPage::Files);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(rowTexts(2)[2], "100");
  EXPECT_EQ(filesPage().cmdSelectAll.caption, "Select All");
  EXPECT_EQ(storedRecent()[1], billing()) << "the recent list is stored again";
  EXPECT_EQ(session().procedures.size(), 16U) << "a fresh procedure list, not a longer one";
}

TEST_F(FilesPageTest, HeaderClicksSortByValueWithOneSharedDirection) {
  const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
      {{2}, {"9", "10", "100"}},
      {{2, 2}, {"100", "10", "9"}},
      {{1, 2}, {"100", "10", "9"}},  // "Name" first ascends, so "Procedures" next descends
  };
  for (const auto& [clicks, procedures] : cases) {
    analyse(projectOf({{10, 0}, {9, 0}, {100, 0}}));
    for (int column : clicks) filesPage().lstProjectFiles_ColumnClick(column);
    EXPECT_EQ(rowTexts(1), procedures) << clicks.size();
  }
}

TEST_F(FilesPageTest, SortingKeepsTextsAndCapturesInTheNewOrder) {
  analyse(projectOf({{3, 0}, {-1, 0}, {12, 0}}));
  // row 1 ("m1.bas") is unreadable: replace it by a missing file to get "-1"
  filesPage().lstProjectFiles.rows[1].cells = {"gone.bas", "-1", "0"};
  filesPage().lstProjectFiles.rows[1].ticked = true;
  filesPage().lstProjectFiles_ColumnClick(2);
  EXPECT_EQ(rowTexts(0), (std::vector<std::string>{"gone.bas", "m0.bas", "m2.bas"}));
  EXPECT_EQ(rowTexts(1), (std::vector<std::string>{"-1", "3", "12"}));
  wizard->cmdLoad3_Click();
  const std::string folder = place("projects/Counts/");
  EXPECT_EQ(session().selectedFiles,
            (std::vector<std::string>{folder + "gone.bas", folder + "m0.bas", folder + "m2.bas"}));
}

}  // namespace
}  // namespace qm::testing

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
