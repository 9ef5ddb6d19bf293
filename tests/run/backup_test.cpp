#include "run/backup.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::FixedClock;
using testing::TempFolder;

TEST(BackupNames, DatedFromOneReadingOfTheClock) {
  FixedClock clock;
  clock.time = LocalDateTime{2025, 3, 3, 9, 5, 7};
  EXPECT_EQ(backupFolderName(clock), "Backup on 03 Mar at 09-05-07");
  clock.time = LocalDateTime{2024, 12, 5, 14, 3, 27};
  EXPECT_EQ(backupFolderName(clock), "Backup on 05 Dec at 14-03-27");
  EXPECT_EQ(newCopyDefaultLocation("C:\\Work\\Billing\\", clock),
            "C:\\Work\\Billing\\New copy created 05 Dec at 14-03-27");
}

TEST(BackupNames, UseTheUsersMonthName) {
  EXPECT_EQ(datedSuffix(LocalDateTime{2024, 5, 1, 23, 59, 0}, "Mai"), "01 Mai at 23-59-00");
}

TEST(BackupNames, BackupListMatchIgnoresCase) {
  EXPECT_TRUE(isBackupName("Backup on 05 Dec at 14-03-27"));
  EXPECT_TRUE(isBackupName("BACKUP ON something"));
  EXPECT_TRUE(isBackupName("Backup on 05 Dec at 14-03-27 (2)"));
  EXPECT_FALSE(isBackupName("Backups"));
  EXPECT_FALSE(isBackupName("Old Backup on 05 Dec"));
}

TEST(UninstallRecord, EveryRunAppendsItsHeaderAndItsFiles) {
  TempFolder folder;
  NativeFileSystem files;
  {
    UninstallRecord record(files, folder.path());
    ASSERT_TRUE(record.begin().ok());
    ASSERT_TRUE(record.add("C:\\Work\\Billing\\ErrorLog.bas").ok());
  }
  {
    UninstallRecord record(files, folder.path());
    ASSERT_TRUE(record.begin().ok());
  }
  EXPECT_EQ(folder.read("uninstall.dat"),
            crlf({"FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", "C:\\Work\\Billing\\ErrorLog.bas",
                  "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE."}));
}

TEST(UninstallRecord, ARecordWithoutAFinalLineEndGetsOneFirst) {
  TempFolder folder;
  NativeFileSystem files;
  folder.write("uninstall.dat", "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.\r\n/p/a.bas");
  UninstallRecord record(files, folder.path());
  ASSERT_TRUE(record.begin().ok());
  EXPECT_EQ(folder.read("uninstall.dat"), crlf({"FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", "/p/a.bas",
                                                "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE."}));
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

TEST(UninstallRecord, ListsTheFilesAfterEachHeader) {
  EXPECT_EQ(recordedFiles(crlf({"FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", "/p/a.bas", "",
                                "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.", "/p/b.frm"})),
            (std::vector<std::string>{"/p/a.bas", "/p/b.frm"}));
  EXPECT_EQ(recordedFiles("/p/first line is the header whatever it says\n/p/c.cls\n"),
            (std::vector<std::string>{"/p/c.cls"}));
  EXPECT_TRUE(recordedFiles("").empty());
}

struct PathCase {
  const char* path;
  const char* folder;
  bool directlyInside;
};

class DirectlyInside : public ::testing::TestWithParam<PathCase> {};

TEST_P(DirectlyInside, OnlyAFileRightInTheFolderCounts) {
  const auto& c = GetParam();
  EXPECT_EQ(liesDirectlyIn(c.path, c.folder), c.directlyInside) << c.path << " in " << c.folder;
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectlyInside,
                         ::testing::Values(PathCase{"/p/Billing/ErrorLog.bas", "/p/Billing/", true},
                                           PathCase{"/p/Billing\\ErrorLog.bas", "/p/Billing", true},
                                           PathCase{"/P/BILLING/ErrorLog.bas", "/p/Billing/", true},
                                           PathCase{"/p//Billing/ErrorLog.bas", "/p/Billing/", true},
                                           PathCase{"/p/Billing/Forms/frmMain.frm", "/p/Billing/", false},
                                           PathCase{"/p/ErrorLog.bas", "/p/Billing/", false},
                                           PathCase{"/p/Billing/../ErrorLog.bas", "/p/Billing/", false},
                                           PathCase{"/p/Billing/./ErrorLog.bas", "/p/Billing/", false},
                                           PathCase{"/p/Billing/..", "/p/Billing/", false},
                                           PathCase{"/p/Billing/", "/p/Billing/", false},
                                           PathCase{"ErrorLog.bas", "/p/Billing/", false},
                                           PathCase{"", "/p/Billing/", false}));

TEST(SamePath, IgnoresSeparatorsDotsAndCase) {
  EXPECT_TRUE(samePath("/p/Billing/a.bas", "/p/billing\\A.BAS"));
  EXPECT_TRUE(samePath("/p/x/../Billing/./a.bas", "/p/Billing/a.bas"));
  EXPECT_TRUE(samePath("/p/Billing/", "/p/Billing"));
  EXPECT_FALSE(samePath("/p/Billing/a.bas", "/p/Billing/b.bas"));
}

TEST(BackupFolder, TwoRunsWithinOneSecondGetTwoFolders) {
  TempFolder folder;
  NativeFileSystem files;
  FixedClock clock;
  auto first = createBackupFolder(files, folder.path(), clock);
  auto second = createBackupFolder(files, folder.path(), clock);
  auto third = createBackupFolder(files, folder.path(), clock);
  ASSERT_TRUE(first.ok() && second.ok() && third.ok());
  EXPECT_EQ(*first, folder.path() + "Backup on 05 Dec at 14-03-27\\");
  EXPECT_EQ(*second, folder.path() + "Backup on 05 Dec at 14-03-27 (2)\\");
  EXPECT_EQ(*third, folder.path() + "Backup on 05 Dec at 14-03-27 (3)\\");
  EXPECT_TRUE(folder.exists("Backup on 05 Dec at 14-03-27 (2)"));
}

TEST(BackupFolder, AFolderThatCannotBeMadeIsAFailure) {
  TempFolder folder;
  NativeFileSystem files;
  FixedClock clock;
  auto made = createBackupFolder(files, folder.file("missing/"), clock);
  EXPECT_FALSE(made.ok());
  EXPECT_NE(made.message().find("Backup on 05 Dec at 14-03-27"), std::string::npos) << made.message();
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
  const ProjectCopy copy = copyProjectFiles(files, folder.file("p/"), folder.file("d/"));
  EXPECT_EQ(copy.copied, (std::vector<std::string>{"Billing.vbp", "ReadOnly.cls", "modUtil.bas"}));
  EXPECT_TRUE(copy.failed.empty());
  EXPECT_EQ(folder.read("d/modUtil.bas"), "Attribute VB_Name = \"Utilities\"\r\n");
  EXPECT_EQ(folder.read("d/ReadOnly.cls"), "ro");
  EXPECT_EQ(folder.read("d/Other.txt"), "stays");
  EXPECT_FALSE(folder.exists("d/.hidden"));
  EXPECT_FALSE(folder.exists("d/Forms"));
}

TEST(ProjectCopy, AFileThatCannotBeCopiedIsReportedAndTheRestGoOn) {
  TempFolder folder;
  testing::FaultyFileSystem files([](testing::Operation op, const std::string& path) {
    return op == testing::Operation::Copy && path.find("b.bas") != std::string::npos;
  });
  folder.write("p/a.bas", "a");
  folder.write("p/b.bas", "b");
  folder.write("p/c.bas", "c");
  folder.makeFolder("d");
  const ProjectCopy copy = copyProjectFiles(files, folder.file("p/"), folder.file("d/"));
  EXPECT_EQ(copy.copied, (std::vector<std::string>{"a.bas", "c.bas"}));
  ASSERT_EQ(copy.failed.size(), 1u);
  EXPECT_EQ(copy.failed[0].name, "b.bas");
  EXPECT_NE(copy.failed[0].message.find("b.bas"), std::string::npos);
  EXPECT_FALSE(folder.exists("d/b.bas"));
}

}  // namespace
}  // namespace qm
