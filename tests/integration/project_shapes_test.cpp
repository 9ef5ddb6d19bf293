// A project shaped as real ones are (tests/data/shapes: members in
// sub-folders and a neighbouring folder, companion files of forms, a user
// control and a property page, a resource file, a document, an outside
// member whose path is already an inside one's): a Backup run and its roll
// back give every file back byte for byte. (A new copy of it is a stored case
// of tests/data/integration/runs.txt.)
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "integration/run_bench.h"
#include "wizard/command_line_mode.h"

namespace qm::testing {
namespace {

TEST(ProjectShapes, BackupThenRollBackGivesEveryMemberBack) {
  RunBench bench(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/shapes", "Ledger/Ledger.vbp");
  // Every file of the projects' folders but the backups and the module the run writes.
  const auto projectFiles = [&bench] {
    std::map<std::string, std::string> out = bench.files();
    std::erase_if(out, [](const auto& file) {
      return !file.first.starts_with("projects/") || file.first.find("/Backup on ") != std::string::npos ||
             file.first.ends_with("/GlobalVariables.bas");
    });
    return out;
  };
  const auto before = projectFiles();
  ASSERT_EQ(bench.run({"/a", "/b", "/l", "/v"}).exitStatus, 0) << bench.summary();
  const auto after = projectFiles();
  for (const char* member : {"Ledger/Forms/frmLedger.frm", "Ledger/modMain.bas", "Ledger/Classes/clsEntry.cls",
                             "Shared/modShared.bas", "Shared/Forms/frmAbout.frm", "Ledger/Common/modUtil.bas",
                             "Common/modUtil.bas"}) {
    const std::string path = "projects/shapes/" + std::string(member);
    EXPECT_NE(after.at(path), before.at(path)) << path << " was not processed";
  }

  Wizard& window = bench.openWizard();
  SummaryText lines;
  const CommandLineOutcome outcome =
      RunRollbackCommand(window, bench.projectFile, "", "--rollback " + bench.projectFile, lines);
  EXPECT_EQ(outcome.exitStatus, kExitSucceeded) << ::testing::PrintToString(lines.lines());
  EXPECT_EQ(projectFiles(), before);
}

}  // namespace
}  // namespace qm::testing
