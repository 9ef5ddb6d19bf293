#include "styles/style_editor.h"

#include <algorithm>

#include "platform/text.h"
#include "styles/style_file.h"
#include "styles/style_name.h"
#include "styles/tags.h"

namespace qm {

namespace {

constexpr int kHoldProgressMilliseconds = 500;
constexpr std::string_view kTabSpaces = "    ";

bool isTextTab(int tab) { return tab == kFirstCodeTab || tab == kLastCodeTab; }

std::string_view tagOfItem(std::size_t item) { return tagText(static_cast<Tag>(item)); }

struct TagHit {
  TextRange range;
  std::string_view tag;
};

// Every occurrence of every tag, in any letter case, by position.
std::vector<TagHit> tagsIn(std::string_view text) {
  std::vector<TagHit> hits;
  for (std::size_t item = 0; item < kTagCount; ++item) {
    const std::string_view tag = tagOfItem(item);
    for (std::size_t at = findNoCase(text, tag); at != std::string::npos; at = findNoCase(text, tag, at + tag.size())) {
      hits.push_back({{at, tag.size()}, tag});
    }
  }
  std::sort(hits.begin(), hits.end(), [](const TagHit& a, const TagHit& b) { return a.range.start < b.range.start; });
  return hits;
}

// The text with every tag written in the tag's own spelling. Tags keep their
// length, so no position in the text moves.
std::string withTagsRespelled(std::string_view text) {
  std::string out(text);
  for (const TagHit& hit : tagsIn(text)) out.replace(hit.range.start, hit.range.length, hit.tag);
  return out;
}

// The range [start, start + length) clipped to a text of `size` bytes.
TextRange clipped(std::size_t size, std::size_t start, std::size_t length) {
  start = std::min(start, size);
  return {start, std::min(length, size - start)};
}

}  // namespace

std::string displayForm(std::string_view styleText) { return replaceAll(styleText, "\r\n", "\n"); }

std::string styleForm(std::string_view displayText) { return replaceAll(displayText, "\n", "\r\n"); }

StyleEditor::StyleEditor(Workspace& workspace, Dialogs& dialogs, StyleEditorHooks hooks)
    : workspace_(workspace), dialogs_(dialogs), hooks_(std::move(hooks)) {}

// --- the current style --------------------------------------------------------

bool StyleEditor::load(std::string_view sFileName) {
  caption_ = "Editor: " + std::string(sFileName);
  selectTab(kFirstCodeTab);
  style_.files.clear();
  selectedFiles_.clear();

  StyleLoad loaded = bLoadDetails(workspace_.files, workspace_.programFolder, sFileName);
  usable_ = loaded.ok;
  if (!loaded.ok) return false;

  style_ = std::move(loaded.style);
  style_.onErrorText = withTagsRespelled(style_.onErrorText);
  style_.handlerText = withTagsRespelled(style_.handlerText);
  selectedFiles_.assign(style_.files.size(), false);
  for (TextArea& area : areas_) area = TextArea{};
  saveEnabled_ = false;
  if (loaded.mentionsVariableDump && hooks_.tickVariableDump) hooks_.tickVariableDump();
  return true;
}

// --- the window -------------------------------------------------------------------

void StyleEditor::show() {
  visible_ = true;
  refocusCurrentTab();
}

void StyleEditor::hide() { visible_ = false; }

void StyleEditor::selectTab(int tab) {
  tab_ = std::clamp(tab, kFirstCodeTab, kExtraFilesTab);
  if (visible_) refocusCurrentTab();
}

void StyleEditor::refocusCurrentTab() {
  setFocus(tab_ == kExtraFilesTab ? EditorFocus::FileList : EditorFocus::TextArea);
}

void StyleEditor::setFocus(EditorFocus focus) {
  focus_ = focus;
  switch (focus) {
    case EditorFocus::TextArea:
      insertMenuEnabled_ = true;
      tagItemsEnabled_ = true;
      extraFileEnabled_ = true;
      removeFileEnabled_ = false;
      break;
    case EditorFocus::FileList:
      insertMenuEnabled_ = true;
      extraFileEnabled_ = true;
      tagItemsEnabled_ = false;
      removeFileEnabled_ = !style_.files.empty();
      break;
    case EditorFocus::TabStrip:
      insertMenuEnabled_ = false;
      break;
  }
}

std::vector<std::string> StyleEditor::tagItemCaptions() {
  std::vector<std::string> captions;
  for (std::size_t item = 0; item < kTagCount; ++item) {
    captions.emplace_back(tagMenuEntry(static_cast<Tag>(item)));
  }
  return captions;
}

// --- the text areas -----------------------------------------------------------------

std::string& StyleEditor::storedText(int tab) {
  return tab == kLastCodeTab ? style_.handlerText : style_.onErrorText;
}

const std::string& StyleEditor::storedText(int tab) const {
  return tab == kLastCodeTab ? style_.handlerText : style_.onErrorText;
}

std::string StyleEditor::text(int tab) const { return isTextTab(tab) ? displayForm(storedText(tab)) : std::string(); }

std::size_t StyleEditor::caret(int tab) const { return isTextTab(tab) ? areas_[tab].caret : 0; }

TextRange StyleEditor::selection(int tab) const { return isTextTab(tab) ? areas_[tab].selection : TextRange{}; }

std::vector<TextRange> StyleEditor::highlights(int tab) const {
  std::vector<TextRange> ranges;
  if (!isTextTab(tab)) return ranges;
  for (const TagHit& hit : tagsIn(text(tab))) ranges.push_back(hit.range);
  return ranges;
}

void StyleEditor::takeText(int tab, std::string_view displayText, std::size_t caret) {
  if (displayText != text(tab)) {
    saveEnabled_ = true;
    usable_ = true;
  }
  storedText(tab) = styleForm(withTagsRespelled(displayText));
  const std::size_t shownSize = displayText.size();
  areas_[tab].caret = std::min(caret, shownSize);
  areas_[tab].selection = {areas_[tab].caret, 0};
}

void StyleEditor::setText(int tab, std::string_view displayText, std::size_t caret) {
  if (isTextTab(tab)) takeText(tab, displayText, caret);
}

void StyleEditor::insertTag(int item, std::size_t selectionStart, std::size_t selectionLength) {
  if (item < 0 || item >= static_cast<int>(kTagCount)) return;
  const std::string_view tag = tagOfItem(static_cast<std::size_t>(item));
  if (isTextTab(tab_)) {
    std::string shown = text(tab_);
    const TextRange replaced = clipped(shown.size(), selectionStart, selectionLength);
    shown.replace(replaced.start, replaced.length, tag);
    takeText(tab_, shown, replaced.start + tag.size());
    setFocus(EditorFocus::TextArea);
  }
  if (static_cast<Tag>(item) == Tag::VariableDump) {
    if (hooks_.tickVariableDump) hooks_.tickVariableDump();
    declareVariableDump();
  }
}

// The dump code that the tag stands for fills a variable that the procedure
// must declare; the declaration goes at the end of the ON ERROR text, once.
void StyleEditor::declareVariableDump() {
  std::string& onError = style_.onErrorText;
  if (toLower(onError).find("slocalvariabledump") != std::string::npos) return;
  if (!onError.empty() && !endsWith(onError, "\r\n")) onError.append("\r\n");
  onError.append(kVariableDumpDeclaration);
  onError.append("\r\n");
  saveEnabled_ = true;
}

void StyleEditor::insertTabSpaces(std::size_t selectionStart, std::size_t selectionLength) {
  if (!isTextTab(tab_)) return;
  std::string shown = text(tab_);
  const TextRange replaced = clipped(shown.size(), selectionStart, selectionLength);
  shown.replace(replaced.start, replaced.length, kTabSpaces);
  takeText(tab_, shown, replaced.start + kTabSpaces.size());
}

// --- the extra files list ---------------------------------------------------------------

bool StyleEditor::fileSelected(std::size_t index) const {
  return index < selectedFiles_.size() && selectedFiles_[index];
}

void StyleEditor::setFileSelected(std::size_t index, bool selected) {
  if (index < selectedFiles_.size()) selectedFiles_[index] = selected;
}

void StyleEditor::addExtraFiles() {
  selectTab(kExtraFilesTab);
  tagItemsEnabled_ = false;

  FileDialogRequest request;
  request.title = std::string(kExtraFilesTitle);
  request.filter = std::string(kExtraFilesFilter);
  request.initialFolder = workspace_.programFolder;
  request.allowMultiple = true;
  for (std::string& path : dialogs_.openFile(request)) {
    if (path.empty() || std::find(style_.files.begin(), style_.files.end(), path) != style_.files.end()) continue;
    style_.files.push_back(std::move(path));
    selectedFiles_.push_back(false);
    saveEnabled_ = true;
  }

  if (style_.files.empty()) {
    removeFileEnabled_ = false;
    return;
  }
  setFocus(EditorFocus::FileList);
  std::fill(selectedFiles_.begin(), selectedFiles_.end(), false);
  selectedFiles_.front() = true;
}

void StyleEditor::removeSelectedFiles() {
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < style_.files.size(); ++i) {
    if (!fileSelected(i)) kept.push_back(std::move(style_.files[i]));
  }
  if (kept.size() != style_.files.size()) saveEnabled_ = true;
  style_.files = std::move(kept);
  selectedFiles_.assign(style_.files.size(), false);

  if (style_.files.empty()) {
    removeFileEnabled_ = false;
  } else {
    setFocus(EditorFocus::FileList);
  }
}

void StyleEditor::openExtraFile(std::size_t index) {
  if (index < style_.files.size() && hooks_.openDocument) hooks_.openDocument(style_.files[index]);
}

// --- saving -------------------------------------------------------------------------------

void StyleEditor::setProgress(bool visible, int value) {
  progressVisible_ = visible;
  progressValue_ = value;
  if (hooks_.repaint) hooks_.repaint();
}

void StyleEditor::showFailure(const Status& status) { dialogs_.messageBox(status.message(), caption_); }

Status StyleEditor::saveUnder(std::string_view styleName) {
  setProgress(true, 0);
  const Status written = saveStyle(workspace_, style_, styleName);
  if (!written) {
    setProgress(false, 0);
    showFailure(written);
    return written;
  }
  setProgress(true, saveProgressMaximum());
  if (hooks_.saveLastRoutine) hooks_.saveLastRoutine(std::string(styleName));
  if (hooks_.styleListChanged) hooks_.styleListChanged();
  if (hooks_.holdProgress) hooks_.holdProgress(kHoldProgressMilliseconds);
  setProgress(false, saveProgressMaximum());
  return written;
}

Status StyleEditor::save() {
  if (style_.name.empty()) return saveAs();
  const Status saved = saveUnder(style_.name);
  if (saved) saveEnabled_ = false;
  return saved;
}

Status StyleEditor::saveAs() {
  const std::string name = styleNameFromAnswer(dialogs_.inputBox(kNewStylePrompt, kNewStyleTitle, ""));
  if (name.empty()) return {};
  if (!isBareFileName(name)) {
    dialogs_.messageBox(kBadStyleNameMessage, kNewStyleTitle);
    return Status::failure(std::string(kBadStyleNameMessage));
  }
  const Status saved = saveUnder(name);
  if (!saved) return saved;
  saveEnabled_ = false;
  if (load(name) && hooks_.currentStyleChanged) hooks_.currentStyleChanged();
  return saved;
}

}  // namespace qm
