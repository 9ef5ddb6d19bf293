// What a run does to the files it replaces. A replaced file keeps its permissions; a member that is a
// symbolic link keeps its link and the file it points to gets the change; a
// file whose bytes would not change is not written at all; the generated
// global variables module is written afresh, never processed as a member,
// and does not grow from run to run.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

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

}  // namespace
}  // namespace qm
