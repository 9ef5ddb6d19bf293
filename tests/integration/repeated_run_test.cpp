// Runs after runs on one project. A Backup run and its roll back give every
// file back byte for byte, whatever shape the project has (tests/data/shapes:
// members in sub-folders and a neighbouring folder, companion files of forms,
// a user control and a property page, a resource file, a document, an
// outside member whose path is already an inside one's). A second Add that
// spares existing handlers changes no member. A run, or a roll back, on a
// project that another run holds is refused before it touches anything, and
// works again once the other has ended. (Two Adds with extra files, into the
// project or one new copy, and a new copy of the shapes are stored cases of
// tests/data/integration/runs.txt.)
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "integration/run_bench.h"
#include "platform/folder_lock.h"
#include "platform/paths.h"
#include "wizard/command_line_mode.h"

namespace qm::testing {
namespace {

const std::vector<std::string> kFullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};

TEST(RepeatedRuns, BackupThenRollBackGivesEveryFileOfEveryShapeBack) {
  RunBench bench(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/shapes", "Ledger/Ledger.vbp");
  const auto before = bench.projectFiles(false);
  ASSERT_EQ(bench.run({"/a", "/b", "/l", "/v"}).exitStatus, 0) << bench.summary();
  const auto after = bench.projectFiles(false);
  for (const char* member : {"Ledger/Forms/frmLedger.frm", "Ledger/modMain.bas", "Ledger/Classes/clsEntry.cls",
                             "Shared/modShared.bas", "Shared/Forms/frmAbout.frm", "Ledger/Common/modUtil.bas",
                             "Common/modUtil.bas"}) {
    const std::string path = "projects/shapes/" + std::string(member);
    EXPECT_NE(after.at(path), before.at(path)) << path << " was not processed";
  }

  SummaryText lines;
  const CommandLineOutcome outcome =
      RunRollbackCommand(bench.openWizard(), bench.projectFile, "", "--rollback " + bench.projectFile, lines);
  EXPECT_EQ(outcome.exitStatus, kExitSucceeded) << ::testing::PrintToString(lines.lines());
  EXPECT_EQ(bench.projectFiles(false), before);
}

TEST(RepeatedRuns, ASecondAddThatSparesExistingHandlersChangesNoMember) {
  // Without extra files: a second run would rightly give the members they
  // brought in their first error handling.
  auto bench = RunBench::example();
  bench->writeStyle("Dump.style", dumpStyleText());
  bench->clock.time.second = 10;
  ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Dump"}).exitStatus, 0) << bench->summary();
  std::map<std::string, std::string> first = bench->memberTexts();
  std::erase_if(first, [](const auto& member) { return bareName(member.first) == "GlobalVariables.bas"; });
  first[bench->projectFile] = RunBench::read(bench->projectFile);
  ASSERT_EQ(first.size(), 5U);

  bench->clock.time.second = 11;
  ASSERT_EQ(bench->run({"/a", "/b", "/v"}).exitStatus, 0) << bench->summary();
  for (const auto& [path, text] : first) EXPECT_EQ(RunBench::read(path), text) << path;
}

TEST(RepeatedRuns, AProjectAnotherRunHoldsIsRefusedUntouched) {
  auto bench = RunBench::example();
  const auto before = bench->files();
  NativeFileSystem native;
  {
    const FolderLock held = FolderLock::take(native, bench->projectFolder);
    ASSERT_TRUE(held.held()) << held.message();

    const StartUpOutcome run = bench->run(kFullRun);
    EXPECT_EQ(run.exitStatus, kExitNotStarted);
    EXPECT_NE(run.reason.find("Another run is working on the project"), std::string::npos) << run.reason;
    EXPECT_NE(bench->summary().find("Another run is working on the project in '"), std::string::npos)
        << bench->summary();
    EXPECT_EQ(bench->summary().find("Creating backup"), std::string::npos) << bench->summary();
    EXPECT_EQ(bench->files(), before);
  }
  ASSERT_EQ(bench->run(kFullRun).exitStatus, kExitSucceeded) << bench->summary();
  const auto changed = bench->files();

  const FolderLock held = FolderLock::take(native, bench->projectFolder);
  SummaryText lines;
  const CommandLineOutcome rolled =
      RunRollbackCommand(bench->openWizard(), bench->projectFile, "", "--rollback", lines);
  EXPECT_EQ(rolled.exitStatus, kExitNotStarted);
  EXPECT_EQ(bench->files(), changed);
}

}  // namespace
}  // namespace qm::testing
