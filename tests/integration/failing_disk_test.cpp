// A disk that fails part way through a run never costs the user a file.
// The run is made once undisturbed to learn how many changes it makes to
// the disk (every write, copy, link, rename, removal, folder change and
// flush);
// then, for every n up to that number, again on a fresh copy with the n-th
// change failing (alone, or with every later one too), the failing write
// leaving the file it was writing cut off. Afterwards every member and the
// project file is byte for byte either as it was or as the undisturbed run
// left it (or, where the summary says that numbering a file failed, as the
// run leaves it without numbers); no file is missing or truncated; a file
// the summary reports as done is done; every file that changed, wherever it
// lies, has its backup copy, a file of its own unless the summary says that
// copy failed; no file of a fixed scratch name is ever written; and the
// summary says what failed, still ends with its timing line, and the exit
// status is not 0 (but a backup that could not be a link is a copy instead).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "integration/run_bench.h"
#include "platform/text.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

using Snapshot = std::map<std::string, std::string>;

struct DiskCase {
  std::string what;
  std::vector<std::string> switches;  // "<copy>" stands for the bench's new-copy folder
  bool backup;
};

const DiskCase kCases[] = {
    {"full run with a backup", {"/a", "/b", "/l", "/v", "/e", "/t"}, true},
    {"full run into a new copy", {"/a", "/c", "<copy>", "/l", "/v", "/e"}, false},
    {"removal with a backup", {"/r", "/b", "/a", "/l"}, true},
};

const std::string kProjectFolder = "projects/examples/Billing/";
const std::string kBackupFolder = kProjectFolder + "Backup on 05 Dec at 14-03-27/";
const std::string kCopyFolder = "copies/Billing/";  // a new copy's files start as copies of the project's

// What a write cut off by the disk leaves: a hidden file beside its target,
// never a member or the project file.
bool isCutOffWrite(const std::string& path) {
  return path.find("/.") != std::string::npos && path.find(".qm-") != std::string::npos;
}

// The scratch files of fixed names that runs once shared through the
// current folder; no run may write one.
bool isFixedScratch(const std::string& path) {
  for (const char* name : {"TempDataFile", "TempVBData", "WorkingFile", "dumptemp", "linenumbertemp"}) {
    if (path.ends_with(std::string("/") + name)) return true;
  }
  return false;
}

// Where the backup keeps the copy of a file of the example project.
std::string backupCopyOf(const std::string& path) {
  const std::string shared = "projects/examples/Shared/";
  if (path.starts_with(shared)) {
    return kBackupFolder + "Outside the project folder/Shared/" + path.substr(shared.size());
  }
  return kBackupFolder + path.substr(kProjectFolder.size());
}

bool isSourceOrProject(const std::string& path) {
  const std::string lower = toLower(path);
  return !isCutOffWrite(path) && !path.ends_with("/GlobalVariables.bas") &&
         (lower.ends_with(".frm") || lower.ends_with(".bas") || lower.ends_with(".cls") || lower.ends_with(".vbp"));
}

std::string bareName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

bool summaryHasLine(const std::string& summary, const std::function<bool(const std::string&)>& holds) {
  const Lines lines = sourceLines(summary);
  return std::any_of(lines.begin(), lines.end(), holds);
}

// The summary reports a failure on the line that names `name`, or refused
// the destination so that nothing was changed. A project file has no line of its own.
bool failureReportedFor(const std::string& summary, const std::string& name) {
  return name.ends_with(".vbp") || summary.find("No files were modified.") != std::string::npos ||
         summaryHasLine(summary, [&name](const std::string& line) {
           return line.find(name) != std::string::npos && line.find("Failed") != std::string::npos;
         });
}

// The global variables module is either not there or whole.
bool wholeGlobalModule(const std::string& text) {
  return text.starts_with("Attribute VB_Name = \"GlobalVariables\"") &&
         text.find("Public Function sGlobalVariables() as string") != std::string::npos &&
         text.ends_with("End If\r\n\r\nEnd Function\r\n");
}

// A bench made ready for the case: a removal needs code to remove.
std::unique_ptr<RunBench> prepared(const DiskCase& c) {
  auto bench = RunBench::example();
  std::filesystem::create_directories(bench->path("copies"));
  if (c.switches.front() == "/r") {
    bench->clock.time.minute = 1;
    EXPECT_EQ(bench->run({"/a", "/b", "/e", "/t"}).exitStatus, 0);
    bench->clock.time.minute = 3;
  }
  return bench;
}

std::vector<std::string> switchesFor(const DiskCase& c, const RunBench& bench, bool numbers = true) {
  std::vector<std::string> out;
  for (const std::string& word : c.switches) {
    if (numbers || word != "/l") out.push_back(word == "<copy>" ? bench.path("copies/Billing") : word);
  }
  return out;
}

// The files after an undisturbed run of the case, and every change it made
// to the disk, named by its operation and its path in the bench.
Snapshot undisturbed(const DiskCase& c, bool numbers, std::vector<std::string>* changes = nullptr) {
  auto bench = prepared(c);
  auto named = std::make_shared<std::vector<std::string>>();
  bench->disk.setRule([named, root = bench->root.path()](Operation op, const std::string& path) {
    static const char* const kNames[] = {"read",   "write",         "copy to",       "move to", "remove",
                                         "create folder", "remove folder", "flush",   "link to"};
    if (op != Operation::Read) {
      named->push_back(std::string(kNames[static_cast<int>(op)]) + " " +
                       (path.starts_with(root) ? path.substr(root.size()) : path));
    }
    return false;
  });
  EXPECT_EQ(bench->run(switchesFor(c, *bench, numbers)).exitStatus, 0) << bench->summary();
  if (changes != nullptr) *changes = *named;
  return bench->files();
}

// One run of every case per change it makes, with that change failing alone
// or with every change from it on failing: each pair its own test, so ctest
// runs them side by side.
struct Injection {
  std::size_t disk;   // index into kCases
  bool onlyTheNth;
};

class FailingDiskEach : public ::testing::TestWithParam<Injection> {};

TEST_P(FailingDiskEach, NoFailureCostsAFile) {
  const DiskCase& c = kCases[GetParam().disk];
  const bool onlyTheNth = GetParam().onlyTheNth;
  std::vector<std::string> changeNames;
  const Snapshot processed = undisturbed(c, true, &changeNames);
  const Snapshot unnumbered = undisturbed(c, false);
  const Snapshot original = prepared(c)->files();
  ASSERT_GT(changeNames.size(), 20U) << c.what;
  std::set<std::string> guarded;
  for (const Snapshot* snapshot : {&original, &processed}) {
    for (const auto& [path, text] : *snapshot) {
      if (isSourceOrProject(path)) guarded.insert(path);
    }
  }
  for (int n = 0; n < static_cast<int>(changeNames.size()); ++n) {
    const std::string what = c.what + (onlyTheNth ? ", only change " : ", changes from ") + std::to_string(n) +
                             " (" + changeNames[static_cast<std::size_t>(n)] + ") failing";
    auto bench = prepared(c);
    if (onlyTheNth) {
      bench->disk.setRule([seen = std::make_shared<int>(0), n](Operation op, const std::string&) {
        return op != Operation::Read && (*seen)++ == n;
      });
    } else {
      bench->disk.failFromMutation(n);
    }
    const StartUpOutcome outcome = bench->run(switchesFor(c, *bench));
    const std::string& summary = bench->summary();
    const Snapshot now = bench->files();
    if (changeNames[static_cast<std::size_t>(n)] == "write program/Simple.style") {
      // Without any code style an Add cannot be made: nothing is touched.
      EXPECT_EQ(outcome.exitStatus, 1) << what << summary;
      EXPECT_EQ(now, original) << what;
      continue;
    }
    const bool refused = summary.find("No files were modified.") != std::string::npos;
    const bool harmless = changeNames[static_cast<std::size_t>(n)].starts_with("remove folder") ||
                          (onlyTheNth && changeNames[static_cast<std::size_t>(n)].starts_with("link to"));
    if (!harmless) {
      // Harmless are only the removal of the trial folder of a new copy (the
      // folder is then used) and a backup link (a copy is made instead).
      EXPECT_EQ(outcome.exitStatus, refused ? 1 : 2) << what << summary;
    }
    EXPECT_TRUE(summary.ends_with(" seconds.") &&
                summary.find("\r\nUpdate completed in ", summary.rfind("\r\n")) != std::string::npos)
        << what << summary;

    bool anyUnprocessed = false;
    for (const std::string& path : guarded) {
      const auto was = original.find(path);
      const auto done = processed.find(path);
      const auto is = now.find(path);
      const std::string name = bareName(path);
      if (is == now.end()) {
        EXPECT_TRUE(was == original.end() || done == processed.end()) << what << ": " << path << " is missing";
        if (done == processed.end()) continue;
      } else {
        const auto source = original.find(kProjectFolder + name);
        const auto plain = unnumbered.find(path);
        // A copied project file names its member from outside the project inside the copy.
        const bool asBefore =
            (was != original.end() && is->second == was->second) ||
            (path.starts_with(kCopyFolder) && source != original.end() &&
             (is->second == source->second ||
              is->second == replaceAll(source->second, "..\\Shared\\", "Shared\\")));
        const bool withoutNumbers = plain != unnumbered.end() && is->second == plain->second &&
                                    summaryHasLine(summary, [&name](const std::string& line) {
                                      return line.starts_with("Adding line numbers to " + name + "...Failed");
                                    });
        const bool asProcessed = done != processed.end() && is->second == done->second;
        EXPECT_TRUE(asBefore || asProcessed || withoutNumbers)
            << what << ": " << path << " is neither as it was nor as the run makes it:\n"
            << is->second;
        const bool reportedDone =
            summaryHasLine(summary, [&name](const std::string& line) {
              return line.starts_with("Analysing " + name + "...Done");
            }) &&
            !summaryHasLine(summary, [&name](const std::string& line) {
              return line.find(name) != std::string::npos && line.find("Failed") != std::string::npos;
            });
        if (reportedDone && done != processed.end()) {
          EXPECT_TRUE(asProcessed || withoutNumbers) << what << ": " << path << " is reported done but is not";
        }
        if (asProcessed) continue;
      }
      anyUnprocessed = true;
      EXPECT_TRUE(failureReportedFor(summary, name))
          << what << ": " << path << " was left unprocessed without a word\n"
          << summary;
    }
    if (anyUnprocessed) {
      EXPECT_TRUE(summary.find("injected failure") != std::string::npos ||
                  summary.find("\r\nThe chosen destination folder was not valid.\r\n") != std::string::npos)
          << what << ": the reason is not given\n"
          << summary;
    }
    for (const auto& [path, text] : now) {
      if (path.ends_with("/GlobalVariables.bas")) {
        EXPECT_TRUE(wholeGlobalModule(text)) << what << ": " << path << "\n" << text;
      } else if (!isCutOffWrite(path) && original.count(path) == 0 && processed.count(path) == 0) {
        ADD_FAILURE() << what << ": an unexpected file " << path;
      }
      EXPECT_FALSE(isFixedScratch(path)) << what << ": " << path;
      // A file changed in place, wherever it lies, has its backup copy.
      const auto was = original.find(path);
      if (!c.backup || path.starts_with(kBackupFolder) || was == original.end() || was->second == text) continue;
      const auto copy = now.find(backupCopyOf(path));
      EXPECT_TRUE(copy != now.end() && copy->second == was->second)
          << what << ": " << path << " changed without its backup copy";
    }
    for (const auto& [path, text] : now) {
      const std::string copy = backupCopyOf(path);
      if (!c.backup || path.starts_with(kBackupFolder) || isCutOffWrite(path) || now.count(copy) == 0) continue;
      EXPECT_TRUE(!std::filesystem::equivalent(bench->path(path), bench->path(copy)) ||
                  summary.find("Copying " + bareName(path) + " to the backup folder...Failed") != std::string::npos)
          << what << ": the backup of " << path << " is the file itself under a second name";
    }
  }
}

std::vector<Injection> allInjections() {
  std::vector<Injection> out;
  for (std::size_t d = 0; d < std::size(kCases); ++d) {
    for (const bool onlyTheNth : {true, false}) out.push_back({d, onlyTheNth});
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(Cases, FailingDiskEach, ::testing::ValuesIn(allInjections()),
                         [](const ::testing::TestParamInfo<Injection>& info) {
                           std::string name = kCases[info.param.disk].what +
                                              (info.param.onlyTheNth ? " one change failing" : " the rest failing");
                           for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(FailingDisk, AnAddWithAStyleThatCannotBeReadChangesNothingAndSaysSo) {
  auto bench = RunBench::example();
  ASSERT_EQ(bench->run({"/r", "/b"}).exitStatus, 0);  // a first start writes Simple.style
  const Snapshot before = bench->files();
  bench->disk.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Read && path.ends_with(".style"); });
  const StartUpOutcome outcome = bench->run({"/a", "/b", "/l"});
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_NE(bench->summary().find("The code style Simple.style could not be read."), std::string::npos)
      << bench->summary();
  EXPECT_EQ(bench->summary().find("procedures updated"), std::string::npos) << bench->summary();
  Snapshot after = bench->files();
  after.erase(bench->path("program/QMR Command Line Failure.txt"));
  EXPECT_EQ(after, before);
}

TEST(FailingDisk, ARemovalNeedsNoCodeStyle) {
  auto bench = RunBench::example();
  const Snapshot original = bench->files();
  bench->clock.time.minute = 1;
  ASSERT_EQ(bench->run({"/a", "/b"}).exitStatus, 0);
  std::filesystem::remove(bench->path("program/Simple.style"));
  bench->disk.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Write && path.ends_with("Simple.style"); });
  EXPECT_EQ(bench->run({"/r", "/b", "/a"}).exitStatus, 0) << bench->summary();
  EXPECT_TRUE(bench->wizard->optionsPage.optDelete.selected);
  const Snapshot now = bench->files();
  for (const auto& [path, text] : original) {
    if (isSourceOrProject(path) && !path.ends_with(".vbp")) {
      EXPECT_EQ(now.at(path), text) << path;
    }
  }
}

}  // namespace
}  // namespace qm::testing
