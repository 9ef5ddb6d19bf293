#include "run/update_run.h"

#include <algorithm>
#include <set>

#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "run/backup.h"
#include "run/compile.h"
#include "vardump/global_variables.h"

namespace qm {

namespace {

constexpr std::int16_t kLineNumberIncrement = 5;

std::vector<std::string> nonEmptyEntries(const std::vector<std::string>& entries) {
  std::vector<std::string> out;
  for (const std::string& entry : entries) {
    if (!trimSpaces(entry).empty()) out.push_back(entry);
  }
  return out;
}

std::string failed(std::string_view why) { return "Failed: " + std::string(why); }

class UpdateRun {
 public:
  explicit UpdateRun(RunContext& context) : c_(context) {}

  RunOutcome perform() {
    c_.dump.clear();
    maximum_ = progressMaximum(c_.options, static_cast<int>(extraFiles().size()));
    c_.progress.setMaximum(maximum_);
    c_.progress.setValue(0);
    c_.progress.setVisible(true);
    const std::int64_t start = c_.clock.monotonicMilliseconds();

    if (prepareDestination()) {
      copyProject();
      for (const std::string& path : c_.options.selectedFiles) processFile(path);
      addExtraFiles();
      writeGlobalVariables();
      if (c_.options.compile) compile();
    }

    const std::int64_t elapsed = c_.clock.monotonicMilliseconds() - start;
    line("Update completed in " + elapsedSecondsText(elapsed, c_.clock.decimalSeparator()) + " seconds.");
    c_.progress.setVisible(false);
    outcome_.endedWithTimingLine = true;
    return outcome_;
  }

 private:
  // ------------------------------------------------------------ reporting

  void line(std::string_view text) {
    c_.summary.appendLine(text);
    c_.summary.scrollToEnd();
  }
  void add(std::string_view text) {
    c_.summary.appendToLine(text);
    c_.summary.scrollToEnd();
  }
  void failLine(std::string_view text) {
    line(text);
    ++outcome_.failures;
  }
  void failAdd(std::string_view text) {
    add(text);
    ++outcome_.failures;
  }
  void yield() {
    if (c_.yield) c_.yield();
  }
  void advance() {
    value_ = std::min(value_ + 1, maximum_);
    c_.progress.setValue(value_);
  }

  // ------------------------------------------------------------ places

  bool isNewCopy() const { return c_.options.saveMode == SaveMode::NewCopy; }
  FileSystem& files() { return c_.workspace.files; }

  std::string workingFile() const {
    return c_.workspace.workingFilePath();
  }

  // Where extra files and the global variables module go.
  const std::string& additionsFolder() const { return isNewCopy() ? destination_ : c_.project.projectFolder; }

  std::vector<std::string> extraFiles() const { return nonEmptyEntries(c_.currentStyle().files); }

  // In a Backup run a top-level file whose backup copy failed has no copy to
  // go back to, so it is not changed in place. In a new copy, a file whose
  // copy failed is not this project's file at the destination.
  bool unprotected(std::string_view path) const {
    const std::string& folder = isNewCopy() ? destination_ : c_.project.projectFolder;
    return liesDirectlyIn(path, folder) && uncopied_.count(toLower(bareName(path))) > 0;
  }
  std::string unprotectedReason(std::string_view name) const {
    return std::string("no copy of ") + std::string(name) +
           (isNewCopy() ? " was made in the new folder" : " was made in the backup folder") +
           ", so it is left as it was";
  }

  // ------------------------------------------------------------ steps

  bool prepareDestination() {
    if (!isNewCopy()) {
      auto folder = createBackupFolder(files(), c_.project.projectFolder, c_.clock);
      if (!folder) return refuseDestination("The backup folder could not be created: " + folder.message());
      destination_ = *folder;
      resultProjectFile_ = c_.project.projectFile;
      return true;
    }
    const std::int16_t check = iCheckFolder(files(), c_.options.newLocation, c_.project.projectFolder);
    if (check == 0) return refuseDestination("The chosen destination folder was not valid.");
    destination_ = withTrailingSeparator(c_.options.newLocation);
    resultProjectFile_ = destination_ + std::string(bareName(c_.project.projectFile));
    if (check == 2) {
      Status created = files().createFolder(withoutTrailingSeparator(destination_));
      if (!created)
        return refuseDestination("The chosen destination folder could not be created: " + created.message());
    }
    return true;
  }

  bool refuseDestination(std::string_view why) {
    failLine(why);
    line("No files were modified.");
    yield();
    outcome_.destinationRefused = true;
    return false;
  }

  void copyProject() {
    const ProjectCopy copy = copyProjectFiles(files(), c_.project.projectFolder, destination_);
    for (const FileFailure& failure : copy.failed) {
      uncopied_.insert(toLower(failure.name));
      failLine("Copying " + failure.name + (isNewCopy() ? " to the new folder..." : " to the backup folder...") +
               failed(failure.message));
    }
    advance();
  }

  void processFile(const std::string& path) {
    const auto entry = files().lookUp(path);
    if (!entry || entry->isFolder) return;  // gone since the project was read: passed over
    const std::string& name = entry->name;

    line("Creating backup of " + name + "...");
    yield();
    if (!isNewCopy() && unprotected(path)) {
      failAdd(failed(unprotectedReason(name)));
      return;
    }
    const std::string working = workingFile();
    if (Status copied = makeWorkingCopy(path, working); !copied) {
      failAdd(failed(copied.message()));
      return;
    }
    add("Done");
    advance();

    if (transform(path, name, working) && addVariableDump(name, working)) {
      addLineNumbers(name, working);
      save(name, working, isNewCopy() ? destination_ + name : path);
    }
    removeWorkingFile(working);
  }

  // The working file is written afresh rather than copied, so that it never
  // takes over a read-only mark from its source: the passes must be able to
  // replace it, and the run to delete it.
  Status makeWorkingCopy(const std::string& source, const std::string& working) {
    auto text = files().readFile(source);
    if (!text) return text.status();
    return files().writeScratchFile(working, *text);
  }

  bool transform(const std::string& member, const std::string& name, const std::string& working) {
    line("Analysing " + name + "...");
    yield();
    Result<std::string> result = std::string();
    std::vector<NameClash> clashes;
    if (c_.options.action == RunAction::Add) {
      const CodeStyle& style = c_.currentStyle();
      const InsertionSources sources{style.onErrorText, style.handlerText, c_.options.minLines, c_.project.projectName,
                                     c_.procedures, member};
      result = sInsertErrorHandling(c_.workspace, working, name, c_.options.skipIgnoreTagged,
                                    c_.options.skipExistingHandlers, sources, &clashes);
    } else {
      result = sDeleteInsertedCode(c_.workspace, working);
    }
    if (!result) {
      failAdd(failed(result.message()));
      return false;
    }
    add("Done (" + *result + " procedures updated)");
    for (const NameClash& clash : clashes) line(nameClashLine(name, clash));
    advance();
    return true;
  }

  bool addVariableDump(const std::string& name, const std::string& working) {
    if (c_.options.action != RunAction::Add) return true;
    auto result = AddVariableDump(c_.workspace, working, name, c_.options.skipIgnoreTagged, c_.options.variableDump,
                                  c_.notes.userTypes, c_.dump);
    if (!result) {
      // Unexpanded dump tags would not compile, so the file keeps its old text.
      failLine("Adding the variable dump to " + name + "..." + failed(result.message()));
      return false;
    }
    advance();
    return true;
  }

  void addLineNumbers(const std::string& name, const std::string& working) {
    if (!c_.options.addLineNumbers) return;
    line("Adding line numbers to " + name + "...");
    std::string why;
    const float next = sngAddLineNumbers(c_.workspace, working, c_.options.lineNumberStart, kLineNumberIncrement, &why);
    if (next > 0) {
      add("Success");
    } else {
      failAdd(why.empty() ? std::string("Failed") : failed(why));
    }
    advance();
  }

  void save(const std::string& name, const std::string& working, const std::string& target) {
    if (Status saved = files().copyFile(working, target); !saved) {
      failLine("Saving " + name + "..." + failed(saved.message()));
    }
  }

  void removeWorkingFile(const std::string& working) {
    if (!files().exists(working)) return;
    if (Status removed = files().removeFile(working); !removed) {
      failLine("Deleting the working file " + std::string(kRunWorkingFileName) + "..." + failed(removed.message()));
    }
  }

  // ------------------------------------------------------------ additions

  bool projectFileUsable() const { return !unprotected(resultProjectFile_); }

  void addToProject(const std::string& member) {
    if (!projectFileUsable()) {
      failLine("Adding " + std::string(bareName(member)) + " to the project..." +
               failed(unprotectedReason(bareName(resultProjectFile_))));
      return;
    }
    if (Status added = AddFileToProject(c_.workspace, resultProjectFile_, member); !added) {
      failLine("Adding " + std::string(bareName(member)) + " to the project..." + failed(added.message()));
    }
  }

  void addExtraFiles() {
    const std::vector<std::string> entries = extraFiles();
    if (entries.empty()) return;
    line("Adding extra files ");
    yield();
    UninstallRecord record(files(), destination_);
    if (Status begun = record.begin(); !begun) {
      // Without a record a roll back could not take the files out again.
      failLine("Writing " + std::string(kUninstallRecordName) + "..." + failed(begun.message()));
      line("No extra files were added.");
      yield();
      return;
    }
    for (const std::string& entry : entries) {
      addExtraFile(record, entry);
      advance();
    }
  }

  void addExtraFile(UninstallRecord& record, const std::string& entry) {
    const auto found = files().lookUp(entry);
    if (!found || found->isFolder) {
      line(shownPath(entry) + "...Not found");
      yield();
      advance();
      return;
    }
    const std::string target = joinPath(additionsFolder(), found->name);
    const bool stoodThere = files().exists(target);
    if (stoodThere && !isNewCopy() && unprotected(target)) {
      failLine(shownPath(entry) + "..." + failed(unprotectedReason(found->name)));
      yield();
      return;
    }
    if (!samePath(entry, target)) {
      if (Status copied = files().copyFile(entry, target); !copied) {
        failLine(shownPath(entry) + "..." + failed(copied.message()));
        yield();
        return;
      }
    }
    // A file of that name that stood there before is the user's: a roll
    // back must never delete it, so it is not recorded.
    if (!stoodThere) {
      if (Status recorded = record.add(target); !recorded) {
        // An unrecorded copy could never be rolled back, so it goes again.
        Status removed = files().removeFile(target);
        failLine(
            shownPath(entry) + "..." +
            failed(recorded.message() + (removed ? "; the copy was taken out again"
                                                 : "; the copy could not be taken out again: " + removed.message())));
        yield();
        return;
      }
    }
    advance();
    addToProject(target);
    line(shownPath(target));
    yield();
  }

  void writeGlobalVariables() {
    if (!c_.options.variableDump && !c_.dump.localDumpUsed) return;
    const std::string target = joinPath(additionsFolder(), kGlobalVariablesFileName);
    if (!isNewCopy() && files().exists(target) && unprotected(target)) {
      failLine("Writing " + std::string(kGlobalVariablesFileName) + "..." +
               failed(unprotectedReason(kGlobalVariablesFileName)));
      return;
    }
    auto written = writeGlobalVariablesModule(c_.workspace, additionsFolder(), c_.dump);
    if (!written) {
      failLine("Writing " + std::string(kGlobalVariablesFileName) + "..." + failed(written.message()));
      return;
    }
    addToProject(*written);
  }

  void compile() {
    CompileContext compile{
        files(), c_.workspace.programFolder, c_.summary, c_.dialogs, c_.yield, c_.settings, c_.vbLocation, c_.launcher};
    if (compileProject(compile, resultProjectFile_, c_.project.isExe) == CompileResult::StartFailed) {
      ++outcome_.failures;
    }
  }

  RunContext& c_;
  RunOutcome outcome_;
  int maximum_ = 1;
  int value_ = 0;
  std::string destination_;         // ends with a separator
  std::string resultProjectFile_;   // the project file the additions go into
  std::set<std::string> uncopied_;  // lower-cased names whose copy at the destination failed
};

}  // namespace

int progressMaximum(const RunOptions& options, int extraFiles) {
  const int files = static_cast<int>(options.selectedFiles.size());
  const int maximum = 3 * files + 2 * extraFiles + 1 + (options.addLineNumbers ? files : 0) +
                      (options.compile ? 1 : 0) + (options.variableDump ? files : 0);
  return std::max(maximum, 1);
}

std::string elapsedSecondsText(std::int64_t milliseconds, std::string_view decimalSeparator) {
  if (milliseconds < 0) milliseconds = 0;
  // Hundredths, a half going to the even neighbour; whole numbers keep the
  // arithmetic exact.
  std::int64_t hundredths = milliseconds / 10;
  const std::int64_t rest = milliseconds % 10;
  if (rest > 5 || (rest == 5 && hundredths % 2 == 1)) ++hundredths;
  std::string text = std::to_string(hundredths / 100);
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction != 0) {
    text += decimalSeparator;
    text.push_back(static_cast<char>('0' + fraction / 10));
    if (fraction % 10 != 0) text.push_back(static_cast<char>('0' + fraction % 10));
  }
  return text;
}

RunOutcome runUpdate(RunContext& context) { return UpdateRun(context).perform(); }

}  // namespace qm
