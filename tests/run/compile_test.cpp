#include "run/compile.h"

#include <gtest/gtest.h>

#include "run_bench.h"
#include "settings/registry.h"

namespace qm {
namespace {

using testing::RunBench;

std::string storedLocation(const RunBench& bench) {
  return GetSettingString(bench.settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", "VB_Location", "");
}

std::vector<std::string> lastLines(const RunBench& bench, std::size_t count) {
  const auto lines = bench.summary.lines();
  return std::vector<std::string>(lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end());
}

TEST(CompilerName, OneDigitBetweenVbAndExe) {
  for (const char* name : {"vb6.exe", "VB6.EXE", "vb5.exe", "Vb6.Exe", "vb0.exe"}) {
    EXPECT_TRUE(isVisualBasicExecutableName(name)) << name;
  }
  for (const char* name : {"vb.exe", "vb10.exe", "vb6.com", "vb6.exe.bak", "xvb6.exe", "vbx.exe", "VB6EXE", ""}) {
    EXPECT_FALSE(isVisualBasicExecutableName(name)) << name;
  }
}

class Compilation : public ::testing::Test {
 protected:
  Compilation() {
    bench.options.compile = true;
    bench.options.saveMode = SaveMode::NewCopy;
    bench.options.newLocation = bench.root.file("Copy");
    bench.options.selectedFiles = {bench.project.projectFolder + "modUtil.bas"};
    bench.root.write("VB98/VB6.EXE", "MZ");
  }
  RunBench bench;
};

TEST_F(Compilation, TheFirstRunAsksOnceAndTheNextCompilesWithoutAsking) {
  bench.dialogs.fileAnswers = {bench.root.file("VB98/VB6.EXE")};
  bench.run();
  ASSERT_EQ(bench.dialogs.messages.size(), 1u);
  EXPECT_EQ(bench.dialogs.messages[0],
            "Compiler needed: In order to compile your project, Quillmere needs to know the location of the Visual "
            "Basic executable (VB*.exe)");
  ASSERT_EQ(bench.dialogs.requests.size(), 1u);
  EXPECT_EQ(bench.dialogs.requests[0].title, "Locate the Visual Basic executable");
  EXPECT_EQ(bench.dialogs.requests[0].filter, "Visual Basic Executable (vb*.exe)|vb*.exe");
  EXPECT_EQ(bench.dialogs.requests[0].initialFolder, bench.workspace.programFolder);
  EXPECT_EQ(bench.vbLocation, bench.root.file("VB98/VB6.EXE"));
  EXPECT_EQ(storedLocation(bench), bench.root.file("VB98/VB6.EXE"));
  EXPECT_EQ(lastLines(bench, 3),
            (std::vector<std::string>{"Compiling... ", "Done ", "Update completed in 0 seconds."}));

  // The new copy's project file, not the one that was opened.
  ASSERT_EQ(bench.launcher.calls.size(), 1u);
  // The launcher is given the paths in the system's own form.
  EXPECT_EQ(bench.launcher.calls[0].executable, bench.files.nativePath(bench.root.file("VB98/VB6.EXE")));
  EXPECT_EQ(bench.launcher.calls[0].arguments,
            (std::vector<ProcessArgument>{ProcessArgument::plain("/make"), ProcessArgument::path(bench.files.nativePath(
                                                                               bench.root.file("Copy/Billing.vbp")))}));

  bench.run();
  EXPECT_EQ(bench.dialogs.messages.size(), 1u);
  EXPECT_EQ(bench.dialogs.requests.size(), 1u);
  EXPECT_EQ(bench.launcher.calls.size(), 2u);
  EXPECT_EQ(bench.settings.writes(), 1);
}

TEST_F(Compilation, UnusableChoicesAreRefusedAndAskedForAgainNextTime) {
  bench.root.write("VB98/vb.exe", "MZ");
  bench.root.write("VB98/vb10.exe", "MZ");
  bench.root.makeFolder("VB98/vb5.exe");
  for (const std::string& answer :
       {bench.root.file("VB98/vb.exe"), bench.root.file("VB98/vb10.exe"), bench.root.file("VB98/vb6.exe.missing"),
        bench.root.file("VB98/VB7.EXE"), bench.root.file("VB98/vb5.exe"), std::string()}) {
    bench.summary = {};
    bench.dialogs.fileAnswers = {answer};
    bench.run();
    EXPECT_EQ(lastLines(bench, 2), (std::vector<std::string>{"Unable to use VB executable.  Compilation not attempted.",
                                                             "Update completed in 0 seconds."}))
        << answer;
    EXPECT_EQ(bench.vbLocation, "") << answer;
  }
  EXPECT_EQ(bench.dialogs.requests.size(), 6u);
  EXPECT_TRUE(bench.launcher.calls.empty());
  EXPECT_EQ(bench.settings.writes(), 0);
}

TEST_F(Compilation, WithNobodyAtTheScreenItIsACancel) {
  bench.run();
  EXPECT_EQ(lastLines(bench, 2), (std::vector<std::string>{"Unable to use VB executable.  Compilation not attempted.",
                                                           "Update completed in 0 seconds."}));
  EXPECT_EQ(bench.yieldedAfter.back(), "Unable to use VB executable.  Compilation not attempted.");
}

TEST_F(Compilation, UpperCaseNamesAreAccepted) {
  bench.dialogs.fileAnswers = {bench.root.file("vb98/vb6.exe")};  // the file system spells it VB98/VB6.EXE
  bench.run();
  EXPECT_EQ(lastLines(bench, 3),
            (std::vector<std::string>{"Compiling... ", "Done ", "Update completed in 0 seconds."}));
}

TEST_F(Compilation, AnyOtherProjectTypeIsBuiltWithMakeDll) {
  std::string vbp = bench.root.read("Billing/Billing.vbp");
  vbp.replace(vbp.find("Type=Exe"), 8, "Type=OleDll");
  bench.root.write("Billing/Billing.vbp", vbp);
  bench.reload();
  ASSERT_FALSE(bench.project.isExe);
  bench.vbLocation = bench.root.file("VB98/VB6.EXE");
  bench.run();
  ASSERT_EQ(bench.launcher.calls.size(), 1u);
  EXPECT_EQ(bench.launcher.calls[0].arguments[0], ProcessArgument::plain("/makedll"));
}

TEST_F(Compilation, ABackupRunCompilesTheProjectItChangedInPlace) {
  bench.options.saveMode = SaveMode::Backup;
  bench.vbLocation = bench.root.file("VB98/VB6.EXE");
  bench.run();
  ASSERT_EQ(bench.launcher.calls.size(), 1u);
  EXPECT_EQ(bench.launcher.calls[0].arguments[1],
            ProcessArgument::path(bench.files.nativePath(bench.project.projectFile)));
}

TEST_F(Compilation, AStartThatFailsIsReportedInsteadOfDone) {
  bench.vbLocation = bench.root.file("gone/VB6.EXE");
  bench.launcher.result = Status::failure("Cannot start '" + bench.vbLocation + "': No such file or directory");
  const RunOutcome outcome = bench.run();
  EXPECT_EQ(lastLines(bench, 3), (std::vector<std::string>{"Compiling... ",
                                                           "Failed to start the compiler: Cannot start '" +
                                                               bench.vbLocation + "': No such file or directory",
                                                           "Update completed in 0 seconds."}));
  EXPECT_EQ(outcome.failures, 1);
}

}  // namespace
}  // namespace qm
