// Runs never meet. Two programs started at once from one current folder,
// each on its own project, leave each project exactly as a lone run does;
// a run, or a roll back, on a project that another run holds is refused
// before it touches anything, and works again once the other has ended.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "integration/run_bench.h"
#include "platform/folder_lock.h"
#include "wizard/command_line_mode.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kFullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};
const char* const kResults[] = {"projects/examples/Billing/Billing.vbp",       "projects/examples/Billing/modUtil.bas",
                                "projects/examples/Billing/clsInvoice.cls",    "projects/examples/Billing/Forms/frmMain.frm",
                                "projects/examples/Shared/modShared.bas",      "projects/examples/Billing/GlobalVariables.bas"};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// The program in `bench`, started with its own settings, printing into `out`.
std::string programCall(const RunBench& bench, const std::string& program, const std::string& out) {
  const std::string home = bench.path("home");
  fs::create_directories(home);
  std::string call = "HOME=" + quoted(home) + " XDG_CONFIG_HOME=" + quoted(home + "/.config") +
                     " XDG_DATA_HOME=" + quoted(home + "/.local/share") + " " + quoted(program) + " /p " +
                     quoted(bench.projectFile);
  for (const std::string& word : kFullRun) call += " " + word;
  return "(" + call + " > " + quoted(out) + " 2>&1; echo $? > " + quoted(out + ".status") + ")";
}

TEST(ConcurrentRuns, TwoProgramsFromOneCurrentFolderEachEndAsALoneRun) {
  std::error_code error;
  const fs::path built = fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "src/app/quillmere";
  if (error || !fs::is_regular_file(built, error)) GTEST_SKIP() << "the quillmere program is not built";

  auto first = RunBench::example();
  auto second = RunBench::example();
  const std::string program = first->path("program/quillmere");
  fs::copy_file(built, program);
  const std::string sharedFolder = first->path("work");
  const std::string command = "cd " + quoted(sharedFolder) + " && " + programCall(*first, program, first->path("out")) +
                              " & " + programCall(*second, program, second->path("out")) + " & wait";
  const int status = std::system(("sh -c " + quoted(command)).c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;

  auto lone = RunBench::example();
  ASSERT_EQ(lone->run(kFullRun).exitStatus, 0);
  for (const RunBench* bench : {first.get(), second.get()}) {
    EXPECT_EQ(RunBench::read(bench->path("out.status")), "0\n") << RunBench::read(bench->path("out"));
    for (const char* file : kResults) {
      EXPECT_EQ(RunBench::read(bench->path(file)), RunBench::read(lone->path(file))) << file;
    }
  }
  EXPECT_EQ(fs::directory_iterator(sharedFolder), fs::directory_iterator()) << "nothing is written to the current folder";
}

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
