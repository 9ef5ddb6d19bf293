// The style editor: the one place the current code style lives, with the
// state of the window that edits it. It exists from the first load to the
// end of the program; closing the window only hides it, so unsaved edits are
// what the next run inserts. A view shows this state and reports what the
// person does; it needs no rules of its own.
//
// Text positions. The style holds its texts with a CR LF after every line,
// as the files do. The text areas see the display form, in which each line
// break is one "\n", and every position here (caret, selection, highlighted
// tags) counts bytes of that display form. A view that maps each byte to one
// character (Latin-1) can use the positions as they are.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/workspace.h"
#include "platform/view_services.h"
#include "styles/code_style.h"

namespace qm {

inline constexpr int kFirstCodeTab = 0;   // "First Code": the ON ERROR text
inline constexpr int kLastCodeTab = 1;    // "Last Code": the ERROR HANDLER text
inline constexpr int kExtraFilesTab = 2;  // "Extra Files": the FILES list

// The window's size when it is first shown.
inline constexpr int kEditorWidthTwips = 8835;
inline constexpr int kEditorHeightTwips = 5940;

inline constexpr std::string_view kNewStylePrompt = "Please give a name to the new code style";
inline constexpr std::string_view kNewStyleTitle = "New Style";
inline constexpr std::string_view kVariableDumpDeclaration =
    "Dim sLocalVariableDump as String 'Used for variable dump";
inline constexpr std::string_view kExtraFilesFilter =
    "All Files (*.*)|*.*|Forms (*.frm; *.frx)|*.frm;*.frx|Modules (*.bas)|*.bas|Classes (*.cls)|*.cls";
inline constexpr std::string_view kExtraFilesTitle = "Add Extra Files";

struct Rgb {
  int red = 0, green = 0, blue = 0;
};
// Tags are shown in light red, everything else in black.
inline constexpr Rgb kTagColour{255, 0, 0};
inline constexpr Rgb kTextColour{0, 0, 0};

struct TextRange {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextRange&) const = default;
};

// What holds the keyboard focus; it decides which Insert items are offered.
enum class EditorFocus { TextArea, FileList, TabStrip };

// The editor's ways out to the rest of the program. Every hook may be left
// empty.
struct StyleEditorHooks {
  std::function<void()> tickVariableDump;                   // the options page's variable dump box
  std::function<void(const std::string&)> saveLastRoutine;  // the "LastRoutine" setting
  std::function<void()> styleListChanged;                   // a style file was written
  std::function<void()> currentStyleChanged;                // Save As made another style current
  YieldHook repaint;                                        // let the window repaint (save progress)
  std::function<void(int milliseconds)> holdProgress;       // keep the save bar up this long
  std::function<void(const std::string& path)> openDocument;  // the desktop's default handler
};

class StyleEditor {
 public:
  StyleEditor(Workspace& workspace, Dialogs& dialogs, StyleEditorHooks hooks = {});
  StyleEditor(const StyleEditor&) = delete;
  StyleEditor& operator=(const StyleEditor&) = delete;

  StyleEditorHooks& hooks() { return hooks_; }

  // --- the current style ----------------------------------------------------
  // What the insertion and the update run read, saved or not.
  const CodeStyle& style() const { return style_; }
  // The current style's file name (the main window's `sStyle`).
  const std::string& styleName() const { return style_.name; }
  void setStyleName(std::string name) { style_.name = std::move(name); }

  // Loads a style (with or without ".style"): re-titles the window and shows
  // "First Code", empties the FILES list, then takes the file's texts and
  // files. A style that cannot be read leaves the two texts as they were.
  // Ticks the variable dump box when either text holds its tag. True when
  // the whole file was read.
  bool load(std::string_view sFileName);

  // False before any style was read and after a style failed to load, until
  // the user writes texts of their own: the texts then do not belong to the
  // style the editor is named after, and must not be inserted under its name.
  bool holdsUsableStyle() const { return usable_; }

  // --- the window -------------------------------------------------------------
  const std::string& caption() const { return caption_; }
  bool visible() const { return visible_; }
  void show();
  void hide();  // File > Exit and the close box: never destroyed, edits kept

  int currentTab() const { return tab_; }
  // Changing tabs gives the tab's control the focus while the window is shown.
  void selectTab(int tab);
  EditorFocus focus() const { return focus_; }
  void setFocus(EditorFocus focus);

  // --- menus --------------------------------------------------------------------
  bool saveEnabled() const { return saveEnabled_; }  // there are unsaved changes
  bool insertMenuEnabled() const { return insertMenuEnabled_; }
  bool tagItemsEnabled() const { return tagItemsEnabled_; }
  bool extraFileEnabled() const { return extraFileEnabled_; }
  bool removeFileEnabled() const { return removeFileEnabled_; }
  // The Insert menu's tag items, "Pro&ject Name" ... "&Increment".
  static std::vector<std::string> tagItemCaptions();

  // --- the two text areas (tab 0 and 1), in display form ---------------------
  std::string text(int tab) const;
  std::size_t caret(int tab) const;
  TextRange selection(int tab) const;
  // Every tag in the text, in order: shown in kTagColour, the rest in kTextColour.
  std::vector<TextRange> highlights(int tab) const;

  // The person changed a text area. Tags typed in any case are rewritten in
  // their own spelling (their length does not change, nor does the caret);
  // a real change enables Save. Giving back the text it already holds (the
  // view echoing the rewrite) changes nothing but the caret.
  void setText(int tab, std::string_view displayText, std::size_t caret);
  // Insert menu item 0..5 on the current tab: the selection given is replaced
  // by the tag and the caret put after it. The variable dump tag also ticks
  // the variable dump box and, once, declares the dump's variable in the ON
  // ERROR text.
  void insertTag(int item, std::size_t selectionStart, std::size_t selectionLength);
  // The Tab key in a text area: four spaces instead of moving the focus.
  void insertTabSpaces(std::size_t selectionStart, std::size_t selectionLength);

  // --- the extra files list -----------------------------------------------------
  const std::vector<std::string>& extraFiles() const { return style_.files; }
  bool fileSelected(std::size_t index) const;
  void setFileSelected(std::size_t index, bool selected);
  // Insert > Extra File: the open-file dialog; new paths are appended once each.
  void addExtraFiles();
  // Insert > Remove File, or Delete / Backspace in the list.
  void removeSelectedFiles();
  // A double click on an entry.
  void openExtraFile(std::size_t index);

  // --- saving -----------------------------------------------------------------------
  // Writes the style under `styleName`, then records it as "LastRoutine" and
  // has the style list re-read. A failure is shown and returned; the edits
  // then stay unsaved.
  Status saveUnder(std::string_view styleName);
  // File > Save: under the current style's name.
  Status save();
  // File > Save As: asks for a name, saves under it and makes it current.
  // Cancelling (or an empty answer) writes nothing.
  Status saveAs();

  bool saveProgressVisible() const { return progressVisible_; }
  int saveProgressValue() const { return progressValue_; }
  static constexpr int saveProgressMaximum() { return 3; }

 private:
  bool usable_ = false;
  struct TextArea {
    std::size_t caret = 0;
    TextRange selection;
  };

  std::string& storedText(int tab);
  const std::string& storedText(int tab) const;
  // Stores a text area's new text with its tags in their own spelling.
  void takeText(int tab, std::string_view displayText, std::size_t caret);
  void declareVariableDump();
  void refocusCurrentTab();
  void setProgress(bool visible, int value);
  void showFailure(const Status& status);

  Workspace& workspace_;
  Dialogs& dialogs_;
  StyleEditorHooks hooks_;

  CodeStyle style_;
  std::vector<bool> selectedFiles_;
  TextArea areas_[2];

  std::string caption_ = "Editor: ";
  bool visible_ = false;
  int tab_ = kFirstCodeTab;
  EditorFocus focus_ = EditorFocus::TextArea;

  bool saveEnabled_ = false;
  bool insertMenuEnabled_ = true;
  bool tagItemsEnabled_ = true;
  bool extraFileEnabled_ = true;
  bool removeFileEnabled_ = false;

  bool progressVisible_ = false;
  int progressValue_ = 0;
};

// Display form <-> the style's own form: a line break is "\n" on screen and
// CR LF in the style.
std::string displayForm(std::string_view styleText);
std::string styleForm(std::string_view displayText);

}  // namespace qm
