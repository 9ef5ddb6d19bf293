// The preview's file system: changes kept in memory over the disk, found
// again under any spelling of their place, and the disk left as it was
// (tests/data/platform/preview_files.txt, one operation a row, in order).
#include "platform/preview_file_system.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

std::string outcome(const Status& status) { return status.ok() ? "ok" : "refused"; }

class PreviewFiles : public testing::CaseTest {};

TEST_P(PreviewFiles, GiveWhatTheTableSays) {
  testing::TempFolder temp;
  temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
  temp.makeFolder("Billing/Forms");
  const NativeFileSystem disk;
  PreviewFileSystem files(disk);
  auto at = [&temp](const std::string& relative) { return temp.path() + relative; };
  testing::expectRows(c, {{"do", [&](const Arguments& a) {
    const std::string& op = a[0];
    if (op == "write") return outcome(files.writeFile(at(a[1]), a[2]));
    if (op == "remove") return outcome(files.removeFile(at(a[1])));
    if (op == "createFolder") return outcome(files.createFolder(at(a[1])));
    if (op == "removeFolder") return outcome(files.removeFolder(at(a[1])));
    if (op == "read") {
      const auto content = files.readFile(at(a[1]));
      return content.ok() ? *content : std::string("<none>");
    }
    if (op == "lookUp") {
      const auto entry = files.lookUp(at(a[1]));
      return entry ? (entry->isFolder ? "folder " : "file ") + entry->name : std::string("<none>");
    }
    std::string changes;  // "changes": each changed place below the folder, and what it becomes
    for (const PreviewChange& change : files.changes()) {
      changes += (changes.empty() ? "" : "; ") + change.place.substr(temp.path().size()) + "=" +
                 change.after.value_or("<removed>");
    }
    return changes.empty() ? std::string("none") : changes;
  }}});
  EXPECT_EQ(temp.read("Billing/Billing.vbp"), "Type=Exe\r\n");
}

QM_CASES_FROM(PreviewFiles, "platform/preview_files.txt");

}  // namespace
}  // namespace qm
