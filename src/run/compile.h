// The compilation step at the end of an update run: hands the project the
// run produced to the Visual Basic development environment with its switch
// for building (/make for a standard executable, /makedll for every other
// type) and does not wait for it. The first time, the user is asked where
// the executable is; an accepted answer is remembered as "VB_Location".
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/view_services.h"

namespace qm {

struct CompileContext {
  FileSystem& files;
  std::string programFolder;  // where the file dialog opens
  SummarySink& summary;
  Dialogs& dialogs;
  YieldHook yield;
  SettingsBackend& settings;
  std::string& vbLocation;  // the main window's copy; empty until located once
  ProcessLauncher& launcher;
};

// True for "vb" + one decimal digit + ".exe", compared lower-cased
// (vb6.exe, VB5.EXE; not vb.exe or vb10.exe).
bool isVisualBasicExecutableName(std::string_view bareName);

// The switch for a project of that type.
std::string_view compileSwitch(bool isExe);

enum class CompileResult {
  Started,       // "Done ": the build was started, not finished
  NotAttempted,  // no usable executable was chosen
  StartFailed,   // the executable could not be started; the summary says why
};

// Locates the executable when needed, then starts the build of
// `projectFile`. Appends "Compiling... " and "Done " (or why the start
// failed), or "Unable to use VB executable.  Compilation not attempted."
// when no usable executable was chosen.
CompileResult compileProject(CompileContext& context, std::string_view projectFile, bool isExe);

}  // namespace qm
