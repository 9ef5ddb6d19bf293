// The two command-line forms, the one-string switch search of Windows and
// the separate words of a shell, as tables of calls
// (tests/data/settings/command_line.txt); and the failure log.
#include "settings/command_line.h"

#include <gtest/gtest.h>

#include "platform/command_line_syntax.h"
#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

// The switches as `line` answers them, "letter[value]" for each present one.
std::string switches(const CommandLine& line) {
  std::string out = line.requestsUnattendedRun() ? "unattended" : "attended";
  for (char letter : std::string("pablsicx")) {
    if (line.hasSwitch(letter)) out += std::string(" ") + letter + "[" + line.value(letter) + "]";
  }
  return out;
}

// The one-string form's warnings joined by "; ", then "dry-run" when it asks for a preview.
std::string warnings(const CommandLine& line) {
  std::string out;
  for (const std::string& warning : line.warnings()) out += (out.empty() ? "" : "; ") + warning;
  return line.hasOption("--dry-run") ? out + "dry-run" : out;
}

class CommandLines : public testing::CaseTest {};

TEST_P(CommandLines, GiveWhatTheTableSays) {
  testing::expectRows(c, {
      {"GetSwitchValue", [](const Arguments& a) { return GetSwitchValue(a[0], a[1], a[2] == "yes", a[3], a[4] == "yes"); }},
      {"fromText", [](const Arguments& a) { return switches(CommandLine::fromText(a[0])); }},
      {"fromWords", [](const Arguments& a) { return switches(CommandLine::fromWords(a)); }},
      {"projectFromText", [](const Arguments& a) { return CommandLine::fromText(a[0]).projectPathToOpen(); }},
      {"warningsFromText", [](const Arguments& a) { return warnings(CommandLine::fromText(a[0])); }},
      {"projectFromWords", [](const Arguments& a) { return CommandLine::fromWords(a).projectPathToOpen(); }},
      {"namesProjectFile", [](const Arguments& a) { return std::string(namesProjectFile(a[0]) ? "yes" : "no"); }},
      {"pathFromWorkingFolder", [](const Arguments& a) { return pathFromWorkingFolder(a[0], "/work/"); }},
  });
}

QM_CASES_FROM(CommandLines, "settings/command_line.txt");

TEST(CommandLine, KeepsTheLineAsReceivedAndOpensNoProjectWithoutWords) {
  EXPECT_EQ(CommandLine::fromText("/P\"C:\\My Work\\Billing.vbp\" /A /c").asReceived(), "/P\"C:\\My Work\\Billing.vbp\" /A /c");
  EXPECT_EQ(CommandLine::fromWords({"-P", "/home/ann/Billing.vbp", "/a"}).asReceived(), "-P /home/ann/Billing.vbp /a");
  EXPECT_EQ(CommandLine::fromWords({}).projectPathToOpen(), "");
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

}  // namespace
}  // namespace qm
