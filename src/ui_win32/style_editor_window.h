// The style editor's window on Windows: the two code texts (rich edit
// controls, tags in colour) and the extra files of the current style in
// three tabs, with the File and Insert menus and the save bar. It is a view
// over StyleEditor: every edit, key and menu command goes to the editor, and
// showState() then copies the editor's texts, tag colours, menus and bar
// back onto the children. Closing only hides it; the style stays loaded.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/view_services.h"
#include "styles/style_editor.h"
#include "ui_win32/dialog_units.h"

namespace qm::win32 {

class StyleEditorWindow {
 public:
  // `changed`: a command changed what other windows show (the options
  // page's title, style list or variable dump box).
  StyleEditorWindow(StyleEditor& editor, Desktop& desktop, std::function<void()> changed);
  ~StyleEditorWindow();
  StyleEditorWindow(const StyleEditorWindow&) = delete;
  StyleEditorWindow& operator=(const StyleEditorWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Copies the editor's state onto the children (and shows or hides the window).
  void showState();
  // The child or menu item named as the editor's controls are ("rtbError",
  // "lstAddedFiles", "mnuFileSave", "mnuInsertTag_2"...): a child, or a menu
  // item's command identifier; nullptr / 0 when there is none.
  HWND control(std::string_view name) const;
  UINT menuCommand(std::string_view name) const;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK childProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool childKey(HWND child, WPARAM key);

  void buildMenus();
  void buildChildren();
  void placeChildren();
  void runMenuCommand(UINT command);
  void commandFromChild(HWND child, int code);
  HWND textArea(int tab) const;
  int tabOf(HWND child) const;
  void takeText(int tab);
  void showText(int tab);
  void showFiles();
  void showMenus();
  void showFocus();
  void afterCommand();

  StyleEditor& editor_;
  Desktop& desktop_;
  std::function<void()> changed_;
  HWND hwnd_ = nullptr;
  HMENU menu_ = nullptr;
  HMENU insertMenu_ = nullptr;
  HWND tabs_ = nullptr;
  HWND texts_[2] = {};
  HWND files_ = nullptr;
  HWND bar_ = nullptr;
  std::unique_ptr<DialogUnits> units_;
  HFONT codeFont_ = nullptr;
  bool showing_ = false;  // copying the editor's state: child notifications are echoes
};

}  // namespace qm::win32
