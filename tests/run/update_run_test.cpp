#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "platform/paths.h"
#include "platform/text.h"
#include "run/backup.h"
#include "run_bench.h"
#include "support/case_file.h"

namespace qm {
namespace {

using testing::crlf;
using testing::Operation;
using testing::RunBench;

constexpr const char* kBackup = "Billing/Backup on 05 Dec at 14-03-27";
constexpr const char* kHeader = "FILE REQUIRED BY QUILLMERE. DO NOT REMOVE.";

// Each line against a pattern in which "*" stands for any text.
void expectLines(const std::vector<std::string>& lines, const std::vector<std::string>& patterns) {
  ASSERT_EQ(lines.size(), patterns.size()) << ::testing::PrintToString(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_TRUE(wildcardMatch(patterns[i], lines[i]))
        << "line " << i << ": " << lines[i] << "\n  expected: " << patterns[i];
  }
}

// ------------------------------------------------------------ Backup and roll back

TEST(BackupRun, ThenRollBackGivesBackEveryTopLevelFileAndDeletesTheRecordedExtras) {
  RunBench bench;
  bench.options.addLineNumbers = true;
  bench.style.files = {bench.extra("ErrorLog.bas"), "", bench.extra("Missing.bas"), bench.extra("ReadMe.txt")};
  const auto original = bench.topLevel("Billing");
  const std::string form = bench.root.read("Billing/Forms/frmMain.frm"), shared = bench.root.read("Shared/modShared.bas");

  const RunOutcome outcome = bench.run();
  EXPECT_TRUE(outcome.endedWithTimingLine);
  EXPECT_EQ(outcome.failures, 1);  // the missing extra file
  const std::string project = bench.project.projectFolder;
  std::vector<std::string> summary;
  for (const char* name : {"frmMain.frm", "modUtil.bas", "clsInvoice.cls", "modShared.bas"}) {
    for (const char* line : {"Creating backup of %...Done", "Analysing %...Done (* out of * procedures updated)",
                             "Adding line numbers to %...Success"}) {
      summary.push_back(replaceAll(line, "%", name));
    }
  }
  for (const std::string& line : {std::string("Adding extra files "), shownPath(project + "ErrorLog.bas"),
                                  shownPath(bench.extra("Missing.bas")) + "...Not found", shownPath(project + "ReadMe.txt"),
                                  std::string("Update completed in 0 seconds.")}) {
    summary.push_back(line);
  }
  expectLines(bench.summary.lines(), summary);

  // The backup holds the project as it was, and the run's record.
  auto backup = bench.topLevel(kBackup);
  EXPECT_EQ(backup["uninstall.dat"], crlf({kHeader, project + "ErrorLog.bas", project + "ReadMe.txt"}));
  backup.erase("uninstall.dat");
  // The members from outside the project's folder have a folder and a record of their own.
  EXPECT_EQ(backup["outside members.dat"],
            crlf({"MEMBERS FROM OUTSIDE THE PROJECT FOLDER, COPIED BY QUILLMERE.",
                  "Outside the project folder\\Shared\\modShared.bas|..\\Shared\\modShared.bas"}));
  backup.erase("outside members.dat");
  EXPECT_EQ(backup, original);
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/Forms/frmMain.frm"), form);
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/Outside the project folder/Shared/modShared.bas"), shared);

  // The project itself was changed in place, sub-folders and neighbours too.
  EXPECT_NE(bench.root.read("Billing/modUtil.bas"), original.at("modUtil.bas"));
  EXPECT_NE(bench.root.read("Billing/Forms/frmMain.frm"), form);
  EXPECT_NE(bench.root.read("Shared/modShared.bas"), shared);
  EXPECT_EQ(bench.root.read("Billing/ErrorLog.bas"), bench.root.read("extras/ErrorLog.bas"));
  const std::string vbp = bench.root.read("Billing/Billing.vbp");
  EXPECT_TRUE(startsWith(vbp, "RelatedDoc=ReadMe.txt\r\nModule=ErrorLog; ErrorLog.bas\r\n")) << vbp.substr(0, 200);
  EXPECT_TRUE(endsWith(vbp, original.at("Billing.vbp")));
  EXPECT_FALSE(bench.root.exists("work/TempDataFile"));
  EXPECT_EQ(bench.settings.writes(), 0);

  // Roll back.
  const auto entries = bListBackups(bench.files, project);
  ASSERT_EQ(entries, (std::vector<std::string>{"Backup on 05 Dec at 14:03:27"}));
  bool showWarning = false;
  const RollbackOutcome rolled = bench.rollBack(entries[0], showWarning);
  EXPECT_TRUE(rolled.performed);
  EXPECT_TRUE(rolled.failures.empty()) << ::testing::PrintToString(rolled.failures);
  EXPECT_EQ(rolled.restored, (std::vector<std::string>{"Billing.vbp", "clsInvoice.cls", "modUtil.bas", "uninstall.dat",
                                                       "Forms\\frmMain.frm", "..\\Shared\\modShared.bas"}));
  EXPECT_EQ(rolled.deleted, (std::vector<std::string>{project + "ErrorLog.bas", project + "ReadMe.txt"}));
  EXPECT_EQ(bench.topLevel("Billing"), original);
  EXPECT_EQ(bench.root.read("Billing/Forms/frmMain.frm"), form);
  EXPECT_EQ(bench.root.read("Shared/modShared.bas"), shared);
  // The backup stays, so it can be rolled back to again.
  EXPECT_TRUE(bench.root.exists(std::string(kBackup) + "/uninstall.dat"));
  EXPECT_EQ(bench.settings.writes(), 0);
}

// A user's file of an extra file's name is replaced but never recorded, so
// that the roll back gives it back rather than deleting it.
TEST(BackupRun, TwoRunsWithinOneSecondGetTwoBackupsThatBothRollBack) {
  RunBench bench;
  bench.root.write("Billing/ErrorLog.bas", "Attribute VB_Name = \"ErrorLog\"\r\n' the user's own version\r\n");
  bench.style.files = {bench.extra("ErrorLog.bas")};
  const auto original = bench.topLevel("Billing");
  bench.run();
  EXPECT_EQ(bench.root.read("Billing/ErrorLog.bas"), bench.root.read("extras/ErrorLog.bas"));
  EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), crlf({kHeader}));
  const auto afterFirst = bench.topLevel("Billing");
  bench.run();
  const auto entries = bListBackups(bench.files, bench.project.projectFolder);
  ASSERT_EQ(entries, (std::vector<std::string>{"Backup on 05 Dec at 14:03:27", "Backup on 05 Dec at 14:03:27 (2)"}));
  bool showWarning = false;
  bench.rollBack(entries[1], showWarning);
  EXPECT_EQ(bench.topLevel("Billing"), afterFirst);
  EXPECT_TRUE(bench.rollBack(entries[0], showWarning).deleted.empty());
  EXPECT_EQ(bench.topLevel("Billing"), original);
}

// ------------------------------------------------------------ runs as tables

// Runs over the example project as a case of tests/data/run/runs.txt or
// failing_runs.txt says. Options: "selected" the files to run on (default
// all), "extras" the style's extra files ("<extras>", "<project>" and
// "<root>" stand for those folders), "numbers" the first line number,
// "min lines", "dump", "action: delete", "spare handlers", "compile", "new copy" its
// folder, "make folder" one made first, "first run: add" a plain run made
// first, "restyle at" a summary line at whose yield the style's On Error
// text becomes "restyle", "clock step" and "separator"; each line of "fail"
// an operation and a path pattern ("*" any text) that fails, "#n" for its
// n-th time only; "read only" a file made read-only first; "preview" a
// preview of the run instead. The summary's
// lines must match "summary" ("*" any text), "refused" what the outcome says, the yields come after the lines
// of "yielded"; the files of "unchanged" keep their bytes, those of "changed"
// do not, those of "absent" are not there, each line "file | text" of
// "holds" / "lacks" says what the file holds or lacks, "record" is the
// backup's uninstall.dat, the project file "lists once" a line and "starts
// with" one. Whatever the case, the progress bar stays within its maximum
// and is hidden at the end, and nothing is compiled.
class RunCase : public testing::CaseTest {
 protected:
  // With `shown`, the folders as the summary shows them.
  std::string places(std::string text, bool shown = false) const {
    const auto form = [shown](const std::string& path) { return shown ? shownPath(path) : path; };
    const std::pair<std::string, std::string> placeholders[] = {{"<extras>", form(bench.root.file("extras/"))},
                                                                {"<project>", form(bench.project.projectFolder)},
                                                                {"<root>", form(bench.root.path())}};
    for (const auto& [name, path] : placeholders) {
      for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), path);
    }
    return text;
  }
  std::vector<std::string> listed(std::string_view key) const {
    std::vector<std::string> out;
    const std::string text = c.text(key, "");
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
      const std::size_t bar = std::min(text.find(" | ", at), text.size());
      out.push_back(places(text.substr(at, bar - at)));
      at = bar + 3;
    }
    return out;
  }
  // The lines "file | text" of a section, the text's escapes read.
  std::vector<std::pair<std::string, std::string>> fileTexts(const std::string& key) const {
    std::vector<std::pair<std::string, std::string>> out;
    if (c.written.count(key) == 0) return out;
    for (const std::string& line : c.written.at(key)) {
      const std::size_t bar = line.find(" | ");
      if (bar != std::string::npos) out.emplace_back(line.substr(0, bar), testing::decodeEscapes(line.substr(bar + 3)));
    }
    return out;
  }

  void setUp() {
    if (c.has("make folder")) bench.root.makeFolder(c.text("make folder"));
    if (c.has("first run")) {
      bench.run();
      bench.summary = {};
      bench.progress = {};
      bench.reload();
    }
    if (c.has("selected")) {
      bench.options.selectedFiles.clear();
      for (const std::string& file : listed("selected")) bench.options.selectedFiles.push_back(bench.project.projectFolder + file);
    }
    bench.style.files = listed("extras");
    bench.options.addLineNumbers = c.has("numbers");
    if (c.has("numbers")) bench.options.lineNumberStart = std::strtof(c.text("numbers").c_str(), nullptr);
    bench.options.minLines = c.text("min lines", "0");
    bench.options.variableDump = c.flag("dump", false);
    bench.options.compile = c.flag("compile", false);
    bench.options.skipExistingHandlers = c.flag("spare handlers", true);
    if (c.text("action", "") == "delete") bench.options.action = RunAction::Delete;
    if (c.has("new copy")) {
      bench.options.saveMode = SaveMode::NewCopy;
      bench.options.newLocation = places(c.text("new copy"));
    }
    bench.clock.step = static_cast<std::int64_t>(c.has("clock step") ? c.number("clock step") : 0);
    bench.clock.separator = c.text("separator", ".");
    if (c.has("restyle at")) {
      bench.onYield = [this] {
        if (bench.lastLine() == c.text("restyle at")) bench.style.onErrorText = c.text("restyle");
      };
    }
    failOnDemand();
    if (c.has("read only")) bench.root.setReadOnly(c.text("read only"));
    bench.previewing = c.flag("preview", false);
  }

  void failOnDemand() {
    static const char* const kOperations[] = {"read", "write", "copy", "move", "remove", "create folder", "remove folder",
                                              "flush",  "link"};
    std::vector<std::tuple<Operation, std::string, int>> failing;  // operation, pattern, only its n-th time (0: always)
    for (std::string line : c.lines("fail")) {
      const std::size_t hash = line.find(" #");
      const int nth = hash == std::string::npos ? 0 : std::stoi(line.substr(hash + 2));
      line = line.substr(0, hash);
      for (int op = static_cast<int>(std::size(kOperations)) - 1; op >= 0; --op) {  // "remove folder" before "remove"
        if (line.starts_with(std::string(kOperations[op]) + " ")) {
          failing.emplace_back(static_cast<Operation>(op), line.substr(std::strlen(kOperations[op]) + 1), nth);
          break;
        }
      }
    }
    bench.files.setRule([failing, seen = std::make_shared<std::map<std::size_t, int>>()](Operation op,
                                                                                         const std::string& path) mutable {
      for (std::size_t i = 0; i < failing.size(); ++i) {
        const auto& [failingOp, pattern, nth] = failing[i];
        if (op == failingOp && wildcardMatch(pattern, path) && (nth == 0 || ++(*seen)[i] == nth)) return true;
      }
      return false;
    });
  }

  void runAndCheck() {
    setUp();
    std::map<std::string, std::string> before;
    for (const std::string& file : c.lines("unchanged")) before[file] = bench.root.read(file);
    for (const std::string& file : c.lines("changed")) before[file] = bench.root.read(file);

    const RunOutcome outcome = bench.run();
    EXPECT_TRUE(outcome.endedWithTimingLine);
    if (c.has("refused")) { EXPECT_EQ(outcome.refused, c.flag("refused", false)); }
    if (c.has("failures")) { EXPECT_EQ(outcome.failures, static_cast<int>(c.number("failures"))); }
    std::vector<std::string> patterns;
    for (const std::string& line : c.lines("summary")) patterns.push_back(places(line, true));
    if (c.has("summary")) expectLines(bench.summary.lines(), patterns);
    if (c.has("yielded")) {
      std::vector<std::string> yielded;
      for (const std::string& line : c.lines("yielded")) yielded.push_back(places(line, true));
      EXPECT_EQ(bench.yieldedAfter, yielded);
      EXPECT_GE(bench.summary.scrolls(), static_cast<int>(bench.summary.lines().size()));
    }
    for (const std::string& file : c.lines("unchanged")) EXPECT_EQ(bench.root.read(file), before[file]) << file;
    for (const std::string& file : c.lines("changed")) EXPECT_NE(bench.root.read(file), before[file]) << file;
    for (const std::string& file : c.lines("absent")) EXPECT_FALSE(bench.root.exists(file)) << file;
    for (const auto& [file, text] : fileTexts("holds")) EXPECT_NE(bench.root.read(file).find(text), std::string::npos) << file;
    for (const auto& [file, text] : fileTexts("lacks")) EXPECT_EQ(bench.root.read(file).find(text), std::string::npos) << file;
    if (c.has("record")) {
      EXPECT_EQ(bench.root.read(std::string(kBackup) + "/uninstall.dat"), places(c.text("record")));
    }
    const std::string vbp = bench.root.read("Billing/Billing.vbp");
    if (c.has("project lacks")) { EXPECT_EQ(vbp.find(c.text("project lacks")), std::string::npos); }
    if (c.has("lists once")) { EXPECT_EQ(vbp.find(c.text("lists once")), vbp.rfind(c.text("lists once"))); }
    if (c.has("starts with")) {
      EXPECT_TRUE(startsWith(vbp, c.text("starts with") + "\r\n")) << vbp.substr(0, 200);
    }
    EXPECT_FALSE(bench.progress.exceeded());
    EXPECT_FALSE(bench.progress.visible());
    EXPECT_TRUE(bench.launcher.calls.empty());
  }

  RunBench bench;
};

class Runs : public RunCase {};
TEST_P(Runs, DoWhatTheTableSays) { runAndCheck(); }
QM_CASES_FROM(Runs, "run/runs.txt");

class FailingRuns : public RunCase {};
TEST_P(FailingRuns, SayWhatFailedAndKeepTheFiles) { runAndCheck(); }
QM_CASES_FROM(FailingRuns, "run/failing_runs.txt");

// ------------------------------------------------------------ timing

class TimingLines : public testing::CaseTest {};

TEST_P(TimingLines, RoundHalfToEvenAndDropTrailingZeros) {
  testing::expectRows(c, {{"elapsedSecondsText", [](const std::vector<std::string>& a) {
                             return elapsedSecondsText(std::stoll(a[0]), a[1]);
                           }}});
}

QM_CASES_FROM(TimingLines, "run/timing_line.txt");

}  // namespace
}  // namespace qm
