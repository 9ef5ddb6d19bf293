// The two command-line forms: the one-string switch search of Windows and
// the separate words of a shell, and the failure log's text.
#include "settings/command_line.h"

#include <gtest/gtest.h>

#include "platform/command_line_syntax.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

struct SwitchCase {
  std::string line;
  std::string switchText;
  bool includeSwitch;
  std::string delimiter;
  bool caseSensitive;
  std::string expected;
};

TEST(GetSwitchValue, FindsTheValueUpToTheNextDelimiter) {
  const SwitchCase cases[] = {
      {"/pC:\\Work\\Billing.vbp /a /b", "/p", false, "/", false, "C:\\Work\\Billing.vbp "},
      {"/pC:\\Work\\Billing.vbp /a /b", "/p", true, "/", false, "/pC:\\Work\\Billing.vbp "},
      {"/PC:\\Work\\Billing.vbp", "/p", false, "/", false, "C:\\Work\\Billing.vbp"},
      {"/pC:\\a.vbp /SSimple", "/s", false, "/", false, "Simple"},
      {"/pC:\\a.vbp /s Simple", "/s", false, "/", false, " Simple"},
      {"/pC:\\a.vbp /a", "/a", true, "/", false, "/a"},
      {"/pC:\\a.vbp", "/a", true, "/", false, ""},
      {"/pC:\\a.vbp /cD:\\Copy /b", "/c", false, "/", false, "D:\\Copy "},
      {"/pC:\\a.vbp /cD:\\Copy", "/c", false, "", false, "D:\\Copy"},
      {"/pC:\\a.vbp /S x", "/s", false, "/", true, ""},
      {"/pC:\\a.vbp /s x", "/s", false, "/", true, " x"},
      {"/pC:\\folder/with slash.vbp", "/p", false, "/", false, "C:\\folder"},
      {"/pC:\\a.vbp /cX", "/c", false, "::", false, "X"},
      {"", "/p", true, "/", false, ""},
  };
  for (const SwitchCase& c : cases) {
    EXPECT_EQ(GetSwitchValue(c.line, c.switchText, c.includeSwitch, c.delimiter, c.caseSensitive), c.expected)
        << c.line << " / " << c.switchText;
  }
}

TEST(CommandLineText, AnswersTheSwitchesOfTheOneStringForm) {
  const CommandLine line = CommandLine::fromText("/P\"C:\\My Work\\Billing.vbp\" /A /L /sHouse /i5 /c");
  EXPECT_TRUE(line.requestsUnattendedRun());
  EXPECT_EQ(line.value('p'), "\"C:\\My Work\\Billing.vbp\" ");
  EXPECT_TRUE(line.hasSwitch('a'));
  EXPECT_TRUE(line.hasSwitch('L'));
  EXPECT_FALSE(line.hasSwitch('b'));
  EXPECT_EQ(line.value('s'), "House ");
  EXPECT_EQ(line.value('i'), "5 ");
  EXPECT_EQ(line.value('c'), "");  // present but empty counts as absent
  EXPECT_EQ(line.asReceived(), "/P\"C:\\My Work\\Billing.vbp\" /A /L /sHouse /i5 /c");
}

TEST(CommandLineText, TakesALoneProjectPathWithoutTrimming) {
  const struct {
    std::string line;
    std::string project;
  } cases[] = {
      {"\"C:\\Work\\Billing.VBP\"", "C:\\Work\\Billing.VBP"},
      {"C:\\Work\\Billing.vbp", "C:\\Work\\Billing.vbp"},
      {"C:\\Work\\Billing.vbp ", ""},
      {"C:\\Work\\Billing.frm", ""},
      {"/pC:\\Work\\Billing.vbp", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLine::fromText(c.line).projectPathToOpen(), c.project) << c.line;
}

TEST(CommandLineWords, ReadsSwitchWordsInEitherFormAndCase) {
  const CommandLine line = CommandLine::fromWords(
      {"-P", "/home/ann/projects/Billing.vbp", "/a", "-L", "/S", "House", "-i", "7", "/c", "/home/ann/copy"});
  EXPECT_TRUE(line.requestsUnattendedRun());
  EXPECT_EQ(line.value('p'), "/home/ann/projects/Billing.vbp");
  EXPECT_TRUE(line.hasSwitch('a'));
  EXPECT_TRUE(line.hasSwitch('l'));
  EXPECT_FALSE(line.hasSwitch('b'));
  EXPECT_EQ(line.value('s'), "House");
  EXPECT_EQ(line.value('i'), "7");
  EXPECT_EQ(line.value('c'), "/home/ann/copy");
  EXPECT_EQ(line.asReceived(), "-P /home/ann/projects/Billing.vbp /a -L /S House -i 7 /c /home/ann/copy");
}

TEST(CommandLineWords, AbsentOrEmptyValuesCountAsAbsent) {
  const struct {
    std::vector<std::string> words;
    char letter;
    std::string value;
  } cases[] = {
      {{"/p"}, 'p', ""},
      {{"/p", ""}, 'p', ""},
      {{"/p", "a.vbp", "/c", "/b"}, 'c', ""},  // a switch word is never a value
      {{"/p", "a.vbp", "/s", "Simple", "/s", "Other"}, 's', "Simple"},
      {{"/p", "a.vbp", "/x", "y"}, 'x', ""},
      {{"/p", "a.vbp", "--s", "Simple"}, 's', ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLine::fromWords(c.words).value(c.letter), c.value) << c.words.size();
  }
  const CommandLine line = CommandLine::fromWords({"/p", "a.vbp", "/c", "/b"});
  EXPECT_TRUE(line.hasSwitch('b'));
}

TEST(CommandLineWords, OnlyASingleWordEndingInVbpOpensAProject) {
  const struct {
    std::vector<std::string> words;
    std::string project;
  } cases[] = {
      {{"Billing.VbP"}, "Billing.VbP"},
      {{"/home/ann/projects/Billing.vbp"}, "/home/ann/projects/Billing.vbp"},  // holds "/p" but is no switch
      {{"\"Billing.vbp\""}, "Billing.vbp"},
      {{"Billing.vbp "}, ""},
      {{"Billing.vbp", "/a"}, ""},
      {{"one.vbp", "two.vbp"}, ""},
      {{"notes.txt"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLine::fromWords(c.words).projectPathToOpen(), c.project);
  EXPECT_FALSE(CommandLine::fromWords({"/home/ann/projects/Billing.vbp"}).requestsUnattendedRun());
}

TEST(CommandLineWords, ThisPlatformPassesSeparateWords) {
  if (commandLineIsOneString()) GTEST_SKIP() << "this platform passes one string";
  char program[] = "quillmere";
  char first[] = "/p";
  char second[] = "/home/ann/Billing.vbp";
  char* argv[] = {program, first, second};
  const CommandLine line = CommandLine::fromArguments(commandLineArguments(3, argv));
  EXPECT_EQ(line.value('p'), "/home/ann/Billing.vbp");
}

TEST(CommandLineFailure, WritesTheLogIntoTheProgramFolderReplacingAnEarlierOne) {
  testing::TempFolder program;
  program.write("QMR Command Line Failure.txt", "an old and much longer report that must not survive\r\n");
  NativeFileSystem files;
  Workspace workspace{files, program.path(), program.path()};
  const auto written = writeCommandLineFailure(workspace, "/pC:\\missing.vbp");
  ASSERT_TRUE(written.ok()) << written.message();
  EXPECT_EQ(*written, program.path() + "QMR Command Line Failure.txt");
  EXPECT_EQ(program.read("QMR Command Line Failure.txt"),
            "Your command line request failed to complete.  If you cannot see why, please report this "
            "problem to Oskavel Software at www.oskavel.example \r\n\r\nCommand Line Argument: "
            "/pC:\\missing.vbp\r\n");
}

TEST(PathFromWorkingFolder, MakesOnlyRelativePathsAbsolute) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {
      {"Billing.vbp", "/work/Billing.vbp"},
      {"Inner/Billing.vbp", "/work/Inner/Billing.vbp"},
      {"/home/ann/Billing.vbp", "/home/ann/Billing.vbp"},
      {"\\\\server\\share\\Billing.vbp", "\\\\server\\share\\Billing.vbp"},
      {"C:\\Work\\Billing.vbp", "C:\\Work\\Billing.vbp"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(pathFromWorkingFolder(c.path, "/work/"), c.expected) << c.path;
}

TEST(NamesProjectFile, LooksAtTheLastThreeCharactersInAnyCase) {
  for (const char* name : {"a.vbp", "A.VbP", "vbp"}) EXPECT_TRUE(namesProjectFile(name)) << name;
  for (const char* name : {"a.vbp ", "bp"}) EXPECT_FALSE(namesProjectFile(name)) << name;
}

}  // namespace
}  // namespace qm
