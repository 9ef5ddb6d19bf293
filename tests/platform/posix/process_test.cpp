// Starting the compiler: every argument passed as it is without a shell, a
// Windows program run through wine with Windows paths, and no zombie left.
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

// Writes an executable script.
void script(const TempFolder& folder, std::string_view name, const std::string& body, mode_t mode = 0755) {
  folder.write(name, "#!/bin/sh\n" + body);
  ::chmod(folder.file(name).c_str(), mode);
}

// A stand-in program that writes each argument it received on its own line
// into "<name>.args", whose text comes back once it has run (the launcher
// does not wait).
void writeRecorder(const TempFolder& folder, std::string_view name) {
  const std::string record = folder.file(std::string(name) + ".args");
  script(folder, name, "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record + ".part'\nmv '" + record +
                           ".part' '" + record + "'\n");
}
std::string waitFor(const TempFolder& folder, const std::string& file) {
  for (int i = 0; i < 1000 && !folder.exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return folder.read(file);
}

class SearchPath {
 public:
  explicit SearchPath(const std::string& path) : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    ::setenv("PATH", path.c_str(), 1);
  }
  ~SearchPath() { ::setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

TEST(ProcessLauncher, PassesEveryArgumentAsItIsWithoutAShellAndLeavesNoZombie) {
  TempFolder folder;
  writeRecorder(folder, "vb6");
  const std::string tricky = folder.path() + "My Project; rm -rf $HOME `x` \"q\".vbp";
  SystemProcessLauncher launcher;
  ASSERT_TRUE(
      launcher.startDetached(folder.file("vb6"), {ProcessArgument::plain("/make"), ProcessArgument::path(tricky)})
          .ok());
  EXPECT_EQ(waitFor(folder, "vb6.args"), "/make\n" + tricky + "\n");

  script(folder, "quick", "echo $$ > '" + folder.file("pid.part") + "'\nmv '" + folder.file("pid.part") + "' '" +
                              folder.file("pid") + "'\n");
  ASSERT_TRUE(launcher.startDetached(folder.file("quick"), {}).ok());
  const std::string pid = std::to_string(std::stoi(waitFor(folder, "pid")));
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
  script(folder, "notes.txt", "text", 0644);
  EXPECT_FALSE(launcher.startDetached(folder.file("notes.txt"), {}).ok());
}

TEST(ProcessLauncher, AWindowsProgramRunsThroughWineWithWindowsPaths) {
  TempFolder folder;
  writeRecorder(folder, "bin/wine");
  script(folder, "bin/winepath", "[ \"$1\" = -w ] || exit 1\nprintf 'Z:%s\\n' \"$2\" | tr / '\\\\'\n");
  folder.write("VB6.EXE", std::string("MZ\x90\0\x03", 5));
  SearchPath path(folder.file("bin") + ":/usr/bin:/bin");
  ASSERT_TRUE(SystemProcessLauncher()
                  .startDetached(folder.file("VB6.EXE"), {ProcessArgument::plain("/makedll"),
                                                          ProcessArgument::path("/work/Billing/Billing.vbp")})
                  .ok());
  EXPECT_EQ(waitFor(folder, "bin/wine.args"), folder.file("VB6.EXE") + "\n/makedll\nZ:\\work\\Billing\\Billing.vbp\n");
}

TEST(ProcessCommand, OnlyTheMzMarkMakesAWindowsProgramWhichWineRunsWhenThere) {
  TempFolder folder;
  folder.write("script", "#!/bin/sh\n");
  folder.write("short", "M");
  folder.write("lower", "mz");
  for (const char* name : {"script", "short", "lower", "missing"}) EXPECT_FALSE(isWindowsProgram(folder.file(name)));
  folder.write("VB6.EXE", "MZ");
  EXPECT_TRUE(isWindowsProgram(folder.file("VB6.EXE")));
  {
    SearchPath nowhere(folder.file("nothing-here"));  // without wine it is started directly
    EXPECT_EQ(commandFor(folder.file("VB6.EXE"), {ProcessArgument::path("/a/b.vbp")}),
              (std::vector<std::string>{folder.file("VB6.EXE"), "/a/b.vbp"}));
  }
  script(folder, "bin/wine", "");
  SearchPath path(folder.file("bin"));  // without winepath the Z: drive form is used
  EXPECT_EQ(commandFor(folder.file("VB6.EXE"), {ProcessArgument::plain("/make"), ProcessArgument::path("/a/b c.vbp")}),
            (std::vector<std::string>{folder.file("bin/wine"), folder.file("VB6.EXE"), "/make", "Z:\\a\\b c.vbp"}));
}

TEST(ProcessCommand, FindsProgramsOnThePathOnlyWhenTheyCanRun) {
  TempFolder folder;
  script(folder, "a/tool", "", 0644);
  script(folder, "b/tool", "");
  SearchPath path(folder.file("a") + ":" + folder.file("b"));
  EXPECT_EQ(findOnPath("tool"), folder.file("b") + "/tool");
  EXPECT_EQ(findOnPath("absent"), "");
}

}  // namespace
}  // namespace qm
