// The two command-line forms: the one-string switch search of Windows and
// the separate words of a shell, and the failure log's text.
#include "settings/command_line.h"

#include <gtest/gtest.h>

#include "platform/command_line_syntax.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(GetSwitchValue, FindsTheValueUpToTheNextDelimiter) {
  const struct {
    std::string line, switchText;
    bool includeSwitch;
    std::string delimiter;
    bool caseSensitive;
    std::string value;
  } cases[] = {
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
      {"", "/p", true, "/", false, ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(GetSwitchValue(c.line, c.switchText, c.includeSwitch, c.delimiter, c.caseSensitive), c.value)
        << c.line << " / " << c.switchText;
  }
}

// The switches as `line` answers them, "letter[value]" for each present one.
std::string switches(const CommandLine& line) {
  std::string out = line.requestsUnattendedRun() ? "unattended" : "attended";
  for (char letter : std::string("pablsic")) {
    if (line.hasSwitch(letter)) out += std::string(" ") + letter + "[" + line.value(letter) + "]";
  }
  return out;
}

TEST(CommandLine, AnswersTheSwitchesOfEitherFormInAnyCase) {
  const CommandLine text = CommandLine::fromText("/P\"C:\\My Work\\Billing.vbp\" /A /L /sHouse /i5 /c");
  EXPECT_EQ(switches(text), "unattended p[\"C:\\My Work\\Billing.vbp\" ] a[ ] l[ ] s[House ] i[5 ] c[]");
  EXPECT_EQ(text.asReceived(), "/P\"C:\\My Work\\Billing.vbp\" /A /L /sHouse /i5 /c");
  const CommandLine words = CommandLine::fromWords(
      {"-P", "/home/ann/projects/Billing.vbp", "/a", "-L", "/S", "House", "-i", "7", "/c", "/home/ann/copy"});
  EXPECT_EQ(switches(words), "unattended p[/home/ann/projects/Billing.vbp] a[] l[] s[House] i[7] c[/home/ann/copy]");
  EXPECT_EQ(words.asReceived(), "-P /home/ann/projects/Billing.vbp /a -L /S House -i 7 /c /home/ann/copy");
}

TEST(CommandLineWords, AbsentOrEmptyValuesCountAsAbsent) {
  const struct {
    std::vector<std::string> words;
    std::string switches;
  } cases[] = {{{"/p"}, "unattended p[]"},
               {{"/p", ""}, "unattended p[]"},
               {{"/p", "a.vbp", "/c", "/b"}, "unattended p[a.vbp] b[] c[]"},  // a switch word is never a value
               {{"/p", "a.vbp", "/s", "Simple", "/s", "Other"}, "unattended p[a.vbp] s[Simple]"},
               {{"/p", "a.vbp", "/x", "y"}, "unattended p[a.vbp]"},
               {{"/p", "a.vbp", "--s", "Simple"}, "unattended p[a.vbp]"}};
  for (const auto& c : cases) EXPECT_EQ(switches(CommandLine::fromWords(c.words)), c.switches) << c.words.size();
}

TEST(CommandLine, OnlyALoneProjectPathOpensAProject) {
  const std::pair<std::string, std::string> texts[] = {
      {"\"C:\\Work\\Billing.VBP\"", "C:\\Work\\Billing.VBP"}, {"C:\\Work\\Billing.vbp", "C:\\Work\\Billing.vbp"},
      {"C:\\Work\\Billing.vbp ", ""}, {"C:\\Work\\Billing.frm", ""}, {"/pC:\\Work\\Billing.vbp", ""}, {"", ""}};
  for (const auto& [text, project] : texts) EXPECT_EQ(CommandLine::fromText(text).projectPathToOpen(), project) << text;
  const std::pair<std::vector<std::string>, std::string> words[] = {
      {{"Billing.VbP"}, "Billing.VbP"},
      {{"/home/ann/projects/Billing.vbp"}, "/home/ann/projects/Billing.vbp"},  // holds "/p" but is no switch
      {{"\"Billing.vbp\""}, "Billing.vbp"}, {{"Billing.vbp "}, ""}, {{"Billing.vbp", "/a"}, ""},
      {{"one.vbp", "two.vbp"}, ""}, {{"notes.txt"}, ""}, {{}, ""}};
  for (const auto& [list, project] : words) EXPECT_EQ(CommandLine::fromWords(list).projectPathToOpen(), project);
  EXPECT_FALSE(CommandLine::fromWords({"/home/ann/projects/Billing.vbp"}).requestsUnattendedRun());
  for (const char* name : {"a.vbp", "A.VbP", "vbp"}) EXPECT_TRUE(namesProjectFile(name)) << name;
  for (const char* name : {"a.vbp ", "bp"}) EXPECT_FALSE(namesProjectFile(name)) << name;
}

TEST(CommandLineWords, ThisPlatformPassesSeparateWords) {
  if (commandLineIsOneString()) GTEST_SKIP() << "this platform passes one string";
  char program[] = "quillmere", first[] = "/p", second[] = "/home/ann/Billing.vbp";
  char* argv[] = {program, first, second};
  EXPECT_EQ(CommandLine::fromArguments(commandLineArguments(3, argv)).value('p'), "/home/ann/Billing.vbp");
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
  const std::pair<std::string, std::string> cases[] = {{"Billing.vbp", "/work/Billing.vbp"},
                                                       {"Inner/Billing.vbp", "/work/Inner/Billing.vbp"},
                                                       {"/home/ann/Billing.vbp", "/home/ann/Billing.vbp"},
                                                       {"\\\\server\\share\\Billing.vbp", "\\\\server\\share\\Billing.vbp"},
                                                       {"C:\\Work\\Billing.vbp", "C:\\Work\\Billing.vbp"},
                                                       {"", ""}};
  for (const auto& [path, absolute] : cases) EXPECT_EQ(pathFromWorkingFolder(path, "/work/"), absolute) << path;
}

}  // namespace
}  // namespace qm
