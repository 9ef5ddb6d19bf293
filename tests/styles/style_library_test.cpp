// The options page's style list: which style is current, new, select, delete,
// and the editor's Save As feeding the list.
#include "styles/style_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "style_fixture.h"
#include "styles/style_file.h"

namespace qm {
namespace {

using testing::crlf;
using Names = std::vector<std::string>;

struct LibraryFixture : testing::StyleFixture {
  StyleLibrary library{workspace, editor, dialogs};

  LibraryFixture() { recordLastRoutines(); }
  // Writes a style whose first text is the single line "' <name>".
  void addStyle(const std::string& name) {
    folder.write(name, crlf({"[ON ERROR]", "' " + name, "[ERROR HANDLER]", "ErrorHandler:", "[FILES]"}));
  }
  void addStyles(const Names& names) {
    for (const auto& name : names) addStyle(name);
  }
  std::string firstText() const { return editor.style().onErrorText; }
};

std::string firstTextOf(const std::string& name) { return crlf({"' " + name}); }

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
  EXPECT_NE(f.firstText().find("On Error GoTo ErrorHandler"), std::string::npos);
  EXPECT_FALSE(f.editor.visible());
}

TEST(StyleLibraryOpen, DefaultStyleThatCannotBeWrittenIsReported) {
  LibraryFixture f;
  f.failEvery(testing::Operation::Write);
  EXPECT_FALSE(f.library.chooseCurrentStyle(""));
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_TRUE(f.library.entries().empty());
  EXPECT_FALSE(f.library.deleteEnabled());
}

TEST(StyleLibraryOpen, RemembersOnlyAStyleListedUnderExactlyThatName) {
  const struct {
    Names styles;
    std::string lastRoutine, chosen;
  } cases[] = {
      {{"Alpha.style", "Simple.style"}, "Simple.style", "Simple.style"},
      {{"Alpha.style", "Simple.style"}, "simple.style", "Alpha.style"},
      {{"Beta.style", "Gamma.style"}, "Logged.style", "Beta.style"},  // deleted outside
      {{"Beta.style", "Gamma.style"}, "", "Beta.style"},
      {{"Beta.style", "Gamma.style"}, "Gamma", "Beta.style"},
      {{"beta.style", "Alpha.style", "Gamma.style"}, "", "Alpha.style"},  // first by name, case aside
  };
  for (const auto& c : cases) {
    LibraryFixture f;
    f.addStyles(c.styles);
    f.library.chooseCurrentStyle(c.lastRoutine);
    EXPECT_EQ(f.library.sStyle(), c.chosen) << c.lastRoutine;
    EXPECT_EQ(f.firstText(), firstTextOf(c.chosen)) << c.lastRoutine;
    EXPECT_TRUE(f.library.deleteEnabled()) << c.lastRoutine;
    EXPECT_EQ(f.library.entries().size(), c.styles.size()) << "no default style beside existing ones";
  }
}

TEST(StyleLibraryOpen, ListsStyleFilesOnlyInNameOrder) {
  LibraryFixture f;
  f.addStyles({"b.style", "A.style", "C.style"});
  f.folder.write("notes.txt", "x");
  f.folder.write("C.style.bak", "x");
  f.folder.makeFolder("Folder.style");
  f.library.chooseCurrentStyle("");
  EXPECT_EQ(f.library.entries(), (Names{"A.style", "b.style", "C.style"}));
}

TEST(StyleLibraryOpen, StyleThatFailsToLoadIsStillMadeCurrent) {
  LibraryFixture f;
  f.addStyles({"Good.style", "Broken.style"});
  f.library.chooseCurrentStyle("Good.style");
  f.files.setRule([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Read && path.find("Broken") != std::string::npos;
  });
  f.library.chooseCurrentStyle("Broken.style");
  EXPECT_EQ(f.library.sStyle(), "Broken.style");
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Broken]");
  EXPECT_EQ(f.editor.caption(), "Editor: Broken.style");
  EXPECT_EQ(f.firstText(), firstTextOf("Good.style"));  // the texts stay, partly emptied
}

TEST(StyleLibrarySelect, OnlyAStyleThatLoadsBecomesCurrent) {
  LibraryFixture f;
  f.addStyles({"Alpha.style", "Beta.style"});
  f.library.chooseCurrentStyle("");
  ASSERT_EQ(f.library.sStyle(), "Alpha.style");
  EXPECT_TRUE(f.library.selectStyle("Beta.style"));
  EXPECT_EQ(f.library.sStyle(), "Beta.style");
  EXPECT_EQ(f.library.currentEntry(), std::optional<std::size_t>(1));
  EXPECT_EQ(f.firstText(), firstTextOf("Beta.style"));

  std::filesystem::remove(f.folder.file("Alpha.style"));  // gone behind the list's back
  EXPECT_FALSE(f.library.selectStyle("Alpha.style"));
  EXPECT_EQ(f.library.sStyle(), "Beta.style");
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Beta]");
  EXPECT_TRUE(f.lastRoutines.empty());  // selecting is not remembering

  f.library.editStyle();
  EXPECT_TRUE(f.editor.visible());
  EXPECT_EQ(f.editor.styleName(), "Beta.style");
}

TEST(StyleLibraryNew, CreatesAnEmptyStyleNamedAsTyped) {
  const struct {
    std::optional<std::string> answer;
    std::string created;  // "" when nothing may be created
  } cases[] = {{"Logged", "Logged.style"},       {"Logged.style", "Logged.style"},
               {"Logged.STYLE", "Logged.STYLE.style"}, {"  Logged ", "Logged.style"},
               {std::nullopt, ""},               {"    ", ""},
               {"..\\Logged", ""},               {"Log*", ""}};
  for (const auto& c : cases) {
    const std::string what = c.answer.value_or("<cancelled>");
    LibraryFixture f;
    f.library.chooseCurrentStyle("");
    f.dialogs.inputAnswers.push_back(c.answer);
    f.library.newStyle();
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.dialogs.questions[0].prompt, "Please give a name to the new code style");
    EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
    EXPECT_EQ(f.dialogs.questions[0].defaultText, "");
    if (c.created.empty()) {
      EXPECT_EQ(f.library.entries(), Names{"Simple.style"}) << what;
      EXPECT_EQ(f.library.sStyle(), "Simple.style") << what;
      EXPECT_TRUE(f.lastRoutines.empty()) << what;
      EXPECT_FALSE(f.editor.visible()) << what;
      continue;
    }
    EXPECT_EQ(f.folder.read(c.created), emptyStyleText()) << what;
    EXPECT_EQ(f.lastRoutines, Names{c.created}) << what;
    EXPECT_EQ(f.library.sStyle(), c.created) << what;
    EXPECT_EQ(f.library.entries().size(), 2u) << what;
    EXPECT_TRUE(f.library.deleteEnabled()) << what;
    EXPECT_TRUE(f.editor.visible()) << what;
    EXPECT_EQ(f.editor.caption(), "Editor: " + c.created) << what;
    EXPECT_EQ(f.editor.text(kFirstCodeTab), "\n") << what;
  }
}

TEST(StyleLibraryNew, ReplacesAStyleOfTheSameName) {
  LibraryFixture f;
  f.addStyle("Logged.style");
  f.library.chooseCurrentStyle("");
  f.dialogs.inputAnswers.push_back(std::string("Logged"));
  ASSERT_TRUE(f.library.newStyle());
  EXPECT_EQ(f.folder.read("Logged.style"), emptyStyleText());
  EXPECT_EQ(f.library.entries(), Names{"Logged.style"});
}

TEST(StyleLibraryNew, WriteFailureIsShownAndChangesNothing) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.failEvery(testing::Operation::Write);
  f.dialogs.inputAnswers.push_back(std::string("Logged"));
  EXPECT_FALSE(f.library.newStyle());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.library.sStyle(), "Simple.style");
  EXPECT_TRUE(f.lastRoutines.empty());
}

TEST(StyleLibraryDelete, DeletingTheCurrentOfTwoLeavesTheOtherCurrentAndDeleteDisabled) {
  LibraryFixture f;
  f.addStyles({"Logged.style", "Simple.style"});
  f.library.chooseCurrentStyle("Simple.style");
  ASSERT_TRUE(f.library.deleteEnabled());
  ASSERT_TRUE(f.library.deleteCurrentStyle());
  EXPECT_FALSE(f.folder.exists("Simple.style"));
  EXPECT_EQ(f.library.entries(), Names{"Logged.style"});
  EXPECT_EQ(f.library.sStyle(), "Logged.style");
  EXPECT_EQ(f.firstText(), firstTextOf("Logged.style"));
  EXPECT_FALSE(f.library.deleteEnabled());
  EXPECT_TRUE(f.library.listFocused());
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Logged]");
  ASSERT_TRUE(f.library.deleteCurrentStyle());  // the last style is never deleted
  EXPECT_TRUE(f.folder.exists("Logged.style"));
}

TEST(StyleLibraryDelete, DeletesOnlyAFileOfExactlyTheCurrentName) {
  LibraryFixture f;
  f.addStyles({"Alpha.style", "Beta.style"});
  f.library.chooseCurrentStyle("Beta.style");
  f.editor.setStyleName("beta.style");  // a name the folder holds only in other letters
  f.library.deleteCurrentStyle();
  EXPECT_TRUE(f.folder.exists("Beta.style"));
  EXPECT_EQ(f.library.sStyle(), "Alpha.style");
}

TEST(StyleLibraryDelete, FailureKeepsTheCurrentStyle) {
  LibraryFixture f;
  f.addStyles({"Alpha.style", "Beta.style"});
  f.library.chooseCurrentStyle("Beta.style");
  f.failEvery(testing::Operation::Remove);
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
  f.addStyles({"Alpha.style", "Beta.style"});
  f.library.refresh();
  EXPECT_EQ(f.library.listedOrFirst("Beta.style"), "Beta.style");
  EXPECT_EQ(f.library.listedOrFirst("BETA.style"), "Alpha.style");
  EXPECT_EQ(f.library.listedOrFirst("Beta"), "Alpha.style");
}

TEST(StyleDisplayNames, DropTheLastSixCharacters) {
  const std::pair<std::string, std::string> cases[] = {{"Simple.style", "Simple"}, {"My.STYLE", "My"}, {"a b.style", "a b"},
                                                       {".style", ""}, {"abc", ""}, {"", ""}};
  for (const auto& [name, display] : cases) {
    EXPECT_EQ(styleDisplayName(name), display);
    EXPECT_EQ(optionsPageTitle(name), "3. Set the options [Current style: " + display + "]");
  }
}

}  // namespace
}  // namespace qm
