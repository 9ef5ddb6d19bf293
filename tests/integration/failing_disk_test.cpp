// A disk that fails part way through a run never costs the user a file.
// The run is made once undisturbed to learn how many changes it makes to
// the disk; then, for every n up to that number, again on a fresh copy with
// the n-th change failing (alone, or with every later one too). Afterwards
// every member and the project file is byte for byte either as it was or as
// the undisturbed run left it (or, where the summary says that numbering a
// file failed, as the run leaves it without numbers); no file is missing or
// truncated; every top-level file that changed has its backup copy; and the
// summary says what failed and still ends with its timing line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "integration/run_bench.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

using Snapshot = std::map<std::string, std::string>;

struct DiskCase {
  std::string what;
  std::vector<std::string> switches;  // "<copy>" stands for the bench's new-copy folder
};

const std::vector<DiskCase> kCases = {
    {"full run with a backup", {"/a", "/b", "/l", "/v", "/e", "/t"}},
    {"full run into a new copy", {"/a", "/c", "<copy>", "/l", "/v", "/e"}},
    {"removal with a backup", {"/r", "/b", "/a", "/l"}},
};

enum class Failing { OnlyTheNth, FromTheNthOn };

const std::string kProjectFolder = "projects/examples/Billing/";
const std::string kBackupFolder = kProjectFolder + "Backup on 05 Dec at 14-03-27/";
const std::string kCopyFolder = "copies/Billing/";  // a new copy's files start as copies of the project's

// Scratch files may be left where their removal failed; they are never a
// member or the project file.
bool isScratch(const std::string& path) {
  for (const char* name : {"TempDataFile", "TempVBData", "WorkingFile", "dumptemp", "linenumbertemp"}) {
    const std::string suffix = std::string("/") + name;
    if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) {
      return true;
    }
  }
  return false;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string bareName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

class FailingDisk : public ::testing::Test {
 protected:
  // A bench made ready for the case: a removal needs code to remove.
  std::unique_ptr<RunBench> prepared(const DiskCase& c) {
    auto bench = RunBench::example();
    makeFolder(bench->path("copies"));
    if (c.switches.front() == "/r") {
      bench->clock.time.minute = 1;
      EXPECT_EQ(bench->run({"/a", "/b", "/e", "/t"}).exitStatus, 0);
      bench->clock.time.minute = 3;
    }
    return bench;
  }

  static void makeFolder(const std::string& folder) { std::filesystem::create_directories(folder); }

  static std::vector<std::string> switchesFor(const DiskCase& c, const RunBench& bench) {
    std::vector<std::string> out = c.switches;
    for (std::string& word : out) {
      if (word == "<copy>") word = bench.path("copies/Billing");
    }
    return out;
  }

  // The files after an undisturbed run of the case, and every change it made
  // to the disk, named by its operation and its path in the bench.
  Snapshot undisturbed(const DiskCase& c, bool withoutNumbers, std::vector<std::string>* changes = nullptr) {
    auto bench = prepared(c);
    std::vector<std::string> switches = switchesFor(c, *bench);
    if (withoutNumbers) switches.erase(std::find(switches.begin(), switches.end(), "/l"));
    auto named = std::make_shared<std::vector<std::string>>();
    const std::string root = bench->root.path();
    bench->disk.setRule([named, root](Operation op, const std::string& path) {
      static const char* const kNames[] = {"read",   "write",         "copy to",      "move to",
                                           "remove", "create folder", "remove folder"};
      if (op != Operation::Read) {
        const std::string shown = path.rfind(root, 0) == 0 ? path.substr(root.size()) : path;
        named->push_back(std::string(kNames[static_cast<int>(op)]) + " " + shown);
      }
      return false;
    });
    EXPECT_EQ(bench->run(switches).exitStatus, 0) << bench->summary();
    if (changes != nullptr) *changes = *named;
    return bench->files();
  }
};

// Every source and project file of either snapshot: the members, the
// project file, their backup copies and those of a new copy.
std::set<std::string> guardedFiles(const Snapshot& original, const Snapshot& processed) {
  std::set<std::string> out;
  for (const Snapshot* snapshot : {&original, &processed}) {
    for (const auto& [path, text] : *snapshot) {
      if (isScratch(path) || endsWith(path, "/GlobalVariables.bas")) continue;
      const std::string lower = [&] {
        std::string l = path;
        for (char& ch : l) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return l;
      }();
      if (endsWith(lower, ".frm") || endsWith(lower, ".bas") || endsWith(lower, ".cls") || endsWith(lower, ".vbp")) {
        out.insert(path);
      }
    }
  }
  return out;
}

// True when the summary reports a failure on the line that names `name`
// (or refused the destination, so that nothing was changed).
bool failureReportedFor(const std::string& summary, const std::string& name) {
  if (summary.find("No files were modified.") != std::string::npos) return true;
  for (const std::string& line : sourceLines(summary)) {
    if (line.find(name) != std::string::npos && line.find("Failed") != std::string::npos) return true;
  }
  return false;
}

bool numberingFailedFor(const std::string& summary, const std::string& name) {
  for (const std::string& line : sourceLines(summary)) {
    if (line.rfind("Adding line numbers to " + name + "...Failed", 0) == 0) return true;
  }
  return false;
}

// The global variables module is either not there or whole.
bool wholeGlobalModule(const std::string& text) {
  return endsWith(text, "End If\r\n\r\nEnd Function\r\n") &&
         text.find("Public Function sGlobalVariables() as string") != std::string::npos &&
         text.rfind("Attribute VB_Name = \"GlobalVariables\"", 0) == 0;
}

TEST_F(FailingDisk, NoFailureCostsAFile) {
  for (const DiskCase& c : kCases) {
    std::vector<std::string> changeNames;
    const Snapshot processed = undisturbed(c, false, &changeNames);
    const int changes = static_cast<int>(changeNames.size());
    const Snapshot unnumbered = undisturbed(c, true);
    const Snapshot original = prepared(c)->files();
    ASSERT_GT(changes, 20) << c.what;
    const std::set<std::string> guarded = guardedFiles(original, processed);

    for (Failing failing : {Failing::OnlyTheNth, Failing::FromTheNthOn}) {
      for (int n = 0; n < changes; ++n) {
        const std::string what = c.what + (failing == Failing::OnlyTheNth ? ", only change " : ", changes from ") +
                                 std::to_string(n) + " (" + changeNames[static_cast<std::size_t>(n)] + ") failing";
        auto bench = prepared(c);
        const std::vector<std::string> switches = switchesFor(c, *bench);
        if (failing == Failing::FromTheNthOn) {
          bench->disk.failFromMutation(n);
        } else {
          auto seen = std::make_shared<int>(0);
          bench->disk.setRule(
              [seen, n](Operation op, const std::string&) { return op != Operation::Read && (*seen)++ == n; });
        }
        const StartUpOutcome outcome = bench->run(switches);
        const std::string& summary = bench->summary();
        if (changeNames[static_cast<std::size_t>(n)] == "write program/Simple.style") {
          // Without any code style an Add cannot be made: nothing is touched
          // and the failure log says so.
          EXPECT_EQ(outcome.exitStatus, 1) << what << summary;
          EXPECT_EQ(bench->files(), original) << what;
          continue;
        }
        EXPECT_EQ(outcome.exitStatus, 0) << what << summary;
        EXPECT_TRUE(endsWith(summary, " seconds.") &&
                    summary.find("\r\nUpdate completed in ", summary.rfind("\r\n")) != std::string::npos)
            << what << summary;

        const Snapshot now = bench->files();
        bool anyUnprocessed = false;
        for (const std::string& path : guarded) {
          const auto was = original.find(path);
          const auto done = processed.find(path);
          const auto is = now.find(path);
          const std::string name = bareName(path);
          if (is == now.end()) {
            EXPECT_TRUE(was == original.end() || done == processed.end()) << what << ": " << path << " is missing";
            if (done != processed.end()) {
              anyUnprocessed = true;
              EXPECT_TRUE(failureReportedFor(summary, name) || endsWith(name, ".vbp"))
                  << what << ": " << path << " was not written and nothing says so\n"
                  << summary;
            }
            continue;
          }
          const auto source = original.find(kProjectFolder + name);
          const bool asBefore =
              (was != original.end() && is->second == was->second) ||
              (path.rfind(kCopyFolder, 0) == 0 && source != original.end() && is->second == source->second);
          const bool asProcessed = done != processed.end() && is->second == done->second;
          const auto plain = unnumbered.find(path);
          const bool withoutNumbers =
              plain != unnumbered.end() && is->second == plain->second && numberingFailedFor(summary, name);
          EXPECT_TRUE(asBefore || asProcessed || withoutNumbers)
              << what << ": " << path << " is neither as it was nor as the run makes it:\n"
              << is->second;
          if (!asProcessed) {
            anyUnprocessed = true;
            EXPECT_TRUE(failureReportedFor(summary, name) || endsWith(name, ".vbp"))
                << what << ": " << path << " was left unprocessed without a word\n"
                << summary;
          }
        }
        if (anyUnprocessed) {
          EXPECT_TRUE(summary.find("injected failure") != std::string::npos ||
                      summary.find("\r\nThe chosen destination folder was not valid.\r\n") != std::string::npos)
              << what << ": the reason is not given\n"
              << summary;
        }
        for (const auto& [path, text] : now) {
          if (endsWith(path, "/GlobalVariables.bas")) {
            EXPECT_TRUE(wholeGlobalModule(text)) << what << ": " << path << "\n" << text;
          } else if (!isScratch(path) && original.count(path) == 0 && processed.count(path) == 0) {
            ADD_FAILURE() << what << ": an unexpected file " << path;
          }
        }
        // A top-level file changed in place has its backup copy.
        if (c.switches[1] == "/b" || c.switches[2] == "/b") {
          for (const auto& [path, text] : now) {
            if (path.rfind(kProjectFolder, 0) != 0 || path.find('/', kProjectFolder.size()) != std::string::npos)
              continue;
            const auto was = original.find(path);
            if (was == original.end() || was->second == text) continue;
            const auto copy = now.find(kBackupFolder + bareName(path));
            EXPECT_TRUE(copy != now.end() && copy->second == was->second)
                << what << ": " << path << " changed without its backup copy";
          }
        }
      }
    }
  }
}

TEST_F(FailingDisk, AnAddWithoutAnyCodeStyleChangesNothingAndLeavesTheLog) {
  auto bench = RunBench::example();
  const Snapshot original = bench->files();
  bench->disk.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Write && endsWith(path, "Simple.style"); });
  const StartUpOutcome outcome = bench->run({"/a", "/b", "/l", "/v"});
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.failureLog, bench->path("program/QMR Command Line Failure.txt"));
  EXPECT_NE(bench->read(outcome.failureLog).find("Command Line Argument: /p "), std::string::npos);
  EXPECT_EQ(bench->summary().find("Update completed"), std::string::npos) << bench->summary();
  EXPECT_EQ(bench->files(), original);
}

TEST_F(FailingDisk, AnAddWithAStyleThatCannotBeReadChangesNothingAndSaysSo) {
  auto bench = RunBench::example();
  ASSERT_EQ(bench->run({"/r", "/b"}).exitStatus, 0);  // a first start writes Simple.style
  const Snapshot before = bench->files();
  bench->disk.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Read && endsWith(path, ".style"); });
  const StartUpOutcome outcome = bench->run({"/a", "/b", "/l"});
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_NE(bench->summary().find("The code style Simple.style could not be read."), std::string::npos)
      << bench->summary();
  EXPECT_EQ(bench->summary().find("procedures updated"), std::string::npos) << bench->summary();
  Snapshot after = bench->files();
  after.erase(bench->path("program/QMR Command Line Failure.txt"));
  EXPECT_EQ(after, before);
}

TEST_F(FailingDisk, ARemovalNeedsNoCodeStyle) {
  auto bench = RunBench::example();
  const Snapshot original = bench->files();
  bench->clock.time.minute = 1;
  ASSERT_EQ(bench->run({"/a", "/b"}).exitStatus, 0);
  std::filesystem::remove(bench->path("program/Simple.style"));
  bench->disk.setRule(
      [](Operation op, const std::string& path) { return op == Operation::Write && endsWith(path, "Simple.style"); });
  EXPECT_EQ(bench->run({"/r", "/b", "/a"}).exitStatus, 0) << bench->summary();
  EXPECT_TRUE(bench->window->page3.optDelete.selected);
  for (const auto& [path, text] : original) {
    if (endsWith(path, ".bas") || endsWith(path, ".cls") || endsWith(path, ".frm")) {
      EXPECT_EQ(bench->files().at(path), text) << path;
    }
  }
}

}  // namespace
}  // namespace qm::testing
