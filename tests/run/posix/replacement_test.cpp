// What a run does to the files it replaces, and what it refuses before it
// touches any. A replaced file keeps its permissions; a member that is a
// symbolic link keeps its link and the file it points to gets the change; a
// file whose bytes would not change is not written at all; the generated
// global variables module is written afresh, never processed as a member,
// and does not grow from run to run. Options that cannot work stop the run
// with one line saying why, before the backup.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "run/run_bench.h"

namespace qm {
namespace {

using testing::RunBench;

struct stat statOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

TEST(Replacement, KeepsPermissionsAndLinks) {
  RunBench bench;
  const std::string util = bench.root.file("Billing/modUtil.bas");
  ::chmod(util.c_str(), 0640);
  // The shared module is reached through a link, as a team's shared code often is.
  const std::string shared = bench.root.file("Shared/modShared.bas");
  const std::string real = bench.root.file("Library/modShared.bas");
  std::filesystem::create_directories(bench.root.file("Library"));
  std::filesystem::rename(shared, real);
  ASSERT_EQ(::symlink(real.c_str(), shared.c_str()), 0);
  const std::string before = bench.root.read("Library/modShared.bas");

  ASSERT_EQ(bench.run().failures, 0) << ::testing::PrintToString(bench.summary.lines());
  EXPECT_EQ(statOf(util).st_mode & 07777, 0640U);
  EXPECT_TRUE(S_ISLNK(statOf(shared).st_mode));
  EXPECT_NE(bench.root.read("Library/modShared.bas"), before);
  EXPECT_NE(bench.root.read("Library/modShared.bas").find("'SS******"), std::string::npos);
}

TEST(Replacement, AFileWhoseBytesWouldNotChangeIsNotWritten) {
  RunBench bench;
  bench.options.action = RunAction::Delete;  // nothing to remove: no member changes
  const std::string util = bench.root.file("Billing/modUtil.bas");
  const ino_t inode = statOf(util).st_ino;
  std::vector<std::string> written;
  bench.files.setRule([&written](testing::Operation op, const std::string& path) {
    if (op == testing::Operation::Write || op == testing::Operation::Move) written.push_back(path);
    return false;
  });
  ASSERT_EQ(bench.run().failures, 0);
  EXPECT_EQ(statOf(util).st_ino, inode);
  for (const std::string& path : written) {
    EXPECT_NE(path.find("Backup on"), std::string::npos) << path << " was written";
  }
}

TEST(Replacement, TheGlobalModuleIsWrittenAfreshAndDoesNotGrow) {
  RunBench bench;
  bench.options.variableDump = true;
  bench.run();
  bench.reload();
  bench.selectAll();
  const std::string module = bench.root.read("Billing/GlobalVariables.bas");
  ASSERT_FALSE(module.empty());
  for (int run = 0; run < 2; ++run) {
    bench.summary = {};
    bench.run();
    for (const std::string& line : bench.summary.lines()) {
      EXPECT_EQ(line.find("GlobalVariables.bas"), std::string::npos) << line;
    }
    EXPECT_EQ(bench.root.read("Billing/GlobalVariables.bas"), module);
  }
}

TEST(Replacement, OptionsThatCannotWorkStopTheRunBeforeTheBackup) {
  struct Case {
    const char* minLines;
    float start;
    const char* line;
  };
  const Case cases[] = {
      {"abc", 10, "The minimum number of lines 'abc' is not a number."},
      {"99999", 10, "The minimum number of lines '99999' is too large."},
      {"0", std::numeric_limits<float>::quiet_NaN(), "The first line number is not a number."},
  };
  for (const Case& c : cases) {
    RunBench bench;
    const auto original = bench.topLevel("Billing");
    bench.options.minLines = c.minLines;
    bench.options.addLineNumbers = true;
    bench.options.lineNumberStart = c.start;
    const RunOutcome outcome = bench.run();
    EXPECT_TRUE(outcome.refused) << c.line;
    const auto lines = bench.summary.lines();
    ASSERT_EQ(lines.size(), 3U) << c.line;
    EXPECT_EQ(lines[0], c.line);
    EXPECT_EQ(lines[1], "No files were modified.");
    EXPECT_EQ(bench.topLevel("Billing"), original) << c.line;
    EXPECT_TRUE(bListBackups(bench.files, bench.project.projectFolder).empty()) << c.line;
  }
}

}  // namespace
}  // namespace qm
