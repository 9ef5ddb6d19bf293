#include <windows.h>
#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/windows/wide_text.h"

namespace qm {
namespace {

TEST(ProcessLauncher, StartsAProgramWithoutWaitingAndNamesOneThatCannotStart) {
  wchar_t system[MAX_PATH];
  ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
  const std::string shell = windows::ansiFromWide(system) + "\\cmd.exe";
  SystemProcessLauncher launcher;
  EXPECT_TRUE(launcher.startDetached(shell, {ProcessArgument::plain("/c"), ProcessArgument::plain("exit")}).ok());
  const Status missing = launcher.startDetached("C:\\Nowhere\\VB6.EXE", {ProcessArgument::plain("/make")});
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("C:\\Nowhere\\VB6.EXE"), std::string::npos) << missing.message();
}

}  // namespace
}  // namespace qm
