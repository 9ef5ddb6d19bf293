// The style editor: loading, typing with tag respelling and highlighting, the
// Insert menu, the extra files list, and saving.
#include "styles/style_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "style_fixture.h"
#include "styles/style_file.h"

namespace qm {
namespace {

using testing::crlf;

const std::string kLoggedStyle = crlf({
    "[ON ERROR]",
    "On Error GoTo ErrorHandler",
    "Const sPROCEDURE as String = <Procedure_Name>",
    "[ERROR HANDLER]",
    "<Exit_Routine>",
    "ErrorHandler:",
    "    LogError sPROCEDURE, Err.Number",
    "[FILES]",
    "C:\\Shared\\modErrorLog.bas",
    "C:\\Shared\\frmError.frm",
});
const std::string kLoggedHandler = crlf({"<Exit_Routine>", "ErrorHandler:", "    LogError sPROCEDURE, Err.Number"});
const std::string kDumpDeclaration = "Dim sLocalVariableDump as String 'Used for variable dump";

// One editor over a fresh program folder holding Logged.style, every hook recorded.
struct EditorFixture : testing::StyleFixture {
  int ticks = 0;
  int listRefreshes = 0;
  int styleChanges = 0;
  std::vector<std::pair<bool, int>> progress;  // what each repaint showed
  std::vector<int> holds;
  std::vector<std::string> opened;

  EditorFixture() {
    folder.write("Logged.style", kLoggedStyle);
    recordLastRoutines();
    StyleEditorHooks& hooks = editor.hooks();
    hooks.tickVariableDump = [this] { ++ticks; };
    hooks.styleListChanged = [this] { ++listRefreshes; };
    hooks.currentStyleChanged = [this] { ++styleChanges; };
    hooks.repaint = [this] { progress.emplace_back(editor.saveProgressVisible(), editor.saveProgressValue()); };
    hooks.holdProgress = [this](int ms) {
      EXPECT_TRUE(editor.saveProgressVisible());
      holds.push_back(ms);
    };
    hooks.openDocument = [this](const std::string& path) { opened.push_back(path); };
  }

  // Loads a style of one line in each text and no files.
  void loadPlain(std::string_view onError = "x", std::string_view handler = "y") {
    folder.write("Fixture.style", crlf({"[ON ERROR]", onError, "[ERROR HANDLER]", handler, "[FILES]"}));
    ASSERT_TRUE(editor.load("Fixture"));
  }
  void loadLogged() { ASSERT_TRUE(editor.load("Logged")); }
};

// --- loading ----------------------------------------------------------------------

TEST(StyleEditorLoad, ShowsTheStyleOnItsFirstTabWithNothingUnsaved) {
  EditorFixture f;
  f.editor.selectTab(kExtraFilesTab);
  f.loadLogged();
  EXPECT_EQ(f.editor.caption(), "Editor: Logged");
  EXPECT_EQ(f.editor.styleName(), "Logged.style");
  EXPECT_EQ(f.editor.currentTab(), kFirstCodeTab);
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_FALSE(f.editor.visible());  // loading never shows the window
  EXPECT_EQ(f.editor.text(kFirstCodeTab), "On Error GoTo ErrorHandler\nConst sPROCEDURE as String = <Procedure_Name>\n");
  EXPECT_EQ(f.editor.style().handlerText, kLoggedHandler);
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm"}));
  EXPECT_EQ(f.ticks, 0);
}

TEST(StyleEditorLoad, FailedLoadEmptiesTheFilesButKeepsTheTexts) {
  EditorFixture f;
  f.loadLogged();
  f.editor.setText(kFirstCodeTab, "On Error Resume Next\n", 0);
  f.editor.selectTab(kLastCodeTab);
  EXPECT_FALSE(f.editor.load("Missing"));
  EXPECT_EQ(f.editor.caption(), "Editor: Missing");
  EXPECT_EQ(f.editor.currentTab(), kFirstCodeTab);
  EXPECT_TRUE(f.editor.extraFiles().empty());
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error Resume Next"}));
  EXPECT_EQ(f.editor.style().handlerText, kLoggedHandler);
  EXPECT_EQ(f.editor.styleName(), "Logged.style");

  EditorFixture unreadable;
  unreadable.failEvery(testing::Operation::Read);
  EXPECT_FALSE(unreadable.editor.load("Logged"));
  EXPECT_TRUE(unreadable.editor.style().onErrorText.empty());
}

TEST(StyleEditorLoad, VariableDumpTagInAnyCaseTicksTheBox) {
  const struct {
    std::string handlerLine;
    int ticks;
  } cases[] = {{"MsgBox <VARIABLE_DUMP>", 1}, {"x = <Variable_Dump>", 1}, {"MsgBox Err.Description", 0},
               {"<Variable Dump>", 0}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain("On Error GoTo ErrorHandler", c.handlerLine);
    EXPECT_EQ(f.ticks, c.ticks) << c.handlerLine;
  }
}

TEST(StyleEditorLoad, TagsStoredInLowerCaseAreShownInTheirOwnSpellingWithNothingUnsaved) {
  EditorFixture f;
  f.loadPlain("Const sMODULE as String = <module_name>", "<exit_routine>");
  EXPECT_EQ(f.editor.text(kFirstCodeTab), "Const sMODULE as String = <Module_Name>\n");
  EXPECT_EQ(f.editor.text(kLastCodeTab), "<Exit_Routine>\n");
  EXPECT_FALSE(f.editor.saveEnabled());
}

// --- typing ------------------------------------------------------------------------

TEST(StyleEditorTyping, TagsAreRespelledAndHighlighted) {
  const struct {
    std::string typed, shown;
    std::vector<TextRange> red;
  } cases[] = {
      {"<exit_routine>", "<Exit_Routine>", {{0, 14}}},
      {"<PROJECT_NAME><MODULE_NAME><PROCEDURE_NAME><VARIABLE_DUMP><EXIT_ROUTINE><INCREMENT>",
       "<Project_Name><Module_Name><Procedure_Name><Variable_Dump><Exit_Routine><Increment>",
       {{0, 14}, {14, 13}, {27, 16}, {43, 15}, {58, 14}, {72, 11}}},
      {"Const s = <procedure_name>\nLog <Increment>, <PROCEDURE_name>\n",
       "Const s = <Procedure_Name>\nLog <Increment>, <Procedure_Name>\n",
       {{10, 16}, {31, 11}, {44, 16}}},
      {"<exit_routine", "<exit_routine", {}},    // unfinished
      {"<Exit Routine>", "<Exit Routine>", {}},  // a blank inside
      {"' caf\xE9 <module_name> \xFC", "' caf\xE9 <Module_Name> \xFC", {{7, 13}}},
      {"", "", {}},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain();
    for (int tab : {kFirstCodeTab, kLastCodeTab}) {
      f.editor.setText(tab, c.typed, 3);
      EXPECT_EQ(f.editor.text(tab), c.shown) << c.typed;
      EXPECT_EQ(f.editor.highlights(tab), c.red) << c.typed;
      EXPECT_EQ(f.editor.caret(tab), std::min<std::size_t>(3, c.typed.size())) << c.typed;
    }
    EXPECT_TRUE(f.editor.saveEnabled());
  }
}

TEST(StyleEditorTyping, TheStyleKeepsCrLfWhileTheAreasShowOneBreak) {
  EditorFixture f;
  f.loadPlain();
  f.editor.setText(kFirstCodeTab, "On Error GoTo Handler\n<procedure_name>\n", 0);
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error GoTo Handler", "<Procedure_Name>"}));
  EXPECT_EQ(f.editor.highlights(kFirstCodeTab), (std::vector<TextRange>{{22, 16}}));
}

TEST(StyleEditorTyping, TheSameTextOrTextForTheFilesTabIsNoChange) {
  EditorFixture f;
  f.loadLogged();
  f.editor.setText(kLastCodeTab, f.editor.text(kLastCodeTab), 5);
  EXPECT_EQ(f.editor.caret(kLastCodeTab), 5u);
  f.editor.setText(kExtraFilesTab, "x", 1);
  EXPECT_EQ(f.editor.text(kExtraFilesTab), "");
  EXPECT_FALSE(f.editor.saveEnabled());
}

TEST(StyleEditorTyping, TheTabKeyInsertsFourSpaces) {
  const struct {
    std::string text;
    std::size_t start, length;
    std::string shown;
    std::size_t caret;
  } cases[] = {{"End\nResume", 4, 0, "End\n    Resume", 8}, {"abcdef", 1, 3, "a    ef", 5}, {"ab", 9, 0, "ab    ", 6}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain();
    f.editor.selectTab(kLastCodeTab);
    f.editor.setText(kLastCodeTab, c.text, 0);
    f.editor.insertTabSpaces(c.start, c.length);
    EXPECT_EQ(f.editor.text(kLastCodeTab), c.shown) << c.text;
    EXPECT_EQ(f.editor.caret(kLastCodeTab), c.caret) << c.text;
  }
}

// --- the Insert menu's tags -----------------------------------------------------------

TEST(StyleEditorInsertTag, ReplacesTheSelectionAndPutsTheCaretAfterTheTag) {
  const struct {
    int tab;
    std::string text;
    std::size_t start, length;
    int item;
    std::string shown;
    std::size_t caret;
  } cases[] = {
      {kFirstCodeTab, "Const s = \n", 10, 0, 0, "Const s = <Project_Name>\n", 24},
      {kFirstCodeTab, "Const s = XXX\n", 10, 3, 1, "Const s = <Module_Name>\n", 23},
      {kLastCodeTab, "ErrorHandler:\n", 0, 0, 4, "<Exit_Routine>ErrorHandler:\n", 14},
      {kLastCodeTab, "ab", 1, 50, 2, "a<Procedure_Name>", 17},  // a selection past the end is clipped
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain();
    f.editor.show();
    f.editor.selectTab(c.tab);
    f.editor.setText(c.tab, c.text, 0);
    f.editor.insertTag(c.item, c.start, c.length);
    EXPECT_EQ(f.editor.text(c.tab), c.shown);
    EXPECT_EQ(f.editor.caret(c.tab), c.caret) << c.shown;
    EXPECT_EQ(f.editor.selection(c.tab), (TextRange{c.caret, 0})) << c.shown;
    EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
    EXPECT_TRUE(f.editor.saveEnabled());
    const auto red = f.editor.highlights(c.tab);
    EXPECT_TRUE(std::any_of(red.begin(), red.end(), [&](const TextRange& r) { return r.start + r.length == c.caret; }))
        << c.shown;
  }
}

TEST(StyleEditorInsertTag, VariableDumpTwiceDeclaresItsVariableOnce) {
  EditorFixture f;
  f.loadPlain("On Error GoTo ErrorHandler", "ErrorHandler:");
  f.editor.selectTab(kLastCodeTab);
  const std::size_t end = f.editor.text(kLastCodeTab).size();
  f.editor.insertTag(3, end, 0);
  f.editor.insertTag(3, f.editor.caret(kLastCodeTab), 0);
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error GoTo ErrorHandler", kDumpDeclaration}));
  EXPECT_EQ(f.editor.text(kLastCodeTab), "ErrorHandler:\n<Variable_Dump><Variable_Dump>");
  EXPECT_EQ(f.ticks, 2);
}

TEST(StyleEditorInsertTag, TheDeclarationGoesOnItsOwnLineUnlessAlreadyThere) {
  const struct {
    std::string onError, after;  // display form
  } cases[] = {
      {"On Error GoTo E\n", "On Error GoTo E\n" + kDumpDeclaration + "\n"},
      {"On Error GoTo E", "On Error GoTo E\n" + kDumpDeclaration + "\n"},
      {"", kDumpDeclaration + "\n"},
      {"DIM SLOCALVARIABLEDUMP AS STRING\n", "DIM SLOCALVARIABLEDUMP AS STRING\n"},
  };
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain();
    f.editor.setText(kFirstCodeTab, c.onError, 0);
    f.editor.selectTab(kLastCodeTab);
    f.editor.insertTag(3, 0, 0);
    EXPECT_EQ(f.editor.text(kFirstCodeTab), c.after) << c.onError;
  }
}

TEST(StyleEditorInsertTag, OnTheFilesTabOnlyTheVariableDumpDoesAnything) {
  EditorFixture f;
  f.loadLogged();
  f.editor.selectTab(kExtraFilesTab);
  const std::string before = f.editor.text(kLastCodeTab);
  f.editor.insertTag(0, 0, 0);
  EXPECT_FALSE(f.editor.saveEnabled());
  f.editor.insertTag(3, 0, 0);
  EXPECT_EQ(f.ticks, 1);
  EXPECT_EQ(f.editor.text(kLastCodeTab), before);
  EXPECT_NE(f.editor.style().onErrorText.find("Dim sLocalVariableDump"), std::string::npos);
  f.editor.insertTag(6, 0, 0);  // no such item
  f.editor.insertTag(-1, 0, 0);
  EXPECT_EQ(f.ticks, 1);
}

// --- menus by focus --------------------------------------------------------------------

TEST(StyleEditorFocus, DecidesWhichInsertItemsAreOffered) {
  const struct {
    bool withFiles;
    EditorFocus focus;
    bool insertMenu, tags, extraFile, remove;
  } cases[] = {{true, EditorFocus::TextArea, true, true, true, false},
               {true, EditorFocus::FileList, true, false, true, true},
               {false, EditorFocus::FileList, true, false, true, false},
               {true, EditorFocus::TabStrip, false, true, true, false}};
  for (const auto& c : cases) {
    EditorFixture f;
    if (c.withFiles) f.loadLogged(); else f.loadPlain();
    f.editor.setFocus(EditorFocus::TextArea);
    f.editor.setFocus(c.focus);
    const int what = static_cast<int>(c.focus);
    EXPECT_EQ(f.editor.insertMenuEnabled(), c.insertMenu) << what;
    EXPECT_EQ(f.editor.tagItemsEnabled(), c.tags) << what;
    EXPECT_EQ(f.editor.extraFileEnabled(), c.extraFile) << what;
    EXPECT_EQ(f.editor.removeFileEnabled(), c.remove) << what << c.withFiles;
  }
  EXPECT_EQ(StyleEditor::tagItemCaptions(), (std::vector<std::string>{"Pro&ject Name", "&Module Name", "&Procedure Name",
                                                                      "&Variable Dump", "&Exit Routine", "&Increment"}));
}

TEST(StyleEditorFocus, ChangingTabsFocusesTheTabsControlWhileShown) {
  EditorFixture f;
  f.loadLogged();
  f.editor.selectTab(kExtraFilesTab);  // hidden: nothing can take the focus
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  f.editor.show();
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  EXPECT_FALSE(f.editor.tagItemsEnabled());
  f.editor.selectTab(kLastCodeTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  EXPECT_TRUE(f.editor.tagItemsEnabled());
}

// --- extra files ---------------------------------------------------------------------------

TEST(StyleEditorFiles, AskTheDialogForSeveralFilesFromTheProgramFolder) {
  EditorFixture f;
  f.loadPlain();
  f.editor.show();
  f.editor.addExtraFiles();  // cancelled
  EXPECT_TRUE(f.editor.extraFiles().empty());
  EXPECT_FALSE(f.editor.saveEnabled());
  f.dialogs.fileAnswers.push_back({"C:\\Lib\\modLog.bas", "C:\\Lib\\frmLog.frm"});
  f.editor.addExtraFiles();
  ASSERT_EQ(f.dialogs.fileRequests.size(), 2u);
  const FileDialogRequest& asked = f.dialogs.fileRequests.back();
  EXPECT_EQ(asked.filter,
            "All Files (*.*)|*.*|Forms (*.frm; *.frx)|*.frm;*.frx|Modules (*.bas)|*.bas|Classes (*.cls)|*.cls");
  EXPECT_EQ(asked.initialFolder, f.folder.path());
  EXPECT_TRUE(asked.allowMultiple);
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"C:\\Lib\\modLog.bas", "C:\\Lib\\frmLog.frm"}));
  EXPECT_EQ(f.editor.currentTab(), kExtraFilesTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  EXPECT_TRUE(f.editor.fileSelected(0));
  EXPECT_FALSE(f.editor.fileSelected(1));
  EXPECT_TRUE(f.editor.removeFileEnabled());
  EXPECT_FALSE(f.editor.tagItemsEnabled());
  EXPECT_TRUE(f.editor.saveEnabled());
}

TEST(StyleEditorFiles, AddingTheSameFileTwiceKeepsOneEntry) {
  EditorFixture f;
  f.loadLogged();
  f.dialogs.fileAnswers.push_back({"C:\\Shared\\frmError.frm"});
  f.editor.addExtraFiles();
  EXPECT_FALSE(f.editor.saveEnabled()) << "a duplicate alone is no change";
  f.dialogs.fileAnswers.push_back({"C:\\Shared\\modErrorLog.bas", "C:\\Lib\\clsLog.cls"});
  f.dialogs.fileAnswers.push_back({"C:\\Lib\\clsLog.cls"});
  f.dialogs.fileAnswers.push_back({"c:\\lib\\CLSLOG.cls"});  // another spelling is another entry
  for (int i = 0; i < 3; ++i) f.editor.addExtraFiles();
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm",
                                                             "C:\\Lib\\clsLog.cls", "c:\\lib\\CLSLOG.cls"}));
}

TEST(StyleEditorFiles, RemovingKeepsTheUnselectedEntriesInOrder) {
  EditorFixture f;
  f.loadPlain();
  f.dialogs.fileAnswers.push_back({"a.bas", "b.bas", "c.bas", "d.bas"});
  f.editor.addExtraFiles();
  f.editor.setFileSelected(0, false);
  f.editor.setFileSelected(1, true);
  f.editor.setFileSelected(3, true);
  f.editor.removeSelectedFiles();
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"a.bas", "c.bas"}));
  EXPECT_FALSE(f.editor.fileSelected(0));
  EXPECT_TRUE(f.editor.removeFileEnabled());
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  f.editor.setFileSelected(0, true);
  f.editor.setFileSelected(1, true);
  f.editor.removeSelectedFiles();
  EXPECT_TRUE(f.editor.extraFiles().empty());
  EXPECT_FALSE(f.editor.removeFileEnabled());
  EXPECT_TRUE(f.editor.saveEnabled());

  EditorFixture nothing;
  nothing.loadLogged();
  nothing.editor.removeSelectedFiles();
  EXPECT_EQ(nothing.editor.extraFiles().size(), 2u);
  EXPECT_FALSE(nothing.editor.saveEnabled()) << "removing nothing is no change";
}

TEST(StyleEditorFiles, DoubleClickOpensTheFile) {
  EditorFixture f;
  f.loadLogged();
  f.editor.openExtraFile(1);
  f.editor.openExtraFile(7);
  EXPECT_EQ(f.opened, (std::vector<std::string>{"C:\\Shared\\frmError.frm"}));
}

// --- closing and saving ---------------------------------------------------------------------

TEST(StyleEditorWindow, ClosingWithUnsavedEditsKeepsThemForTheNextRun) {
  EditorFixture f;
  f.loadLogged();
  f.editor.show();
  f.editor.setText(kFirstCodeTab, "On Error GoTo Trap\n", 0);
  f.editor.hide();
  EXPECT_FALSE(f.editor.visible());
  EXPECT_TRUE(f.editor.saveEnabled());
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error GoTo Trap"}));
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);  // nothing was written
}

TEST(StyleEditorSave, WritesUnderTheCurrentNameWithProgressThenRemembersIt) {
  EditorFixture f;
  f.loadLogged();
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle) << "saved unchanged, the same file";
  f.editor.setText(kLastCodeTab, "ErrorHandler:\n<exit_routine>\n", 0);
  f.progress.clear();
  f.holds.clear();
  f.lastRoutines.clear();
  f.listRefreshes = 0;
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("Logged.style"),
            crlf({"[ON ERROR]", "On Error GoTo ErrorHandler", "Const sPROCEDURE as String = <Procedure_Name>",
                  "[ERROR HANDLER]", "ErrorHandler:", "<Exit_Routine>", "[FILES]", "C:\\Shared\\modErrorLog.bas",
                  "C:\\Shared\\frmError.frm"}));
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_EQ(f.lastRoutines, (std::vector<std::string>{"Logged.style"}));
  EXPECT_EQ(f.listRefreshes, 1);
  EXPECT_EQ(f.progress, (std::vector<std::pair<bool, int>>{{true, 0}, {true, 3}, {false, 3}}));
  EXPECT_EQ(f.holds, (std::vector<int>{500}));
  EXPECT_FALSE(f.editor.saveProgressVisible());
}

TEST(StyleEditorSave, FailureIsShownAndLeavesTheEditsUnsaved) {
  EditorFixture f;
  f.loadLogged();
  f.editor.setText(kFirstCodeTab, "On Error GoTo Elsewhere\n", 0);
  f.failEvery(testing::Operation::Write);
  const Status saved = f.editor.save();
  EXPECT_FALSE(saved);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, saved.message());
  EXPECT_TRUE(f.editor.saveEnabled());
  EXPECT_TRUE(f.lastRoutines.empty());
  EXPECT_FALSE(f.editor.saveProgressVisible());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
}

TEST(StyleEditorSave, WithoutANameAsksForOne) {
  EditorFixture f;
  f.editor.setText(kFirstCodeTab, "On Error GoTo X\n", 0);
  f.dialogs.inputAnswers.push_back(std::string("First"));
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("First.style"), crlf({"[ON ERROR]", "On Error GoTo X", "[ERROR HANDLER]", "[FILES]"}));
  EXPECT_EQ(f.editor.styleName(), "First.style");
}

TEST(StyleEditorSaveAs, NamesTheNewStyleAsTyped) {
  const struct {
    std::optional<std::string> answer;
    std::string written;  // "" when nothing may be written
  } cases[] = {{std::nullopt, ""},        {"   ", ""},
               {"Trap", "Trap.style"},    {"  Trap  ", "Trap.style"},
               {"Trap.style", "Trap.style"}, {"Trap.STYLE", "Trap.STYLE.style"},
               {"..\\Trap", ""},          {"sub/Trap", ""}};
  for (const auto& c : cases) {
    const std::string what = c.answer.value_or("<cancelled>");
    EditorFixture f;
    f.loadLogged();
    f.editor.setText(kFirstCodeTab, "On Error GoTo Trap\n", 0);
    f.dialogs.inputAnswers.push_back(c.answer);
    f.editor.saveAs();
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.dialogs.questions[0].prompt, "Please give a name to the new code style");
    EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
    EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
    if (c.written.empty()) {
      EXPECT_TRUE(f.lastRoutines.empty()) << what;
      EXPECT_TRUE(f.editor.saveEnabled()) << what;
      EXPECT_EQ(f.editor.styleName(), "Logged.style") << what;
      EXPECT_EQ(f.styleChanges, 0) << what;
      continue;
    }
    EXPECT_NE(f.folder.read(c.written).find("On Error GoTo Trap"), std::string::npos) << what;
    EXPECT_EQ(f.lastRoutines, (std::vector<std::string>{c.written})) << what;
    EXPECT_EQ(f.editor.styleName(), c.written) << what;
    EXPECT_EQ(f.editor.caption(), "Editor: " + c.written) << what;
    EXPECT_FALSE(f.editor.saveEnabled()) << what;
    EXPECT_EQ(f.editor.extraFiles().size(), 2u) << what;
    EXPECT_EQ(f.styleChanges, 1) << what;
  }
}

TEST(StyleEditorSaveAs, RefusedNameIsExplained) {
  EditorFixture f;
  f.loadLogged();
  f.dialogs.inputAnswers.push_back(std::string("a:b"));
  EXPECT_FALSE(f.editor.saveAs());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].title, "New Style");
}

TEST(StyleEditorForms, DisplayAndStyleFormsConvertBothWays) {
  EXPECT_EQ(displayForm("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(styleForm("a\nb\n"), "a\r\nb\r\n");
  const std::string loneCr = "x\ry\r\r\n";  // a CR inside a line survives the round trip
  EXPECT_EQ(styleForm(displayForm(loneCr)), loneCr);
}

}  // namespace
}  // namespace qm
