// A run, or a roll back, on a project that another run holds is refused
// before it touches anything, and works again once the other has ended.
#include <gtest/gtest.h>

#include "integration/run_bench.h"
#include "platform/folder_lock.h"
#include "wizard/command_line_mode.h"

namespace qm::testing {
namespace {

const std::vector<std::string> kFullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};

TEST(ConcurrentRuns, AProjectAnotherRunHoldsIsRefusedUntouched) {
  auto bench = RunBench::example();
  const auto before = bench->files();
  NativeFileSystem native;
  {
    const FolderLock held = FolderLock::take(native, bench->projectFolder);
    ASSERT_TRUE(held.held()) << held.message();

    const StartUpOutcome run = bench->run(kFullRun);
    EXPECT_EQ(run.exitStatus, kExitNotStarted);
    EXPECT_NE(run.reason.find("Another run is working on the project"), std::string::npos) << run.reason;
    EXPECT_NE(bench->summary().find("Another run is working on the project in '"), std::string::npos)
        << bench->summary();
    EXPECT_EQ(bench->summary().find("Creating backup"), std::string::npos) << bench->summary();
    EXPECT_EQ(bench->files(), before);
  }
  ASSERT_EQ(bench->run(kFullRun).exitStatus, kExitSucceeded) << bench->summary();
  const auto changed = bench->files();

  const FolderLock held = FolderLock::take(native, bench->projectFolder);
  SummaryText lines;
  const CommandLineOutcome rolled =
      RunRollbackCommand(bench->openWizard(), bench->projectFile, "", "--rollback", lines);
  EXPECT_EQ(rolled.exitStatus, kExitNotStarted);
  EXPECT_EQ(bench->files(), changed);
}

}  // namespace
}  // namespace qm::testing
