// The quillmere program: wires the core to the command line (and, when built
// with Qt, to the windows). Each command is a thin function over the core so
// that everything it prints is built, and tested, there; the commands and
// switches, with the help text, are the table in settings/command_line_options.h.
//
//   quillmere --analyse PROJECT.vbp [...]      the project files page as text, or JSON; a coverage gate
//   quillmere /p PROJECT.vbp [...]             an update run without a window (or its preview, --dry-run)
//   quillmere --rollback PROJECT.vbp [BACKUP]  a roll back without a window
//   quillmere PROJECT.vbp                      the project opened on the files page
//   quillmere --help | --version
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/console.h"
#include "platform/command_line_syntax.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/help_guide.h"
#include "platform/paths.h"
#include "platform/preview_file_system.h"
#include "platform/preview_settings.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "platform/text.h"
#include "platform/working_folder.h"
#include "settings/command_line.h"
#include "settings/command_line_options.h"
#include "settings/registry.h"
#include "wizard/command_line_mode.h"
#include "wizard/coverage_report.h"
#include "wizard/files_page_report.h"
#include "wizard/unattended_services.h"
#include "wizard/wizard.h"

#ifdef QUILLMERE_WITH_UI
#include "ui/wizard_app.h"
#endif
#ifdef QUILLMERE_WITH_WIN32_UI
#include "ui_win32/wizard_session.h"
#endif

namespace {

using Words = std::vector<std::string>;

int usageError(std::string_view problem) {
  std::cerr << "quillmere: " << problem << " (quillmere --help tells more)\n";
  return qm::kExitUsage;
}

#if !defined(QUILLMERE_WITH_WIN32_UI)  // the Windows program always has its wizard to show
int printUsage() {
  std::cerr << qm::usageText();
  return qm::kExitUsage;
}
#endif

void reportNotStarted(const std::string& reason, const std::string& failureLog, bool logMeant) {
  std::cerr << "quillmere: " << (reason.empty() ? std::string("the command line request failed") : reason) << '\n';
  if (!logMeant) return;
  if (!failureLog.empty()) {
    std::cerr << "quillmere: see " << failureLog << '\n';
  } else {
    std::cerr << "quillmere: the failure log could not be written\n";
  }
}

// What `--analyse` was asked for.
struct AnalyseRequest {
  std::string project;
  int minimumCoverage = -1;  // no gate
  bool json = false;
  bool allProcedures = false;
  std::string problem;
};

AnalyseRequest analyseRequest(const Words& words) {
  AnalyseRequest request;
  const auto fail = [&request](std::string why) {
    if (request.problem.empty()) request.problem = std::move(why);
  };
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    const qm::CommandLineOption* option = qm::findOption(word, qm::OptionUse::Analyse);
    if (option == nullptr) {
      if (!word.empty() && word[0] == '-') {
        fail("unknown switch '" + word + "'");
      } else if (request.project.empty()) {
        request.project = word;
      } else {
        fail("unexpected argument '" + word + "'");
      }
      continue;
    }
    if (option->value.empty()) {
      request.allProcedures = true;  // the one flag of --analyse
      continue;
    }
    if (i + 1 >= words.size()) {
      fail("'" + word + "' needs a value (" + std::string(option->value) + ")");
      continue;
    }
    const std::string& value = words[++i];
    if (option->name == "--format") {
      if (value != "tsv" && value != "json") fail("'--format' takes tsv or json, not '" + value + "'");
      request.json = value == "json";
    } else {
      const bool digits = !value.empty() && value.size() <= 3 && value.find_first_not_of("0123456789") == std::string::npos;
      request.minimumCoverage = digits ? std::stoi(value) : -1;
      if (!digits || request.minimumCoverage > 100) fail("'--min-coverage' takes a percentage from 0 to 100, not '" + value + "'");
    }
  }
  if (request.project.empty()) fail("'--analyse' needs a project file");
  return request;
}

// `quillmere --analyse PROJECT.vbp [--min-coverage N] [--format tsv|json]`:
// the project files page (or its records as JSON) on standard output; a
// project that cannot be used gives its reason on standard error and status
// 1; members below the gate are named on standard error, status 3. No
// setting is read or written.
int runAnalyseCommand(const Words& words) {
  const AnalyseRequest request = analyseRequest(words);
  if (!request.problem.empty()) return usageError(request.problem);
  qm::NativeFileSystem files;
  auto coverage = qm::analyseProjectCoverage(files, request.project, request.allProcedures);
  if (!coverage) {
    std::cerr << "quillmere: " << coverage.message() << '\n';
    return qm::kExitNotStarted;
  }
  if (request.json) {
    std::cout << qm::coverageJson(*coverage);
  } else {
    auto report = qm::analyseProjectReport(files, request.project, request.allProcedures);
    if (!report) {
      std::cerr << "quillmere: " << report.message() << '\n';
      return qm::kExitNotStarted;
    }
    std::cout << *report;
  }
  std::cout.flush();
  if (!std::cout) return qm::kExitNotStarted;
  if (request.minimumCoverage < 0) return qm::kExitSucceeded;
  const std::vector<qm::MemberCoverage> below = qm::membersBelow(*coverage, request.minimumCoverage);
  for (const qm::MemberCoverage& member : below) {
    std::cerr << "quillmere: " << member.path << " has a coverage of " << member.coverage << "%, below "
              << request.minimumCoverage << "%\n";
  }
  return below.empty() ? qm::kExitSucceeded : qm::kExitBelowCoverage;
}

// The wizard's logic with the services of a program that shows no window.
// A preview reads the disk and the user's settings but keeps every write of
// its own: the recent list, the last style, a default style written afresh.
struct HeadlessProgram {
  HeadlessProgram(const char* argv0, bool preview)
      : settings(qm::openProductSettings()),
        previewFiles(preview ? std::make_unique<qm::PreviewFileSystem>(nativeFiles) : nullptr),
        previewSettings(preview ? std::make_unique<qm::PreviewSettings>(*settings) : nullptr),
        workspace{previewFiles ? static_cast<qm::FileSystem&>(*previewFiles) : nativeFiles,
                  qm::programFolder(argv0 != nullptr ? argv0 : ""), qm::currentWorkingFolder()},
        dialogs(std::cerr),
        window({workspace, previewSettings ? *previewSettings : *settings, clock, launcher, dialogs, view, {}}) {}
  explicit HeadlessProgram(const char* argv0) : HeadlessProgram(argv0, false) {}

  qm::NativeFileSystem nativeFiles;
  std::unique_ptr<qm::SettingsBackend> settings;
  std::unique_ptr<qm::PreviewFileSystem> previewFiles;
  std::unique_ptr<qm::PreviewSettings> previewSettings;
  qm::Workspace workspace;
  qm::SystemClock clock;
  qm::SystemProcessLauncher launcher;
  qm::UnattendedDialogs dialogs;
  qm::ViewRequests view;
  qm::Wizard window;
};

// `quillmere /p ...`: command-line mode. Every summary line goes to standard
// output as it is written; status 0 when the run ended with its timing line,
// 1 when the failure log was written (its path goes to standard error).
// With --dry-run the diff goes to standard output, and standard error
// begins with "# root: " and the diff's folder, followed by the summary.
int runUnattended(const qm::CommandLine& commandLine, const char* argv0) {
  const bool dryRun = commandLine.hasOption("--dry-run");
  const auto warn = [&commandLine] {
    for (const std::string& warning : commandLine.warnings()) std::cerr << "quillmere: warning: " << warning << '\n';
  };
  if (!dryRun) warn();
  HeadlessProgram program(argv0, dryRun);
  qm::SummaryPrinter printer(std::cout);
  if (!dryRun) program.window.applyPage.txtSummary.echo = &printer;
  const qm::StartUpOutcome started = program.window.Form_Load(commandLine);
  printer.finish();
  const qm::CommandLineOutcome& outcome = started.unattended;
  if (dryRun && !outcome.root.empty()) std::cerr << "# root: " << outcome.root << '\n';
  if (dryRun) warn();  // after the root, which a preview's reader takes from the first line
  for (const std::string& notice : outcome.notices) std::cerr << "quillmere: " << notice << '\n';
  if (dryRun) {
    std::string summary = program.window.applyPage.txtPreviewSummary.text;
    if (summary.starts_with("\r\n")) summary.erase(0, 2);
    qm::SummaryPrinter lines(std::cerr);
    if (!summary.empty()) lines.appendLine(qm::replaceAll(summary, "\r\n", "\n"));
    lines.finish();
    std::cout << outcome.diff;
    std::cout.flush();
  }
  if (outcome.exitStatus == qm::kExitNotStarted) reportNotStarted(outcome.reason, outcome.failureLog, !dryRun);
  return outcome.exitStatus;
}

// `quillmere --rollback PROJECT.vbp [BACKUP]`: a line per restored, deleted
// or failed file on standard output; the statuses of an update run.
int runRollback(const Words& words, const char* argv0) {
  if (words.size() < 2) return usageError("'--rollback' needs a project file");
  if (words.size() > 3) return usageError("unexpected argument '" + words[3] + "'");
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i].starts_with("-")) return usageError("unknown switch '" + words[i] + "'");
  }
  HeadlessProgram program(argv0);
  program.window.Form_Load(qm::CommandLine::fromWords({}));
  qm::SummaryPrinter printer(std::cout);
  std::string commandText;
  for (std::size_t i = 0; i < words.size(); ++i) commandText += std::string(i > 0 ? " " : "") + words[i];
  const qm::CommandLineOutcome outcome =
      qm::RunRollbackCommand(program.window, words[1], words.size() == 3 ? words[2] : "", commandText, printer);
  printer.finish();
  if (outcome.exitStatus == qm::kExitNotStarted) reportNotStarted(outcome.reason, outcome.failureLog, true);
  return outcome.exitStatus;
}

#if !defined(QUILLMERE_WITH_UI) && !defined(QUILLMERE_WITH_WIN32_UI)
// `quillmere PROJECT.vbp` without windows: the project is opened as the
// wizard opens it (it goes first in the recent list) and its files page is
// printed.
int showProjectFilesPage(const qm::CommandLine& commandLine, const char* argv0) {
  HeadlessProgram program(argv0);
  program.window.Form_Load(commandLine);
  if (program.window.currentPage != qm::WizardPage::Files) {
    std::cerr << "quillmere: cannot open the project " << commandLine.projectPathToOpen() << '\n';
    return 1;
  }
  std::cout << qm::filesPageReport(program.window.projectPage.lblProjectDetails,
                                program.window.filesPage.lstProjectFiles);
  std::cout.flush();
  return std::cout ? 0 : 1;
}
#endif

// The first word's command, when it is one: its exit status.
std::optional<int> runCommand(const Words& words, const char* argv0) {
  const qm::CommandLineOption* command =
      words.empty() ? nullptr : qm::findOption(words.front(), qm::OptionUse::Command);
  if (command == nullptr) return std::nullopt;
  if (command->name == "--analyse") return runAnalyseCommand(words);
  if (command->name == "--rollback") return runRollback(words, argv0);
  if (words.size() > 1) return usageError("unexpected argument '" + words[1] + "'");
  if (command->name == "--version") {
    std::cout << "quillmere " << QUILLMERE_VERSION << '\n';
  } else {
    qm::NativeFileSystem files;
    std::cout << qm::helpText(qm::programFolder(argv0), qm::productSettingsPlace());
    std::cout << "  the user guide: " << qm::shownPath(qm::helpTarget(qm::guideFolder(files, argv0 != nullptr ? argv0 : ""), 0).file) << '\n';
  }
  std::cout.flush();
  return std::cout ? qm::kExitSucceeded : qm::kExitNotStarted;
}

// Whether this start shows the wizard rather than writing to a console.
bool showsWizard(const Words& words, const qm::CommandLine& commandLine) {
#if defined(QUILLMERE_WITH_UI) || defined(QUILLMERE_WITH_WIN32_UI)
  const bool command = !words.empty() && qm::findOption(words.front(), qm::OptionUse::Command) != nullptr;
  return !command && commandLine.usageProblem().empty() && !commandLine.requestsUnattendedRun();
#else
  (void)words;
  (void)commandLine;
  return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const Words words(argv + 1, argv + argc);
  const qm::CommandLine commandLine = qm::CommandLine::fromArguments(qm::commandLineArguments(argc, argv));
  if (!showsWizard(words, commandLine)) qm::useParentConsole();
  if (const std::optional<int> status = runCommand(words, argv[0])) return *status;
  if (!commandLine.usageProblem().empty()) return usageError(commandLine.usageProblem());
  // Command-line mode never opens a window, so it runs without a display.
  if (commandLine.requestsUnattendedRun()) return runUnattended(commandLine, argv[0]);
#if defined(QUILLMERE_WITH_UI)
  if (commandLine.empty() && !qm::displayAvailable()) return printUsage();
  return qm::ui::runWizard(argc, argv, commandLine);
#elif defined(QUILLMERE_WITH_WIN32_UI)
  return qm::win32::runWizard(commandLine, argc > 0 ? argv[0] : nullptr);
#else
  if (!commandLine.projectPathToOpen().empty()) return showProjectFilesPage(commandLine, argv[0]);
  return printUsage();
#endif
}
