#include "styles/style_library.h"

#include <algorithm>

#include "platform/text.h"
#include "styles/style_file.h"
#include "styles/style_name.h"

namespace qm {

namespace {

constexpr std::string_view kStylePattern = "*.style";
constexpr std::string_view kDefaultStyleTitle = "Code Style";
constexpr std::string_view kDeleteStyleTitle = "Delete Style";

// Name order as people read it: letter case only breaks ties.
bool comesBefore(const std::string& a, const std::string& b) {
  const std::string la = toLower(a), lb = toLower(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace

std::vector<std::string> listStyleFiles(const FileSystem& files, std::string_view programFolder) {
  std::vector<std::string> names;
  for (const DirEntry& entry : files.list(programFolder, kStylePattern)) {
    if (!entry.isFolder) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(), comesBefore);
  return names;
}

std::string styleDisplayName(std::string_view styleName) {
  const std::size_t extension = kStyleExtension.size();
  return std::string(styleName.size() > extension ? styleName.substr(0, styleName.size() - extension) : "");
}

std::string optionsPageTitle(std::string_view styleName) {
  return "3. Set the options [Current style: " + styleDisplayName(styleName) + "]";
}

StyleLibrary::StyleLibrary(Workspace& workspace, StyleEditor& editor, Dialogs& dialogs)
    : workspace_(workspace), editor_(editor), dialogs_(dialogs) {
  editor_.hooks().styleListChanged = [this] { refresh(); };
}

std::optional<std::size_t> StyleLibrary::currentEntry() const {
  const auto found = std::find(entries_.begin(), entries_.end(), sStyle());
  if (found == entries_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries_.begin());
}

void StyleLibrary::refresh() { entries_ = listStyleFiles(workspace_.files, workspace_.programFolder); }

// Only a listed style can be remembered, and only under its exact name.
std::string StyleLibrary::listedOrFirst(std::string_view name) const {
  if (std::find(entries_.begin(), entries_.end(), name) != entries_.end()) return std::string(name);
  return entries_.empty() ? std::string() : entries_.front();
}

void StyleLibrary::makeCurrent(const std::string& name) {
  editor_.load(name);
  editor_.setStyleName(name);
}

Status StyleLibrary::reportFailure(Status status, std::string_view title) {
  dialogs_.messageBox(status.message(), title);
  return status;
}

Status StyleLibrary::chooseCurrentStyle(std::string_view lastRoutine) {
  refresh();
  Status written;
  if (entries_.empty()) {
    written = writeDefaultStyle(workspace_);
    if (!written) reportFailure(written, kDefaultStyleTitle);
    refresh();
  }
  if (!entries_.empty()) makeCurrent(listedOrFirst(lastRoutine));
  return written;
}

bool StyleLibrary::selectStyle(std::string_view entry) {
  if (!editor_.load(entry)) return false;
  editor_.setStyleName(std::string(entry));
  return true;
}

void StyleLibrary::editStyle() { editor_.show(); }

Status StyleLibrary::newStyle() {
  const std::string name = styleNameFromAnswer(dialogs_.inputBox(kNewStylePrompt, kNewStyleTitle, ""));
  if (name.empty()) return {};
  if (!isBareFileName(name)) {
    return reportFailure(Status::failure(std::string(kBadStyleNameMessage)), kNewStyleTitle);
  }
  const Status written = workspace_.files.writeFile(stylePath(workspace_.programFolder, name), emptyStyleText());
  if (!written) return reportFailure(written, kNewStyleTitle);

  if (editor_.hooks().saveLastRoutine) editor_.hooks().saveLastRoutine(name);
  refresh();
  if (editor_.load(name)) {
    editor_.setStyleName(name);
    editor_.show();
  }
  return written;
}

Status StyleLibrary::deleteCurrentStyle() {
  if (!deleteEnabled()) return {};
  const std::string name = sStyle();
  const std::string path = stylePath(workspace_.programFolder, name);
  const auto found = workspace_.files.lookUp(path);
  if (found && !found->isFolder && found->name == name) {
    const Status removed = workspace_.files.removeFile(path);
    if (!removed) {
      refresh();
      return reportFailure(removed, kDeleteStyleTitle);
    }
  }
  refresh();
  listFocused_ = true;
  if (!entries_.empty()) makeCurrent(entries_.front());
  return {};
}

}  // namespace qm
