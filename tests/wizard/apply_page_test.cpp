// The last page: the summary it opens with, and Begin.
#include <gtest/gtest.h>

#include <cmath>

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

TEST_F(ApplyPageTest, BeginRunsTheUpdateAndShowsTheProjectAgain) {
  start();
  toOptionsPage(billing());
  optionsPage().chkNumbers.ticked = true;
  fire(optionsPage().chkNumbers.onClick);
  wizard->cmdLoad4_Click();
  const std::string before = root.read("projects/Billing/modUtil.bas");
  EXPECT_TRUE(applyPage().cmdBegin_Click());
  const ApplyPage& page = applyPage();
  EXPECT_FALSE(page.cmdBegin.visible);
  EXPECT_FALSE(page.barMain.visible);
  EXPECT_TRUE(session().lastRunCompleted);
  EXPECT_NE(page.txtSummary.text.find("\r\nCreating backup of modUtil.bas...Done\r\n"), std::string::npos);
  EXPECT_NE(page.txtSummary.text.find("\r\nAdding line numbers to modUtil.bas...Success"), std::string::npos);
  EXPECT_NE(page.txtSummary.text.rfind("\r\nUpdate completed in "), std::string::npos);
  EXPECT_NE(root.read("projects/Billing/modUtil.bas"), before);
  EXPECT_EQ(session().project.projectName, "Billing");
  EXPECT_EQ(filesPage().lstProjectFiles.rows.size(), 4U);
  EXPECT_EQ(filesPage().lstProjectFiles.rows[0].cells.size(), 1U) << "reloaded";
  // Begin stays hidden, so a second press does nothing.
  const std::string summary = page.txtSummary.text;
  EXPECT_FALSE(applyPage().cmdBegin_Click());
  EXPECT_EQ(page.txtSummary.text, summary);
  // Coming back to the page offers Begin again.
  wizard->cmdBack3_Click();
  wizard->cmdLoad4_Click();
  EXPECT_TRUE(applyPage().cmdBegin.visible);
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

TEST_F(ApplyPageTest, TheRunReadsTheControls) {
  start();
  toOptionsPage(billing());
  OptionsPage& p = optionsPage();
  p.optNew_Click();
  p.txtNewLoc.text = "/tmp/x";
  p.chkCompile.ticked = true;
  p.chkIgnoreTags.ticked = false;
  p.chkIgnoreExisting.ticked = false;
  p.txtIgnore.text = "3";
  p.chkNumbers.ticked = true;
  p.txtStartFrom.text = "100";
  p.chkVarDump.ticked = true;
  const RunOptions options = p.readRunOptions();
  EXPECT_EQ(options.action, RunAction::Add);
  EXPECT_EQ(options.saveMode, SaveMode::NewCopy);
  EXPECT_EQ(options.newLocation, "/tmp/x");
  EXPECT_TRUE(options.compile);
  EXPECT_FALSE(options.skipIgnoreTagged);
  EXPECT_FALSE(options.skipExistingHandlers);
  EXPECT_EQ(options.minLines, "3");
  EXPECT_TRUE(options.addLineNumbers);
  EXPECT_FLOAT_EQ(options.lineNumberStart, 100.0F);
  EXPECT_TRUE(options.variableDump);
  EXPECT_EQ(options.selectedFiles.size(), 4U);
  // Passed on as no number, for the run to refuse before it touches anything.
  p.txtStartFrom.text = "not a number";
  EXPECT_TRUE(std::isnan(p.readRunOptions().lineNumberStart));
}

}  // namespace
}  // namespace qm::testing
