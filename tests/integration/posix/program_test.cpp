// The built program itself, started as a scheduled job would start it: from
// a working folder, with a program folder and a settings store of its own.
// `quillmere /p Billing.vbp /a /b /l /v /e /t` must print the summary as it
// goes, end with status 0, and leave the project exactly as the same run made
// through the wizard's logic leaves it; a run that cannot start, a roll back
// and a run with a failed step end with the statuses the help gives. Skipped
// when the program has not been built beside this test.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include <nlohmann/json.hpp>

#include "integration/run_bench.h"
#include "platform/text.h"
#include "settings/command_line_options.h"
#include "support/case_file.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) { return "'" + text + "'"; }

struct Ended {
  int status = -1;
  std::string out, err;
};

// The program as a scheduled job starts it: from the bench's working folder,
// with a program folder and a settings store of its own.
class Program {
 public:
  // Nothing when the program has not been built beside this test
  // (build/src/app/quillmere, beside build/tests/test_integration).
  static std::optional<Program> in(const RunBench& bench) {
    std::error_code error;
    const fs::path built =
        fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "src/app/quillmere";
    if (error || !fs::is_regular_file(built, error)) return std::nullopt;
    fs::copy_file(built, bench.path("program/quillmere"));
    fs::create_directories(bench.path("home"));
    return Program(bench);
  }

  // The shell command that starts it with `words` from the folder `from`,
  // leaving what it prints and its status in the bench's folder.
  std::string command(const std::vector<std::string>& words, const std::string& from) const {
    const std::string home = bench_.path("home");
    std::string command = "cd " + quoted(from) + " && HOME=" + quoted(home) +
                          " XDG_CONFIG_HOME=" + quoted(home + "/.config") +
                          " XDG_DATA_HOME=" + quoted(home + "/.local/share") + " " +
                          quoted(bench_.path("program/quillmere"));
    for (const std::string& word : words) {
      command.push_back(' ');
      command += quoted(word);
    }
    // No row may open a window, whatever display the tests run under.
    return "(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; " + command + " > " + quoted(bench_.path("out.txt")) +
           " 2> " + quoted(bench_.path("err.txt")) + "; echo $? > " + quoted(bench_.path("status.txt")) + ")";
  }

  Ended run(const std::vector<std::string>& words) const {
    std::system(command(words, bench_.path("work")).c_str());
    return ended();
  }

  Ended ended() const {
    const std::string status = RunBench::read(bench_.path("status.txt"));
    return {status.empty() ? -1 : std::stoi(status), RunBench::read(bench_.path("out.txt")),
            RunBench::read(bench_.path("err.txt"))};
  }

 private:
  explicit Program(const RunBench& bench) : bench_(bench) {}
  const RunBench& bench_;
};

// Two programs started at once from one current folder, each on its own
// project, print the summary as they go and leave each project exactly as
// the same run made through the wizard's logic leaves it, writing nothing
// into the current folder. Then a roll back and a run with a failed step end
// with the statuses that --help and the README give them.
TEST(TheProgram, MakesTheFullRunAsTheWizardDoesBesideAnother) {
  const std::vector<std::string> fullRun = {"/a", "/b", "/l", "/v", "/e", "/t"};
  auto bench = RunBench::example();
  auto other = RunBench::example();
  const auto program = Program::in(*bench);
  const auto another = Program::in(*other);
  if (!program || !another) GTEST_SKIP() << "the quillmere program is not built";
  const std::string member = bench->projectFolder + "modUtil.bas";
  const std::string original = RunBench::read(member);
  std::vector<std::string> words = {"/p", bench->projectFile};
  words.insert(words.end(), fullRun.begin(), fullRun.end());
  std::vector<std::string> otherWords = words;
  otherWords[1] = other->projectFile;
  const std::string from = bench->path("work");
  std::system((program->command(words, from) + " & " + another->command(otherWords, from) + " & wait").c_str());

  const std::string printed = program->ended().out;
  EXPECT_TRUE(printed.starts_with("Creating backup of frmMain.frm...Done\nAnalysing frmMain.frm...Done (6 out of 6"))
      << printed;
  EXPECT_NE(printed.find("\nAdding line numbers to modShared.bas...Success\nUpdate completed in "), std::string::npos)
      << printed;
  EXPECT_TRUE(printed.ends_with(" seconds.\n")) << printed;

  auto wizard = RunBench::example();
  ASSERT_EQ(wizard->run(fullRun).exitStatus, 0);
  for (const auto& [started, ran] : {std::pair{bench.get(), &*program}, std::pair{other.get(), &*another}}) {
    EXPECT_EQ(ran->ended().status, 0) << ran->ended().err;
    for (const char* file : {"projects/examples/Billing/Billing.vbp", "projects/examples/Billing/modUtil.bas",
                             "projects/examples/Billing/clsInvoice.cls", "projects/examples/Billing/Forms/frmMain.frm",
                             "projects/examples/Shared/modShared.bas", "projects/examples/Billing/GlobalVariables.bas",
                             "program/Simple.style"}) {
      EXPECT_FALSE(RunBench::read(started->path(file)).empty()) << file;
      EXPECT_EQ(RunBench::read(started->path(file)), RunBench::read(wizard->path(file))) << file;
    }
  }
  EXPECT_EQ(fs::directory_iterator(from), fs::directory_iterator()) << "nothing is written to the current folder";

  Ended ended = program->run({"--rollback", bench->projectFile});
  EXPECT_EQ(ended.status, 0) << ended.err;
  EXPECT_NE(ended.out.find("Restored ..\\Shared\\modShared.bas\n"), std::string::npos) << ended.out;
  EXPECT_EQ(RunBench::read(member), original);
  fs::permissions(member, fs::perms::owner_read);
  ended = program->run({"/p", bench->projectFile, "/a", "/b", "/l"});
  EXPECT_EQ(ended.status, 2) << ended.out;
  EXPECT_NE(ended.out.find("Adding line numbers to clsInvoice.cls...Success\n"), std::string::npos) << ended.out;
  EXPECT_NE(ended.out.find("Saving modUtil.bas...Failed: Cannot replace '"), std::string::npos) << ended.out;
  EXPECT_EQ(ended.err, "");
  EXPECT_EQ(RunBench::read(member), original);
}

class ProgramArguments : public CaseTest {};

TEST_P(ProgramArguments, EndAsTheTableSaysTouchingNothing) {
  auto bench = RunBench::example();
  const auto program = Program::in(*bench);
  if (!program) GTEST_SKIP() << "the quillmere program is not built";
  const auto before = bench->projectFiles();
  const std::vector<std::pair<std::string, std::string>> places = {
      {"{project}", bench->projectFile}, {"{folder}", bench->projectFolder}, {"{bench}", bench->path("")}};
  expectRows(c, {{"run", [&](const std::vector<std::string>& written) {
                    std::vector<std::string> words;
                    for (std::string word : written) {
                      for (const auto& [name, place] : places) word = replaceAll(word, name, place);
                      if (!word.empty() || written.size() > 1) words.push_back(word);
                    }
                    const Ended ended = program->run(words);
                    std::string said;
                    std::istringstream lines(ended.err);
                    for (std::string line; std::getline(lines, line);) {
                      if (!line.starts_with("quillmere") && !line.starts_with("# ") && !line.starts_with("usage")) continue;
                      said += said.empty() ? " " : " / ";
                      said += line;
                    }
                    for (const auto& [name, place] : places) said = replaceAll(said, place, name);
                    return std::to_string(ended.status) + ":" + said;
                  }}});
  EXPECT_EQ(bench->projectFiles(), before);
  const bool started = c.flag("started", false);
  EXPECT_EQ(fs::exists(bench->path("program/QMR Command Line Failure.txt")), started);
  if (!started) {
    EXPECT_FALSE(fs::exists(bench->path("home/.config")));
  }
}

QM_CASES_FROM(ProgramArguments, "integration/program_arguments.txt");

TEST(TheProgram, HelpsWithEverySwitchAndReportsCoverageAsJson) {
  auto bench = RunBench::example();
  const auto program = Program::in(*bench);
  if (!program) GTEST_SKIP() << "the quillmere program is not built";
  const std::string help = program->run({"--help"}).out;
  for (const CommandLineOption& option : commandLineOptions()) EXPECT_NE(help.find(option.name), std::string::npos) << help;

  const Ended ended = program->run({"--analyse", bench->projectFile, "--format", "json"});
  ASSERT_EQ(ended.status, 0) << ended.err;
  const nlohmann::json report = nlohmann::json::parse(ended.out);
  EXPECT_EQ(report["name"], "Billing");
  ASSERT_EQ(report["members"].size(), 4u);
  const nlohmann::json& shared = report["members"][3];
  EXPECT_EQ(shared["path"], "..\\Shared\\modShared.bas");
  EXPECT_EQ(shared["procedures"], 2);
  EXPECT_EQ(shared["handled"], 1);
  EXPECT_EQ(shared["coverage"], 50);
  EXPECT_EQ(shared["found"], true);
}

// A preview changes nothing, and its diff, applied with patch to the
// untouched copy, gives byte for byte what the run gives another copy: CR LF
// lines, 8-bit bytes and a last line without its ending included.
class DryRun : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(DryRun, AppliedWithPatchGivesWhatTheRunGives) {
  auto previewed = RunBench::example();
  auto run = RunBench::example();
  const auto preview = Program::in(*previewed);
  const auto real = Program::in(*run);
  if (!preview || !real) GTEST_SKIP() << "the quillmere program is not built";
  for (const RunBench* bench : {previewed.get(), run.get()}) {
    const std::string member = bench->projectFolder + "modUtil.bas";
    const std::string text = RunBench::read(member);
    bench->write(member.substr(bench->path("").size()), text.substr(0, text.size() - 2));  // no final CR LF
  }
  const auto before = previewed->projectFiles();
  std::vector<std::string> words{"/p", previewed->projectFile};
  words.insert(words.end(), GetParam().begin(), GetParam().end());
  words.push_back("--dry-run");
  const Ended shown = preview->run(words);
  ASSERT_EQ(shown.status, 0) << shown.err;
  ASSERT_TRUE(shown.err.starts_with("# root: " + previewed->path("projects/examples") + "\n")) << shown.err;
  EXPECT_EQ(previewed->projectFiles(), before) << "a preview writes nothing";
  EXPECT_FALSE(fs::exists(previewed->path("home/.config"))) << "nor any setting";

  previewed->write("diff.txt", shown.out);
  const std::string apply = "cd " + quoted(previewed->path("projects/examples")) + " && patch -p1 --quiet < " +
                            quoted(previewed->path("diff.txt"));
  ASSERT_EQ(std::system(apply.c_str()), 0) << shown.out;
  words[1] = run->projectFile;
  words.pop_back();
  ASSERT_EQ(real->run(words).status, 0);
  const auto patched = previewed->projectFiles();
  EXPECT_EQ(patched, run->projectFiles());
  EXPECT_NE(patched, before);
}

INSTANTIATE_TEST_SUITE_P(Runs, DryRun,
                         ::testing::Values(std::vector<std::string>{"/a", "/b"},
                                         std::vector<std::string>{"/a", "/b", "/l", "/v"},
                                         std::vector<std::string>{"/a", "/b", "/r"}));

}  // namespace
}  // namespace qm::testing
