// The options page: what entering it presets, the enabling rules, the number
// boxes, what leaving it stores, and the style list's commands.
#include <gtest/gtest.h>

#include "settings/registry.h"
#include "wizard/number_box.h"
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
  OptionsPage& page() { return window->page3; }
  std::string markedProject() {
    return writeProject("Marked", {"Module=m; m.bas"},
                        {{"m.bas", crlf({"Attribute VB_Name = \"m\"", "Public Sub A()", "'SE******",
                                         "    On Error GoTo Failed", "'SE******", "End Sub"})}});
  }
};

TEST_F(OptionsPageTest, TheFirstEntryPresetsTheDefaults) {
  enter(billing());
  OptionsPage& p = page();
  EXPECT_EQ(p.tabOptions.selected, kGeneralOptionsTab);
  EXPECT_TRUE(p.tabOptions.visible);
  EXPECT_TRUE(p.optAdd.selected);
  EXPECT_FALSE(p.optDelete.selected);
  EXPECT_TRUE(p.optBackup.selected);
  EXPECT_FALSE(p.optNew.selected);
  EXPECT_EQ(p.txtNewLoc.text, billingFolder() + "New copy created 05 Dec at 14-03-27");
  EXPECT_FALSE(p.txtNewLoc.enabled);
  EXPECT_FALSE(p.cmdNewBrowse.enabled);
  EXPECT_FALSE(p.chkCompile.enabled);
  EXPECT_TRUE(p.chkIgnoreTags.ticked);
  EXPECT_TRUE(p.chkIgnoreExisting.ticked);
  EXPECT_EQ(p.txtIgnore.text, "0");
  EXPECT_FALSE(p.chkNumbers.ticked);
  EXPECT_EQ(p.txtStartFrom.text, "10");
  EXPECT_FALSE(p.txtStartFrom.enabled);
  EXPECT_EQ(p.lblTitles6.caption, "3. Set the options [Current style: Simple]");
  EXPECT_TRUE(root.exists("program/Simple.style"));
  EXPECT_EQ(p.flbRoutines.entries, std::vector<std::string>{"Simple.style"});
  EXPECT_EQ(p.flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_FALSE(p.cmdDeleteStyle.enabled);
  EXPECT_EQ(window->sStyle(), "Simple.style");
  EXPECT_FALSE(p.optDelete.enabled) << "no inserted code in the example";
}

TEST_F(OptionsPageTest, CreateStoredAsTrueProposesANewCopy) {
  const struct {
    std::string stored;
    bool newCopy;
  } cases[] = {{"True", true}, {"False", false}, {"true", false}, {"", false}};
  for (const auto& c : cases) {
    storeSetting("Create", c.stored);
    enter(billing());
    EXPECT_EQ(page().optNew.selected, c.newCopy) << c.stored;
    EXPECT_EQ(page().optBackup.selected, !c.newCopy) << c.stored;
    EXPECT_EQ(page().txtNewLoc.enabled, c.newCopy) << c.stored;
    EXPECT_EQ(page().cmdNewBrowse.enabled, c.newCopy) << c.stored;
    EXPECT_EQ(page().chkCompile.enabled, c.newCopy) << c.stored;
  }
}

TEST_F(OptionsPageTest, BackupDisablesButKeepsCompileAndLineNumbersEnableTheirStart) {
  enter(billing());
  window->optNew_Click();
  page().chkCompile.ticked = true;
  window->optBackup_Click();
  EXPECT_FALSE(page().chkCompile.enabled);
  EXPECT_TRUE(page().chkCompile.ticked);
  EXPECT_FALSE(page().optNew.selected);
  for (bool ticked : {true, false}) {
    page().chkNumbers.ticked = ticked;
    window->chkNumbers_Click();
    EXPECT_EQ(page().txtStartFrom.enabled, ticked);
  }
}

TEST_F(OptionsPageTest, DeleteIsOfferedOnlyWithInsertedCode) {
  enter(markedProject());
  EXPECT_TRUE(page().optDelete.enabled);
  window->optDelete_Click();
  EXPECT_TRUE(page().optDelete.selected);
  EXPECT_FALSE(page().optAdd.selected);
  EXPECT_FALSE(page().tabOptions.available[kAdvancedOptionsTab]);
  window->tabOptions_Click(kAdvancedOptionsTab);
  EXPECT_EQ(page().tabOptions.selected, kGeneralOptionsTab) << "cannot be opened";
  window->optAdd_Click();
  EXPECT_TRUE(page().tabOptions.available[kAdvancedOptionsTab]);
  window->tabOptions_Click(kAdvancedOptionsTab);
  EXPECT_EQ(page().tabOptions.selected, kAdvancedOptionsTab);

  // Delete chosen for this project; a project without inserted code brings Add back.
  window->optDelete_Click();
  window->cmdBack2_Click();
  window->cmdBack1_Click();
  browseTo(billing());
  window->cmdLoad2_Click();
  window->cmdLoad3_Click();
  EXPECT_FALSE(page().optDelete.enabled);
  EXPECT_TRUE(page().optAdd.selected);
  EXPECT_TRUE(page().tabOptions.available[kAdvancedOptionsTab]);
}

TEST_F(OptionsPageTest, NumberBoxesFallBackToTheirDefaults) {
  const struct {
    std::string typed;
    std::string separator;
    std::string ignoreAfter;
    std::string startAfter;
  } cases[] = {
      {"abc", ".", "0", "10"},
      {"", ".", "0", "10"},
      {"2.5", ".", "2.5", "2.5"},
      {"2,5", ",", "2,5", "2,5"},
      {"2.5", ",", "0", "10"},
      {" -7 ", ".", " -7 ", " -7 "},
      {"1e3", ".", "1e3", "1e3"},
      {"40000", ".", "40000", "40000"},
      {"12abc", ".", "0", "10"},
  };
  for (const auto& c : cases) {
    enter(billing());
    clock.separator = c.separator;
    page().txtIgnore.text = c.typed;
    window->txtIgnore_LostFocus();
    page().txtStartFrom.text = c.typed;
    window->txtStartFrom_LostFocus();
    EXPECT_EQ(page().txtIgnore.text, c.ignoreAfter) << c.typed;
    EXPECT_EQ(page().txtStartFrom.text, c.startAfter) << c.typed;
  }
}

TEST_F(OptionsPageTest, EnteringANumberBoxSelectsItsText) {
  enter(billing());
  page().txtIgnore.text = "125";
  window->txtIgnore_GotFocus();
  EXPECT_EQ(page().txtIgnore.selectionStart, 0U);
  EXPECT_EQ(page().txtIgnore.selectionLength, 3U);
  window->txtStartFrom_GotFocus();
  EXPECT_EQ(page().txtStartFrom.selectionLength, 2U);
}

TEST_F(OptionsPageTest, UserChoicesSurviveAnotherEntry) {
  enter(billing());
  window->optNew_Click();
  page().txtNewLoc.text = "typed";
  page().chkCompile.ticked = true;
  page().chkIgnoreTags.ticked = false;
  page().txtIgnore.text = "5";
  window->cmdLoad4_Click();
  window->cmdBack3_Click();
  window->cmdBack2_Click();
  window->cmdLoad3_Click();
  EXPECT_TRUE(page().optNew.selected) << "Create was stored as True";
  EXPECT_EQ(page().txtNewLoc.text, billingFolder() + "New copy created 05 Dec at 14-03-27");
  EXPECT_TRUE(page().chkCompile.ticked);
  EXPECT_FALSE(page().chkIgnoreTags.ticked);
  EXPECT_EQ(page().txtIgnore.text, "5");
}

TEST_F(OptionsPageTest, LeavingStoresTheStyleAndTheNewCopyChoice) {
  enter(billing());
  window->cmdLoad4_Click();
  EXPECT_EQ(setting("LastRoutine"), "Simple.style");
  EXPECT_EQ(setting("Create"), "False");
  window->cmdBack3_Click();
  window->optNew_Click();
  window->cmdLoad4_Click();
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
  window->cmdNewStyle_Click();
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"New Style: Please give a name to the new code style"});
  EXPECT_EQ(root.read("program/House.style"), crlf({"[ON ERROR]", "", "[ERROR HANDLER]", "", "[FILES]"}));
  EXPECT_EQ(window->sStyle(), "House.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: House]");
  EXPECT_EQ(page().flbRoutines.entries, (std::vector<std::string>{"House.style", "Simple.style"}));
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  EXPECT_EQ(setting("LastRoutine"), "House.style");
  EXPECT_TRUE(window->editor().visible());
  EXPECT_EQ(view.requests, std::vector<std::string>{"editor"});
}

TEST_F(OptionsPageTest, SelectingAndDeletingStylesRetitleThePage) {
  root.write("program/Another.style", crlf({"[ON ERROR]", "On Error GoTo Oops", "[ERROR HANDLER]", "[FILES]"}));
  storeSetting("LastRoutine", "Simple.style");
  root.write("program/Simple.style", crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]"}));
  enter(billing());
  window->flbRoutines_Click(0);
  EXPECT_EQ(window->sStyle(), "Another.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Another]");
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_EQ(window->currentStyle().onErrorText, "On Error GoTo Oops\r\n");
  EXPECT_EQ(setting("LastRoutine"), "Simple.style") << "selecting stores nothing";
  window->flbRoutines_DblClick(1);
  EXPECT_EQ(window->sStyle(), "Simple.style");
  EXPECT_TRUE(window->editor().visible());
  EXPECT_EQ(view.requests, std::vector<std::string>{"editor"});

  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  window->cmdDeleteStyle_Click();
  EXPECT_FALSE(root.exists("program/Simple.style"));
  EXPECT_EQ(window->sStyle(), "Another.style");
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Another]");
  EXPECT_EQ(page().flbRoutines.entries, std::vector<std::string>{"Another.style"});
  EXPECT_TRUE(page().flbRoutines.focused);
  EXPECT_FALSE(page().cmdDeleteStyle.enabled) << "the last style cannot be deleted";
  window->cmdDeleteStyle_Click();
  EXPECT_TRUE(root.exists("program/Another.style"));
}

TEST_F(OptionsPageTest, TheEditorsSaveAsAndTheFolderBrowserAnswerIntoThePage) {
  enter(billing());
  dialogs.inputAnswers.push_back(std::string("Copy"));
  ASSERT_TRUE(window->editor().saveAs().ok());
  EXPECT_EQ(page().flbRoutines.entries, (std::vector<std::string>{"Copy.style", "Simple.style"}));
  EXPECT_EQ(page().flbRoutines.selected, std::optional<std::size_t>(0));
  EXPECT_TRUE(page().cmdDeleteStyle.enabled);
  EXPECT_EQ(page().lblTitles6.caption, "3. Set the options [Current style: Copy]");
  EXPECT_EQ(setting("LastRoutine"), "Copy.style");
  window->cmdNewBrowse_Click();
  EXPECT_EQ(view.requests, std::vector<std::string>{"browser"});
  window->setNewLocation("/somewhere/else");
  EXPECT_EQ(page().txtNewLoc.text, "/somewhere/else");
}

TEST(SingleFromText, ReadsNumbersAsTheUserWritesThem) {
  const struct {
    std::string text;
    std::string separator;
    std::optional<float> value;
  } cases[] = {
      {"10", ".", 10.0F},      {"  -2.5 ", ".", -2.5F}, {"+3", ".", 3.0F},       {".5", ".", 0.5F},
      {"5.", ".", 5.0F},       {"2,5", ",", 2.5F},      {"1E2", ".", 100.0F},    {"1d-1", ".", 0.1F},
      {"1e-400", ".", 0.0F},   {"1e39", ".", {}},       {"", ".", {}},           {".", ".", {}},
      {"e5", ".", {}},         {"1e", ".", {}},         {"0x10", ".", {}},       {"1 2", ".", {}},
      {"1,000", ".", {}},      {"--1", ".", {}},
  };
  for (const auto& c : cases) {
    const auto value = singleFromText(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << "'" << c.text << "'";
    if (value) {
      EXPECT_FLOAT_EQ(*value, *c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace qm::testing
