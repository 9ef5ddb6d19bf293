// Protecting a project before a run changes it, and the record of what a run
// added.
//
// A Backup run copies the project's top-level files into a new dated folder
// inside the project's folder ("Backup on 05 Dec at 14-03-27"), and every
// member it will change from a sub-folder or from outside the project's
// folder too (see member_places.h and outside_record.h); a NewCopy run
// copies the top-level files and every member into a folder the user chose.
// The uninstall record "uninstall.dat" in the destination lists the
// extra files that runs copied into the project, one header line per run,
// so that a roll back can delete them again. Only files that did not stand
// there before are ever listed: a roll back must never delete a file the
// user had.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/status.h"

namespace qm {

inline constexpr std::string_view kUninstallRecordName = "uninstall.dat";

// "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE."
std::string uninstallHeader();

// "dd mmm at hh-mm-ss" with the user's month abbreviation.
std::string datedSuffix(const LocalDateTime& when, std::string_view monthAbbreviation);

// "Backup on 05 Dec at 14-03-27", from one reading of the clock.
std::string backupFolderName(const Clock& clock);

// The folder proposed for a new copy: the project's folder + "New copy
// created 05 Dec at 14-03-27", without a trailing separator.
std::string newCopyDefaultLocation(std::string_view projectFolder, const Clock& clock);

// True for the names the backup list shows: "backup on*", ignoring case.
bool isBackupName(std::string_view name);

// The folder check of a new-copy location:
//   0  the folder cannot be used: an empty text, a name that cannot be
//      created (invalid, parent missing, no permission), an existing file;
//      or, with links, "." and ".." and letter case resolved as the file
//      system sees them, the project's own folder, a place inside one of its
//      backup folders, or a folder that holds (at any depth) one of
//      `changedFiles`, the files the run will change;
//   1  a folder of that name exists;
//   2  nothing of that name exists, but it can be created (it was created
//      and removed again to find out).
std::int16_t iCheckFolder(FileSystem& files, std::string_view sFolder, std::string_view projectFolder,
                          const std::vector<std::string>& changedFiles = {});

// True when `path`, resolved as the file system sees it, names an entry
// directly inside `folder` resolved the same way.
bool liesDirectlyInResolved(const FileSystem& files, std::string_view path, std::string_view folder);

// Creates the dated backup folder inside `projectFolder`. When a folder of
// that name exists already (two runs within one second), " (2)", " (3)"...
// is added, so every run gets its own folder and each still reads as a
// backup. Returns the folder with a trailing "\".
Result<std::string> createBackupFolder(FileSystem& files, std::string_view projectFolder, const Clock& clock);

// True when the two paths name the same place: separators either way,
// repeated separators, "." and ".." and letter case make no difference.
bool samePath(std::string_view a, std::string_view b);

// True when `path` names an entry directly inside `folder` (not the folder
// itself, not a deeper one, no "." or ".." component).
bool liesDirectlyIn(std::string_view path, std::string_view folder);

struct FileFailure {
  std::string name;     // the file's bare name
  std::string message;  // the operation, the path and the reason
};

struct ProjectCopy {
  std::vector<std::string> copied;  // bare names, in listing order
  std::vector<FileFailure> failed;
};

// The ordinary files directly inside `folder`: no folders and no hidden
// files; read-only files are included.
std::vector<std::string> topLevelFiles(const FileSystem& files, std::string_view folder);

// Copies the top-level files `names` of `sourceFolder` (as topLevelFiles
// gives them; but those named in `leaveOut`, lower-cased) into
// `destinationFolder` under the same name, replacing files of that name,
// without waiting for the disk: the caller flushes once when all its copies
// are made. A file that cannot be copied is reported and the others are
// still copied.
ProjectCopy copyProjectFiles(FileSystem& files, const std::vector<std::string>& names, std::string_view sourceFolder,
                             std::string_view destinationFolder, const std::set<std::string>& leaveOut = {});

// "uninstall.dat" in one destination folder, appended to line by line. Each
// change rewrites the whole file atomically, so the record on disk always
// lists every copy made so far.
class UninstallRecord {
 public:
  UninstallRecord(FileSystem& files, std::string_view folder);

  const std::string& path() const { return path_; }
  // Appends this run's header line, after whatever earlier runs wrote.
  Status begin();
  // Appends the full path of a file this run copied into the project.
  Status add(std::string_view copiedFile);

 private:
  Status append(std::string_view line);

  FileSystem& files_;
  std::string path_;
};

// The file paths a record lists: every line after the first, without empty
// lines and without the header lines of later runs.
std::vector<std::string> recordedFiles(std::string_view recordText);

}  // namespace qm
