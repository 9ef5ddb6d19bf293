#include "run/compile.h"

#include "engine/scanning.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/registry.h"

namespace qm {

namespace {

void yieldTo(const CompileContext& context) {
  if (context.yield) context.yield();
}

// Asks for the executable; its path when the choice is usable, else "".
std::string locateExecutable(CompileContext& context) {
  FileDialogRequest request;
  request.title = "Locate the Visual Basic executable";
  request.filter = "Visual Basic Executable (vb*.exe)|vb*.exe";
  request.initialFolder = context.programFolder;
  context.dialogs.messageBox("In order to compile your project, " + std::string(kProductName) +
                                 " needs to know the location of the Visual Basic executable (VB*.exe)",
                             "Compiler needed");
  const std::vector<std::string> chosen = context.dialogs.openFile(request);
  if (chosen.empty() || chosen.front().empty()) return {};
  const auto entry = context.files.lookUp(chosen.front());
  if (!entry || entry->isFolder || !isVisualBasicExecutableName(entry->name)) return {};
  return chosen.front();
}

}  // namespace

bool isVisualBasicExecutableName(std::string_view bareName) {
  const std::string name = toLower(bareName);
  return name.size() == 7 && startsWith(name, "vb") && isAsciiDigit(name[2]) && endsWith(name, ".exe");
}

std::string_view compileSwitch(bool isExe) { return isExe ? "/make" : "/makedll"; }

CompileResult compileProject(CompileContext& context, std::string_view projectFile, bool isExe) {
  if (context.vbLocation.empty()) {
    const std::string located = locateExecutable(context);
    if (located.empty()) {
      context.summary.appendLine("Unable to use VB executable.  Compilation not attempted.");
      context.summary.scrollToEnd();
      yieldTo(context);
      return CompileResult::NotAttempted;
    }
    context.vbLocation = located;
    SaveSettingString(context.settings, HKEY_CURRENT_USER, SettingsValuesKey(), "VB_Location", located);
  }

  context.summary.appendLine("Compiling... ");
  context.summary.scrollToEnd();
  yieldTo(context);

  // The switch and the project are separate arguments: a path with blanks
  // or quotes reaches the compiler as one argument, exactly as it is.
  const Status started = context.launcher.startDetached(context.files.nativePath(context.vbLocation),
                                                        {ProcessArgument::plain(std::string(compileSwitch(isExe))),
                                                         ProcessArgument::path(context.files.nativePath(projectFile))});
  context.summary.appendLine(started ? std::string("Done ") : "Failed to start the compiler: " + started.message());
  context.summary.scrollToEnd();
  yieldTo(context);
  return started ? CompileResult::Started : CompileResult::StartFailed;
}

}  // namespace qm
