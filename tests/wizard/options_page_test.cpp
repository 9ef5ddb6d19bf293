// The options page: what entering it presets, the enabling rules, the number
// boxes, what leaving it stores, and the style list's commands.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/registry.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

class OptionsPageTest : public WizardTest {
 protected:
  void storeSetting(std::string_view name, std::string_view value) {
    SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", name, value);
  }
  void enter(const std::string& project) {
    start();
    toOptionsPage(project);
  }
  OptionsPage& page() { return optionsPage(); }
  std::string markedProject() {
    return writeProject("Marked", {"Module=m; m.bas"},
                        {{"m.bas", crlf({"Attribute VB_Name = \"m\"", "Public Sub A()", "'SE******",
                                         "    On Error GoTo Failed", "'SE******", "End Sub"})}});
  }
};

TEST_F(OptionsPageTest, TheFirstEntryPresetsTheDefaults) {
  enter(billing());
  const OptionsPage& p = page();
  EXPECT_EQ(p.tabOptions.selected, kGeneralOptionsTab);
  EXPECT_TRUE(p.tabOptions.visible);
  expectSeen({
      SEEN(p.lblTitles6, "3. Set the options [Current style: Simple]"),
      SEEN(p.optAdd, "(o)"),
      SEEN(p.optDelete, "( ) (disabled)"),  // no inserted code in the example
      SEEN(p.optBackup, "(o)"),
      SEEN(p.optNew, "( )"),
      SEEN(p.txtNewLoc, billingFolder() + "New copy created 05 Dec at 14-03-27 (disabled)"),
      SEEN(p.cmdNewBrowse, "Browse (disabled)"),
      SEEN(p.chkCompile, "[ ] (disabled)"),
      SEEN(p.cmdDeleteStyle, "Delete Style (disabled)"),
      SEEN(p.chkIgnoreTags, "[x]"),
      SEEN(p.chkIgnoreExisting, "[x]"),
      SEEN(p.txtIgnore, "0"),
      SEEN(p.chkNumbers, "[ ]"),
      SEEN(p.txtStartFrom, "10 (disabled)"),
      SEEN(p.chkVarDump, "[ ]"),
  });
  EXPECT_TRUE(root.exists("program/Simple.style"));
  EXPECT_EQ(p.flbRoutines.entries, std::vector<std::string>{"Simple.style"});
  EXPECT_EQ(p.flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_EQ(wizard->sStyle(), "Simple.style");
}

TEST_F(OptionsPageTest, CreateStoredAsTrueProposesANewCopy) {
  const struct {
    std::string stored;
    bool newCopy;
  } cases[] = {{"True", true}, {"False", false}, {"true", false}, {"", false}};
  for (const auto& c : cases) {
    storeSetting("Create", c.stored);
    enter(billing());
    const OptionsPage& p = page();
    const std::string enabled = c.newCopy ? "" : " (disabled)";
    expectSeen({
        SEEN(p.optNew, c.newCopy ? "(o)" : "( )"),
        SEEN(p.optBackup, c.newCopy ? "( )" : "(o)"),
        SEEN(p.cmdNewBrowse, "Browse" + enabled),
        SEEN(p.chkCompile, "[ ]" + enabled),
    });
    EXPECT_EQ(p.txtNewLoc.enabled, c.newCopy) << c.stored;
  }
}

TEST_F(OptionsPageTest, BackupDisablesButKeepsCompileAndLineNumbersEnableTheirStart) {
  enter(billing());
  page().optNew_Click();
  page().chkCompile.ticked = true;
  page().optBackup_Click();
  EXPECT_FALSE(page().chkCompile.enabled);
  EXPECT_TRUE(page().chkCompile.ticked);
  EXPECT_FALSE(page().optNew.selected);
  for (bool ticked : {true, false}) {
    page().chkNumbers.ticked = ticked;
    page().chkNumbers_Click();
    EXPECT_EQ(page().txtStartFrom.enabled, ticked);
  }
}

TEST_F(OptionsPageTest, DeleteIsOfferedOnlyWithInsertedCode) {
  enter(markedProject());
  EXPECT_TRUE(page().optDelete.enabled);
  page().optDelete_Click();
  EXPECT_TRUE(page().optDelete.selected);
  EXPECT_FALSE(page().optAdd.selected);
  EXPECT_FALSE(page().tabOptions.available[kAdvancedOptionsTab]);
  page().tabOptions_Click(kAdvancedOptionsTab);
  EXPECT_EQ(page().tabOptions.selected, kGeneralOptionsTab) << "cannot be opened";
  page().optAdd_Click();
  EXPECT_TRUE(page().tabOptions.available[kAdvancedOptionsTab]);
  page().tabOptions_Click(kAdvancedOptionsTab);
  EXPECT_EQ(page().tabOptions.selected, kAdvancedOptionsTab);

  // Delete chosen for this project; a project without inserted code brings Add back.
  page().optDelete_Click();
  wizard->cmdBack2_Click();
  wizard->cmdBack1_Click();
  browseTo(billing());
  wizard->cmdLoad2_Click();
  wizard->cmdLoad3_Click();
  EXPECT_FALSE(page().optDelete.enabled);
  EXPECT_TRUE(page().optAdd.selected);
  EXPECT_TRUE(page().tabOptions.available[kAdvancedOptionsTab]);
}

TEST_F(OptionsPageTest, NumberBoxesKeepANumberAndFallBackToTheirDefaults) {
  // Whatever the locale: the run reads the boxes' texts the same way.
  const std::pair<std::string, bool> kept[] = {
      {"2.5", true},  {" -7 ", true}, {"1e3", true},  {"40000", true}, {"abc", false}, {"", false},
      {"2,5", false}, {"5d1", false}, {"1e39", false}, {"12abc", false},
  };
  for (const char* separator : {".", ","}) {
    clock.separator = separator;
    enter(billing());
    for (const auto& [typed, keeps] : kept) {
      page().txtIgnore.text = typed;
      fire(page().txtIgnore.onLostFocus);
      page().txtStartFrom.text = typed;
      fire(page().txtStartFrom.onLostFocus);
      EXPECT_EQ(page().txtIgnore.text, keeps ? typed : "0") << typed << " " << separator;
      EXPECT_EQ(page().txtStartFrom.text, keeps ? typed : "10") << typed << " " << separator;
    }
  }
}

TEST_F(OptionsPageTest, EnteringANumberBoxSelectsItsText) {
  enter(billing());
  page().txtIgnore.text = "125";
  page().txtIgnore_GotFocus();
  EXPECT_EQ(page().txtIgnore.selectionStart, 0U);
  EXPECT_EQ(page().txtIgnore.selectionLength, 3U);
  page().txtStartFrom_GotFocus();
  EXPECT_EQ(page().txtStartFrom.selectionLength, 2U);
}

TEST_F(OptionsPageTest, UserChoicesSurviveAnotherEntry) {
  enter(billing());
  page().optNew_Click();
  page().txtNewLoc.text = "typed";
  page().chkCompile.ticked = true;
  page().chkIgnoreTags.ticked = false;
  page().txtIgnore.text = "5";
  wizard->cmdLoad4_Click();
  wizard->cmdBack3_Click();
  wizard->cmdBack2_Click();
  wizard->cmdLoad3_Click();
  EXPECT_TRUE(page().optNew.selected) << "Create was stored as True";
  EXPECT_EQ(page().txtNewLoc.text, billingFolder() + "New copy created 05 Dec at 14-03-27");
  EXPECT_TRUE(page().chkCompile.ticked);
  EXPECT_FALSE(page().chkIgnoreTags.ticked);
  EXPECT_EQ(page().txtIgnore.text, "5");
}

TEST_F(OptionsPageTest, LeavingStoresTheStyleAndTheNewCopyChoice) {
  enter(billing());
  wizard->cmdLoad4_Click();
  EXPECT_EQ(setting("LastRoutine"), "Simple.style");
  EXPECT_EQ(setting("Create"), "False");
  wizard->cmdBack3_Click();
  page().optNew_Click();
  wizard->cmdLoad4_Click();
  EXPECT_EQ(setting("Create"), "True");
}

TEST_F(OptionsPageTest, AStyleWithTheDumpTagTicksTheVariableDump) {
  root.write("program/Dump.style", crlf({"[ON ERROR]", "<Variable_Dump>", "[ERROR HANDLER]", "[FILES]"}));
  enter(billing());
  EXPECT_TRUE(page().chkVarDump.ticked);
}

TEST_F(OptionsPageTest, NewStyleCreatesSelectsAndOpensTheEditor) {
  enter(billing());
  dialogs.inputAnswers.push_back(std::string("  House  "));
  page().cmdNewStyle_Click();
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"New Style: Please give a name to the new code style"});
  EXPECT_EQ(root.read("program/House.style"), crlf({"[ON ERROR]", "", "[ERROR HANDLER]", "", "[FILES]"}));
  EXPECT_EQ(wizard->sStyle(), "House.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: House]");
  EXPECT_EQ(page().flbRoutines.entries, (std::vector<std::string>{"House.style", "Simple.style"}));
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  EXPECT_EQ(setting("LastRoutine"), "House.style");
  EXPECT_TRUE(wizard->editor().visible());
  EXPECT_EQ(view.requests, std::vector<std::string>{"editor"});
}

TEST_F(OptionsPageTest, SelectingAndDeletingStylesRetitleThePage) {
  root.write("program/Another.style", crlf({"[ON ERROR]", "On Error GoTo Oops", "[ERROR HANDLER]", "[FILES]"}));
  storeSetting("LastRoutine", "Simple.style");
  root.write("program/Simple.style", crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]"}));
  enter(billing());
  page().flbRoutines_Click(0);
  EXPECT_TRUE(page().flbRoutines.focused) << "a click keeps the focus in the list";
  EXPECT_EQ(wizard->sStyle(), "Another.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Another]");
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_EQ(wizard->currentStyle().onErrorText, "On Error GoTo Oops\r\n");
  EXPECT_EQ(setting("LastRoutine"), "Simple.style") << "selecting stores nothing";
  page().flbRoutines_DblClick(1);
  EXPECT_EQ(wizard->sStyle(), "Simple.style");
  EXPECT_TRUE(wizard->editor().visible());
  EXPECT_EQ(view.requests, std::vector<std::string>{"editor"});

  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  page().cmdDeleteStyle_Click();
  EXPECT_FALSE(root.exists("program/Simple.style"));
  EXPECT_EQ(wizard->sStyle(), "Another.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Another]");
  EXPECT_EQ(page().flbRoutines.entries, std::vector<std::string>{"Another.style"});
  EXPECT_TRUE(page().flbRoutines.focused);
  EXPECT_FALSE(page().cmdDeleteStyle.enabled) << "the last style cannot be deleted";
  page().cmdDeleteStyle_Click();
  EXPECT_TRUE(root.exists("program/Another.style"));
}

TEST_F(OptionsPageTest, TheEditorsSaveAsAndTheFolderBrowserAnswerIntoThePage) {
  enter(billing());
  dialogs.inputAnswers.push_back(std::string("Copy"));
  ASSERT_TRUE(wizard->editor().saveAs().ok());
  EXPECT_EQ(page().flbRoutines.entries, (std::vector<std::string>{"Copy.style", "Simple.style"}));
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Copy]");
  EXPECT_EQ(setting("LastRoutine"), "Copy.style");
  page().cmdNewBrowse_Click();
  EXPECT_EQ(view.requests, std::vector<std::string>{"browser"});
  page().setNewLocation("/somewhere/else");
  EXPECT_EQ(page().txtNewLoc.text, "/somewhere/else");
}

// The option widens the project at once, both ways, keeping the ticks the
// person gave, and is remembered as a number for the next start.
TEST_F(OptionsPageTest, IncludingAllProceduresReadsTheProjectAgainAndIsRemembered) {
  std::filesystem::copy(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/Gauges", root.path() + "projects/Gauges");
  start();
  browseTo(place("projects/Gauges/Gauges.vbp"));
  wizard->cmdLoad2_Click();
  filesPage().lstProjectFiles_ItemCheck(0, false);
  wizard->cmdLoad3_Click();
  for (const bool all : {true, false, true}) {
    page().chkAllProcedures.ticked = all;
    page().chkAllProcedures.onClick();
    EXPECT_EQ(ticks(), (all ? std::vector<bool>{0, 1, 1, 1, 1, 1} : std::vector<bool>{0, 1, 1}));
    EXPECT_EQ(session().selectedFiles.size(), all ? 5U : 2U);
    EXPECT_EQ(session().procedures.size(), all ? 30U : 6U);
    EXPECT_EQ(page().readRunOptions().allProcedures, all);
    EXPECT_EQ(GetSettingNumber(settings, HKEY_CURRENT_USER, SettingsValuesKey(), kAllProceduresValue, -1), all ? 1 : 0);
  }
  start();
  EXPECT_EQ(seen(page().chkAllProcedures), "[x]");
  EXPECT_EQ(rowTexts(0).back(), "docGauge.dob");
}

}  // namespace
}  // namespace qm::testing
