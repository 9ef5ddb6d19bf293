// Runs never meet: two programs started at once from one current folder,
// each on its own project, leave each project exactly as a lone run does.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "integration/run_bench.h"

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

}  // namespace
}  // namespace qm::testing
