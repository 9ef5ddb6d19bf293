// A bench for whole unattended runs: a fresh program folder, working folder
// and in-memory settings store, a copy of a project (the shipped example, or
// a project of the corpus), and the wizard's logic over them, started as the
// program starts with a command line. Every file access goes through a file
// system that can be told to fail, so the same bench serves the runs whose
// disk lets them down.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_settings.h"
#include "platform/workspace.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"
#include "wizard/wizard.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {

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
  Wizard& openWizard();
  const std::string& summary() const { return wizard->applyPage.txtSummary.text; }

  void writeStyle(std::string_view fileName, std::string_view text) const {
    write("program/" + std::string(fileName), text);
  }
  void write(std::string_view relative, std::string_view content) const { root.write(relative, content); }
  std::string path(std::string_view relative) const { return root.file(relative); }
  static std::string read(const std::string& nativePath);
  // Copies kExtraFiles from tests/data/integration/extras into extras/ and
  // gives their paths, for a style's FILES list.
  std::vector<std::string> writeExtraFiles() const;

  // The texts of the forms, modules and classes the project file lists now, by path.
  std::map<std::string, std::string> memberTexts() const;
  // Every file of the bench outside the program's folder, by its path
  // relative to the bench's folder.
  std::map<std::string, std::string> files() const;
  // The files of the projects' folders, the backup folders left out, and the
  // global variables module a run writes too unless `withGlobalModule` is false.
  std::map<std::string, std::string> projectFiles(bool withGlobalModule = true) const;

  TempFolder root;
  FaultyFileSystem disk;
  Workspace workspace;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  ScriptedDialogs dialogs;
  WizardView view;
  std::unique_ptr<Wizard> wizard;
  std::string projectFile;    // native
  std::string projectFolder;  // native, with a trailing "/"
  bool allProcedures = false;  // every run adds /x, and the members include every source member kind
};

// Extra files of a style: a module, a class, a form that uses two control
// libraries (one the project already lists) and a document.
inline constexpr const char* kExtraFiles[] = {"modErrorLog.bas", "clsErrorInfo.cls", "frmErrorReport.frm",
                                              "ReadMe.txt"};

struct CorpusProject {
  std::string folder;         // the corpus entry that holds it, copied whole
  std::string projectInside;  // the project file, relative to that entry
};
// Every project file (".vbp", any case) below the corpus folder (../shared/corpus,
// or the one QUILLMERE_CORPUS names), sorted; none when there is no such folder.
std::vector<CorpusProject> corpusProjects();

// The default style with the local variable dump put into its handler, and
// the given extra files.
std::string dumpStyleText(const std::vector<std::string>& files = {});

}  // namespace qm::testing
