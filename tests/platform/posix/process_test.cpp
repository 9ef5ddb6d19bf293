#include "platform/posix/wine_launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::TempFolder;

// A stand-in program that writes each argument it received on its own line.
void writeRecorder(const TempFolder& folder, std::string_view name, std::string_view prefix = "") {
  const std::string record = folder.file(std::string(name) + ".args");
  folder.write(name, std::string(prefix) + "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record +
                         ".part'\nmv '" + record + ".part' '" + record + "'\n");
  ::chmod(folder.file(name).c_str(), 0755);
}

// What the stand-in recorded, once it has run (the launcher does not wait).
std::string recordedArguments(const TempFolder& folder, std::string_view name) {
  const std::string record = std::string(name) + ".args";
  for (int i = 0; i < 1000 && !folder.exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return folder.read(record);
}

class SearchPath {
 public:
  explicit SearchPath(const std::string& path) {
    const char* old = std::getenv("PATH");
    saved_ = old ? old : "";
    ::setenv("PATH", path.c_str(), 1);
  }
  ~SearchPath() { ::setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

TEST(ProcessLauncher, PassesEveryArgumentAsItIsWithoutAShell) {
  TempFolder folder;
  writeRecorder(folder, "vb6");
  const std::string tricky = folder.path() + "My Project; rm -rf $HOME `x` \"q\".vbp";
  SystemProcessLauncher launcher;
  ASSERT_TRUE(
      launcher.startDetached(folder.file("vb6"), {ProcessArgument::plain("/make"), ProcessArgument::path(tricky)})
          .ok());
  EXPECT_EQ(recordedArguments(folder, "vb6"), "/make\n" + tricky + "\n");
}

TEST(ProcessLauncher, AFinishedProgramLeavesNoZombieBehind) {
  TempFolder folder;
  folder.write("quick", "#!/bin/sh\necho $$ > '" + folder.file("pid.part") + "'\nmv '" + folder.file("pid.part") +
                            "' '" + folder.file("pid") + "'\n");
  ::chmod(folder.file("quick").c_str(), 0755);
  SystemProcessLauncher launcher;
  ASSERT_TRUE(launcher.startDetached(folder.file("quick"), {}).ok());
  for (int i = 0; i < 1000 && !folder.exists("pid"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const std::string pid = std::to_string(std::stoi(folder.read("pid")));
  // Once collected, the process is gone from /proc; a zombie would stay.
  bool gone = false;
  for (int i = 0; i < 1000 && !gone; ++i) {
    gone = ::access(("/proc/" + pid).c_str(), F_OK) != 0;
    if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(gone);
}

TEST(ProcessLauncher, AMissingProgramOrOneThatCannotRunIsAFailure) {
  TempFolder folder;
  SystemProcessLauncher launcher;
  const Status status = launcher.startDetached(folder.file("VB98/VB6.EXE"), {ProcessArgument::plain("/make")});
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.message().find("VB6.EXE"), std::string::npos) << status.message();
  folder.write("notes.txt", "text");
  ::chmod(folder.file("notes.txt").c_str(), 0644);
  EXPECT_FALSE(launcher.startDetached(folder.file("notes.txt"), {}).ok());
}

TEST(ProcessLauncher, AWindowsProgramRunsThroughWineWithWindowsPaths) {
  TempFolder folder;
  folder.makeFolder("bin");
  writeRecorder(folder, "bin/wine");
  folder.write("bin/winepath", "#!/bin/sh\n[ \"$1\" = -w ] || exit 1\nprintf 'Z:%s\\n' \"$2\" | tr / '\\\\'\n");
  ::chmod(folder.file("bin/winepath").c_str(), 0755);
  folder.write("VB6.EXE", std::string("MZ\x90\0\x03", 5));
  SearchPath path(folder.file("bin") + ":/usr/bin:/bin");
  SystemProcessLauncher launcher;
  ASSERT_TRUE(launcher
                  .startDetached(folder.file("VB6.EXE"), {ProcessArgument::plain("/makedll"),
                                                          ProcessArgument::path("/work/Billing/Billing.vbp")})
                  .ok());
  EXPECT_EQ(recordedArguments(folder, "bin/wine"),
            folder.file("VB6.EXE") + "\n/makedll\nZ:\\work\\Billing\\Billing.vbp\n");
}

TEST(ProcessCommand, AWindowsProgramWithoutWineIsStartedDirectly) {
  TempFolder folder;
  folder.write("VB6.EXE", "MZ");
  SearchPath path(folder.file("nothing-here"));
  EXPECT_TRUE(isWindowsProgram(folder.file("VB6.EXE")));
  EXPECT_EQ(commandFor(folder.file("VB6.EXE"), {ProcessArgument::path("/a/b.vbp")}),
            (std::vector<std::string>{folder.file("VB6.EXE"), "/a/b.vbp"}));
}

TEST(ProcessCommand, WithoutWinepathTheZDriveFormIsUsed) {
  TempFolder folder;
  folder.makeFolder("bin");
  folder.write("bin/wine", "#!/bin/sh\n");
  ::chmod(folder.file("bin/wine").c_str(), 0755);
  folder.write("VB6.EXE", "MZ");
  SearchPath path(folder.file("bin"));
  EXPECT_EQ(commandFor(folder.file("VB6.EXE"), {ProcessArgument::plain("/make"), ProcessArgument::path("/a/b c.vbp")}),
            (std::vector<std::string>{folder.file("bin/wine"), folder.file("VB6.EXE"), "/make", "Z:\\a\\b c.vbp"}));
}

TEST(ProcessCommand, OnlyTheMzMarkMakesAWindowsProgram) {
  TempFolder folder;
  folder.write("script", "#!/bin/sh\n");
  folder.write("short", "M");
  folder.write("lower", "mz");
  EXPECT_FALSE(isWindowsProgram(folder.file("script")));
  EXPECT_FALSE(isWindowsProgram(folder.file("short")));
  EXPECT_FALSE(isWindowsProgram(folder.file("lower")));
  EXPECT_FALSE(isWindowsProgram(folder.file("missing")));
}

TEST(ProcessCommand, FindsProgramsOnThePathOnlyWhenTheyCanRun) {
  TempFolder folder;
  folder.makeFolder("a");
  folder.makeFolder("b");
  folder.write("a/tool", "#!/bin/sh\n");
  folder.write("b/tool", "#!/bin/sh\n");
  ::chmod(folder.file("a/tool").c_str(), 0644);
  ::chmod(folder.file("b/tool").c_str(), 0755);
  SearchPath path(folder.file("a") + ":" + folder.file("b"));
  EXPECT_EQ(findOnPath("tool"), folder.file("b") + "/tool");
  EXPECT_EQ(findOnPath("absent"), "");
}

}  // namespace
}  // namespace qm
