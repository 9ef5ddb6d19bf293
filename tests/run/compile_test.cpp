#include "run/compile.h"

#include <gtest/gtest.h>

#include "run_bench.h"
#include "settings/registry.h"

namespace qm {
namespace {

using testing::RunBench;

// A new copy of the example's module, compiled: the fake Visual Basic is
// VB98/VB6.EXE.
class Compilation : public ::testing::Test {
 protected:
  Compilation() {
    bench.options.compile = true;
    bench.options.saveMode = SaveMode::NewCopy;
    bench.options.newLocation = bench.root.file("Copy");
    bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
    bench.root.write("VB98/VB6.EXE", "MZ");
  }

  std::vector<std::string> lastLines(std::size_t count) const {
    const auto lines = bench.summary.lines();
    return std::vector<std::string>(lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end());
  }

  std::vector<ProcessArgument> launchedWith(std::string_view compileSwitch, const std::string& project) const {
    return {ProcessArgument::plain(std::string(compileSwitch)), ProcessArgument::path(bench.files.nativePath(project))};
  }

  RunBench bench;
};

// The file system spells it VB98/VB6.EXE: a choice in another case is found.
TEST_F(Compilation, TheFirstRunAsksOnceAndTheNextCompilesWithoutAsking) {
  const std::string chosen = bench.root.file("vb98/vb6.exe");
  bench.dialogs.fileAnswers = {chosen};
  bench.run();
  ASSERT_EQ(bench.dialogs.messages.size(), 1u);
  EXPECT_EQ(bench.dialogs.messages[0],
            "Compiler needed: In order to compile your project, Quillmere needs to know the location of the Visual "
            "Basic executable (VB*.exe)");
  ASSERT_EQ(bench.dialogs.requests.size(), 1u);
  EXPECT_EQ(bench.dialogs.requests[0].title, "Locate the Visual Basic executable");
  EXPECT_EQ(bench.dialogs.requests[0].filter, "Visual Basic Executable (vb*.exe)|vb*.exe");
  EXPECT_EQ(bench.dialogs.requests[0].initialFolder, bench.workspace.programFolder);
  EXPECT_EQ(bench.vbLocation, chosen);
  EXPECT_EQ(GetSettingString(bench.settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "VB_Location", ""), chosen);
  EXPECT_EQ(lastLines(3), (std::vector<std::string>{"Compiling... ", "Done ", "Update completed in 0 seconds."}));
  // The new copy's project file, not the one that was opened, in the system's own form.
  ASSERT_EQ(bench.launcher.calls.size(), 1u);
  EXPECT_EQ(bench.launcher.calls[0].executable, bench.files.nativePath(chosen));
  EXPECT_EQ(bench.launcher.calls[0].arguments, launchedWith("/make", bench.root.file("Copy/Billing.vbp")));

  bench.run();
  EXPECT_EQ(bench.dialogs.messages.size(), 1u);
  EXPECT_EQ(bench.dialogs.requests.size(), 1u);
  EXPECT_EQ(bench.launcher.calls.size(), 2u);
  EXPECT_EQ(bench.settings.writes(), 1);
}

// Nobody at the screen is a cancelled choice, the last answer here.
TEST_F(Compilation, UnusableChoicesAreRefusedAndAskedForAgainNextTime) {
  bench.root.write("VB98/vb.exe", "MZ");
  bench.root.write("VB98/vb10.exe", "MZ");
  bench.root.makeFolder("VB98/vb5.exe");
  for (const std::string& answer :
       {bench.root.file("VB98/vb.exe"), bench.root.file("VB98/vb10.exe"), bench.root.file("VB98/vb6.exe.missing"),
        bench.root.file("VB98/VB7.EXE"), bench.root.file("VB98/vb5.exe"), std::string()}) {
    bench.summary = {};
    if (!answer.empty()) bench.dialogs.fileAnswers = {answer};
    bench.run();
    const std::string refused = "Unable to use VB executable.  Compilation not attempted.";
    EXPECT_EQ(lastLines(2), (std::vector<std::string>{refused, "Update completed in 0 seconds."})) << answer;
    EXPECT_EQ(bench.yieldedAfter.back(), refused) << answer;
    EXPECT_EQ(bench.vbLocation, "") << answer;
  }
  EXPECT_EQ(bench.dialogs.requests.size(), 6u);
  EXPECT_TRUE(bench.launcher.calls.empty());
  EXPECT_EQ(bench.settings.writes(), 0);
}

// A Backup run compiles the project it changed in place; any project type
// but Exe is built with /makedll.
TEST_F(Compilation, ABackupRunOfADllCompilesTheProjectWithMakeDll) {
  std::string vbp = bench.root.read("Billing/Billing.vbp");
  vbp.replace(vbp.find("Type=Exe"), 8, "Type=OleDll");
  bench.root.write("Billing/Billing.vbp", vbp);
  bench.reload();
  bench.options.saveMode = SaveMode::Backup;
  bench.vbLocation = bench.root.file("VB98/VB6.EXE");
  bench.run();
  ASSERT_EQ(bench.launcher.calls.size(), 1u);
  EXPECT_EQ(bench.launcher.calls[0].arguments, launchedWith("/makedll", bench.project.projectFile));
}

TEST_F(Compilation, AStartThatFailsIsReportedInsteadOfDone) {
  bench.vbLocation = bench.root.file("gone/VB6.EXE");
  bench.launcher.result = Status::failure("Cannot start '" + bench.vbLocation + "': No such file or directory");
  const RunOutcome outcome = bench.run();
  EXPECT_EQ(lastLines(3), (std::vector<std::string>{"Compiling... ",
                                                    "Failed to start the compiler: Cannot start '" + bench.vbLocation +
                                                        "': No such file or directory",
                                                    "Update completed in 0 seconds."}));
  EXPECT_EQ(outcome.failures, 1);
}

}  // namespace
}  // namespace qm
