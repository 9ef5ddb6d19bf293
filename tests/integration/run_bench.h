// A bench for whole unattended runs: a fresh program folder, working folder
// and in-memory settings store, a copy of a project (the shipped example, or
// a project of the corpus), and the wizard's logic over them, started as the
// program starts with a command line. Every file access goes through a file
// system that can be told to fail, so the same bench serves the runs whose
// disk lets them down.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_settings.h"
#include "platform/workspace.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"
#include "wizard/main_window.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {

// A source file the project file lists, as the checks see it.
struct ProjectMember {
  std::string kind;    // "Form", "Module" or "Class"
  std::string path;    // native path; "" when the listed file does not exist
  std::string listed;  // the path as the project file writes it
  std::string name;    // bare file name
  std::string vbName;  // its Attribute VB_Name value
};

class RunBench {
 public:
  // Copies the folder `sourceFolder` into the bench as projects/<its name>;
  // the project file is `projectInside`, relative to that copy.
  RunBench(const std::string& sourceFolder, const std::string& projectInside);
  RunBench(const RunBench&) = delete;
  RunBench& operator=(const RunBench&) = delete;

  // The shipped example: Billing/Billing.vbp beside Shared/.
  static std::unique_ptr<RunBench> example();

  // `quillmere /p <project> <switches>` on a new start of the program.
  StartUpOutcome run(const std::vector<std::string>& switches);
  // A new start of the program without a command line: the wizard opens the
  // most recent project.
  MainWindow& openWizard();
  const std::string& summary() const;

  // Writes a code style into the program's folder.
  void writeStyle(std::string_view fileName, std::string_view text) const;
  // Writes a file anywhere under the bench's folder.
  void write(std::string_view relative, std::string_view content) const { root.write(relative, content); }
  std::string path(std::string_view relative) const { return root.file(relative); }

  // The members the project file lists now.
  std::vector<ProjectMember> members() const;
  // Every file of the bench outside the program's folder, by its path
  // relative to the bench's folder.
  std::map<std::string, std::string> files() const;
  std::string read(const std::string& nativePath) const { return readNative(nativePath); }
  static std::string readNative(const std::string& nativePath);

  TempFolder root;
  FaultyFileSystem disk;
  Workspace workspace;
  MemorySettings settings;
  StillClock clock;
  RecordingLauncher launcher;
  WizardDialogs dialogs;
  WizardView view;
  std::unique_ptr<MainWindow> window;
  std::string copiedFolder;   // native, with a trailing "/"
  std::string projectFile;    // native
  std::string projectFolder;  // native, with a trailing "/"
};

// The folder of projects that the corpus checks run over; nothing when it
// does not exist. QUILLMERE_CORPUS names another folder.
std::optional<std::string> corpusFolder();

struct CorpusProject {
  std::string folder;         // the corpus entry that holds it, copied whole
  std::string projectInside;  // the project file, relative to that entry
};
// Every project file (".vbp", any case) below the corpus folder, sorted.
std::vector<CorpusProject> corpusProjects(const std::string& corpus);

// A code style file: the three sections with the given lines.
std::string styleText(const std::vector<std::string>& onError, const std::vector<std::string>& handler,
                      const std::vector<std::string>& files = {});

// The texts of the default style, line by line.
std::vector<std::string> defaultOnErrorLines();
std::vector<std::string> defaultHandlerLines();
// The default style with the local variable dump put into its handler.
std::string dumpStyleText(const std::vector<std::string>& files = {});

// The project file's lines that list members or control libraries.
std::vector<std::string> projectMemberLines(std::string_view projectText);

}  // namespace qm::testing
