#include "run/update_run.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "engine/insertion.h"
#include "platform/folder_lock.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/member_lines.h"
#include "project/project_file.h"
#include "run/backup.h"
#include "run/compile.h"
#include "run/member_places.h"
#include "run/member_rewrite.h"
#include "run/outside_record.h"
#include "run/second_thread.h"
#include "vardump/global_variables.h"

namespace qm {

namespace {

std::vector<std::string> nonEmptyEntries(const std::vector<std::string>& entries) {
  std::vector<std::string> out;
  for (const std::string& entry : entries) {
    if (!trimSpaces(entry).empty()) out.push_back(entry);
  }
  return out;
}

std::string failed(std::string_view why) { return "Failed: " + std::string(why); }

// A result written beside its target, waiting for the batch's rename.
struct StagedResult {
  std::string name;          // as the summary names the file
  std::string staged;        // the file written beside the target
  std::string target;
  std::string linkedBackup;  // a backup that is a second name of the target's file, if any
};

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

    if (optionsUsable() && lockProject() && prepareDestination()) {
      if (isNewCopy()) {
        copyWholeProject();
      } else {
        backUpChangedFiles();
      }
      processFiles();
      writeResults();
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
  const std::string& projectFolder() const { return c_.project.projectFolder; }

  // Where extra files and the global variables module go.
  const std::string& additionsFolder() const { return isNewCopy() ? destination_ : projectFolder(); }

  std::vector<std::string> extraFiles() const { return nonEmptyEntries(c_.currentStyle().files); }

  // A selected file's path as the project file gives it.
  std::string listedPath(std::string_view path) const {
    return startsWith(path, projectFolder()) ? std::string(path.substr(projectFolder().size()))
                                             : std::string(bareName(path));
  }

  // The module the run writes afresh; processing it as a member would make
  // it grow with every run.
  bool isGeneratedModule(std::string_view path) const {
    return toLower(bareName(path)) == toLower(kGlobalVariablesFileName) && liesDirectlyIn(path, projectFolder());
  }

  // The selected files the run will read and may change.
  std::vector<std::string> filesToProcess() {
    std::vector<std::string> out;
    for (const std::string& path : c_.options.selectedFiles) {
      if (files().isFile(path) && !isGeneratedModule(path)) out.push_back(path);
    }
    return out;
  }

  // A top-level file of the folder the run changes in place whose copy at
  // the destination failed: in a Backup run it has no copy to go back to,
  // in a new copy it is not this project's file at the destination.
  bool unprotected(std::string_view path) const {
    const std::string& folder = isNewCopy() ? destination_ : projectFolder();
    return liesDirectlyIn(path, folder) && uncopied_.count(toLower(bareName(path))) > 0;
  }
  // In a Backup run: where the copy of a member to be changed goes when it
  // is made as the member is read; nothing when it was made beforehand.
  std::optional<std::string> backupOnReading(const std::string& path, const std::string& name) const {
    if (liesDirectlyIn(path, projectFolder())) {
      if (backedUpOnReading_.count(toLower(bareName(path))) == 0) return std::nullopt;
      return joinPath(destination_, name);
    }
    const auto below = backupsBelow_.find(path);
    if (below == backupsBelow_.end()) return std::nullopt;
    return below->second;
  }
  // In a Backup run: the file has a copy in the backup folder.
  bool backedUp(const std::string& path) const {
    if (liesDirectlyIn(path, projectFolder())) return !unprotected(path);
    return backedUp_.count(path) > 0;
  }
  std::string unprotectedReason(std::string_view name) const {
    return std::string("no copy of ") + std::string(name) +
           (isNewCopy() ? " was made in the new folder" : " was made in the backup folder") +
           ", so it is left as it was";
  }

  // Creates the folders between the destination and `target`, one level at a time.
  Status makeFoldersFor(const std::string& target) {
    const std::string_view folder = withoutTrailingSeparator(folderOf(target));
    if (folder.size() <= destination_.size() || files().isFolder(folder)) return {};
    if (Status parent = makeFoldersFor(std::string(folder)); !parent) return parent;
    return files().createFolder(folder);
  }

  // ------------------------------------------------------------ before anything is touched

  bool optionsUsable() {
    if (c_.options.action == RunAction::Add) {
      if (auto threshold = insertionThreshold(c_.options.minLines); !threshold) {
        return refuse(threshold.message() + ".");
      }
    }
    if (c_.options.addLineNumbers && !std::isfinite(c_.options.lineNumberStart)) {
      return refuse("The first line number is not a number.");
    }
    return true;
  }

  bool lockProject() {
    lock_ = FolderLock::take(files(), projectFolder());
    if (lock_.held()) return true;
    outcome_.refusal = lock_.message() + ". No files were modified.";
    line(outcome_.refusal);
    yield();
    ++outcome_.failures;
    outcome_.refused = true;
    return false;
  }

  bool prepareDestination() {
    if (!isNewCopy()) {
      auto folder = createBackupFolder(files(), projectFolder(), c_.clock);
      if (!folder) return refuse("The backup folder could not be created: " + folder.message());
      destination_ = *folder;
      outcome_.backupFolder = destination_;
      resultProjectFile_ = c_.project.projectFile;
      return true;
    }
    const std::int16_t check = iCheckFolder(files(), c_.options.newLocation, projectFolder(), filesToProcess());
    if (check == 0) return refuse("The chosen destination folder was not valid.");
    destination_ = withTrailingSeparator(c_.options.newLocation);
    resultProjectFile_ = destination_ + std::string(bareName(c_.project.projectFile));
    if (check == 2) {
      Status created = files().createFolder(withoutTrailingSeparator(destination_));
      if (!created) return refuse("The chosen destination folder could not be created: " + created.message());
    }
    return true;
  }

  bool refuse(std::string_view why) {
    outcome_.refusal = std::string(why);
    failLine(why);
    line("No files were modified.");
    yield();
    outcome_.refused = true;
    return false;
  }

  // ------------------------------------------------------------ protecting the project

  void reportCopyFailures(const ProjectCopy& copy) {
    for (const FileFailure& failure : copy.failed) {
      uncopied_.insert(toLower(failure.name));
      failLine("Copying " + failure.name + (isNewCopy() ? " to the new folder..." : " to the backup folder...") +
               failed(failure.message));
    }
  }

  static std::set<std::string> lowered(const std::vector<std::string>& names) {
    std::set<std::string> out;
    for (const std::string& name : names) out.insert(toLower(name));
    return out;
  }

  // Backup: the top-level files, and every file to be changed from a
  // sub-folder or from outside the project's folder, all made durable by
  // the batch's first flush, before any file they protect changes. The
  // members to be processed in the project's folder and below are backed up
  // as each is read (see backUpOnReading); those from outside are backed up
  // here, in the same way, since the record written next names their copies.
  void backUpChangedFiles() {
    std::vector<std::string> listed;
    for (const std::string& path : filesToProcess()) {
      listed.push_back(listedPath(path));
      if (liesDirectlyIn(path, projectFolder())) backedUpOnReading_.insert(toLower(bareName(path)));
    }
    const std::vector<std::string> topLevel = topLevelFiles(files(), projectFolder());
    const ProjectCopy copy = copyProjectFiles(files(), topLevel, projectFolder(), destination_, backedUpOnReading_);
    reportCopyFailures(copy);
    backupCopies_ = copy.copied;
    std::vector<OutsideCopy> outside;
    for (const MemberPlace& place : placeMembers(listed, projectFolder(), kOutsideFolderName, lowered(topLevel))) {
      if (!place.outside && place.relative.find('\\') == std::string::npos) continue;  // a top-level file
      const std::string target = joinPath(destination_, place.relative);
      Status copied = makeFoldersFor(target);
      if (copied && !place.outside) {
        backupsBelow_[place.source] = target;
        continue;
      }
      if (copied) {
        auto made = backUpOnReading(place.source, target);
        if (made && *made) linkedAhead_[place.source] = target;
        copied = made.status();
      }
      if (!copied) {
        failLine("Copying " + shownPath(place.listed) + " to the backup folder..." + failed(copied.message()));
        continue;
      }
      backedUp_.insert(place.source);
      outside.push_back({place.relative, place.listed});
    }
    if (!outside.empty()) {
      if (Status recorded = files().writeFile(joinPath(destination_, kOutsideRecordName), outsideRecordText(outside));
          !recorded) {
        // Without the record a roll back could not find the copies' places.
        failLine("Writing " + std::string(kOutsideRecordName) + "..." + failed(recorded.message()));
        for (const OutsideCopy& copyOf : outside) {
          const std::string member = projectFolder() + copyOf.member;
          backedUp_.erase(member);
          separateLinkedAhead(std::string(bareName(member)), member);
        }
      }
    }
    advance();
  }

  // A member's backup, made as it is read: a second name of the member's
  // file where the file system allows, else a copy. The run replaces a
  // member only by renaming a new file over it, so the second name keeps
  // the old bytes; a member that is not replaced gets a copy of its own in
  // the end (see separateBackup). Returns whether the backup is a second name.
  Result<bool> backUpOnReading(const std::string& path, const std::string& target) {
    if (files().linkFile(path, target)) return true;
    if (Status copied = files().copyFileUnflushed(path, target); !copied) return copied;
    return false;
  }

  // Turns a backup that is a second name of a member that will not be
  // replaced into a copy of its own, so that a later change made inside the
  // member's file (as editors save) leaves the backup as it is. Before the
  // batch, the batch's flush makes the copy durable; after it, the copy
  // waits for the disk itself.
  void separateBackup(const std::string& name, const std::string& member, const std::string& backup,
                      bool waitForDisk) {
    if (Status copied = waitForDisk ? files().copyFile(member, backup) : files().copyFileUnflushed(member, backup);
        !copied) {
      failLine("Copying " + name + " to the backup folder..." + failed(copied.message()));
    }
  }

  // The backup made beforehand as a second name of a member's file, if any.
  std::string linkedAhead(const std::string& member) const {
    const auto linked = linkedAhead_.find(member);
    return linked == linkedAhead_.end() ? std::string() : linked->second;
  }

  // The same, for a member that will not be replaced after all.
  void separateLinkedAhead(const std::string& name, const std::string& member) {
    if (const std::string backup = linkedAhead(member); !backup.empty()) separateBackup(name, member, backup, false);
  }

  // NewCopy: every top-level file and every member the project file lists,
  // with its companion file, at its own path inside the copy; the members
  // the run processes are written there by the run itself. Members from
  // outside the project's folder move inside the copy, and the copy's
  // project file names them there.
  void copyWholeProject() {
    auto projectText = files().readFile(c_.project.projectFile);
    const std::vector<std::string> listed = projectText ? allMemberPaths(*projectText) : std::vector<std::string>();
    const std::vector<std::string> topLevel = topLevelFiles(files(), projectFolder());
    const std::vector<MemberPlace> places = placeMembers(listed, projectFolder(), "", lowered(topLevel));
    std::set<std::string> processed;
    for (const std::string& path : filesToProcess()) processed.insert(toLower(foldedPath(listedPath(path))));
    const bool rewriteProject = std::any_of(places.begin(), places.end(), [](const MemberPlace& p) { return p.outside; });

    std::set<std::string> leaveOut;
    for (const MemberPlace& place : places) {
      if (!place.outside && processed.count(toLower(place.relative)) > 0) leaveOut.insert(toLower(place.relative));
    }
    if (rewriteProject) leaveOut.insert(toLower(bareName(c_.project.projectFile)));
    reportCopyFailures(copyProjectFiles(files(), topLevel, projectFolder(), destination_, leaveOut));

    for (const MemberPlace& place : places) {
      newCopyPlaces_[toLower(foldedPath(place.listed))] = place.relative;
      const bool topLevel = !place.outside && place.relative.find('\\') == std::string::npos;
      if (topLevel) continue;  // copied with the top-level files
      copyCompanion(place);
      if (processed.count(toLower(foldedPath(place.listed))) == 0) copyMember(place.source, place.relative, place.listed);
    }
    if (rewriteProject && projectText) writeCopiedProjectFile(*projectText, places);
    if (Status flushed = files().flushFolder(destination_); !flushed) {
      failLine("Copying the project to the new folder..." + failed(flushed.message()));
    }
    advance();
  }

  void copyMember(const std::string& source, const std::string& relative, std::string_view shown) {
    const auto found = files().lookUp(source);
    if (!found || found->isFolder) {
      failLine(shownPath(shown) + "...Not found");
      return;
    }
    const std::string target = joinPath(destination_, std::string(folderOf(relative)) + found->name);
    Status copied = makeFoldersFor(target);
    if (copied) copied = files().copyFileUnflushed(source, target);
    if (!copied) failLine("Copying " + shownPath(shown) + " to the new folder..." + failed(copied.message()));
  }

  void copyCompanion(const MemberPlace& place) {
    const std::string_view extension = companionExtension(place.listed);
    if (extension.empty()) return;
    const std::string source = withExtension(place.source, extension);
    if (files().isFile(source)) copyMember(source, withExtension(place.relative, extension), withExtension(place.listed, extension));
  }

  void writeCopiedProjectFile(const std::string& projectText, const std::vector<MemberPlace>& places) {
    std::string text;
    text.reserve(projectText.size() + 64);
    for (std::string_view projectLine : splitLines(projectText)) {
      const auto member = memberLineOf(projectLine);
      const auto place = member ? std::find_if(places.begin(), places.end(),
                                               [&](const MemberPlace& p) { return p.outside && p.listed == member->path; })
                                : places.end();
      appendLine(text, place != places.end() ? withMemberPath(projectLine, *member, place->relative)
                                             : std::string(projectLine));
    }
    if (Status written = files().writeFile(resultProjectFile_, text); !written) {
      uncopied_.insert(toLower(bareName(resultProjectFile_)));
      failLine("Copying " + std::string(bareName(resultProjectFile_)) + " to the new folder..." +
               failed(written.message()));
    }
  }

  // ------------------------------------------------------------ each file

  // Each member is read, backed up, rewritten and saved in turn, and the
  // summary tells of it in that order; but while one member is saved, the
  // next is already read and rewritten on the second thread. Looking ahead
  // only reads: every change to the disk keeps its place in the run.
  void processFiles() {
    const std::vector<std::string>& selected = c_.options.selectedFiles;
    for (std::size_t i = 0; i < selected.size(); ++i) {
      processFile(selected[i], i + 1 < selected.size() ? &selected[i + 1] : nullptr);
    }
  }

  // A selected file as the run finds it, and its rewrite once started.
  struct MemberRead {
    std::string path;
    std::optional<DirEntry> entry;
    std::optional<Result<std::shared_ptr<const std::string>>> source;  // once read, ahead or in turn
    std::future<MemberRewrite> rewrite;
    // The member's bytes, once read successfully.
    const std::string& text() const { return ***source; }
  };

  MemberRead lookUpMember(const std::string& path) { return MemberRead{path, files().lookUp(path), {}, {}}; }

  bool worthReading(const MemberRead& member) const {
    return member.entry && !member.entry->isFolder && !isGeneratedModule(member.path);
  }

  static Result<std::shared_ptr<const std::string>> shared(Result<std::string> text) {
    if (!text) return text.status();
    return std::make_shared<const std::string>(std::move(*text));
  }

  RewriteSettings rewriteSettings() const {
    return RewriteSettings{c_.options, c_.project.projectName, c_.procedures, &c_.notes.userTypes};
  }
  RewriteStyle styleNow() const { return rewriteStyleFor(c_.options.action, c_.currentStyle()); }

  std::future<MemberRewrite> startRewrite(const MemberRead& member) {
    return rewriter_.run([settings = rewriteSettings(), style = styleNow(), path = member.path,
                          name = member.entry->name, text = *member.source]() {
      return rewriteMember(settings, style, path, name, **text);
    });
  }

  // Reads the next member and starts its rewrite with the style as it is now.
  void readAhead(const std::string& path) {
    MemberRead next = lookUpMember(path);
    if (worthReading(next)) {
      next.source = shared(files().readFile(path));
      if (*next.source) next.rewrite = startRewrite(next);
    }
    ahead_ = std::move(next);
  }

  MemberRead takeMember(const std::string& path) {
    if (ahead_ && ahead_->path == path) {
      MemberRead member = std::move(*ahead_);
      ahead_.reset();
      return member;
    }
    return lookUpMember(path);
  }

  void processFile(const std::string& path, const std::string* next) {
    MemberRead member = takeMember(path);
    if (!worthReading(member)) return;  // gone since the project was read, or the generated module: passed over
    const std::string name = member.entry->name;

    line("Creating backup of " + name + "...");
    yield();
    const std::optional<std::string> backup = isNewCopy() ? std::nullopt : backupOnReading(path, name);
    if (!isNewCopy() && !backup && !backedUp(path)) {
      failAdd(failed(unprotectedReason(name)));
      return;
    }
    if (!member.source) member.source = shared(files().readFile(path));
    if (!*member.source) {
      failAdd(failed(member.source->message()));
      separateLinkedAhead(name, path);
      return;
    }
    const std::string& source = member.text();
    std::string linkedBackup = isNewCopy() ? std::string() : linkedAhead(path);
    if (backup) {
      auto linked = backUpOnReading(path, *backup);
      if (!linked) {
        if (liesDirectlyIn(path, projectFolder())) uncopied_.insert(toLower(name));
        failAdd(failed(linked.message()));
        return;
      }
      if (*linked) linkedBackup = *backup;
    }
    add("Done");
    advance();

    if (!member.rewrite.valid()) member.rewrite = startRewrite(member);
    if (next != nullptr) readAhead(*next);
    std::optional<std::string> result = report(member, name);
    // A new copy holds every member: one that could not be processed goes
    // there as it was.
    const bool staged = (result || isNewCopy()) && save(name, path, source, result ? *result : source, linkedBackup);
    if (!staged && !linkedBackup.empty()) separateBackup(name, path, linkedBackup, false);
  }

  // The member's rewrite, told step by step. A rewrite started before a
  // change of style is made again: the style read after "Analysing" holds.
  std::optional<std::string> report(MemberRead& member, const std::string& name) {
    line("Analysing " + name + "...");
    yield();
    const RewriteStyle style = styleNow();
    MemberRewrite rewrite = member.rewrite.get();
    if (rewrite.style != style) rewrite = rewriteMember(rewriteSettings(), style, member.path, name, member.text());
    if (!rewrite.failure.empty()) {
      failAdd(failed(rewrite.failure));
      return std::nullopt;
    }
    add("Done (" + rewrite.summary + " procedures updated)");
    for (const NameClash& clash : rewrite.clashes) line(nameClashLine(name, clash));
    advance();
    if (c_.options.action == RunAction::Add) {
      c_.dump.append(rewrite.dump);
      advance();
    }
    if (c_.options.addLineNumbers) {
      line("Adding line numbers to " + name + "...");
      add("Success");
      advance();
    }
    return std::move(rewrite.text);
  }

  // A processed member's path inside the new copy: as the copy places it,
  // or, should the project file not have been readable, inside the copy all
  // the same (never beside it through a leading "..\").
  std::string newCopyPlace(const std::string& path) const {
    const std::string listed = listedPath(path);
    const auto place = newCopyPlaces_.find(toLower(foldedPath(listed)));
    if (place != newCopyPlaces_.end()) return place->second;
    const std::vector<MemberPlace> alone = placeMembers({listed}, projectFolder(), "", {});
    return alone.empty() ? std::string(bareName(path)) : alone.front().relative;
  }

  // Writes the result beside its target, for the batch to rename into
  // place; tells whether it did.
  bool save(const std::string& name, const std::string& path, const std::string& source, const std::string& result,
            const std::string& linkedBackup) {
    std::string target = path;
    if (isNewCopy()) {
      target = joinPath(destination_, std::string(folderOf(newCopyPlace(path))) + name);
      if (Status made = makeFoldersFor(target); !made) {
        failLine("Saving " + name + "..." + failed(made.message()));
        return false;
      }
    } else if (result == source) {
      return false;  // nothing to change: the file is not written at all
    }
    auto staged = files().stageBeside(target, result);
    if (!staged) {
      failLine("Saving " + name + "..." + failed(staged.message()));
      return false;
    }
    staged_.push_back({name, *staged, target, linkedBackup});
    return true;
  }

  // The folders the batch flushes: those of the results and, in a Backup
  // run, the backup folder, whose copies must be on the disk first.
  std::vector<std::string> stagedFolders() const {
    std::vector<std::string> folders;
    if (!isNewCopy()) folders.push_back(destination_);
    for (const StagedResult& result : staged_) {
      std::string folder(folderOf(result.target));
      if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(std::move(folder));
    }
    return folders;
  }

  Status flushFolders(const std::vector<std::string>& folders) { return files().flushFolders(folders); }

  // The batch: every result is beside its target and every backup made;
  // one flush makes them durable, the renames put the results in place, one
  // more flush makes the renames durable.
  void writeResults() {
    if (staged_.empty() && isNewCopy()) return;
    const std::vector<std::string> folders = stagedFolders();
    if (Status flushed = flushFolders(folders); !flushed) {
      if (!isNewCopy()) {
        failLine("Copying the project to the backup folder..." + failed(flushed.message()));
        for (const std::string& name : backupCopies_) uncopied_.insert(toLower(name));
      }
      for (const StagedResult& result : staged_) {
        (void)files().discardStaged(result.staged);  // a leftover is hidden and never read
        failLine("Saving " + result.name + "..." + failed(flushed.message()));
        if (!result.linkedBackup.empty()) separateBackup(result.name, result.target, result.linkedBackup, true);
      }
      staged_.clear();
      return;
    }
    for (const StagedResult& result : staged_) {
      if (Status committed = files().commitStaged(result.staged, result.target); !committed) {
        (void)files().discardStaged(result.staged);
        failLine("Saving " + result.name + "..." + failed(committed.message()));
        if (!result.linkedBackup.empty()) separateBackup(result.name, result.target, result.linkedBackup, true);
      }
    }
    if (staged_.empty()) return;
    staged_.clear();
    if (Status flushed = flushFolders(folders); !flushed) {
      failLine("Saving the changed files..." + failed(flushed.message()));
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
      failLine(shownPath(entry) + "...Not found");
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
  FolderLock lock_;                 // held from the checks to the end of the run
  std::string destination_;         // ends with a separator
  std::string resultProjectFile_;   // the project file the additions go into
  std::set<std::string> uncopied_;  // lower-cased top-level names whose copy at the destination failed
  std::set<std::string> backedUp_;  // Backup: files outside the project's folder with a copy
  std::vector<std::string> backupCopies_;         // Backup: the top-level files copied beforehand
  std::set<std::string> backedUpOnReading_;        // Backup: lower-cased top-level members backed up as read
  std::map<std::string, std::string> backupsBelow_;  // Backup: member below the project's folder -> its copy
  std::map<std::string, std::string> linkedAhead_;   // Backup: member from outside -> its backup, a second name
  std::map<std::string, std::string> newCopyPlaces_;  // NewCopy: lower-cased folded member path -> its path in the copy
  std::vector<StagedResult> staged_;
  std::optional<MemberRead> ahead_;  // the next member, read and being rewritten
  SecondThread rewriter_;  // last, so that its jobs end before the rest goes
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
