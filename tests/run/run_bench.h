// A project on disk and everything a run needs around it, so each scenario
// test can set options, run, and look at the summary, the files and the
// settings afterwards.
//
// The project is a copy of the shipped example (Billing, with a form in the
// sub-folder Forms and a module in the neighbouring folder Shared), in a
// fresh temporary folder per test.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "engine/analysis.h"
#include "platform/memory_settings.h"
#include "project/project_file.h"
#include "run/rollback.h"
#include "run/run_preview.h"
#include "run/update_run.h"
#include "support/faulty_file_system.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"

namespace qm::testing {

// The style used by the scenarios: a small one in the manner of the default.
inline CodeStyle benchStyle() {
  CodeStyle style;
  style.name = "Simple.style";
  style.onErrorText = crlf({"On Error GoTo ErrorHandler"});
  style.handlerText = crlf(
      {"<Exit_Routine>",
       "ErrorHandler:", "    MsgBox \"Error \" & Err.Number & \" in \" & <Module_Name> & \".\" & <Procedure_Name>"});
  return style;
}

class RunBench {
 public:
  RunBench() {
    root.copyFolder(exampleFolder(), "Billing");
    root.copyFolder(exampleFolder() + "../Shared", "Shared");
    root.makeFolder("work");
    root.makeFolder("program");
    root.write("extras/ErrorLog.bas",
               crlf({"Attribute VB_Name = \"ErrorLog\"", "Option Explicit", "",
                     "Public Sub LogError(ByVal sText As String)", "    Debug.Print sText", "End Sub"}));
    root.write("extras/ReadMe.txt", crlf({"Extra notes for the billing project."}));
    project.projectFile = root.file("Billing/Billing.vbp");
    project.projectFolder = root.file("Billing/");
    reload();
    style = benchStyle();
    selectAll();
  }

  // Reads the project file as the wizard does after every run.
  void reload() {
    const ProjectDetails details = LoadProjectDetails(files, project.projectFile);
    project.projectName = details.name;
    project.isExe = details.isExe;
    project.fileCount = details.fileCount;
    members = details.members;
  }

  void selectAll() {
    options.selectedFiles.clear();
    for (const std::string& member : members) options.selectedFiles.push_back(project.projectFolder + member);
  }

  std::string extra(std::string_view name) const { return root.file("extras/" + std::string(name)); }

  // Analyses the selected files, as the project files page does before a
  // run, then runs.
  RunOutcome run() {
    for (const std::string& path : options.selectedFiles) AnalyseFile(files, path, procedures, notes);
    yieldedAfter.clear();
    RunContext context{workspace,
                       project,
                       options,
                       [this]() -> const CodeStyle& { return style; },
                       procedures,
                       notes,
                       dump,
                       summary,
                       progress,
                       dialogs,
                       [this] {
                         yieldedAfter.push_back(lastLine());
                         if (onYield) onYield();
                       },
                       settings,
                       vbLocation,
                       clock,
                       launcher};
    return previewing ? previewUpdate(context).outcome : runUpdate(context);
  }

  RollbackOutcome rollBack(std::string_view entry, bool& showWarning) {
    ProgressLog rollbackProgress;
    RollbackContext context{files, rollbackProgress, dialogs, {}, settings, clock, {}};
    return qm::rollBack(context, project, entry, showWarning);
  }

  std::string lastLine() const {
    const auto lines = summary.lines();
    return lines.empty() ? std::string() : lines.back();
  }

  // Every visible top-level ordinary file of a folder (relative to the root) with its bytes.
  std::map<std::string, std::string> topLevel(const std::string& relativeFolder) const {
    std::map<std::string, std::string> out;
    for (const auto& item : std::filesystem::directory_iterator(root.file(relativeFolder))) {
      if (!item.is_regular_file()) continue;
      const std::string name = item.path().filename().string();
      if (name.starts_with(".")) continue;  // what a write cut off by the disk leaves beside its target
      out[name] = root.read(relativeFolder + "/" + name);
    }
    return out;
  }

  TempFolder root;
  FaultyFileSystem files;
  Workspace workspace{files, root.file("program/"), root.file("work/")};
  ProjectState project;
  std::vector<std::string> members;
  RunOptions options;
  CodeStyle style;
  ProcedureList procedures;
  AnalysisNotes notes;
  DumpState dump;
  SummaryText summary;
  ProgressLog progress;
  ScriptedDialogs dialogs;
  MemorySettings settings;
  std::string vbLocation;
  FixedClock clock;
  RecordingLauncher launcher;
  std::vector<std::string> yieldedAfter;  // the summary's last line at each yield
  std::function<void()> onYield;          // what the event loop does meanwhile
  bool previewing = false;                // run() previews the run instead
};

}  // namespace qm::testing
