// The module of public variables: its text over whatever an earlier run or
// the user left (tests/data/vardump/global_variables.txt), and the file.
#include "vardump/global_variables.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

std::size_t occurrences(const std::string& text, std::string_view what) {
  std::size_t count = 0;
  for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++count;
  return count;
}

class GlobalVariablesModule : public testing::CaseTest {};

TEST_P(GlobalVariablesModule, EndsWithOneCopyOfEachFunction) {
  DumpState state;
  state.globalLines = c.text("globals", "");
  state.globalCount = static_cast<int>(c.lines("globals").size());
  const std::string text = globalVariablesModuleText(state, c.optional("earlier"), c.flag("exactName", c.has("earlier")));
  EXPECT_EQ(text, c.text("expected"));
  for (const char* once : {"Function sGlobalVariables(", "Function sVariableReport(", "Attribute VB_Name"}) {
    EXPECT_EQ(occurrences(text, once), 1u) << once;
  }
}

QM_CASES_FROM(GlobalVariablesModule, "vardump/global_variables.txt");

class GlobalVariablesFile : public ::testing::Test {
 protected:
  Result<std::string> write(FileSystem& files, const std::string& folder) {
    Workspace ws{files, program.path(), project.path()};
    return writeGlobalVariablesModule(ws, folder, DumpState{});
  }

  testing::TempFolder program;
  testing::TempFolder project;
  NativeFileSystem native;
  // The module as a fresh run writes it, and as an earlier run with public variables wrote it.
  const testing::Case texts = testing::readCases("vardump/global_variables.txt").front();
  const std::string& fresh = texts.text("fresh");
  const std::string& earlier = texts.text("earlierRun");
};

TEST_F(GlobalVariablesFile, IsWrittenIntoTheFolderOverAnEarlierOneUnderAnyCase) {
  auto path = write(native, project.path());
  ASSERT_TRUE(path.ok()) << path.message();
  EXPECT_EQ(*path, project.path() + "GlobalVariables.bas");
  EXPECT_EQ(project.read("GlobalVariables.bas"), fresh);
  std::string folder = project.path();
  folder.pop_back();  // a folder without its trailing separator gets one
  EXPECT_EQ(*write(native, folder), folder + "\\GlobalVariables.bas");
  testing::TempFolder other;
  other.write("globalvariables.bas", earlier);
  ASSERT_TRUE(write(native, other.path()).ok());
  EXPECT_EQ(other.read("globalvariables.bas"), fresh);
  const auto listed = native.list(other.path(), "*.bas");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "globalvariables.bas");
  testing::TempFolder exact;  // a file of the exact name is taken to name its module already
  exact.write("GlobalVariables.bas", "'kept\r\n");
  ASSERT_TRUE(write(native, exact.path()).ok());
  EXPECT_TRUE(exact.read("GlobalVariables.bas").starts_with("'kept\r\n"));
}

TEST_F(GlobalVariablesFile, AFailedWriteOrReadLeavesTheEarlierModuleAsItWas) {
  project.write("GlobalVariables.bas", earlier);
  testing::FaultyFileSystem failingWrites;
  failingWrites.failFromMutation(0);
  auto path = write(failingWrites, project.path());
  EXPECT_FALSE(path.ok());
  EXPECT_NE(path.message().find("GlobalVariables.bas"), std::string::npos) << path.message();
  testing::FaultyFileSystem failingReads([](testing::Operation op, const std::string&) {
    return op == testing::Operation::Read;
  });
  EXPECT_FALSE(write(failingReads, project.path()).ok());
  EXPECT_EQ(project.read("GlobalVariables.bas"), earlier);
}

}  // namespace
}  // namespace qm
