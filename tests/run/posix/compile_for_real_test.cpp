// Compilation with the real launcher of POSIX systems, and a shell script
// standing in for the compiler.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "run/compile.h"
#include "run/run_bench.h"

namespace qm {
namespace {

// The real launcher with a stand-in compiler that writes down what it got.
TEST(CompilationForReal, TheStandInReceivesTheSwitchAndTheProjectAsTwoArguments) {
  testing::TempFolder folder;
  const std::string record = folder.file("arguments.txt");
  folder.write("VB98/vb6.exe", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record +
                                   ".part'\nmv '" + record + ".part' '" + record + "'\n");
  ::chmod(folder.file("VB98/vb6.exe").c_str(), 0755);
  folder.write("My Projects/Bill \"ing\"; echo/Billing.vbp", "Type=Exe\r\n");
  NativeFileSystem files;
  testing::SummaryText summary;
  testing::ScriptedDialogs dialogs;
  MemorySettings settings;
  std::string vbLocation = folder.file("VB98/vb6.exe");
  SystemProcessLauncher launcher;
  CompileContext context{files, folder.path(), summary, dialogs, {}, settings, vbLocation, launcher};
  const std::string project = folder.file("My Projects/Bill \"ing\"; echo") + "\\Billing.vbp";
  EXPECT_EQ(compileProject(context, project, true), CompileResult::Started);
  for (int i = 0; i < 1000 && !folder.exists("arguments.txt"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(folder.read("arguments.txt"), "/make\n" + folder.file("My Projects/Bill \"ing\"; echo/Billing.vbp") + "\n");
  EXPECT_EQ(summary.lines(), (std::vector<std::string>{"Compiling... ", "Done "}));
}

}  // namespace
}  // namespace qm
