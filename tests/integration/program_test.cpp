// The built program itself, started as a scheduled job would start it:
// `quillmere /p Billing.vbp /a /b /l /v /e /t` from a working folder, with a
// program folder and a settings store of its own. It must print the summary
// as it goes, end with status 0, and leave the project exactly as the same
// run made through the wizard's logic leaves it. Skipped when the program
// has not been built beside this test.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "integration/run_bench.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

// build/src/app/quillmere, beside build/tests/test_integration.
std::string builtProgram() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const fs::path program = self.parent_path().parent_path() / "src" / "app" / "quillmere";
  return fs::is_regular_file(program, error) ? program.string() : std::string();
}

std::string shellQuoted(const std::string& text) { return "'" + text + "'"; }

TEST(TheProgram, MakesTheFullRunAsTheWizardDoes) {
  const std::string built = builtProgram();
  if (built.empty()) GTEST_SKIP() << "the quillmere program is not built";

  auto bench = RunBench::example();
  const std::string program = bench->path("program/quillmere");
  fs::copy_file(built, program);
  fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);
  const std::string home = bench->path("home");
  fs::create_directories(home);
  const std::string command = "cd " + shellQuoted(bench->path("work")) + " && HOME=" + shellQuoted(home) +
                              " XDG_CONFIG_HOME=" + shellQuoted(home + "/.config") +
                              " XDG_DATA_HOME=" + shellQuoted(home + "/.local/share") + " " + shellQuoted(program) +
                              " /p " + shellQuoted(bench->projectFile) + " /a /b /l /v /e /t > " +
                              shellQuoted(bench->path("out.txt")) + " 2> " + shellQuoted(bench->path("err.txt"));
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  EXPECT_EQ(WEXITSTATUS(status), 0) << bench->read(bench->path("err.txt"));

  const std::string printed = bench->read(bench->path("out.txt"));
  EXPECT_EQ(printed.rfind("Creating backup of frmMain.frm...Done\nAnalysing frmMain.frm...Done (6 out of 6", 0), 0U)
      << printed;
  EXPECT_NE(printed.find("\nAdding line numbers to modShared.bas...Success\nUpdate completed in "), std::string::npos)
      << printed;
  EXPECT_EQ(printed.substr(printed.size() - 10), " seconds.\n") << printed;
  EXPECT_TRUE(fs::exists(bench->path("program/Simple.style"))) << "the default style goes beside the program";

  auto wizard = RunBench::example();
  ASSERT_EQ(wizard->run({"/a", "/b", "/l", "/v", "/e", "/t"}).exitStatus, 0);
  for (const char* file : {"projects/examples/Billing/Billing.vbp", "projects/examples/Billing/modUtil.bas",
                           "projects/examples/Billing/clsInvoice.cls", "projects/examples/Billing/Forms/frmMain.frm",
                           "projects/examples/Shared/modShared.bas", "projects/examples/Billing/GlobalVariables.bas"}) {
    EXPECT_EQ(bench->read(bench->path(file)), wizard->read(wizard->path(file))) << file;
    EXPECT_FALSE(bench->read(bench->path(file)).empty()) << file;
  }
  EXPECT_EQ(bench->read(bench->path("program/Simple.style")), wizard->read(wizard->path("program/Simple.style")));
  EXPECT_FALSE(fs::exists(bench->path("work/TempDataFile"))) << "the working file does not stay";
}

}  // namespace
}  // namespace qm::testing
