// The last page: the summary it opens with, Preview, and a run that reads the
// editor's unsaved style. (Begin itself, and what a run is given, are scripts
// of tests/data/wizard/pages.txt.)
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "wizard/apply_page.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

using ApplyPageTest = WizardTest;

TEST(SummaryText, NamesTheFilesWithOneKindOfSeparatorAndTheStyle) {
  // The system's own kind: "/" on POSIX systems, "\\" on Windows.
  const std::string a = shownPath("/home/p/a.bas");
  const std::string b = shownPath("/home/p/Forms/b.frm");
  const std::string c = shownPath("/home/p/../Shared/c.bas");
  EXPECT_EQ(summaryText({"/home/p/a.bas", "/home/p/Forms\\b.frm", "/home/p/..\\Shared\\c.bas"}, "Simple.style"),
            "Add error checking to the following files: \r\n" + a + "\r\n" + b + "\r\n" + c +
                "\r\nUsing the Simple.style style\r\n\r\nClick 'Begin' to begin the procedure...");
  EXPECT_EQ(summaryText({}, "House.style"),
            "Add error checking to the following files: \r\nUsing the House.style style\r\n\r\n"
            "Click 'Begin' to begin the procedure...");
}

TEST_F(ApplyPageTest, NextOnTheOptionsPageShowsTheSummaryOfTheCapturedFiles) {
  start();
  toOptionsPage(billing());
  filesPage().lstProjectFiles_ItemCheck(0, false);  // too late: the selection was captured
  wizard->cmdLoad4_Click();
  const ApplyPage& page = applyPage();
  EXPECT_EQ(page.lblTitles12.caption, "Summary");
  const std::string folder = billingFolder();
  EXPECT_EQ(page.txtSummary.text, summaryText({folder + "Forms\\frmMain.frm", folder + "modUtil.bas",
                                               folder + "clsInvoice.cls", folder + "..\\Shared\\modShared.bas"},
                                              "Simple.style"));
  EXPECT_EQ(seen(page.cmdBegin), "Begin");
  EXPECT_FALSE(page.barMain.visible);

  // With nothing ticked the wizard still moves on.
  wizard->cmdBack3_Click();
  wizard->cmdBack2_Click();
  filesPage().cmdSelectAll_Click();
  wizard->cmdLoad3_Click();
  wizard->cmdLoad4_Click();
  EXPECT_EQ(wizard->currentPage, WizardPage::Apply);
  EXPECT_EQ(applyPage().txtSummary.text, summaryText({}, "Simple.style"));
}

// Preview asks the run what it would write, changes nothing, and hands the
// window the diff, which Begin then makes true; a second preview is the same.
TEST_F(ApplyPageTest, PreviewShowsTheDiffOfWhatBeginThenDoes) {
  start();
  toOptionsPage(billing());
  optionsPage().chkNumbers.ticked = true;
  fire(optionsPage().chkNumbers.onClick);
  wizard->cmdLoad4_Click();
  const std::string before = root.read("projects/Billing/modUtil.bas");
  fire(applyPage().cmdPreview.onClick);
  const RunPreview preview = session().lastPreview;
  ASSERT_EQ(view.requests, std::vector<std::string>{"preview " + preview.diff});
  EXPECT_NE(preview.diff.find("\n--- a/Billing/modUtil.bas\n+++ b/Billing/modUtil.bas\n@@ -1,"), std::string::npos);
  EXPECT_NE(preview.diff.find("\n+10 "), std::string::npos) << "numbered lines";
  EXPECT_EQ(root.read("projects/Billing/modUtil.bas"), before);
  for (const auto& entry : std::filesystem::directory_iterator(root.path() + "projects/Billing")) {
    EXPECT_FALSE(entry.path().filename().string().starts_with("Backup")) << "no backup folder";
  }
  EXPECT_TRUE(applyPage().cmdPreview_Click());
  EXPECT_EQ(session().lastPreview.diff, preview.diff);
  EXPECT_TRUE(applyPage().cmdBegin_Click());
  EXPECT_FALSE(applyPage().cmdPreview.visible);
  EXPECT_NE(root.read("projects/Billing/modUtil.bas"), before);
}

TEST_F(ApplyPageTest, TheRunReadsTheEditorsUnsavedStyle) {
  start();
  toOptionsPage(billing());
  wizard->editor().setText(0, "' unsaved first code\n", 0);
  wizard->cmdLoad4_Click();
  ASSERT_TRUE(applyPage().cmdBegin_Click());
  EXPECT_NE(root.read("projects/Billing/modUtil.bas").find("' unsaved first code"), std::string::npos);
  EXPECT_EQ(root.read("program/Simple.style").find("unsaved"), std::string::npos);
}

}  // namespace
}  // namespace qm::testing
