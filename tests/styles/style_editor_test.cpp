#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "recording_dialogs.h"
#include "styles/style_editor.h"
#include "styles/style_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::RecordingDialogs;
using testing::TempFolder;

std::string testName(std::string name) {
  for (char& c : name)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

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

// One editor over a fresh program folder, with every hook recorded.
struct EditorFixture {
  TempFolder folder;
  testing::FaultyFileSystem files;
  Workspace workspace{files, folder.path(), folder.path()};
  RecordingDialogs dialogs;
  StyleEditor editor{workspace, dialogs};
  int ticks = 0;
  int listRefreshes = 0;
  int styleChanges = 0;
  std::vector<std::string> lastRoutines;
  std::vector<std::pair<bool, int>> progress;  // what each repaint showed
  std::vector<int> holds;
  std::vector<std::string> opened;

  EditorFixture() {
    folder.write("Logged.style", kLoggedStyle);
    StyleEditorHooks& hooks = editor.hooks();
    hooks.tickVariableDump = [this] { ++ticks; };
    hooks.styleListChanged = [this] { ++listRefreshes; };
    hooks.currentStyleChanged = [this] { ++styleChanges; };
    hooks.saveLastRoutine = [this](const std::string& name) { lastRoutines.push_back(name); };
    hooks.repaint = [this] { progress.emplace_back(editor.saveProgressVisible(), editor.saveProgressValue()); };
    hooks.holdProgress = [this](int ms) {
      EXPECT_TRUE(editor.saveProgressVisible());
      holds.push_back(ms);
    };
    hooks.openDocument = [this](const std::string& path) { opened.push_back(path); };
  }

  // Loads a style holding `onError` and `handler` (lines without breaks).
  void loadTexts(std::initializer_list<std::string_view> onError, std::initializer_list<std::string_view> handler) {
    std::string text = crlf({"[ON ERROR]"});
    for (auto line : onError) text += crlf({line});
    text += crlf({"[ERROR HANDLER]"});
    for (auto line : handler) text += crlf({line});
    text += crlf({"[FILES]"});
    folder.write("Fixture.style", text);
    ASSERT_TRUE(editor.load("Fixture"));
  }
};

// --- loading ----------------------------------------------------------------------

TEST(StyleEditorLoad, ShowsTheStyleOnItsFirstTabWithNothingUnsaved) {
  EditorFixture f;
  f.editor.selectTab(kExtraFilesTab);
  ASSERT_TRUE(f.editor.load("Logged"));
  EXPECT_EQ(f.editor.caption(), "Editor: Logged");
  EXPECT_EQ(f.editor.styleName(), "Logged.style");
  EXPECT_EQ(f.editor.currentTab(), kFirstCodeTab);
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_FALSE(f.editor.visible());  // loading never shows the window
  EXPECT_EQ(f.editor.text(kFirstCodeTab), "On Error GoTo ErrorHandler\nConst sPROCEDURE as String = <Procedure_Name>\n");
  EXPECT_EQ(f.editor.style().handlerText,
            crlf({"<Exit_Routine>", "ErrorHandler:", "    LogError sPROCEDURE, Err.Number"}));
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm"}));
  EXPECT_EQ(f.ticks, 0);
}

TEST(StyleEditorLoad, FailedLoadEmptiesTheFilesButKeepsTheTexts) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kFirstCodeTab, "On Error Resume Next\n", 0);
  f.editor.selectTab(kLastCodeTab);

  EXPECT_FALSE(f.editor.load("Missing"));
  EXPECT_EQ(f.editor.caption(), "Editor: Missing");
  EXPECT_EQ(f.editor.currentTab(), kFirstCodeTab);
  EXPECT_TRUE(f.editor.extraFiles().empty());
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error Resume Next"}));
  EXPECT_EQ(f.editor.style().handlerText,
            crlf({"<Exit_Routine>", "ErrorHandler:", "    LogError sPROCEDURE, Err.Number"}));
  EXPECT_EQ(f.editor.styleName(), "Logged.style");
}

TEST(StyleEditorLoad, UnreadableFileCountsAsAFailedLoad) {
  EditorFixture f;
  f.files.setRule([](testing::Operation op, const std::string&) { return op == testing::Operation::Read; });
  EXPECT_FALSE(f.editor.load("Logged"));
  EXPECT_TRUE(f.editor.style().onErrorText.empty());
}

struct DumpTickCase {
  const char* name;
  std::vector<std::string_view> handler;
  int ticks;
};

class StyleEditorLoadTicks : public ::testing::TestWithParam<DumpTickCase> {};

TEST_P(StyleEditorLoadTicks, VariableDumpTagInAnyCaseTicksTheBox) {
  EditorFixture f;
  std::string text = crlf({"[ON ERROR]", "On Error GoTo ErrorHandler", "[ERROR HANDLER]"});
  for (auto line : GetParam().handler) text += crlf({line});
  f.folder.write("Dump.style", text);
  ASSERT_TRUE(f.editor.load("Dump.style"));
  EXPECT_EQ(f.ticks, GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleEditorLoadTicks,
                         ::testing::Values(DumpTickCase{"capitals", {"MsgBox <VARIABLE_DUMP>"}, 1},
                                           DumpTickCase{"own spelling", {"x = <Variable_Dump>"}, 1},
                                           DumpTickCase{"absent", {"MsgBox Err.Description"}, 0},
                                           DumpTickCase{"misspelt", {"<Variable Dump>"}, 0}),
                         [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorLoad, TagsStoredInLowerCaseAreShownInTheirOwnSpellingWithNothingUnsaved) {
  EditorFixture f;
  f.loadTexts({"Const sMODULE as String = <module_name>"}, {"<exit_routine>"});
  EXPECT_EQ(f.editor.text(kFirstCodeTab), "Const sMODULE as String = <Module_Name>\n");
  EXPECT_EQ(f.editor.text(kLastCodeTab), "<Exit_Routine>\n");
  EXPECT_FALSE(f.editor.saveEnabled());
}

// --- typing ------------------------------------------------------------------------

struct TypingCase {
  const char* name;
  std::string typed;
  std::string shown;
  std::vector<TextRange> red;
};

class StyleEditorTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(StyleEditorTyping, TagsAreRespelledAndHighlighted) {
  const auto& c = GetParam();
  EditorFixture f;
  f.loadTexts({"On Error GoTo ErrorHandler"}, {"ErrorHandler:"});
  for (int tab : {kFirstCodeTab, kLastCodeTab}) {
    f.editor.setText(tab, c.typed, 3);
    EXPECT_EQ(f.editor.text(tab), c.shown) << c.name;
    EXPECT_EQ(f.editor.highlights(tab), c.red) << c.name;
    EXPECT_EQ(f.editor.caret(tab), std::min<std::size_t>(3, c.typed.size())) << c.name;
  }
  EXPECT_TRUE(f.editor.saveEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleEditorTyping,
    ::testing::Values(
        TypingCase{"exit tag in lower case", "<exit_routine>", "<Exit_Routine>", {{0, 14}}},
        TypingCase{"every tag in capitals",
                   "<PROJECT_NAME><MODULE_NAME><PROCEDURE_NAME><VARIABLE_DUMP><EXIT_ROUTINE><INCREMENT>",
                   "<Project_Name><Module_Name><Procedure_Name><Variable_Dump><Exit_Routine><Increment>",
                   {{0, 14}, {14, 13}, {27, 16}, {43, 15}, {58, 14}, {72, 11}}},
        TypingCase{"repeated on several lines",
                   "Const s = <procedure_name>\nLog <Increment>, <PROCEDURE_name>\n",
                   "Const s = <Procedure_Name>\nLog <Increment>, <Procedure_Name>\n",
                   {{10, 16}, {31, 11}, {44, 16}}},
        TypingCase{"unfinished tag is plain text", "<exit_routine", "<exit_routine", {}},
        TypingCase{"blank inside is no tag", "<Exit Routine>", "<Exit Routine>", {}},
        TypingCase{"8-bit text around a tag", "' caf\xE9 <module_name> \xFC", "' caf\xE9 <Module_Name> \xFC", {{7, 13}}},
        TypingCase{"empty text", "", "", {}}),
    [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorTyping, TheStyleKeepsCrLfWhileTheAreasShowOneBreak) {
  EditorFixture f;
  f.loadTexts({"a"}, {"b"});
  f.editor.setText(kFirstCodeTab, "On Error GoTo Handler\n<procedure_name>\n", 0);
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"On Error GoTo Handler", "<Procedure_Name>"}));
  EXPECT_EQ(f.editor.highlights(kFirstCodeTab), (std::vector<TextRange>{{22, 16}}));
}

TEST(StyleEditorTyping, GivingBackTheSameTextIsNoChange) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kLastCodeTab, f.editor.text(kLastCodeTab), 5);
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_EQ(f.editor.caret(kLastCodeTab), 5u);
}

TEST(StyleEditorTyping, TextForTheFilesTabIsIgnored) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kExtraFilesTab, "x", 1);
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_EQ(f.editor.text(kExtraFilesTab), "");
}

struct TabKeyCase {
  const char* name;
  std::string text;
  std::size_t start, length;
  std::string shown;
  std::size_t caret;
};

class StyleEditorTabKey : public ::testing::TestWithParam<TabKeyCase> {};

TEST_P(StyleEditorTabKey, InsertsFourSpaces) {
  const auto& c = GetParam();
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
  f.editor.selectTab(kLastCodeTab);
  f.editor.setText(kLastCodeTab, c.text, 0);
  f.editor.insertTabSpaces(c.start, c.length);
  EXPECT_EQ(f.editor.text(kLastCodeTab), c.shown);
  EXPECT_EQ(f.editor.caret(kLastCodeTab), c.caret);
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleEditorTabKey,
                         ::testing::Values(TabKeyCase{"at line start", "End\nResume", 4, 0, "End\n    Resume", 8},
                                           TabKeyCase{"over a selection", "abcdef", 1, 3, "a    ef", 5},
                                           TabKeyCase{"past the end", "ab", 9, 0, "ab    ", 6}),
                         [](const auto& info) { return testName(info.param.name); });

// --- the Insert menu's tags -----------------------------------------------------------

struct InsertCase {
  const char* name;
  int tab;
  std::string text;
  std::size_t start, length;
  int item;
  std::string shown;
  std::size_t caret;
};

class StyleEditorInsertTag : public ::testing::TestWithParam<InsertCase> {};

TEST_P(StyleEditorInsertTag, ReplacesTheSelectionAndPutsTheCaretAfterTheTag) {
  const auto& c = GetParam();
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
  f.editor.show();
  f.editor.selectTab(c.tab);
  f.editor.setText(c.tab, c.text, 0);
  f.editor.insertTag(c.item, c.start, c.length);
  EXPECT_EQ(f.editor.text(c.tab), c.shown) << c.name;
  EXPECT_EQ(f.editor.caret(c.tab), c.caret) << c.name;
  EXPECT_EQ(f.editor.selection(c.tab), (TextRange{c.caret, 0})) << c.name;
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  EXPECT_TRUE(f.editor.saveEnabled());
  const auto red = f.editor.highlights(c.tab);
  EXPECT_TRUE(std::any_of(red.begin(), red.end(), [&](const TextRange& r) { return r.start + r.length == c.caret; }))
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleEditorInsertTag,
    ::testing::Values(
        InsertCase{"project name at the caret", kFirstCodeTab, "Const s = \n", 10, 0, 0,
                   "Const s = <Project_Name>\n", 24},
        InsertCase{"module name over a selection", kFirstCodeTab, "Const s = XXX\n", 10, 3, 1,
                   "Const s = <Module_Name>\n", 23},
        InsertCase{"exit routine in the handler", kLastCodeTab, "ErrorHandler:\n", 0, 0, 4,
                   "<Exit_Routine>ErrorHandler:\n", 14},
        InsertCase{"increment at the end", kLastCodeTab, "n = ", 4, 0, 5, "n = <Increment>", 15},
        InsertCase{"selection past the end is clipped", kLastCodeTab, "ab", 1, 50, 2, "a<Procedure_Name>", 17}),
    [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorInsertTag, VariableDumpTwiceDeclaresItsVariableOnce) {
  EditorFixture f;
  f.loadTexts({"On Error GoTo ErrorHandler"}, {"ErrorHandler:", "MsgBox Err.Description"});
  f.editor.selectTab(kLastCodeTab);
  const std::size_t end = f.editor.text(kLastCodeTab).size();
  f.editor.insertTag(3, end, 0);
  f.editor.insertTag(3, f.editor.caret(kLastCodeTab), 0);
  EXPECT_EQ(f.editor.style().onErrorText,
            crlf({"On Error GoTo ErrorHandler", "Dim sLocalVariableDump as String 'Used for variable dump"}));
  EXPECT_EQ(f.editor.text(kLastCodeTab), "ErrorHandler:\nMsgBox Err.Description\n<Variable_Dump><Variable_Dump>");
  EXPECT_EQ(f.ticks, 2);
}

struct DeclarationCase {
  const char* name;
  std::string onError;  // display form
  std::string after;
};

class StyleEditorDeclaration : public ::testing::TestWithParam<DeclarationCase> {};

TEST_P(StyleEditorDeclaration, IsAddedOnItsOwnLineUnlessAlreadyThere) {
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
  f.editor.setText(kFirstCodeTab, GetParam().onError, 0);
  f.editor.selectTab(kLastCodeTab);
  f.editor.insertTag(3, 0, 0);
  EXPECT_EQ(f.editor.text(kFirstCodeTab), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleEditorDeclaration,
    ::testing::Values(
        DeclarationCase{"after the last line", "On Error GoTo E\n",
                        "On Error GoTo E\nDim sLocalVariableDump as String 'Used for variable dump\n"},
        DeclarationCase{"last line without a break", "On Error GoTo E",
                        "On Error GoTo E\nDim sLocalVariableDump as String 'Used for variable dump\n"},
        DeclarationCase{"empty text", "", "Dim sLocalVariableDump as String 'Used for variable dump\n"},
        DeclarationCase{"declared in other letters", "DIM SLOCALVARIABLEDUMP AS STRING\n",
                        "DIM SLOCALVARIABLEDUMP AS STRING\n"}),
    [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorInsertTag, OnTheFilesTabOnlyTheVariableDumpDoesAnything) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.selectTab(kExtraFilesTab);
  const std::string before = f.editor.text(kLastCodeTab);
  f.editor.insertTag(0, 0, 0);
  EXPECT_FALSE(f.editor.saveEnabled());
  f.editor.insertTag(3, 0, 0);
  EXPECT_EQ(f.ticks, 1);
  EXPECT_EQ(f.editor.text(kLastCodeTab), before);
  EXPECT_NE(f.editor.style().onErrorText.find("Dim sLocalVariableDump"), std::string::npos);
  f.editor.insertTag(6, 0, 0);   // no such item
  f.editor.insertTag(-1, 0, 0);
  EXPECT_EQ(f.ticks, 1);
}

// --- menus by focus --------------------------------------------------------------------

struct FocusCase {
  const char* name;
  bool withFiles;
  EditorFocus focus;
  bool insertMenu, tags, extraFile, remove;
};

class StyleEditorFocus : public ::testing::TestWithParam<FocusCase> {};

TEST_P(StyleEditorFocus, DecidesWhichInsertItemsAreOffered) {
  const auto& c = GetParam();
  EditorFixture f;
  if (c.withFiles) {
    ASSERT_TRUE(f.editor.load("Logged"));
  } else {
    f.loadTexts({"x"}, {"y"});
  }
  f.editor.setFocus(EditorFocus::TextArea);
  f.editor.setFocus(c.focus);
  EXPECT_EQ(f.editor.insertMenuEnabled(), c.insertMenu) << c.name;
  EXPECT_EQ(f.editor.tagItemsEnabled(), c.tags) << c.name;
  EXPECT_EQ(f.editor.extraFileEnabled(), c.extraFile) << c.name;
  EXPECT_EQ(f.editor.removeFileEnabled(), c.remove) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleEditorFocus,
    ::testing::Values(FocusCase{"text area", true, EditorFocus::TextArea, true, true, true, false},
                      FocusCase{"list with entries", true, EditorFocus::FileList, true, false, true, true},
                      FocusCase{"empty list", false, EditorFocus::FileList, true, false, true, false},
                      FocusCase{"tab strip", true, EditorFocus::TabStrip, false, true, true, false}),
    [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorFocus, ChangingTabsFocusesTheTabsControlWhileShown) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.selectTab(kExtraFilesTab);  // hidden: nothing can take the focus
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  f.editor.show();
  EXPECT_EQ(f.editor.focus(), EditorFocus::FileList);
  EXPECT_FALSE(f.editor.tagItemsEnabled());
  f.editor.selectTab(kLastCodeTab);
  EXPECT_EQ(f.editor.focus(), EditorFocus::TextArea);
  EXPECT_TRUE(f.editor.tagItemsEnabled());
}

TEST(StyleEditorMenus, OffersTheSixTagsInTableOrder) {
  EXPECT_EQ(StyleEditor::tagItemCaptions(), (std::vector<std::string>{"Pro&ject Name", "&Module Name", "&Procedure Name",
                                                                      "&Variable Dump", "&Exit Routine", "&Increment"}));
}

// --- extra files ---------------------------------------------------------------------------

TEST(StyleEditorFiles, AskTheDialogForSeveralFilesFromTheProgramFolder) {
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
  f.editor.show();
  f.dialogs.fileAnswers.push_back({"C:\\Lib\\modLog.bas", "C:\\Lib\\frmLog.frm"});
  f.editor.addExtraFiles();
  ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
  const FileDialogRequest& asked = f.dialogs.fileRequests.front();
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
  ASSERT_TRUE(f.editor.load("Logged"));
  f.dialogs.fileAnswers.push_back({"C:\\Shared\\modErrorLog.bas", "C:\\Lib\\clsLog.cls"});
  f.dialogs.fileAnswers.push_back({"C:\\Lib\\clsLog.cls"});
  f.dialogs.fileAnswers.push_back({"c:\\lib\\CLSLOG.cls"});  // another spelling is another entry
  f.editor.addExtraFiles();
  f.editor.addExtraFiles();
  f.editor.addExtraFiles();
  EXPECT_EQ(f.editor.extraFiles(), (std::vector<std::string>{"C:\\Shared\\modErrorLog.bas", "C:\\Shared\\frmError.frm",
                                                             "C:\\Lib\\clsLog.cls", "c:\\lib\\CLSLOG.cls"}));
}

TEST(StyleEditorFiles, ADuplicateAloneIsNoUnsavedChange) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.dialogs.fileAnswers.push_back({"C:\\Shared\\frmError.frm"});
  f.editor.addExtraFiles();
  EXPECT_FALSE(f.editor.saveEnabled());
  EXPECT_EQ(f.editor.extraFiles().size(), 2u);
}

TEST(StyleEditorFiles, CancelledDialogAddsNothing) {
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
  f.editor.addExtraFiles();
  EXPECT_TRUE(f.editor.extraFiles().empty());
  EXPECT_FALSE(f.editor.removeFileEnabled());
  EXPECT_FALSE(f.editor.saveEnabled());
}

TEST(StyleEditorFiles, RemovingKeepsTheUnselectedEntriesInOrder) {
  EditorFixture f;
  f.loadTexts({"x"}, {"y"});
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
}

TEST(StyleEditorFiles, RemovingNothingIsNoUnsavedChange) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.removeSelectedFiles();
  EXPECT_EQ(f.editor.extraFiles().size(), 2u);
  EXPECT_FALSE(f.editor.saveEnabled());
}

TEST(StyleEditorFiles, DoubleClickOpensTheFile) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.openExtraFile(1);
  f.editor.openExtraFile(7);
  EXPECT_EQ(f.opened, (std::vector<std::string>{"C:\\Shared\\frmError.frm"}));
}

// --- closing and saving ---------------------------------------------------------------------

TEST(StyleEditorWindow, ClosingWithUnsavedEditsKeepsThemForTheNextRun) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
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
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kLastCodeTab, "ErrorHandler:\n<exit_routine>\n", 0);
  f.progress.clear();
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

TEST(StyleEditorSave, LoadedStyleSavedUnchangedStaysTheSameFile) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
}

TEST(StyleEditorSave, FailureIsShownAndLeavesTheEditsUnsaved) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kFirstCodeTab, "On Error GoTo Elsewhere\n", 0);
  f.files.setRule([](testing::Operation op, const std::string&) { return op == testing::Operation::Write; });
  const Status saved = f.editor.save();
  EXPECT_FALSE(saved);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, saved.message());
  EXPECT_TRUE(f.editor.saveEnabled());
  EXPECT_TRUE(f.lastRoutines.empty());
  EXPECT_FALSE(f.editor.saveProgressVisible());
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
}

struct SaveAsCase {
  const char* name;
  std::optional<std::string> answer;
  std::string written;  // "" when nothing may be written
};

class StyleEditorSaveAs : public ::testing::TestWithParam<SaveAsCase> {};

TEST_P(StyleEditorSaveAs, NamesTheNewStyleAsTyped) {
  const auto& c = GetParam();
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.editor.setText(kFirstCodeTab, "On Error GoTo Trap\n", 0);
  f.dialogs.inputAnswers.push_back(c.answer);
  f.editor.saveAs();

  ASSERT_EQ(f.dialogs.questions.size(), 1u);
  EXPECT_EQ(f.dialogs.questions[0].prompt, "Please give a name to the new code style");
  EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
  EXPECT_EQ(f.folder.read("Logged.style"), kLoggedStyle);
  if (c.written.empty()) {
    EXPECT_TRUE(f.lastRoutines.empty()) << c.name;
    EXPECT_TRUE(f.editor.saveEnabled()) << c.name;
    EXPECT_EQ(f.editor.styleName(), "Logged.style") << c.name;
    EXPECT_EQ(f.styleChanges, 0) << c.name;
    return;
  }
  EXPECT_TRUE(f.folder.exists(c.written)) << c.name;
  EXPECT_NE(f.folder.read(c.written).find("On Error GoTo Trap"), std::string::npos) << c.name;
  EXPECT_EQ(f.lastRoutines, (std::vector<std::string>{c.written})) << c.name;
  EXPECT_EQ(f.editor.styleName(), c.written) << c.name;
  EXPECT_EQ(f.editor.caption(), "Editor: " + c.written) << c.name;
  EXPECT_FALSE(f.editor.saveEnabled()) << c.name;
  EXPECT_EQ(f.editor.extraFiles().size(), 2u) << c.name;
  EXPECT_EQ(f.styleChanges, 1) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleEditorSaveAs,
                         ::testing::Values(SaveAsCase{"cancelled", std::nullopt, ""},
                                           SaveAsCase{"blank answer", std::string("   "), ""},
                                           SaveAsCase{"plain name", std::string("Trap"), "Trap.style"},
                                           SaveAsCase{"blanks trimmed", std::string("  Trap  "), "Trap.style"},
                                           SaveAsCase{"extension kept", std::string("Trap.style"), "Trap.style"},
                                           SaveAsCase{"extension in capitals", std::string("Trap.STYLE"),
                                                      "Trap.STYLE.style"},
                                           SaveAsCase{"folder in the name", std::string("..\\Trap"), ""},
                                           SaveAsCase{"slash in the name", std::string("sub/Trap"), ""}),
                         [](const auto& info) { return testName(info.param.name); });

TEST(StyleEditorSaveAs, RefusedNameIsExplained) {
  EditorFixture f;
  ASSERT_TRUE(f.editor.load("Logged"));
  f.dialogs.inputAnswers.push_back(std::string("a:b"));
  EXPECT_FALSE(f.editor.saveAs());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].title, "New Style");
}

TEST(StyleEditorSave, WithoutANameAsksForOne) {
  EditorFixture f;
  f.editor.setText(kFirstCodeTab, "On Error GoTo X\n", 0);
  f.dialogs.inputAnswers.push_back(std::string("First"));
  ASSERT_TRUE(f.editor.save());
  EXPECT_EQ(f.folder.read("First.style"), crlf({"[ON ERROR]", "On Error GoTo X", "[ERROR HANDLER]", "[FILES]"}));
  EXPECT_EQ(f.editor.styleName(), "First.style");
}

// --- line breaks between the style and the areas -----------------------------------------

TEST(StyleEditorForms, DisplayAndStyleFormsConvertBothWays) {
  EXPECT_EQ(displayForm("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(styleForm("a\nb\n"), "a\r\nb\r\n");
  const std::string loneCr = "x\ry\r\r\n";  // a CR inside a line survives the round trip
  EXPECT_EQ(styleForm(displayForm(loneCr)), loneCr);
}

}  // namespace
}  // namespace qm
