// The style library: the ".style" files of the program's folder, the one
// style among them that is current, and the commands beside the options
// page's style list (New, Edit, Delete, picking an entry). The current style
// itself lives in the style editor; its file name there is the main window's
// `sStyle`, so the library and the editor can never disagree about it.
//
// The list shows files only, ordered by name without regard to letter case.
// "Delete Style" is offered only while the list holds two styles or more, so
// the last style can never be deleted.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/workspace.h"
#include "platform/view_services.h"
#include "styles/style_editor.h"

namespace qm {

// The style files of `programFolder`, by name.
std::vector<std::string> listStyleFiles(const FileSystem& files, std::string_view programFolder);

// The name without its last six characters (the ".style" extension).
std::string styleDisplayName(std::string_view styleName);

// "3. Set the options [Current style: " + display name + "]".
std::string optionsPageTitle(std::string_view styleName);

class StyleLibrary {
 public:
  // Takes over the editor's styleListChanged hook, so that the editor's
  // saves re-read this list. "LastRoutine" is written through the editor's
  // saveLastRoutine hook, the one setting writer both use.
  StyleLibrary(Workspace& workspace, StyleEditor& editor, Dialogs& dialogs);
  StyleLibrary(const StyleLibrary&) = delete;
  StyleLibrary& operator=(const StyleLibrary&) = delete;

  // The style list (`flbRoutines`), as last read.
  const std::vector<std::string>& entries() const { return entries_; }
  // The entry that names the current style, if the list shows it.
  std::optional<std::size_t> currentEntry() const;
  const std::string& sStyle() const { return editor_.styleName(); }
  bool deleteEnabled() const { return entries_.size() >= 2; }
  std::string displayName() const { return styleDisplayName(sStyle()); }
  std::string pageTitle() const { return optionsPageTitle(sStyle()); }
  // Set when a deletion hands the keyboard focus to the list.
  bool listFocused() const { return listFocused_; }
  void setListFocused(bool focused) { listFocused_ = focused; }

  // Re-reads the list from the program's folder.
  void refresh();
  // `name` when the list holds an entry of exactly that name (case counts),
  // else the first entry; empty when the list is empty.
  std::string listedOrFirst(std::string_view name) const;
  // Loads `name` and makes it current whether or not it loads.
  void makeCurrent(const std::string& name);

  // The options page opens: writes "Simple.style" into an empty folder, then
  // makes current the style that `lastRoutine` names exactly (case counts)
  // or else the first entry, whether or not it loads. A failure to write the
  // default style is shown and returned.
  Status chooseCurrentStyle(std::string_view lastRoutine);
  // A click on an entry: the style becomes current only when it loads.
  bool selectStyle(std::string_view entry);
  // "Edit Style" or a double click on an entry (after its click).
  void editStyle();
  // "New Style": asks for a name, writes an empty style under it (replacing
  // one of that name), remembers it as "LastRoutine", makes it current and
  // opens the editor on it. Cancelling creates nothing.
  Status newStyle();
  // "Delete Style": deletes the current style's file and makes the first
  // listed style current, whether or not it loads.
  Status deleteCurrentStyle();

 private:
  Status reportFailure(Status status, std::string_view title);

  Workspace& workspace_;
  StyleEditor& editor_;
  Dialogs& dialogs_;
  std::vector<std::string> entries_;
  bool listFocused_ = false;
};

}  // namespace qm
