// The wizard's window on Windows, "Trapwise": the four pages as children of
// one top-level window, the page in front (and on the options page the tab
// in front) shown, the others hidden. It is a view over the wizard's logic:
// a table binds every child window to the page control it shows, so every
// click, tick, pick and key goes to the control's handler, and refresh()
// then copies every control onto its child. Enter presses the page's
// default button (Next, Begin), Escape presses Quit, F1 opens the help.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help_guide.h"
#include "platform/view_services.h"
#include "ui_win32/control_binding.h"
#include "ui_win32/about_window.h"
#include "ui_win32/dialog_units.h"
#include "ui_win32/style_editor_window.h"

namespace qm {
class Wizard;
}

namespace qm::win32 {

class WizardWindow {
 public:
  // What Quit and closing the window do: end the program (tests watch instead).
  using QuitAction = std::function<void()>;

  WizardWindow(Wizard& logic, Dialogs& dialogs, Desktop& desktop);
  ~WizardWindow();
  WizardWindow(const WizardWindow&) = delete;
  WizardWindow& operator=(const WizardWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  StyleEditorWindow& editorWindow() { return *editor_; }
  Wizard& logic() { return logic_; }
  void setQuitAction(QuitAction quit) { quit_ = std::move(quit); }

  // Copies the logic's state onto every child.
  void refresh();
  // refresh(), then the messages waiting: the yield of long work.
  void yield();
  // The window's keys (Enter, Escape, Tab, F1) for a message taken from the
  // queue; true when it was handled and must not be dispatched.
  bool translate(MSG& message);
  // Takes and dispatches every waiting message, the keys as translate() does.
  void dispatchWaiting();

  // The child named as the wizard names its control ("cmdLoad2",
  // "lstProjectFiles", "cmdQuit_1"...), or the style editor's or the open
  // About window's child of that name ("rtbError", "lblVisit"); nullptr
  // when there is none.
  HWND control(std::string_view name) const;
  // The help topic F1 stands for now: the focused button's, else its page's.
  int helpTopic() const;
  // The focused child's own help topic; 0 when it has none.
  int focusedHelpTopic() const;

  // What the logic asks of a window.
  void showStyleEditor();
  void showAbout();
  void showFolderBrowser();
  void openDocument(const std::string& path);
  // The compiled help file at the target's topic.
  void openHelp(const HelpTarget& target);
  void endProgram();

 private:
  struct Spot {
    int page;  // -1: on every page
    int tab;   // the options page's tab, -1: none
    RECT units;
  };
  enum class Font { Normal, Bold, Title };
  struct Child {
    std::string name;
    Spot spot;
    Font font;
    ControlBinding binding;
  };

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // Layout (wizard_window_layout.cpp).
  void buildWindow();
  void buildProjectPage();
  void buildFilesPage();
  void buildOptionsPage();
  void buildApplyPage();
  void pageHeader(int page, const char* logoName);
  void navigation(int page, const char* quitName);
  HWND add(std::string name, const wchar_t* windowClass, DWORD style, Spot spot,
           const std::function<ControlBinding(HWND)>& bind = {}, Font font = Font::Normal, DWORD exStyle = 0);
  void placeChildren();

  const Child* childOf(HWND hwnd) const;
  // After a handler: show what it did.
  void handled();
  bool childShown(const Child& child) const;
  HWND defaultButton() const;
  bool pressWithEnter(HWND focused);
  void pressQuit();
  void pressF1();
  void drawLogo(const DRAWITEMSTRUCT& item) const;

  Wizard& logic_;
  Dialogs& dialogs_;
  Desktop& desktop_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<DialogUnits> units_;
  std::vector<Child> children_;
  std::unique_ptr<StyleEditorWindow> editor_;
  std::unique_ptr<AboutWindow> about_;
  BindingContext context_;
  QuitAction quit_;
  bool refreshing_ = false;
  int yieldDepth_ = 0;
  bool quitting_ = false;
};

}  // namespace qm::win32
