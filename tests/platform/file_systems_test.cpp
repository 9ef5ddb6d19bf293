// The native file system (paths in the product's Windows form resolved
// without regard to case, writes that never leave a file half written) and
// the preview's, which keeps every change in memory over it. The cases are
// tables of calls in tests/data/platform/file_systems.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/preview_file_system.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Arguments = std::vector<std::string>;

// The folder every case starts from.
void makeFolders(const testing::TempFolder& temp) {
  temp.write("Billing/Billing.vbp", "Type=Exe\r\n");
  temp.write("Billing/Forms/frmMain.frm", "VERSION 5.00\r\n");
  temp.write("Shared/modShared.bas", "Attribute VB_Name = \"modShared\"\r\n");
  for (const char* name : {"Simple.style", "loud.STYLE", "Other.Style", "notes.styles", "style"}) {
    temp.write(std::string("Program/") + name, "");
  }
  temp.makeFolder("Program/Folder.style");
}

// "ok", or a refusal that names the file it is about.
std::string outcome(const Status& status, std::string_view path) {
  if (status.ok()) return "ok";
  const std::string name(bareName(withoutTrailingSeparator(path)));
  return status.message().find(name) != std::string::npos ? "refused, naming " + name : status.message();
}

class FileSystems : public testing::CaseTest {};

TEST_P(FileSystems, GiveWhatTheTableSays) {
#if defined(_WIN32)
  if (c.flag("posix", false)) GTEST_SKIP() << "permission bits and symbolic links as POSIX systems have them";
#endif
  testing::TempFolder temp;
  makeFolders(temp);
  NativeFileSystem native;
  std::optional<PreviewFileSystem> preview;
  if (c.flag("preview", false)) preview.emplace(native);
  FileSystem& files = preview ? static_cast<FileSystem&>(*preview) : native;
  auto at = [&temp](const std::string& relative) { return temp.path() + relative; };
  const testing::Function read = [&](const Arguments& a) {  // the first line
    const auto bytes = files.readFile(at(a[0]));
    return bytes.ok() ? bytes->substr(0, std::min(bytes->find("\r\n"), bytes->find(" = "))) : outcome(bytes.status(), a[0]);
  };
  const testing::Function lookUp = [&](const Arguments& a) {
    const auto entry = files.lookUp(at(a[0]));
    if (!entry) return std::string("<none>");
    return (entry->isFolder ? "folder " : "file ") + entry->name + (entry->isReadOnly ? ", read-only" : "");
  };
  const testing::Function list = [&](const Arguments& a) {  // folders end in "/", links in "@"
    std::string names;
    for (const auto& entry : files.list(at(a[0]), a[1])) {
      names += (names.empty() ? "" : " | ") + entry.name + (entry.isFolder ? "/" : "") + (entry.isLink ? "@" : "");
    }
    return names;
  };
  testing::expectRows(c, {
      {"read", read},
      {"lookUp", lookUp},
      {"list", list},
      {"longName", [&](const Arguments& a) {  // "/" between components, whatever the system writes
         std::string name = files.longName(at(a[0]));
         std::string root = temp.path();
         for (std::string* path : {&name, &root}) std::replace(path->begin(), path->end(), '\\', '/');
         return name.starts_with(root) ? name.substr(root.size()) : name;
       }},
      {"do", [&](const Arguments& a) {  // one operation a row, in order: the operation, then its arguments
         const std::string& op = a[0];
         const Arguments rest(a.begin() + 1, a.end());
         if (op == "read") return read(rest);
         if (op == "lookUp") return lookUp(rest);
         if (op == "list") return list(rest);
         if (op == "write") return outcome(files.writeFile(at(a[1]), a[2]), a[1]);
         if (op == "copy") return outcome(files.copyFile(at(a[1]), at(a[2])), a[2]);
         if (op == "move") return outcome(files.moveFile(at(a[1]), at(a[2])), a[2]);
         if (op == "remove") return outcome(files.removeFile(at(a[1])), a[1]);
         if (op == "createFolder") return outcome(files.createFolder(at(a[1])), a[1]);
         if (op == "removeFolder") return outcome(files.removeFolder(at(a[1])), a[1]);
         if (op == "stage") {  // written beside, then put in place
           const auto staged = files.stageBeside(at(a[1]), a[2]);
           return staged.ok() ? outcome(files.commitStaged(*staged, at(a[1])), a[1]) : outcome(staged.status(), a[1]);
         }
         if (op == "readOnly") temp.setReadOnly(a[1], a[2] == "yes");
         if (op == "byAnother") temp.write(a[1], a[2]);  // another program writes
         if (op == "disk") return temp.read(a[1]);        // the bytes on the disk, "/" between components
#if !defined(_WIN32)
         if (op == "chmod") ::chmod(temp.file(a[1]).c_str(), static_cast<mode_t>(std::stoul(a[2], nullptr, 8)));
         if (op == "mode") {
           struct stat info {};
           ::stat(temp.file(a[1]).c_str(), &info);
           char octal[8];
           std::snprintf(octal, sizeof octal, "%o", static_cast<unsigned>(info.st_mode & 07777));
           return std::string(octal);
         }
         if (op == "symlink") (void)::symlink(a[1].c_str(), temp.file(a[2]).c_str());
#endif
         if (op != "changes") return std::string();
         std::string changes;  // each changed place below the folder, and what it becomes
         for (const PreviewChange& change : preview->changes()) {
           changes += (changes.empty() ? "" : "; ") + change.place.substr(temp.path().size()) + "=" +
                      change.after.value_or("<removed>");
         }
         return changes.empty() ? std::string("none") : changes;
       }},
  });
  temp.setReadOnly("Billing/Billing.vbp", false);
}

QM_CASES_FROM(FileSystems, "platform/file_systems.txt");

}  // namespace
}  // namespace qm
