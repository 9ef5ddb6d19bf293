// The built program itself, started as a scheduled job would start it:
// `quillmere /p Billing.vbp /a /b /l /v /e /t` from a working folder, with a
// program folder and a settings store of its own. It must print the summary
// as it goes, end with status 0, and leave the project exactly as the same
// run made through the wizard's logic leaves it. Skipped when the program
// has not been built beside this test.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "integration/run_bench.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

TEST(TheProgram, MakesTheFullRunAsTheWizardDoes) {
  // build/src/app/quillmere, beside build/tests/test_integration.
  std::error_code error;
  const fs::path built = fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "src/app/quillmere";
  if (error || !fs::is_regular_file(built, error)) GTEST_SKIP() << "the quillmere program is not built";

  const std::vector<std::string> fullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};
  auto bench = RunBench::example();
  const std::string program = bench->path("program/quillmere");
  fs::copy_file(built, program);
  const std::string home = bench->path("home");
  fs::create_directories(home);
  auto quoted = [](const std::string& text) { return "'" + text + "'"; };
  std::string command = "cd " + quoted(bench->path("work")) + " && HOME=" + quoted(home) +
                        " XDG_CONFIG_HOME=" + quoted(home + "/.config") +
                        " XDG_DATA_HOME=" + quoted(home + "/.local/share") + " " + quoted(program) + " /p " +
                        quoted(bench->projectFile);
  for (const std::string& word : fullRun) command += " " + word;
  command += " > " + quoted(bench->path("out.txt")) + " 2> " + quoted(bench->path("err.txt"));
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  EXPECT_EQ(WEXITSTATUS(status), 0) << RunBench::read(bench->path("err.txt"));

  const std::string printed = RunBench::read(bench->path("out.txt"));
  EXPECT_TRUE(printed.starts_with("Creating backup of frmMain.frm...Done\nAnalysing frmMain.frm...Done (6 out of 6"))
      << printed;
  EXPECT_NE(printed.find("\nAdding line numbers to modShared.bas...Success\nUpdate completed in "), std::string::npos)
      << printed;
  EXPECT_TRUE(printed.ends_with(" seconds.\n")) << printed;

  auto wizard = RunBench::example();
  ASSERT_EQ(wizard->run(fullRun).exitStatus, 0);
  for (const char* file : {"projects/examples/Billing/Billing.vbp", "projects/examples/Billing/modUtil.bas",
                           "projects/examples/Billing/clsInvoice.cls", "projects/examples/Billing/Forms/frmMain.frm",
                           "projects/examples/Shared/modShared.bas", "projects/examples/Billing/GlobalVariables.bas",
                           "program/Simple.style"}) {
    EXPECT_FALSE(RunBench::read(bench->path(file)).empty()) << file;
    EXPECT_EQ(RunBench::read(bench->path(file)), RunBench::read(wizard->path(file))) << file;
  }
  EXPECT_FALSE(fs::exists(bench->path("work/TempDataFile"))) << "the working file does not stay";
}

}  // namespace
}  // namespace qm::testing
