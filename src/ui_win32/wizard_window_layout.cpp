#if defined(_WIN32)  // only the Windows build compiles this file
// The wizard window's pages and children: what goes where, in dialog units
// of a 260 x 180 client area. Hidden children keep their room, so the pages
// do not jump while the analysis, the run or a roll back shows their bars.
#include "ui_win32/wizard_window.h"
#include "wizard/wizard.h"

namespace qm::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kCheckBox = kChild | WS_TABSTOP | BS_CHECKBOX;
constexpr DWORD kOption = kChild | WS_TABSTOP | BS_RADIOBUTTON;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kText = kChild | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kNumberBox = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDropDown = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

constexpr int kGeneral = static_cast<int>(kGeneralOptionsTab);
constexpr int kStyles = static_cast<int>(kCodeStyleTab);
constexpr int kAdvanced = static_cast<int>(kAdvancedOptionsTab);

}  // namespace

void WizardWindow::buildWindow() {
  buildProjectPage();
  buildFilesPage();
  buildOptionsPage();
  buildApplyPage();
  // Frames lie under what they hold and the tab strip under them all; the
  // analysis bar lies over the list it reports on.
  for (const Child& child : children_) {
    wchar_t windowClass[32] = {};
    ::GetClassNameW(child.binding.hwnd, windowClass, 32);
    const LONG_PTR style = ::GetWindowLongPtrW(child.binding.hwnd, GWL_STYLE);
    const bool frame = (std::wstring_view(windowClass) == L"Button" && (style & 0x0F) == BS_GROUPBOX) ||
                       child.name == "shpRollBack";
    if (frame) ::SetWindowPos(child.binding.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  ::SetWindowPos(control("tabOptions"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowPos(control("barProgress"), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WizardWindow::pageHeader(int page, const char* logoName) {
  Image* logos[] = {&logic_.projectPage.imgVeltane, &logic_.filesPage.imgVeltane, &logic_.optionsPage.imgVeltane,
                    &logic_.applyPage.imgVeltane};
  Image& logo = *logos[page];
  add(logoName, L"STATIC", kChild | SS_NOTIFY | SS_OWNERDRAW, {page, -1, {233, 4, 20, 20}},
      [&logo, this](HWND hwnd) { return bindImage(hwnd, logo, context_); });
  if (page != 2) add("", L"STATIC", kChild | SS_ETCHEDHORZ, {page, -1, {7, 27, 246, 1}});
}

void WizardWindow::navigation(int page, const char* quitName) {
  Button* quits[] = {&logic_.projectPage.cmdQuit, &logic_.filesPage.cmdQuit, &logic_.optionsPage.cmdQuit,
                     &logic_.applyPage.cmdQuit};
  Button& quit = *quits[page];
  add("", L"STATIC", kChild | SS_ETCHEDHORZ, {page, -1, {7, 152, 246, 1}});
  add(quitName, L"BUTTON", kButton, {page, -1, {7, 158, 50, 14}},
      [&quit, this](HWND hwnd) { return bindButton(hwnd, quit, context_); });
}

void WizardWindow::buildProjectPage() {
  ProjectPage& p = logic_.projectPage;
  RollBackPanel& r = p.rollBack;
  auto label = [](const Label& l) { return [&l](HWND hwnd) { return bindLabel(hwnd, l); }; };
  auto button = [this](Button& b) { return [&b, this](HWND hwnd) { return bindButton(hwnd, b, context_); }; };
  add("lblTitles_0", L"STATIC", kText, {0, -1, {7, 8, 220, 14}}, label(p.lblTitles0), Font::Title);
  pageHeader(0, "imgVeltane_0");
  add("cmbRecent", L"COMBOBOX", kDropDown, {0, -1, {7, 33, 190, 120}}, [&p, this](HWND hwnd) {
    addPrefixSearch(hwnd, p.cmbRecent, context_);
    return bindDropDown(hwnd, p.cmbRecent, context_);
  });
  add("cmdBrowse", L"BUTTON", kButton, {0, -1, {203, 32, 50, 14}}, button(p.cmdBrowse));
  add("lblTitles_5", L"STATIC", kText | SS_ENDELLIPSIS, {0, -1, {7, 52, 246, 10}}, label(p.lblTitles5), Font::Bold);
  add("lblProjectDetails", L"STATIC", kText | SS_EDITCONTROL, {0, -1, {12, 64, 140, 84}}, label(p.lblProjectDetails));
  add("shpRollBack", L"STATIC", kChild | SS_ETCHEDFRAME, {0, -1, {158, 62, 95, 80}},
      [&r](HWND hwnd) { return bindShape(hwnd, r.shpRollBack); });
  add("lblTitles_9", L"STATIC", kText, {0, -1, {162, 66, 88, 10}}, label(r.lblTitles9), Font::Bold);
  add("cmbBackups", L"COMBOBOX", kDropDown, {0, -1, {162, 78, 88, 100}},
      [&r, this](HWND hwnd) { return bindDropDown(hwnd, r.cmbBackups, context_); });
  add("cmdRollback", L"BUTTON", kButton, {0, -1, {200, 94, 50, 14}}, button(r.cmdRollback));
  add("barRollBack", PROGRESS_CLASSW, kChild, {0, -1, {162, 112, 88, 8}},
      [&r](HWND hwnd) { return bindProgress(hwnd, r.barRollBack); });
  add("lblTitles_11", L"STATIC", kText | SS_CENTER, {0, -1, {162, 126, 88, 10}},
      [&r](HWND hwnd) { return bindLabel(hwnd, r.lblTitles11, r.picDoneRolling); }, Font::Bold);
  navigation(0, "cmdQuit_0");
  add("cmdLoad2", L"BUTTON", kDefaultButton, {0, -1, {203, 158, 50, 14}}, button(p.cmdLoad2));
}

void WizardWindow::buildFilesPage() {
  FilesPage& p = logic_.filesPage;
  auto label = [](const Label& l) { return [&l](HWND hwnd) { return bindLabel(hwnd, l); }; };
  auto button = [this](Button& b) { return [&b, this](HWND hwnd) { return bindButton(hwnd, b, context_); }; };
  add("lblTitles_1", L"STATIC", kText, {1, -1, {7, 8, 220, 14}}, label(p.lblTitles1), Font::Title);
  pageHeader(1, "imgVeltane_1");
  add("lblTitles_2", L"STATIC", kText, {1, -1, {7, 33, 120, 10}}, label(p.lblTitles2), Font::Bold);
  add("lblNoFiles", L"STATIC", kText | SS_RIGHT, {1, -1, {130, 33, 123, 10}}, label(p.lblNoFiles));
  add("lblTitles_3", L"STATIC", kText, {1, -1, {7, 44, 246, 10}}, label(p.lblTitles3));
  add("lstProjectFiles", WC_LISTVIEWW,
      kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
      {1, -1, {7, 56, 246, 92}}, [&p, this](HWND hwnd) {
        ListView_SetExtendedListViewStyle(hwnd, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        return bindFileList(hwnd, p.lstProjectFiles, context_);
      });
  add("barProgress", PROGRESS_CLASSW, kChild, {1, -1, {17, 98, 226, 8}},
      [&p](HWND hwnd) { return bindProgress(hwnd, p.barProgress); });
  navigation(1, "cmdQuit_1");
  add("cmdSelectAll", L"BUTTON", kButton, {1, -1, {63, 158, 50, 14}}, button(p.cmdSelectAll));
  add("cmdBack1", L"BUTTON", kButton, {1, -1, {147, 158, 50, 14}}, button(p.cmdBack1));
  add("cmdLoad3", L"BUTTON", kDefaultButton, {1, -1, {203, 158, 50, 14}}, button(p.cmdLoad3));
}

void WizardWindow::buildOptionsPage() {
  OptionsPage& p = logic_.optionsPage;
  auto label = [](const Label& l) { return [&l](HWND hwnd) { return bindLabel(hwnd, l); }; };
  auto group = [](const Label& l) { return [&l](HWND hwnd) { return bindGroupBox(hwnd, l); }; };
  auto button = [this](Button& b) { return [&b, this](HWND hwnd) { return bindButton(hwnd, b, context_); }; };
  auto option = [this](OptionButton& o) {
    return [&o, this](HWND hwnd) { return bindOption(hwnd, o, context_); };
  };
  auto check = [this](CheckBox& c) { return [&c, this](HWND hwnd) { return bindCheckBox(hwnd, c, context_); }; };
  auto text = [this](TextBox& t) { return [&t, this](HWND hwnd) { return bindTextBox(hwnd, t, context_); }; };
  add("lblTitles_6", L"STATIC", kText, {2, -1, {7, 8, 220, 14}}, label(p.lblTitles6), Font::Title);
  pageHeader(2, "imgVeltane_2");
  add("tabOptions", WC_TABCONTROLW, kChild | WS_TABSTOP, {2, -1, {7, 28, 246, 120}},
      [&p, this](HWND hwnd) { return bindTabs(hwnd, p.tabOptions, context_); });

  // "General Options"
  add("fraCode", L"BUTTON", kGroupBox, {2, kGeneral, {13, 46, 78, 50}}, group(p.fraCode));
  add("optAdd", L"BUTTON", kOption | WS_GROUP, {2, kGeneral, {19, 59, 68, 10}}, option(p.optAdd));
  add("optDelete", L"BUTTON", kOption, {2, kGeneral, {19, 73, 68, 10}}, option(p.optDelete));
  add("fraBackup", L"BUTTON", kGroupBox, {2, kGeneral, {95, 46, 152, 96}}, group(p.fraBackup));
  add("optBackup", L"BUTTON", kOption | WS_GROUP, {2, kGeneral, {101, 59, 140, 10}}, option(p.optBackup));
  add("optNew", L"BUTTON", kOption, {2, kGeneral, {101, 73, 140, 10}}, option(p.optNew));
  add("txtNewLoc", L"EDIT", kNumberBox | WS_GROUP, {2, kGeneral, {101, 88, 88, 13}}, text(p.txtNewLoc));
  add("cmdNewBrowse", L"BUTTON", kButton, {2, kGeneral, {193, 87, 48, 14}}, button(p.cmdNewBrowse));
  add("chkCompile", L"BUTTON", kCheckBox, {2, kGeneral, {101, 107, 100, 10}}, check(p.chkCompile));

  // "Code Style"
  add("Label2", L"STATIC", kText, {2, kStyles, {13, 46, 150, 10}}, label(p.label2));
  add("flbRoutines", L"LISTBOX", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
      {2, kStyles, {13, 58, 168, 84}}, [&p, this](HWND hwnd) { return bindListBox(hwnd, p.flbRoutines, context_); });
  add("cmdNewStyle", L"BUTTON", kButton, {2, kStyles, {187, 58, 60, 14}}, button(p.cmdNewStyle));
  add("cmdEditStyle", L"BUTTON", kButton, {2, kStyles, {187, 76, 60, 14}}, button(p.cmdEditStyle));
  add("cmdDeleteStyle", L"BUTTON", kButton, {2, kStyles, {187, 94, 60, 14}}, button(p.cmdDeleteStyle));

  // "Advanced Options"
  add("fraExceptions", L"BUTTON", kGroupBox, {2, kAdvanced, {13, 46, 116, 96}}, group(p.fraExceptions));
  add("lblIgnore_0", L"STATIC", kText, {2, kAdvanced, {19, 58, 106, 10}}, label(p.lblIgnore0));
  add("chkIgnoreTags", L"BUTTON", kCheckBox, {2, kAdvanced, {25, 70, 100, 10}}, check(p.chkIgnoreTags));
  add("chkIgnoreExisting", L"BUTTON", kCheckBox, {2, kAdvanced, {25, 82, 100, 10}}, check(p.chkIgnoreExisting));
  add("lblIgnore_1", L"STATIC", kText, {2, kAdvanced, {25, 98, 56, 10}}, label(p.lblIgnore1));
  add("txtIgnore", L"EDIT", kNumberBox, {2, kAdvanced, {83, 96, 30, 13}}, text(p.txtIgnore));
  add("fraNumbers", L"BUTTON", kGroupBox, {2, kAdvanced, {133, 46, 114, 44}}, group(p.fraNumbers));
  add("chkNumbers", L"BUTTON", kCheckBox, {2, kAdvanced, {139, 58, 104, 10}}, check(p.chkNumbers));
  add("txtStartFrom", L"EDIT", kNumberBox, {2, kAdvanced, {151, 71, 30, 13}}, text(p.txtStartFrom));
  add("fraVarDump", L"BUTTON", kGroupBox, {2, kAdvanced, {133, 94, 114, 28}}, group(p.fraVarDump));
  add("chkVarDump", L"BUTTON", kCheckBox, {2, kAdvanced, {139, 106, 104, 10}}, check(p.chkVarDump));
  add("chkAllProcedures", L"BUTTON", kCheckBox | BS_MULTILINE, {2, kAdvanced, {139, 125, 108, 18}},
      check(p.chkAllProcedures));

  navigation(2, "cmdQuit_2");
  add("cmdBack2", L"BUTTON", kButton, {2, -1, {147, 158, 50, 14}}, button(p.cmdBack2));
  add("cmdLoad4", L"BUTTON", kDefaultButton, {2, -1, {203, 158, 50, 14}}, button(p.cmdLoad4));
}

void WizardWindow::buildApplyPage() {
  ApplyPage& p = logic_.applyPage;
  auto label = [](const Label& l) { return [&l](HWND hwnd) { return bindLabel(hwnd, l); }; };
  auto button = [this](Button& b) { return [&b, this](HWND hwnd) { return bindButton(hwnd, b, context_); }; };
  add("lblTitles_4", L"STATIC", kText, {3, -1, {7, 8, 220, 14}}, label(p.lblTitles4), Font::Title);
  pageHeader(3, "imgVeltane_3");
  add("lblTitles_12", L"STATIC", kText, {3, -1, {7, 33, 246, 10}}, label(p.lblTitles12), Font::Bold);
  add("txtSummary", L"EDIT",
      kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
      {3, -1, {7, 45, 246, 94}}, [&p](HWND hwnd) { return bindSummary(hwnd, p.txtSummary); });
  add("barMain", PROGRESS_CLASSW, kChild, {3, -1, {7, 142, 246, 7}},
      [&p](HWND hwnd) { return bindProgress(hwnd, p.barMain); });
  navigation(3, "cmdQuit_4");
  add("cmdBack3", L"BUTTON", kButton, {3, -1, {147, 158, 50, 14}}, button(p.cmdBack3));
  add("cmdBegin", L"BUTTON", kDefaultButton, {3, -1, {203, 158, 50, 14}}, button(p.cmdBegin));
}

}  // namespace qm::win32
#endif  // defined(_WIN32)
