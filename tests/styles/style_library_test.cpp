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
using testing::Names;

struct LibraryFixture : testing::StyleFixture {
  StyleLibrary library{workspace, editor, dialogs};

  // Styles whose first text is the single line "' <name>".
  void addStyles(const Names& names) {
    for (const auto& name : names) {
      folder.write(name, crlf({"[ON ERROR]", "' " + name, "[ERROR HANDLER]", "ErrorHandler:", "[FILES]"}));
    }
  }
  // The current style, its texts in the editor and the options page's title agree.
  void expectCurrent(const std::string& name) {
    EXPECT_EQ(library.sStyle(), name);
    EXPECT_EQ(library.pageTitle(), "3. Set the options [Current style: " + name.substr(0, name.size() - 6) + "]");
    EXPECT_EQ(editor.style().onErrorText, crlf({"' " + name})) << name;
  }
};

TEST(StyleLibraryOpen, AnEmptyFolderGetsTheDefaultStyleAsTheOnlyOne) {
  LibraryFixture f;
  ASSERT_TRUE(f.library.chooseCurrentStyle(""));
  EXPECT_EQ(f.folder.read("Simple.style"), defaultStyleText());
  EXPECT_EQ(f.library.entries(), Names{"Simple.style"});
  EXPECT_EQ(f.library.currentEntry(), std::optional<std::size_t>(0));
  EXPECT_FALSE(f.library.deleteEnabled());
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Simple]");
  EXPECT_EQ(f.editor.caption(), "Editor: Simple.style");
  EXPECT_NE(f.editor.style().onErrorText.find("On Error GoTo ErrorHandler"), std::string::npos);
  EXPECT_FALSE(f.editor.visible());
  LibraryFixture readOnly;
  readOnly.failEvery(testing::Operation::Write);
  EXPECT_FALSE(readOnly.library.chooseCurrentStyle(""));
  EXPECT_EQ(readOnly.dialogs.messages.size(), 1u);
  EXPECT_TRUE(readOnly.library.entries().empty());
  EXPECT_FALSE(readOnly.library.deleteEnabled());
}

TEST(StyleLibraryOpen, RemembersOnlyAStyleListedUnderExactlyThatName) {
  const struct {
    Names styles;
    std::string lastRoutine, chosen;
  } cases[] = {{{"Alpha.style", "Simple.style"}, "Simple.style", "Simple.style"},
               {{"Alpha.style", "Simple.style"}, "simple.style", "Alpha.style"},
               {{"Beta.style", "Gamma.style"}, "Logged.style", "Beta.style"},  // deleted outside
               {{"Beta.style", "Gamma.style"}, "", "Beta.style"},
               {{"Beta.style", "Gamma.style"}, "Gamma", "Beta.style"},
               {{"beta.style", "Alpha.style", "Gamma.style"}, "", "Alpha.style"}};  // first by name, case aside
  for (const auto& c : cases) {
    LibraryFixture f;
    f.addStyles(c.styles);
    f.library.chooseCurrentStyle(c.lastRoutine);
    f.expectCurrent(c.chosen);
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

TEST(StyleLibrarySelect, OnlyAStyleThatLoadsBecomesCurrentButTheRememberedOneAlways) {
  LibraryFixture f;
  f.addStyles({"Alpha.style", "Beta.style", "Broken.style"});
  f.library.chooseCurrentStyle("");
  f.expectCurrent("Alpha.style");
  EXPECT_TRUE(f.library.selectStyle("Beta.style"));
  f.expectCurrent("Beta.style");
  EXPECT_EQ(f.library.currentEntry(), std::optional<std::size_t>(1));
  std::filesystem::remove(f.folder.file("Alpha.style"));  // gone behind the list's back
  EXPECT_FALSE(f.library.selectStyle("Alpha.style"));
  f.expectCurrent("Beta.style");
  EXPECT_TRUE(f.lastRoutines.empty());  // selecting is not remembering
  f.library.editStyle();
  EXPECT_TRUE(f.editor.visible());
  EXPECT_EQ(f.editor.styleName(), "Beta.style");
  // A remembered style that fails to load is still made current, its texts partly emptied.
  f.files.setRule([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Read && path.find("Broken") != std::string::npos;
  });
  f.library.chooseCurrentStyle("Broken.style");
  EXPECT_EQ(f.library.sStyle(), "Broken.style");
  EXPECT_EQ(f.library.pageTitle(), "3. Set the options [Current style: Broken]");
  EXPECT_EQ(f.editor.caption(), "Editor: Broken.style");
  EXPECT_EQ(f.editor.style().onErrorText, crlf({"' Beta.style"}));
}

TEST(StyleLibraryNew, CreatesAnEmptyStyleNamedAsTypedReplacingOneOfThatName) {
  const struct {
    std::optional<std::string> answer;
    std::string created;  // "" when nothing may be created
  } cases[] = {{"Logged", "Logged.style"}, {"Logged.style", "Logged.style"}, {"Logged.STYLE", "Logged.STYLE.style"},
               {"  Logged ", "Logged.style"}, {std::nullopt, ""}, {"    ", ""}, {"..\\Logged", ""}, {"Log*", ""}};
  for (const auto& c : cases) {
    const std::string what = c.answer.value_or("<cancelled>");
    LibraryFixture f;
    f.addStyles({"Simple.style", "Logged.style"});
    f.library.chooseCurrentStyle("Simple.style");
    f.dialogs.inputAnswers = {c.answer};
    // A refusal is explained; a cancelled or empty answer quietly does nothing.
    const bool created = static_cast<bool>(f.library.newStyle());
    EXPECT_EQ(created, f.dialogs.messages.empty()) << what;
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.dialogs.questions[0].title, "New Style");
    EXPECT_EQ(f.lastRoutines, c.created.empty() ? Names{} : Names{c.created}) << what;
    EXPECT_EQ(f.editor.visible(), !c.created.empty()) << what;
    if (c.created.empty()) {
      EXPECT_EQ(f.library.entries(), (Names{"Logged.style", "Simple.style"})) << what;
      f.expectCurrent("Simple.style");
      continue;
    }
    EXPECT_EQ(f.folder.read(c.created), emptyStyleText()) << what;
    EXPECT_EQ(f.library.sStyle(), c.created) << what;
    EXPECT_EQ(f.library.entries().size(), c.created == "Logged.style" ? 2u : 3u) << what;
    EXPECT_TRUE(f.library.deleteEnabled()) << what;
    EXPECT_EQ(f.editor.caption(), "Editor: " + c.created) << what;
    EXPECT_EQ(f.editor.text(kFirstCodeTab), "\n") << what;
  }
}

TEST(StyleLibraryNew, WriteFailureIsShownAndChangesNothing) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.failEvery(testing::Operation::Write);
  f.dialogs.inputAnswers = {"Logged"};
  EXPECT_FALSE(f.library.newStyle());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.library.sStyle(), "Simple.style");
  EXPECT_TRUE(f.lastRoutines.empty());
}

TEST(StyleLibraryDelete, DeletesTheCurrentStyleButNeverTheLast) {
  LibraryFixture f;
  f.addStyles({"Logged.style", "Simple.style"});
  f.library.chooseCurrentStyle("Simple.style");
  ASSERT_TRUE(f.library.deleteEnabled());
  ASSERT_TRUE(f.library.deleteCurrentStyle());
  EXPECT_FALSE(f.folder.exists("Simple.style"));
  EXPECT_EQ(f.library.entries(), Names{"Logged.style"});
  f.expectCurrent("Logged.style");
  EXPECT_FALSE(f.library.deleteEnabled());
  EXPECT_TRUE(f.library.listFocused());
  ASSERT_TRUE(f.library.deleteCurrentStyle());
  EXPECT_TRUE(f.folder.exists("Logged.style"));
}

TEST(StyleLibraryDelete, DeletesOnlyAFileOfExactlyTheCurrentNameAndKeepsItOnFailure) {
  LibraryFixture f;
  f.addStyles({"Alpha.style", "Beta.style"});
  f.library.chooseCurrentStyle("Beta.style");
  f.failEvery(testing::Operation::Remove);
  EXPECT_FALSE(f.library.deleteCurrentStyle());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  f.expectCurrent("Beta.style");
  EXPECT_EQ(f.library.entries().size(), 2u);
  f.files.setRule({});
  f.editor.setStyleName("beta.style");  // a name the folder holds only in other letters
  f.library.deleteCurrentStyle();
  EXPECT_TRUE(f.folder.exists("Beta.style"));
  EXPECT_EQ(f.library.sStyle(), "Alpha.style");
}

TEST(StyleLibraryEditor, SaveAsInTheEditorAddsTheStyleToTheList) {
  LibraryFixture f;
  f.library.chooseCurrentStyle("");
  f.dialogs.inputAnswers = {"Copy"};
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

TEST(StyleDisplayNames, DropTheExtensionWhateverItsCase) {
  const std::pair<std::string, std::string> cases[] = {
      {"Simple.style", "Simple"}, {"My.STYLE", "My"}, {"a b.style", "a b"}, {".style", ""}, {"abc", ""}, {"", ""}};
  for (const auto& [name, display] : cases) {
    EXPECT_EQ(styleDisplayName(name), display);
    EXPECT_EQ(optionsPageTitle(name), "3. Set the options [Current style: " + display + "]");
  }
}

}  // namespace
}  // namespace qm
