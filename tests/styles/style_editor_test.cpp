// The style editor: loading, typing with tag respelling and highlighting, the
// Insert menu, the extra files list, and saving.
#include "styles/style_editor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "style_fixture.h"
#include "styles/style_file.h"

namespace qm {
namespace {

using testing::crlf;
using testing::Names;

const std::string kLoggedStyle = crlf({"[ON ERROR]", "On Error GoTo ErrorHandler",
                                       "Const sPROCEDURE as String = <Procedure_Name>", "[ERROR HANDLER]",
                                       "<Exit_Routine>", "ErrorHandler:", "    LogError sPROCEDURE, Err.Number",
                                       "[FILES]", "C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm"});
const std::string kLoggedHandler = crlf({"<Exit_Routine>", "ErrorHandler:", "    LogError sPROCEDURE, Err.Number"});
const std::string kDumpDeclaration = "Dim sLocalVariableDump as String 'Used for variable dump";

// An editor over a program folder holding Logged.style.
struct EditorFixture : testing::StyleFixture {
  EditorFixture() { folder.write("Logged.style", kLoggedStyle); }
  // Loads a style of one line in each text and no files.
  void loadPlain(std::string_view onError = "x", std::string_view handler = "y") {
    folder.write("Fixture.style", crlf({"[ON ERROR]", onError, "[ERROR HANDLER]", handler, "[FILES]"}));
    ASSERT_TRUE(editor.load("Fixture"));
  }
  void loadLogged() { ASSERT_TRUE(editor.load("Logged")); }
};

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
  EXPECT_EQ(f.editor.extraFiles(), (Names{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm"}));
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

TEST(StyleEditorLoad, ShowsTagsInTheirOwnSpellingAndTicksTheDumpForItsTagInAnyCase) {
  const struct {
    std::string handler, shown;
    int ticks;
  } cases[] = {{"MsgBox <VARIABLE_DUMP>", "MsgBox <Variable_Dump>\n", 1}, {"x = <variable_dump>", "x = <Variable_Dump>\n", 1},
               {"<exit_routine>", "<Exit_Routine>\n", 0},                 {"<Variable Dump>", "<Variable Dump>\n", 0}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain("Const sMODULE as String = <module_name>", c.handler);
    EXPECT_EQ(f.ticks, c.ticks) << c.handler;
    EXPECT_EQ(f.editor.text(kFirstCodeTab), "Const sMODULE as String = <Module_Name>\n");
    EXPECT_EQ(f.editor.text(kLastCodeTab), c.shown);
    EXPECT_FALSE(f.editor.saveEnabled()) << c.handler;
  }
}

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
       "Const s = <Procedure_Name>\nLog <Increment>, <Procedure_Name>\n", {{10, 16}, {31, 11}, {44, 16}}},
      {"<exit_routine", "<exit_routine", {}},    // unfinished
      {"<Exit Routine>", "<Exit Routine>", {}},  // a blank inside
      {"' caf\xE9 <module_name> \xFC", "' caf\xE9 <Module_Name> \xFC", {{7, 13}}},
      {"", "", {}}};
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
  // The style keeps CR LF while the areas show one break.
  EditorFixture f;
  f.loadPlain();
  f.editor.setText(kFirstCodeTab, "On Error GoTo Handler\n<procedure_name>\n", 0);
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error GoTo Handler", "<Procedure_Name>"}));
  EXPECT_EQ(f.editor.highlights(kFirstCodeTab), (std::vector<TextRange>{{22, 16}}));
  const std::string loneCr = "x\ry\r\r\n";  // a CR inside a line survives the round trip
  EXPECT_EQ(styleForm(displayForm(loneCr)), loneCr);
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

TEST(StyleEditorInsertTag, ReplacesTheSelectionAndPutsTheCaretAfterTheTag) {
  const struct {
    int tab;
    std::string text;
    std::size_t start, length;
    int item;
    std::string shown;
    std::size_t caret;
  } cases[] = {{kFirstCodeTab, "Const s = \n", 10, 0, 0, "Const s = <Project_Name>\n", 24},
               {kFirstCodeTab, "Const s = XXX\n", 10, 3, 1, "Const s = <Module_Name>\n", 23},
               {kLastCodeTab, "ErrorHandler:\n", 0, 0, 4, "<Exit_Routine>ErrorHandler:\n", 14},
               {kLastCodeTab, "ab", 1, 50, 2, "a<Procedure_Name>", 17}};  // a selection past the end is clipped
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain();
    f.editor.show();
    f.editor.selectTab(c.tab);
    f.editor.setText(c.tab, c.text, 0);
    f.editor.insertTag(c.item, c.start, c.length);
    EXPECT_EQ(f.editor.text(c.tab), c.shown);
    EXPECT_EQ(f.editor.selection(c.tab), (TextRange{c.caret, 0})) << c.shown;
    EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
    EXPECT_TRUE(f.editor.saveEnabled());
    const auto red = f.editor.highlights(c.tab);
    EXPECT_TRUE(std::any_of(red.begin(), red.end(), [&](const TextRange& r) { return r.start + r.length == c.caret; }))
        << c.shown;
  }
}

TEST(StyleEditorInsertTag, TheVariableDumpDeclaresItsVariableOnceOnItsOwnLine) {
  const struct {
    std::string onError, after;  // display form
  } cases[] = {{"On Error GoTo E\n", "On Error GoTo E\n" + kDumpDeclaration + "\n"},
               {"On Error GoTo E", "On Error GoTo E\n" + kDumpDeclaration + "\n"},
               {"", kDumpDeclaration + "\n"},
               {"DIM SLOCALVARIABLEDUMP AS STRING\n", "DIM SLOCALVARIABLEDUMP AS STRING\n"}};
  for (const auto& c : cases) {
    EditorFixture f;
    f.loadPlain("x", "ErrorHandler:");
    f.editor.setText(kFirstCodeTab, c.onError, 0);
    f.editor.selectTab(kLastCodeTab);
    const std::size_t end = f.editor.text(kLastCodeTab).size();
    f.editor.insertTag(3, end, 0);
    f.editor.insertTag(3, f.editor.caret(kLastCodeTab), 0);
    EXPECT_EQ(f.editor.text(kFirstCodeTab), c.after) << c.onError;
    EXPECT_EQ(f.editor.text(kLastCodeTab), "ErrorHandler:\n<Variable_Dump><Variable_Dump>");
    EXPECT_EQ(f.ticks, 2);
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

TEST(StyleEditorFocus, DecidesWhichInsertItemsAreOffered) {
  const struct {
    bool withFiles;
    EditorFocus focus;
    bool insertMenu, tags, remove;
  } cases[] = {{true, EditorFocus::TextArea, true, true, false},
               {true, EditorFocus::FileList, true, false, true},
               {false, EditorFocus::FileList, true, false, false},
               {true, EditorFocus::TabStrip, false, true, false}};
  for (const auto& c : cases) {
    EditorFixture f;
    c.withFiles ? f.loadLogged() : f.loadPlain();
    f.editor.setFocus(EditorFocus::TextArea);
    f.editor.setFocus(c.focus);
    const int what = static_cast<int>(c.focus);
    EXPECT_EQ(f.editor.insertMenuEnabled(), c.insertMenu) << what;
    EXPECT_EQ(f.editor.tagItemsEnabled(), c.tags) << what;
    EXPECT_TRUE(f.editor.extraFileEnabled()) << what;
    EXPECT_EQ(f.editor.removeFileEnabled(), c.remove) << what << c.withFiles;
  }
  // Changing tabs moves the focus only while the window is shown.
  EditorFixture f;
  f.loadLogged();
  f.editor.selectTab(kExtraFilesTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  f.editor.show();
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  EXPECT_FALSE(f.editor.tagItemsEnabled());
  f.editor.selectTab(kLastCodeTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  EXPECT_TRUE(f.editor.tagItemsEnabled());
}

TEST(StyleEditorFiles, AreAskedForFromTheProgramFolderAndListedOnce) {
  EditorFixture f;
  f.loadLogged();
  f.editor.show();
  f.editor.addExtraFiles();  // cancelled
  EXPECT_FALSE(f.editor.saveEnabled());
  f.dialogs.fileAnswers = {{"C:\\Shared\\frmError.frm"}};
  f.editor.addExtraFiles();
  EXPECT_FALSE(f.editor.saveEnabled()) << "a duplicate alone is no change";
  // Another spelling is another entry.
  f.dialogs.fileAnswers = {{"C:\\Lib\\modLog.bas", "C:\\Lib\\clsLog.cls"}, {"C:\\Lib\\clsLog.cls"}, {"c:\\lib\\CLSLOG.cls"}};
  for (int i = 0; i < 3; ++i) f.editor.addExtraFiles();
  ASSERT_EQ(f.dialogs.fileRequests.size(), 5u);
  const FileDialogRequest& asked = f.dialogs.fileRequests.back();
  EXPECT_EQ(asked.filter,
            "All Files (*.*)|*.*|Forms (*.frm; *.frx)|*.frm;*.frx|Modules (*.bas)|*.bas|Classes (*.cls)|*.cls");
  EXPECT_EQ(asked.initialFolder, f.folder.path());
  EXPECT_TRUE(asked.allowMultiple);
  EXPECT_EQ(f.editor.extraFiles(), (Names{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm", "C:\\Lib\\modLog.bas",
                                          "C:\\Lib\\clsLog.cls", "c:\\lib\\CLSLOG.cls"}));
  EXPECT_EQ(f.editor.currentTab(), kExtraFilesTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  EXPECT_TRUE(f.editor.fileSelected(0));
  EXPECT_FALSE(f.editor.fileSelected(1));
  EXPECT_TRUE(f.editor.removeFileEnabled());
  EXPECT_FALSE(f.editor.tagItemsEnabled());
  EXPECT_TRUE(f.editor.saveEnabled());
  f.editor.openExtraFile(1);
  f.editor.openExtraFile(7);
  EXPECT_EQ(f.opened, Names{"C:\\Shared\\frmError.frm"});
}

TEST(StyleEditorFiles, RemovingKeepsTheUnselectedEntriesInOrder) {
  EditorFixture f;
  f.loadPlain();
  f.editor.addExtraFiles();  // cancelled
  EXPECT_FALSE(f.editor.removeFileEnabled());
  EXPECT_FALSE(f.editor.saveEnabled());
  f.dialogs.fileAnswers = {{"a.bas", "b.bas", "c.bas", "d.bas"}};
  f.editor.addExtraFiles();
  f.editor.setFileSelected(0, false);
  f.editor.setFileSelected(1, true);
  f.editor.setFileSelected(3, true);
  f.editor.removeSelectedFiles();
  EXPECT_EQ(f.editor.extraFiles(), (Names{"a.bas", "c.bas"}));
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

TEST(StyleEditorSave, ClosingKeepsUnsavedEditsAndSavingWritesThemWithProgressThenRemembersTheStyle) {
  EditorFixture f;
  f.loadLogged();
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle) << "saved unchanged, the same file";
  f.editor.show();
  f.editor.setText(kLastCodeTab, "ErrorHandler:\n<exit_routine>\n", 0);
  f.editor.hide();
  EXPECT_TRUE(f.editor.saveEnabled());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);  // closing writes nothing
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
  EXPECT_EQ(f.lastRoutines, Names{"Logged.style"});
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
  EXPECT_EQ(f.dialogs.messages[0].first, saved.message());
  EXPECT_TRUE(f.editor.saveEnabled());
  EXPECT_TRUE(f.lastRoutines.empty());
  EXPECT_FALSE(f.editor.saveProgressVisible());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
}

TEST(StyleEditorSave, WithoutANameAsksForOne) {
  EditorFixture f;
  f.editor.setText(kFirstCodeTab, "On Error GoTo X\n", 0);
  f.dialogs.inputAnswers = {"First"};
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("First.style"), crlf({"[ON ERROR]", "On Error GoTo X", "[ERROR HANDLER]", "[FILES]"}));
  EXPECT_EQ(f.editor.styleName(), "First.style");
}

TEST(StyleEditorSaveAs, NamesTheNewStyleAsTypedOrExplainsTheRefusal) {
  const struct {
    std::optional<std::string> answer;
    std::string written;  // "" when nothing may be written
  } cases[] = {{std::nullopt, ""},           {"   ", ""},          {"Trap", "Trap.style"}, {"  Trap  ", "Trap.style"},
               {"Trap.style", "Trap.style"}, {"Trap.STYLE", "Trap.STYLE.style"}, {"..\\Trap", ""}, {"sub/Trap", ""},
               {"a:b", ""}};
  for (const auto& c : cases) {
    const std::string what = c.answer.value_or("<cancelled>");
    EditorFixture f;
    f.loadLogged();
    f.editor.setText(kFirstCodeTab, "On Error GoTo Trap\n", 0);
    f.dialogs.inputAnswers = {c.answer};
    // A refusal is explained; a cancelled or empty answer quietly does nothing.
    const bool saved = static_cast<bool>(f.editor.saveAs());
    EXPECT_EQ(saved, f.dialogs.messages.empty()) << what;
    for (const auto& [text, title] : f.dialogs.messages) EXPECT_EQ(title, "New Style") << text;
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.dialogs.questions[0].prompt, "Please give a name to the new code style");
    EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
    EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
    EXPECT_EQ(f.lastRoutines, c.written.empty() ? Names{} : Names{c.written}) << what;
    EXPECT_EQ(f.editor.styleName(), c.written.empty() ? "Logged.style" : c.written) << what;
    EXPECT_EQ(f.editor.saveEnabled(), c.written.empty()) << what;
    EXPECT_EQ(f.styleChanges, c.written.empty() ? 0 : 1) << what;
    if (c.written.empty()) continue;
    EXPECT_NE(f.folder.read(c.written).find("On Error GoTo Trap"), std::string::npos) << what;
    EXPECT_EQ(f.editor.caption(), "Editor: " + c.written) << what;
    EXPECT_EQ(f.editor.extraFiles().size(), 2u) << what;
  }
}

}  // namespace
}  // namespace qm
