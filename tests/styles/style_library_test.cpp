#include <gtest/gtest.h>

#include <filesystem>

#include "recording_dialogs.h"
#include "styles/style_file.h"
#include "styles/style_library.h"
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

std::string styleText(std::string_view onErrorLine) {
  return crlf({"[ON ERROR]", onErrorLine, "[ERROR HANDLER]", "ErrorHandler:", "[FILES]"});
}

using Names = std::vector<std::string>;

// The options page's style tab over a fresh program folder.
struct LibraryFixture {
  TempFolder folder;
  testing::FaultyFileSystem files;
  Workspace workspace{files, folder.path(), folder.path()};
  RecordingDialogs dialogs;
  StyleEditor editor{workspace, dialogs};
  StyleLibrary library{workspace, editor, dialogs};
  std::vector<std::string> lastRoutines;

  LibraryFixture() {
    editor.hooks().saveLastRoutine = [this](const std::string& name) { lastRoutines.push_back(name); };
  }
  void addStyle(std::string_view name, std::string_view onErrorLine) {
    folder.write(name, styleText(onErrorLine));
  }
};

TEST(StyleLibraryOpen, EmptyFolderGetsTheDefaultStyleAsTheOnlyOne) {
  LibraryFixture f;
  ASSERT_TRUE(f.library.chooseCurrentStyle(""));
  EXPECT_EQ(f.folder.read("Simple.style"), defaultStyleText());
  EXPECT_EQ(f.library.entries(), Names{"Simple.style"});
  EXPECT_EQ(f.library.sStyle(), "Simple.style");
  EXPECT_EQ(f.library.currentEntry(), std::optional<std::size_t>(0));
  EXPECT_FALSE(f.library.deleteEnabled());
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Simple]");
  EXPECT_EQ(f.editor.caption(), "Editor: Simple.style");
  EXPECT_NE(f.editor.style().onErrorText.find("On Error GoTo ErrorHandler"), std::string::npos);
  EXPECT_FALSE(f.editor.visible());
}

TEST(StyleLibraryOpen, DefaultStyleThatCannotBeWrittenIsReported) {
  LibraryFixture f;
  f.files.setRule([](testing::Operation op, const std::string&) { return op == testing::Operation::Write; });
  EXPECT_FALSE(f.library.chooseCurrentStyle(""));
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_TRUE(f.library.entries().empty());
  EXPECT_FALSE(f.library.deleteEnabled());
}

struct ChoiceCase {
  const char* name;
  Names styles;
  std::string lastRoutine;
  std::string chosen;
};

class StyleLibraryChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(StyleLibraryChoice, RemembersOnlyAStyleListedUnderExactlyThatName) {
  const auto& c = GetParam();
  LibraryFixture f;
  for (const auto& name : c.styles) f.addStyle(name, "' " + name);
  f.library.chooseCurrentStyle(c.lastRoutine);
  EXPECT_EQ(f.library.sStyle(), c.chosen) << c.name;
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"' " + c.chosen})) << c.name;
  EXPECT_TRUE(f.library.deleteEnabled()) << c.name;
  EXPECT_EQ(f.library.entries().size(), c.styles.size()) << "no default style beside existing ones";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleLibraryChoice,
    ::testing::Values(
        ChoiceCase{"last routine found", {"Alpha.style", "Simple.style"}, "Simple.style", "Simple.style"},
        ChoiceCase{"lower case does not match", {"Alpha.style", "Simple.style"}, "simple.style", "Alpha.style"},
        ChoiceCase{"deleted outside falls back to first", {"Beta.style", "Gamma.style"}, "Logged.style", "Beta.style"},
        ChoiceCase{"empty setting falls back to first", {"Beta.style", "Gamma.style"}, "", "Beta.style"},
        ChoiceCase{"name without extension does not match", {"Beta.style", "Gamma.style"}, "Gamma", "Beta.style"},
        ChoiceCase{"first by name, letter case aside", {"beta.style", "Alpha.style", "Gamma.style"}, "", "Alpha.style"}),
    [](const auto& info) { return testName(info.param.name); });

TEST(StyleLibraryOpen, ListsStyleFilesOnlyInNameOrder) {
  LibraryFixture f;
  f.addStyle("b.style", "x");
  f.addStyle("A.style", "x");
  f.addStyle("C.style", "x");
  f.folder.write("notes.txt", "x");
  f.folder.write("C.style.bak", "x");
  f.folder.makeFolder("Folder.style");
  f.library.chooseCurrentStyle("");
  EXPECT_EQ(f.library.entries(), (Names{"A.style", "b.style", "C.style"}));
}

TEST(StyleLibraryOpen, StyleThatFailsToLoadIsStillMadeCurrent) {
  LibraryFixture f;
  f.addStyle("Good.style", "' good");
  f.addStyle("Broken.style", "' broken");
  f.library.chooseCurrentStyle("Good.style");
  f.files.setRule([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Read && path.find("Broken") != std::string::npos;
  });
  f.library.chooseCurrentStyle("Broken.style");
  EXPECT_EQ(f.library.sStyle(), "Broken.style");
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Broken]");
  EXPECT_EQ(f.editor.caption(), "Editor: Broken.style");
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"' good"}));  // the texts stay, partly emptied
}

TEST(StyleLibrarySelect, OnlyAStyleThatLoadsBecomesCurrent) {
  LibraryFixture f;
  f.addStyle("Alpha.style", "' alpha");
  f.addStyle("Beta.style", "' beta");
  f.library.chooseCurrentStyle("");
  ASSERT_EQ(f.library.sStyle(), "Alpha.style");

  EXPECT_TRUE(f.library.selectStyle("Beta.style"));
  EXPECT_EQ(f.library.sStyle(), "Beta.style");
  EXPECT_EQ(f.library.currentEntry(), std::optional<std::size_t>(1));
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"' beta"}));

  std::filesystem::remove(f.folder.file("Alpha.style"));  // gone behind the list's back
  EXPECT_FALSE(f.library.selectStyle("Alpha.style"));
  EXPECT_EQ(f.library.sStyle(), "Beta.style");
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Beta]");
  EXPECT_TRUE(f.lastRoutines.empty());  // selecting is not remembering
}

TEST(StyleLibraryEdit, ShowsTheEditorOnTheCurrentStyle) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.library.editStyle();
  EXPECT_TRUE(f.editor.visible());
  EXPECT_EQ(f.editor.styleName(), "Simple.style");
}

struct NewCase {
  const char* name;
  std::optional<std::string> answer;
  std::string created;  // "" when nothing may be created
};

class StyleLibraryNew : public ::testing::TestWithParam<NewCase> {};

TEST_P(StyleLibraryNew, CreatesAnEmptyStyleNamedAsTyped) {
  const auto& c = GetParam();
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.dialogs.inputAnswers.push_back(c.answer);
  f.library.newStyle();

  ASSERT_EQ(f.dialogs.questions.size(), 1u);
  EXPECT_EQ(f.dialogs.questions[0].prompt, "Please give a name to the new code style");
  EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
  EXPECT_EQ(f.dialogs.questions[0].defaultText, "");
  if (c.created.empty()) {
    EXPECT_EQ(f.library.entries(), Names{"Simple.style"}) << c.name;
    EXPECT_EQ(f.library.sStyle(), "Simple.style") << c.name;
    EXPECT_TRUE(f.lastRoutines.empty()) << c.name;
    EXPECT_FALSE(f.editor.visible()) << c.name;
    return;
  }
  EXPECT_EQ(f.folder.read(c.created), crlf({"[ON ERROR]", "", "[ERROR HANDLER]", "", "[FILES]"})) << c.name;
  EXPECT_EQ(f.lastRoutines, Names{c.created}) << c.name;
  EXPECT_EQ(f.library.sStyle(), c.created) << c.name;
  EXPECT_EQ(f.library.entries().size(), 2u) << c.name;
  EXPECT_TRUE(f.library.deleteEnabled()) << c.name;
  EXPECT_TRUE(f.editor.visible()) << c.name;
  EXPECT_EQ(f.editor.caption(), "Editor: " + c.created) << c.name;
  EXPECT_EQ(f.editor.text(kFirstCodeTab), "\n") << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleLibraryNew,
                         ::testing::Values(NewCase{"plain name", std::string("Logged"), "Logged.style"},
                                           NewCase{"extension not doubled", std::string("Logged.style"),
                                                   "Logged.style"},
                                           NewCase{"capitals doubled", std::string("Logged.STYLE"),
                                                   "Logged.STYLE.style"},
                                           NewCase{"blanks trimmed", std::string("  Logged "), "Logged.style"},
                                           NewCase{"cancelled", std::nullopt, ""},
                                           NewCase{"blank answer", std::string("    "), ""},
                                           NewCase{"folder in the name", std::string("..\\Logged"), ""},
                                           NewCase{"wildcard in the name", std::string("Log*"), ""}),
                         [](const auto& info) { return testName(info.param.name); });

TEST(StyleLibraryNew, ReplacesAStyleOfTheSameName) {
  LibraryFixture f;
  f.addStyle("Logged.style", "' old");
  f.library.chooseCurrentStyle("");
  f.dialogs.inputAnswers.push_back(std::string("Logged"));
  ASSERT_TRUE(f.library.newStyle());
  EXPECT_EQ(f.folder.read("Logged.style"), emptyStyleText());
  EXPECT_EQ(f.library.entries(), Names{"Logged.style"});
}

TEST(StyleLibraryNew, WriteFailureIsShownAndChangesNothing) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.files.setRule([](testing::Operation op, const std::string&) { return op == testing::Operation::Write; });
  f.dialogs.inputAnswers.push_back(std::string("Logged"));
  EXPECT_FALSE(f.library.newStyle());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.library.sStyle(), "Simple.style");
  EXPECT_TRUE(f.lastRoutines.empty());
}

TEST(StyleLibraryDelete, DeletingTheCurrentOfTwoLeavesTheOtherCurrentAndDeleteDisabled) {
  LibraryFixture f;
  f.addStyle("Logged.style", "' logged");
  f.addStyle("Simple.style", "' simple");
  f.library.chooseCurrentStyle("Simple.style");
  ASSERT_TRUE(f.library.deleteEnabled());

  ASSERT_TRUE(f.library.deleteCurrentStyle());
  EXPECT_FALSE(f.folder.exists("Simple.style"));
  EXPECT_EQ(f.library.entries(), Names{"Logged.style"});
  EXPECT_EQ(f.library.sStyle(), "Logged.style");
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"' logged"}));
  EXPECT_FALSE(f.library.deleteEnabled());
  EXPECT_TRUE(f.library.listFocused());
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Logged]");

  ASSERT_TRUE(f.library.deleteCurrentStyle());  // the last style is never deleted
  EXPECT_TRUE(f.folder.exists("Logged.style"));
}

TEST(StyleLibraryDelete, DeletesOnlyAFileOfExactlyTheCurrentName) {
  LibraryFixture f;
  f.addStyle("Alpha.style", "' alpha");
  f.addStyle("Beta.style", "' beta");
  f.library.chooseCurrentStyle("Beta.style");
  f.editor.setStyleName("beta.style");  // a name the folder holds only in other letters
  f.library.deleteCurrentStyle();
  EXPECT_TRUE(f.folder.exists("Beta.style"));
  EXPECT_EQ(f.library.sStyle(), "Alpha.style");
}

TEST(StyleLibraryDelete, FailureKeepsTheCurrentStyle) {
  LibraryFixture f;
  f.addStyle("Alpha.style", "' alpha");
  f.addStyle("Beta.style", "' beta");
  f.library.chooseCurrentStyle("Beta.style");
  f.files.setRule([](testing::Operation op, const std::string&) { return op == testing::Operation::Remove; });
  EXPECT_FALSE(f.library.deleteCurrentStyle());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.library.sStyle(), "Beta.style");
  EXPECT_EQ(f.library.entries().size(), 2u);
}

TEST(StyleLibraryEditor, SaveAsInTheEditorAddsTheStyleToTheList) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.dialogs.inputAnswers.push_back(std::string("Copy"));
  ASSERT_TRUE(f.editor.saveAs());
  EXPECT_EQ(f.library.entries(), (Names{"Copy.style", "Simple.style"}));
  EXPECT_EQ(f.library.sStyle(), "Copy.style");
  EXPECT_TRUE(f.library.deleteEnabled());
  EXPECT_EQ(f.lastRoutines, Names{"Copy.style"});
  EXPECT_EQ(f.folder.read("Copy.style"), defaultStyleText());
}

TEST(StyleLibraryCommandLine, NamedStyleOrTheFirstListedOne) {
  LibraryFixture f;
  EXPECT_EQ(f.library.listedOrFirst("Beta.style"), "");
  f.addStyle("Alpha.style", "' alpha");
  f.addStyle("Beta.style", "' beta");
  f.library.refresh();
  EXPECT_EQ(f.library.listedOrFirst("Beta.style"), "Beta.style");
  EXPECT_EQ(f.library.listedOrFirst("BETA.style"), "Alpha.style");
  EXPECT_EQ(f.library.listedOrFirst("Beta"), "Alpha.style");
}

struct DisplayCase {
  std::string name, display;
};

class StyleDisplayNames : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(StyleDisplayNames, DropTheLastSixCharacters) {
  EXPECT_EQ(styleDisplayName(GetParam().name), GetParam().display);
  EXPECT_EQ(optionsPageTitle(GetParam().name), "3. Set the options [Current style: " + GetParam().display + "]");
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleDisplayNames,
                         ::testing::Values(DisplayCase{"Simple.style", "Simple"}, DisplayCase{"My.STYLE", "My"},
                                           DisplayCase{"a b.style", "a b"}, DisplayCase{".style", ""},
                                           DisplayCase{"abc", ""}, DisplayCase{"", ""}));

}  // namespace
}  // namespace qm
