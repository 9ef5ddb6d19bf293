// Places are checked as the file system sees them. A new copy must never
// land on the project, in one of its backups, or over a file the run
// changes, whatever spelling names the place; a roll back deletes a recorded
// file only when it lies directly in the project's folder, whatever spelling
// the record line uses. One table: each place, whether it is accepted.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/memory_settings.h"
#include "run/backup.h"
#include "run/rollback.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

constexpr const char* kBackup = "Payroll/Backup on 05 Dec at 14-03-27";

enum class Use { NewCopyAt, RecordLine };

struct Place {
  std::string what;
  Use use;
  std::string path;  // relative to the test folder; "<abs>" stands for the folder itself
  bool accepted;     // a new copy may go there / the roll back deletes that file
};

// Payroll is the project; payroll a sibling that differs only in case.
class Places : public ::testing::Test {
 protected:
  Places() {
    folder.write("Payroll/Payroll.vbp", crlf({"Type=Exe", "Form=Forms\\frmPay.frm", "Module=Extra; Extra.bas"}));
    folder.write("Payroll/Forms/frmPay.frm", "form");
    folder.write(std::string(kBackup) + "/Payroll.vbp", crlf({"Type=Exe", "Form=Forms\\frmPay.frm"}));
    folder.makeFolder(std::string(kBackup) + "/Sub");
    folder.write("Payroll/Extra.bas", "added by the run");
    folder.write("Payroll/.Hidden.bas", "hidden");
    folder.write("payroll/Extra.bas", "a sibling's file");
    folder.write("Outside.bas", "outside the project");
    folder.makeFolder("Existing");
    folder.write("AFile", "x");
    ::symlink(folder.file("Payroll").c_str(), folder.file("ToProject").c_str());
    ::symlink(folder.file(kBackup).c_str(), folder.file("ToBackup").c_str());
    ::symlink(folder.file("Outside.bas").c_str(), folder.file("Payroll/Link.bas").c_str());
  }

  std::string project() const { return folder.file("Payroll/"); }

  bool accepted(const Place& place) {
    const std::string path = folder.file(place.path);
    if (place.use == Use::NewCopyAt) {
      return iCheckFolder(files, path, project(), {folder.file("Payroll/Forms/frmPay.frm")}) != 0;
    }
    folder.write("Payroll/Extra.bas", "added by the run");
    folder.write(std::string(kBackup) + "/uninstall.dat", crlf({"FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", path}));
    testing::ProgressLog progress;
    testing::ScriptedDialogs dialogs;
    MemorySettings settings;
    testing::FixedClock clock;
    RollbackContext context{files, progress, dialogs, {}, settings, clock, {}};
    ProjectState state;
    state.projectFile = project() + "Payroll.vbp";
    state.projectFolder = project();
    bool warn = false;
    const RollbackOutcome outcome = rollBack(context, state, "Backup on 05 Dec at 14:03:27", warn);
    return !outcome.deleted.empty();
  }

  testing::TempFolder folder;
  testing::FaultyFileSystem files;
};

TEST_F(Places, AreCheckedAsTheFileSystemSeesThem) {
  const std::vector<Place> places = {
      {"an existing folder", Use::NewCopyAt, "Existing", true},
      {"an existing folder, in another case", Use::NewCopyAt, "existing", true},
      {"a folder to be made", Use::NewCopyAt, "New copy", true},
      {"the proposed folder inside the project", Use::NewCopyAt, "Payroll/New copy created 05 Dec", true},
      {"a missing parent", Use::NewCopyAt, "Missing/Copy", false},
      {"a file", Use::NewCopyAt, "AFile", false},
      {"the project's folder", Use::NewCopyAt, "Payroll", false},
      {"the project's folder with . and ..", Use::NewCopyAt, "Existing/../Payroll/./Forms/..", false},
      {"a link to the project's folder", Use::NewCopyAt, "ToProject", false},
      {"a link to the project's folder, in another case", Use::NewCopyAt, "TOPROJECT/", false},
      {"the folder of a member the run changes", Use::NewCopyAt, "Payroll/Forms", false},
      {"the same through a link", Use::NewCopyAt, "ToProject/forms", false},
      {"a folder holding a changed member further down", Use::NewCopyAt, "", false},
      {"a backup folder", Use::NewCopyAt, kBackup, false},
      {"a backup's sub-folder", Use::NewCopyAt, std::string(kBackup) + "/Sub", false},
      {"a folder to be made in a backup", Use::NewCopyAt, std::string(kBackup) + "/Copy", false},
      {"a backup's sub-folder through a link", Use::NewCopyAt, "ToBackup/Sub", false},

      {"a file the run added", Use::RecordLine, "Payroll/Extra.bas", true},
      {"the same with . and ..", Use::RecordLine, "Payroll/Forms/.././Extra.bas", true},
      {"the same through a link to the folder", Use::RecordLine, "ToProject/Extra.bas", true},
      {"a sibling folder differing only in case", Use::RecordLine, "payroll/Extra.bas", false},
      {"a file above the project", Use::RecordLine, "Payroll/../Outside.bas", false},
      {"an absolute path elsewhere", Use::RecordLine, "Outside.bas", false},
      {"a link in the project", Use::RecordLine, "Payroll/Link.bas", false},
      {"a hidden file", Use::RecordLine, "Payroll/.Hidden.bas", false},
      {"a file in a sub-folder", Use::RecordLine, "Payroll/Forms/frmPay.frm", false},
      {"a file the backup holds", Use::RecordLine, "Payroll/Payroll.vbp", false},
      {"a folder", Use::RecordLine, "Payroll/Forms", false},
  };
  for (const Place& place : places) {
    EXPECT_EQ(accepted(place), place.accepted) << place.what << ": " << place.path;
  }
  EXPECT_EQ(folder.read("payroll/Extra.bas"), "a sibling's file");
  EXPECT_EQ(folder.read("Outside.bas"), "outside the project");
  EXPECT_EQ(folder.read("Payroll/.Hidden.bas"), "hidden");
  EXPECT_FALSE(folder.exists("New copy"));
  EXPECT_FALSE(folder.exists(std::string(kBackup) + "/Copy"));
}

TEST_F(Places, DotMeansTheFolderARunIsStartedFrom) {
  char* here = ::getcwd(nullptr, 0);
  ASSERT_EQ(::chdir(project().c_str()), 0);
  const bool dotAccepted = iCheckFolder(files, ".", project()) != 0;
  const bool formsAccepted = iCheckFolder(files, "Forms\\..", project()) != 0;
  ASSERT_EQ(::chdir(here), 0);
  std::free(here);
  EXPECT_FALSE(dotAccepted);
  EXPECT_FALSE(formsAccepted);
  EXPECT_EQ(iCheckFolder(files, "", project()), 0);
  EXPECT_EQ(iCheckFolder(files, "   ", project()), 0);
}

}  // namespace
}  // namespace qm
