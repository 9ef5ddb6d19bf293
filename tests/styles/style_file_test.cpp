// Style files: reading and writing them (tests/data/styles), their names, and
// the default and empty styles.
#include "styles/style_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/default_style_texts.h"
#include "styles/style_library.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

class StyleFiles : public ::testing::Test {
 protected:
  StyleLoad load(std::string_view name) { return bLoadDetails(files, temp.path(), name); }

  testing::TempFolder temp;
  NativeFileSystem files;
  Workspace workspace{files, temp.path(), temp.path()};
};

class StyleFileCases : public StyleFiles, public ::testing::WithParamInterface<testing::Case> {};

TEST_P(StyleFileCases, ReadsSectionsAsTheyStand) {
  const testing::Case& c = GetParam();
  SCOPED_TRACE(c.file + ":" + std::to_string(c.line) + " " + c.name);
  temp.write("Case.style", c.text("file"));
  const StyleLoad loaded = load("Case");
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.style.onErrorText, c.text("onError"));
  EXPECT_EQ(loaded.style.handlerText, c.text("handler"));
  EXPECT_EQ(joined(loaded.style.files), c.text("files", ""));
  EXPECT_EQ(loaded.mentionsVariableDump, c.flag("mentionsDump", false));
  if (!c.flag("keptOnSave", false)) return;
  for (int round = 1; round <= 2; ++round) {  // nothing grows from save to save
    ASSERT_TRUE(saveStyle(workspace, load("Case").style, "Case.style").ok());
    EXPECT_EQ(temp.read("Case.style"), c.text("file")) << "round " << round;
  }
}

QM_CASES_FROM(StyleFileCases, "styles/style_files.txt");

class StyleFileText : public testing::CaseTest {};

TEST_P(StyleFileText, WritesEachTextWithOneFinalLineBreak) {
  EXPECT_EQ(styleFileText({"A.style", c.text("onError"), c.text("handler"), c.lines("files")}), c.text("text"));
}

QM_CASES_FROM(StyleFileText, "styles/style_file_text.txt");

class StyleNames : public StyleFiles, public ::testing::WithParamInterface<testing::Case> {};

TEST_P(StyleNames, GiveWhatTheTableSays) {
  const testing::Case& c = GetParam();
  SCOPED_TRACE(c.file + ":" + std::to_string(c.line) + " " + c.name);
  testing::expectRows(c, {
      {"open", [this](const std::vector<std::string>& a) {  // the file a name opens, then the name loaded
         const std::string file = normaliseStyleName(a[0]);
         if (a[1] == "written") temp.write(file, crlf({"[ON ERROR]", file}));
         const StyleLoad loaded = load(a[0]);
         const bool read = loaded.ok && loaded.style.onErrorText == crlf({file}) && loaded.style.files.empty();
         return file + (read ? " read as " : " not read, as ") + loaded.style.name;
       }},
      {"path", [](const std::vector<std::string>& a) { return stylePath(a[0], a[1]); }},
      {"shown", [](const std::vector<std::string>& a) {  // without the extension, whatever its case; the page's title
         return styleDisplayName(a[0]) + " | " + optionsPageTitle(a[0]);
       }},
  });
}

QM_CASES_FROM(StyleNames, "styles/style_names.txt");

TEST_F(StyleFiles, SavingWritesUnderTheNameAsGivenOrLeavesTheOldFile) {
  ASSERT_TRUE(saveStyle(workspace, {"Ignored.style", "a\r\n", "b\r\n", {"C:\\x.bas"}}, "Mine.STYLE").ok());
  EXPECT_EQ(temp.read("Mine.STYLE"), crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "b", "[FILES]", "C:\\x.bas"}));
  EXPECT_FALSE(temp.exists("Ignored.style"));
  temp.setReadOnly("Mine.STYLE");
  EXPECT_FALSE(saveStyle(workspace, {"Mine.STYLE", "c\r\n", "", {}}, "Mine.STYLE").ok());
  EXPECT_EQ(temp.read("Mine.STYLE"), crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "b", "[FILES]", "C:\\x.bas"}));
}

TEST_F(StyleFiles, TheDefaultStyleIsWrittenOnlyWhenMissingAndTheEmptyOneLoadsAsTwoEmptyLines) {
  // The default style as users have always received it, with the exit line
  // that keeps a normal call out of its handler.
  const std::string defaultStyle = "[ON ERROR]\r\n" + testing::kDefaultOnError + "[ERROR HANDLER]\r\n" +
                                   testing::kDefaultHandler + "[FILES]\r\n";
  ASSERT_TRUE(writeDefaultStyle(workspace).ok());
  EXPECT_EQ(temp.read("Simple.style"), defaultStyle);
  temp.write("Simple.style", emptyStyleText());
  ASSERT_TRUE(writeDefaultStyle(workspace).ok());
  EXPECT_EQ(temp.read("Simple.style"), emptyStyleText()) << "a style on disk is never rewritten";
  const StyleLoad loaded = load("Simple");
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.style.onErrorText, "\r\n");
  EXPECT_EQ(loaded.style.handlerText, "\r\n");
  EXPECT_TRUE(loaded.style.files.empty());
}

}  // namespace
}  // namespace qm
