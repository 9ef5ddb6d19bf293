// The quillmere program: wires the core to the command line (and, when built
// with Qt, to the windows). Each command is a thin function over the core so
// that everything it prints is built, and tested, there.
//
//   quillmere --analyse PROJECT.vbp            the project files page as text
//   quillmere /p PROJECT.vbp [...]             an update run without a window
//   quillmere --rollback PROJECT.vbp [BACKUP]  a roll back without a window
//   quillmere PROJECT.vbp                      the project opened on the files page
//   quillmere --help                           the usage and the exit statuses
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/command_line_syntax.h"
#include "platform/file_system.h"
#include "platform/help_guide.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "platform/working_folder.h"
#include "settings/command_line.h"
#include "settings/registry.h"
#include "wizard/command_line_mode.h"
#include "wizard/files_page_report.h"
#include "wizard/unattended_services.h"
#include "wizard/wizard.h"

#ifdef QUILLMERE_WITH_UI
#include "ui/wizard_app.h"
#endif

namespace {

constexpr std::string_view kUsage =
    "usage: quillmere --analyse PROJECT.vbp\n"
    "       quillmere /p PROJECT.vbp [/a] [/r] [/b | /c FOLDER] [/s STYLE] [/m] [/l] [/v] [/i LINES] [/e] [/t]\n"
    "       quillmere --rollback PROJECT.vbp [BACKUP]\n"
    "       quillmere PROJECT.vbp\n"
    "       quillmere --help\n";

constexpr std::string_view kExitStatuses =
    "\n"
    "An update run (/p) or a roll back (--rollback) exits with\n"
    "  0  when every step succeeded;\n"
    "  1  when it could not start (the project could not be opened, an option was\n"
    "     unusable, another run held the project, the destination was refused):\n"
    "     nothing was changed, the reason is on standard error and in the failure\n"
    "     log \"QMR Command Line Failure.txt\" in the program's folder;\n"
    "  2  when it went to its end but some step failed (a \"Failed\" or \"Not found\"\n"
    "     line): every file it did not report is as it should be.\n"
    "A roll back restores from BACKUP (\"Backup on 05 Dec at 14:03:27\", or the\n"
    "folder's own name), or from the newest backup when none is named, and asks\n"
    "nothing.\n";

void printUsage(std::FILE* stream) { std::fputs(std::string(kUsage).c_str(), stream); }

void printHelp() {
  printUsage(stdout);
  std::fputs(std::string(kExitStatuses).c_str(), stdout);
  qm::NativeFileSystem files;
  std::printf("The user guide: %s\n", qm::shownPath(qm::helpTarget(qm::guideFolder(files), 0).file).c_str());
}

void reportNotStarted(const std::string& reason, const std::string& failureLog) {
  std::cerr << "quillmere: " << (reason.empty() ? std::string("the command line request failed") : reason) << '\n';
  if (!failureLog.empty()) {
    std::cerr << "quillmere: see " << failureLog << '\n';
  } else {
    std::cerr << "quillmere: the failure log could not be written\n";
  }
}

// `quillmere --analyse PROJECT.vbp`: the project files page on standard
// output; a project that cannot be used gives its reason on standard error
// and status 1. No setting is read or written.
int runAnalyseCommand(int argc, char** argv) {
  if (argc != 3) {
    printUsage(stderr);
    return 2;
  }
  qm::NativeFileSystem files;
  auto report = qm::analyseProjectReport(files, argv[2]);
  if (!report) {
    std::fprintf(stderr, "quillmere: %s\n", report.message().c_str());
    return 1;
  }
  std::fwrite(report->data(), 1, report->size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

// The wizard's logic with the services of a program that shows no window.
struct HeadlessProgram {
  explicit HeadlessProgram(const char* argv0)
      : workspace{files, qm::programFolder(argv0 != nullptr ? argv0 : ""), qm::currentWorkingFolder()},
        settings(qm::openProductSettings()),
        dialogs(std::cerr),
        window({workspace, *settings, clock, launcher, dialogs, view, {}}) {}

  qm::NativeFileSystem files;
  qm::Workspace workspace;
  std::unique_ptr<qm::SettingsBackend> settings;
  qm::SystemClock clock;
  qm::SystemProcessLauncher launcher;
  qm::UnattendedDialogs dialogs;
  qm::ViewRequests view;
  qm::Wizard window;
};

// `quillmere /p ...`: command-line mode. Every summary line goes to standard
// output as it is written; status 0 when the run ended with its timing line,
// 1 when the failure log was written (its path goes to standard error).
int runUnattended(const qm::CommandLine& commandLine, const char* argv0) {
  HeadlessProgram program(argv0);
  qm::SummaryPrinter printer(std::cout);
  program.window.applyPage.txtSummary.echo = &printer;
  const qm::StartUpOutcome outcome = program.window.Form_Load(commandLine);
  printer.finish();
  if (outcome.exitStatus == qm::kExitNotStarted) reportNotStarted(outcome.reason, outcome.failureLog);
  return outcome.exitStatus;
}

// `quillmere --rollback PROJECT.vbp [BACKUP]`: a line per restored, deleted
// or failed file on standard output; the statuses of an update run.
int runRollback(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    printUsage(stderr);
    return qm::kExitNotStarted;
  }
  HeadlessProgram program(argv[0]);
  program.window.Form_Load(qm::CommandLine::fromWords({}));
  qm::SummaryPrinter printer(std::cout);
  std::string commandText;
  for (int i = 1; i < argc; ++i) commandText += std::string(i > 1 ? " " : "") + argv[i];
  const qm::CommandLineOutcome outcome =
      qm::RunRollbackCommand(program.window, argv[2], argc == 4 ? argv[3] : "", commandText, printer);
  printer.finish();
  if (outcome.exitStatus == qm::kExitNotStarted) reportNotStarted(outcome.reason, outcome.failureLog);
  return outcome.exitStatus;
}

#ifndef QUILLMERE_WITH_UI
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

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--analyse") return runAnalyseCommand(argc, argv);
  if (argc >= 2 && std::string_view(argv[1]) == "--rollback") return runRollback(argc, argv);
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    printHelp();
    return 0;
  }
  const qm::CommandLine commandLine = qm::CommandLine::fromArguments(qm::commandLineArguments(argc, argv));
  // Command-line mode never opens a window, so it runs without a display.
  if (commandLine.requestsUnattendedRun()) return runUnattended(commandLine, argv[0]);
#ifdef QUILLMERE_WITH_UI
  return qm::ui::runWizard(argc, argv, commandLine);
#else
  if (!commandLine.projectPathToOpen().empty()) return showProjectFilesPage(commandLine, argv[0]);
  printUsage(commandLine.empty() ? stdout : stderr);
  return commandLine.empty() ? 0 : 2;
#endif
}
