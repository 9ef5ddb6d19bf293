#include "run/backup.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/file_system.h"
#include "run/compile.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::FixedClock;
using testing::TempFolder;

LocalDateTime timeOf(const std::string& written) {
  LocalDateTime t;
  std::istringstream(written) >> t.year >> t.month >> t.day >> t.hour >> t.minute >> t.second;
  return t;
}

std::string yesNo(bool value) { return value ? "yes" : "no"; }

class BackupNames : public testing::CaseTest {};

TEST_P(BackupNames, GiveWhatTheTableSays) {
  using Arguments = std::vector<std::string>;
  testing::expectRows(c, {
      {"backupFolderName", [](const Arguments& a) {  // at year month day hour minute second
         FixedClock clock;
         clock.time = timeOf(a[0]);
         return backupFolderName(clock);
       }},
      {"newCopyDefaultLocation", [](const Arguments& a) {
         FixedClock clock;
         clock.time = timeOf(a[1]);
         return newCopyDefaultLocation(a[0], clock);
       }},
      {"datedSuffix", [](const Arguments& a) { return datedSuffix(timeOf(a[0]), a[1]); }},
      {"isBackupName", [](const Arguments& a) { return yesNo(isBackupName(a[0])); }},
      {"isVisualBasicExecutableName", [](const Arguments& a) { return yesNo(isVisualBasicExecutableName(a[0])); }},
      {"liesDirectlyIn", [](const Arguments& a) { return yesNo(liesDirectlyIn(a[0], a[1])); }},
      {"samePath", [](const Arguments& a) { return yesNo(samePath(a[0], a[1])); }},
      {"recordedFiles", [](const Arguments& a) {  // joined by " | "
         std::string out;
         for (const std::string& file : recordedFiles(a[0])) out += (out.empty() ? "" : " | ") + file;
         return out;
       }},
  });
}

QM_CASES_FROM(BackupNames, "run/backup_names.txt");

// A record without a final line end gets one first.
TEST(UninstallRecord, EveryRunAppendsItsHeaderAndItsFiles) {
  TempFolder folder;
  NativeFileSystem files;
  const std::string header = "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.";
  folder.write("uninstall.dat", header + "\r\n/p/a.bas");
  {
    UninstallRecord record(files, folder.path());
    ASSERT_TRUE(record.begin().ok());
    ASSERT_TRUE(record.add("C:\\Work\\Billing\\ErrorLog.bas").ok());
  }
  UninstallRecord record(files, folder.path());
  ASSERT_TRUE(record.begin().ok());
  EXPECT_EQ(folder.read("uninstall.dat"), crlf({header, "/p/a.bas", header, "C:\\Work\\Billing\\ErrorLog.bas", header}));
}

TEST(UninstallRecord, AFailedWriteLeavesTheEarlierRecordWhole) {
  TempFolder folder;
  testing::FaultyFileSystem files;
  const std::string earlier = crlf({"FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", "/p/a.bas"});
  folder.write("uninstall.dat", earlier);
  files.failFromMutation(0);
  UninstallRecord record(files, folder.path());
  EXPECT_FALSE(record.begin().ok());
  EXPECT_EQ(folder.read("uninstall.dat"), earlier);
}

TEST(ProjectCopy, CopiesTopLevelOrdinaryFilesOnly) {
  TempFolder folder;
  NativeFileSystem files;
  folder.write("p/Billing.vbp", "Type=Exe\r\n");
  folder.write("p/modUtil.bas", "Attribute VB_Name = \"Utilities\"\r\n");
  folder.write("p/.hidden", "h");
  folder.write("p/Forms/frmMain.frm", "VERSION 5.00\r\n");
  folder.write("p/ReadOnly.cls", "ro");
  folder.setReadOnly("p/ReadOnly.cls");
  folder.makeFolder("d");
  folder.write("d/modUtil.bas", "older");
  folder.write("d/Other.txt", "stays");
  const std::string p = folder.file("p/");
  const ProjectCopy copy = copyProjectFiles(files, topLevelFiles(files, p), p, folder.file("d/"));
  EXPECT_EQ(copy.copied, (std::vector<std::string>{"Billing.vbp", "ReadOnly.cls", "modUtil.bas"}));
  EXPECT_TRUE(copy.failed.empty());
  EXPECT_EQ(folder.read("d/modUtil.bas"), "Attribute VB_Name = \"Utilities\"\r\n");
  EXPECT_EQ(folder.read("d/ReadOnly.cls"), "ro");
  EXPECT_EQ(folder.read("d/Other.txt"), "stays");
  EXPECT_FALSE(folder.exists("d/.hidden"));
  EXPECT_FALSE(folder.exists("d/Forms"));
}

}  // namespace
}  // namespace qm
