#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "styles/style_file.h"
#include "support/default_style_texts.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

// The default style as users have always received it, with the exit line
// that keeps a normal call out of its handler.
const std::string kDefaultStyle = "[ON ERROR]\r\n" + testing::kDefaultOnError + "[ERROR HANDLER]\r\n" +
                                  testing::kDefaultHandler + "[FILES]\r\n";

class StyleFiles : public ::testing::Test {
 protected:
  StyleLoad load(std::string_view name) { return bLoadDetails(files, temp.path(), name); }

  TempFolder temp;
  NativeFileSystem files;
  Workspace workspace{files, temp.path(), temp.path()};
};

TEST(NormaliseStyleName, AppendsTheExtensionUnlessItEndsInItExactly) {
  struct Case {
    std::string name, normalised;
  };
  const std::vector<Case> cases = {
      {"Simple", "Simple.style"},         {"Simple.style", "Simple.style"},
      {"Simple.STYLE", "Simple.STYLE.style"}, {"Simple.Style", "Simple.Style.style"},
      {"a.styl", "a.styl.style"},         {"My style", "My style.style"},
      {"", ".style"},                     {".style", ".style"},
  };
  for (const auto& c : cases) EXPECT_EQ(normaliseStyleName(c.name), c.normalised) << c.name;
}

TEST(StylePath, JoinsWithOneBackslash) {
  EXPECT_EQ(stylePath("C:\\Program Files\\Quillmere", "Simple.style"), "C:\\Program Files\\Quillmere\\Simple.style");
  EXPECT_EQ(stylePath("C:\\", "Simple.style"), "C:\\Simple.style");
  EXPECT_EQ(stylePath("/opt/quillmere/", "Simple.style"), "/opt/quillmere/Simple.style");
}

TEST_F(StyleFiles, TheNameWithOrWithoutItsExtensionOpensTheSameFile) {
  temp.write("Simple.style", crlf({"[ON ERROR]", "On Error GoTo X", "[ERROR HANDLER]", "X:", "[FILES]"}));
  temp.write("Loud.STYLE", crlf({"[ON ERROR]", "a"}));
  temp.write("Loud.STYLE.style", crlf({"[ON ERROR]", "b"}));
  for (const char* name : {"Simple", "Simple.style"}) {
    const StyleLoad loaded = load(name);
    ASSERT_TRUE(loaded.ok) << name;
    EXPECT_EQ(loaded.style.name, "Simple.style");
    EXPECT_EQ(loaded.style.onErrorText, "On Error GoTo X\r\n");
    EXPECT_EQ(loaded.style.handlerText, "X:\r\n");
  }
  const StyleLoad loud = load("Loud.STYLE");  // an extension in capitals gets a second one
  ASSERT_TRUE(loud.ok);
  EXPECT_EQ(loud.style.name, "Loud.STYLE.style");
  EXPECT_EQ(loud.style.onErrorText, "b\r\n");
}

struct LoadCase {
  const char* name;
  std::string file;
  std::string onError, handler;
  std::vector<std::string> files;
  bool mentionsDump;
};

TEST_F(StyleFiles, ReadsSectionsAsTheyStand) {
  const std::vector<LoadCase> cases = {
      {"ordinary",
       crlf({"[ON ERROR]", "On Error GoTo ErrorHandler", "[ERROR HANDLER]", "<Exit_Routine>", "ErrorHandler:",
             "[FILES]", "C:\\Styles\\modErrors.bas", "C:\\Styles\\frmError.frm"}),
       crlf({"On Error GoTo ErrorHandler"}), crlf({"<Exit_Routine>", "ErrorHandler:"}),
       {"C:\\Styles\\modErrors.bas", "C:\\Styles\\frmError.frm"}, false},
      {"no header at all is ON ERROR text", crlf({"On Error Resume Next", "", "x = 1"}),
       crlf({"On Error Resume Next", "", "x = 1"}), "", {}, false},
      {"lines before the first header are ON ERROR text", crlf({"Before", "[ERROR HANDLER]", "After", "[ON ERROR]", "Late"}),
       crlf({"Before", "Late"}), crlf({"After"}), {}, false},
      {"header with a trailing space or in lower case is content",
       crlf({"[ON ERROR] ", "a", "[error handler]", "b", " [FILES]", "[ERROR HANDLER]", "c"}),
       crlf({"[ON ERROR] ", "a", "[error handler]", "b", " [FILES]"}), crlf({"c"}), {}, false},
      {"empty lines in FILES are entries", crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]", "", "C:\\a.bas", ""}), "",
       "", {"", "C:\\a.bas", ""}, false},
      {"repeated headers accumulate",
       crlf({"[ON ERROR]", "a", "[FILES]", "f1", "[ON ERROR]", "b", "[FILES]", "f2"}), crlf({"a", "b"}), "",
       {"f1", "f2"}, false},
      {"blank lines of a text are kept", crlf({"[ON ERROR]", "", "a", "", "[ERROR HANDLER]", "  b  ", "[FILES]"}),
       crlf({"", "a", ""}), crlf({"  b  "}), {}, false},
      {"variable dump tag in capitals in the handler",
       crlf({"[ON ERROR]", "On Error GoTo X", "[ERROR HANDLER]", "X:", "MsgBox <VARIABLE_DUMP>", "[FILES]"}),
       crlf({"On Error GoTo X"}), crlf({"X:", "MsgBox <VARIABLE_DUMP>"}), {}, true},
      {"variable dump tag in the first text", crlf({"[ON ERROR]", "<variable_dump>", "[ERROR HANDLER]", "[FILES]"}),
       crlf({"<variable_dump>"}), "", {}, true},
      {"tag among the files does not count", crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]", "<Variable_Dump>"}), "",
       "", {"<Variable_Dump>"}, false},
      {"lone LF line ends", "[ON ERROR]\na\n[ERROR HANDLER]\nb\n[FILES]\nc\n", "a\r\n", "b\r\n", {"c"}, false},
      {"last line without terminator", "[ON ERROR]\r\na\r\n[FILES]\r\nC:\\x.bas", "a\r\n", "", {"C:\\x.bas"}, false},
      {"8-bit bytes pass through", crlf({"[ON ERROR]", "' Cr\xE9" "dit"}), crlf({"' Cr\xE9" "dit"}), "", {}, false},
      {"empty file", "", "", "", {}, false},
  };
  for (const auto& c : cases) {
    temp.write("Case.style", c.file);
    const StyleLoad loaded = load("Case");
    ASSERT_TRUE(loaded.ok) << c.name;
    EXPECT_EQ(loaded.style.onErrorText, c.onError) << c.name;
    EXPECT_EQ(loaded.style.handlerText, c.handler) << c.name;
    EXPECT_EQ(loaded.style.files, c.files) << c.name;
    EXPECT_EQ(loaded.mentionsVariableDump, c.mentionsDump) << c.name;
  }
}

TEST_F(StyleFiles, AMissingStyleDoesNotLoad) {
  const StyleLoad loaded = load("Gone");
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.style.name, "Gone.style");
  EXPECT_TRUE(loaded.style.files.empty());
  EXPECT_FALSE(loaded.mentionsVariableDump);
}

TEST_F(StyleFiles, LoadingAndSavingAnUnchangedStyleKeepsTheFileByteForByte) {
  const std::vector<std::string> files = {
      kDefaultStyle,
      emptyStyleText(),
      crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]"}),
      crlf({"[ON ERROR]", "", "", "On Error GoTo H", "", "[ERROR HANDLER]", "H:", "  Resume Next", "", "[FILES]",
            "C:\\Styles\\modErrors.bas", "", "C:\\Styles\\frmError.frm", ""}),
      crlf({"[ON ERROR]", "' Cr\xE9" "dit <Procedure_Name>", "[ERROR HANDLER]", "<Exit_Routine>", "[FILES]"}),
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    temp.write("Round.style", files[i]);
    const StyleLoad loaded = load("Round");
    ASSERT_TRUE(loaded.ok) << i;
    ASSERT_TRUE(saveStyle(workspace, loaded.style, "Round.style").ok()) << i;
    EXPECT_EQ(temp.read("Round.style"), files[i]) << "file " << i;
    // and again: nothing grows from save to save
    ASSERT_TRUE(saveStyle(workspace, load("Round").style, "Round.style").ok()) << i;
    EXPECT_EQ(temp.read("Round.style"), files[i]) << "file " << i << ", second round";
  }
}

TEST(StyleFileText, WritesEachTextWithOneFinalLineBreak) {
  struct Case {
    const char* name;
    CodeStyle style;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"loaded texts", {"A.style", "a\r\n", "b\r\nc\r\n", {"f"}},
       crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "b", "c", "[FILES]", "f"})},
      {"texts typed without a final break", {"A.style", "a", "b\r\nc", {}},
       crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "b", "c", "[FILES]"})},
      {"a text ending in a blank line keeps it", {"A.style", "a\r\n\r\n", "", {}},
       crlf({"[ON ERROR]", "a", "", "[ERROR HANDLER]", "[FILES]"})},
      {"a text ending in a lone LF", {"A.style", "a\n", "", {}}, crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "[FILES]"})},
      {"empty texts and an empty entry", {"A.style", "", "", {"", "g"}},
       crlf({"[ON ERROR]", "[ERROR HANDLER]", "[FILES]", "", "g"})},
  };
  for (const auto& c : cases) EXPECT_EQ(styleFileText(c.style), c.text) << c.name;
}

TEST_F(StyleFiles, SavingWritesUnderTheNameAsGiven) {
  CodeStyle style{"Ignored.style", "a\r\n", "b\r\n", {"C:\\x.bas"}};
  ASSERT_TRUE(saveStyle(workspace, style, "Mine.STYLE").ok());
  EXPECT_EQ(temp.read("Mine.STYLE"), crlf({"[ON ERROR]", "a", "[ERROR HANDLER]", "b", "[FILES]", "C:\\x.bas"}));
  EXPECT_FALSE(temp.exists("Ignored.style"));
}

TEST_F(StyleFiles, AFailedSaveLeavesTheOldFile) {
  temp.write("Locked.style", emptyStyleText());
  temp.setReadOnly("Locked.style");
  CodeStyle style{"Locked.style", "a\r\n", "b\r\n", {}};
  EXPECT_FALSE(saveStyle(workspace, style, "Locked.style").ok());
  EXPECT_EQ(temp.read("Locked.style"), emptyStyleText());
  temp.setReadOnly("Locked.style", false);
}

TEST_F(StyleFiles, TheDefaultStyleIsWrittenOnlyWhenMissing) {
  EXPECT_EQ(defaultStyleText(), kDefaultStyle);
  ASSERT_TRUE(writeDefaultStyle(workspace).ok());
  EXPECT_EQ(temp.read("Simple.style"), kDefaultStyle);
  temp.write("Simple.style", emptyStyleText());
  ASSERT_TRUE(writeDefaultStyle(workspace).ok());
  EXPECT_EQ(temp.read("Simple.style"), emptyStyleText()) << "a style on disk is never rewritten";
}

TEST_F(StyleFiles, TheEmptyStyleHasTheThreeHeadersAndLoadsAsTwoEmptyLines) {
  EXPECT_EQ(emptyStyleText(), "[ON ERROR]\r\n\r\n[ERROR HANDLER]\r\n\r\n[FILES]\r\n");
  temp.write("New.style", emptyStyleText());
  const StyleLoad loaded = load("New");
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.style.onErrorText, "\r\n");
  EXPECT_EQ(loaded.style.handlerText, "\r\n");
  EXPECT_TRUE(loaded.style.files.empty());
}

}  // namespace
}  // namespace qm
