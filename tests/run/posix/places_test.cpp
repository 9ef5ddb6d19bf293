// Places are checked as the file system sees them. A new copy must never
// land on the project, in one of its backups, or over a file the run
// changes, whatever spelling names the place; a roll back deletes a recorded
// file only when it lies directly in the project's folder, whatever spelling
// the record line uses. The places are rows of tests/data/run/places.txt.
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/memory_settings.h"
#include "run/backup.h"
#include "run/rollback.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

constexpr const char* kBackup = "Payroll/Backup on 05 Dec at 14-03-27";

class Places : public testing::CaseTest {
 protected:
  Places() {
    folder.write("Payroll/Payroll.vbp", crlf({"Type=Exe", "Form=Forms\\frmPay.frm", "Module=Extra; Extra.bas"}));
    folder.write("Payroll/Forms/frmPay.frm", "form");
    folder.write(std::string(kBackup) + "/Payroll.vbp", crlf({"Type=Exe", "Form=Forms\\frmPay.frm"}));
    folder.makeFolder(std::string(kBackup) + "/Sub");
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

  bool newCopyAt(const std::string& path) {
    return iCheckFolder(files, path, project(), {folder.file("Payroll/Forms/frmPay.frm")}) != 0;
  }

  bool typedNewCopyAt(const std::string& typed) {
    char* here = ::getcwd(nullptr, 0);
    EXPECT_EQ(::chdir(project().c_str()), 0);
    const bool accepted = iCheckFolder(files, typed, project()) != 0;
    EXPECT_EQ(::chdir(here), 0);
    std::free(here);
    return accepted;
  }

  bool deletedByRecordLine(const std::string& path) {
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
    return !rollBack(context, state, "Backup on 05 Dec at 14:03:27", warn).deleted.empty();
  }

  testing::TempFolder folder;
  testing::FaultyFileSystem files;
};

std::string yesNo(bool value) { return value ? "yes" : "no"; }

TEST_P(Places, AreCheckedAsTheFileSystemSeesThem) {
  using Arguments = std::vector<std::string>;
  testing::expectRows(c, {
      {"newCopyAt", [this](const Arguments& a) { return yesNo(newCopyAt(folder.file(a[0]))); }},
      {"typedNewCopyAt", [this](const Arguments& a) { return yesNo(typedNewCopyAt(a[0])); }},
      {"recordLine", [this](const Arguments& a) { return yesNo(deletedByRecordLine(folder.file(a[0]))); }},
  });
  // A refused place is never made, and nothing but the run's own addition is deleted.
  EXPECT_EQ(folder.read("payroll/Extra.bas"), "a sibling's file");
  EXPECT_EQ(folder.read("Outside.bas"), "outside the project");
  EXPECT_EQ(folder.read("Payroll/.Hidden.bas"), "hidden");
  EXPECT_FALSE(folder.exists("New copy"));
  EXPECT_FALSE(folder.exists(std::string(kBackup) + "/Copy"));
}

QM_CASES_FROM(Places, "run/places.txt");

}  // namespace
}  // namespace qm
