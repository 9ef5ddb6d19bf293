// The Win32 wizard window driven as a person drives it, from the tables in
// tests/data/ui_win32: every step sends a child the message that a click, a
// tick, a pick or a key sends, or reads what a child shows, on a fresh copy
// of the example projects. A step reads "verb | argument ... => result".
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cctype>
#include <map>
#include <memory>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "support/case_file.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"
#include "ui_win32/control_binding.h"
#include "ui_win32/wizard_session.h"
#include "ui_win32/wizard_window.h"

namespace qm::testing {
namespace {

using Arguments = std::vector<std::string>;

class RecordingDesktop final : public Desktop {
 public:
  void openLink(std::string_view target) override { opened.push_back(std::string(target)); }
  void openHelp(std::string_view file, int topic) override {
    opened.push_back(std::string(file) + " #" + std::to_string(topic));
  }
  std::vector<std::string> opened;
};

std::string joined(std::vector<std::string>& items) {
  std::string all;
  for (const std::string& item : items) all += (all.empty() ? "" : "; ") + item;
  items.clear();
  return all;
}

std::string className(HWND hwnd) {
  wchar_t name[64] = {};
  ::GetClassNameW(hwnd, name, 64);
  std::string narrow;
  for (const wchar_t* c = name; *c != 0; ++c) narrow += static_cast<char>(std::tolower(static_cast<int>(*c)));
  return narrow;
}

// A child's state in a few words: its text, "[x]" / "(o)" for boxes, the
// pick of a list, "value/maximum" of a bar; " (disabled)", " (hidden)".
std::string shown(HWND hwnd) {
  const std::string kind = className(hwnd);
  const auto style = ::GetWindowLongPtrW(hwnd, GWL_STYLE) & 0x0F;
  std::string text = win32::windowText(hwnd);
  const bool checked = ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (kind == "button" && style == BS_CHECKBOX) text = checked ? "[x]" : "[ ]";
  if (kind == "button" && style == BS_RADIOBUTTON) text = checked ? "(o)" : "( )";
  if (kind == "msctls_progress32") {
    text = std::to_string(::SendMessageW(hwnd, PBM_GETPOS, 0, 0)) + "/" +
           std::to_string(::SendMessageW(hwnd, PBM_GETRANGE, FALSE, 0));
  }
  if (!::IsWindowEnabled(hwnd)) text += " (disabled)";
  if (!::IsWindowVisible(hwnd)) text += " (hidden)";
  return text;
}

std::string rows(HWND list) {
  std::string all;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    wchar_t cell[3][260] = {};
    for (int column = 0; column < 3; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = cell[column];
      item.cchTextMax = 260;
      ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    std::string line;
    for (const auto& text : cell) {
      for (const wchar_t* c = text; *c != 0; ++c) line += static_cast<char>(*c);
      line += '|';
    }
    all += (row > 0 ? "; " : "") + line + (ListView_GetCheckState(list, row) ? "x" : "-");
  }
  return all;
}

// Line `n` of a child's text, counted from 1, or from the end when negative.
std::string line(HWND hwnd, int n) {
  std::vector<std::string> lines;
  const std::string text = win32::windowText(hwnd);
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  const int index = n > 0 ? n - 1 : static_cast<int>(lines.size()) + n;
  return index >= 0 && index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)] : "";
}

// The runs of a rich edit's text in the tags' colour, one a line.
std::string colouredRuns(HWND area) {
  std::string runs;
  std::string text = win32::windowText(area);
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at + 1, 1);
  bool inRun = false;
  for (LONG at = 0; at < static_cast<LONG>(text.size()); ++at) {
    CHARRANGE one{at, at + 1};
    ::SendMessageW(area, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    ::SendMessageW(area, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    const bool tag = format.crTextColor == RGB(kTagColour.red, kTagColour.green, kTagColour.blue);
    if (tag && !inRun && !runs.empty()) runs += " ";
    if (tag) runs += text[static_cast<std::size_t>(at)];
    inRun = tag;
  }
  return runs;
}

void notifyParent(HWND child, NMHDR& header) {
  header.hwndFrom = child;
  header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(child));
  ::SendMessageW(::GetParent(child), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void commandParent(HWND child, WORD code) {
  ::SendMessageW(::GetParent(child), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(child), code),
                 reinterpret_cast<LPARAM>(child));
}

class Win32Wizard {
 public:
  Win32Wizard() {
    folder.copyFolder(std::string(QUILLMERE_SOURCE_DIR) + "/examples/", "copy");
    folder.makeFolder("program");
    folder.makeFolder("work");
    clock.step = 50;
    session = std::make_unique<win32::WizardSession>(win32::WizardSetup{
        files, folder.file("program/"), folder.file("work/"), settings, clock, launcher, &dialogs, &desktop,
        folder.file("program/")});
    window().setQuitAction([this] { quits = true; });
    session->start(CommandLine::fromWords({}));
    ::ShowWindow(window().hwnd(), SW_SHOWNORMAL);
    window().dispatchWaiting();
  }

  win32::WizardWindow& window() { return session->window(); }

  // "{temp}" in a step stands for the test's folder, as Windows writes it,
  // and in what a step reads for it in either way of writing.
  std::string expand(std::string text) const {
    for (std::size_t at; (at = text.find("{temp}")) != std::string::npos;) text.replace(at, 6, windowsPath());
    return text;
  }
  std::string windowsPath() const {
    std::string path = folder.path();
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
  }

  std::string step(Arguments a) {
    for (std::string& argument : a) argument = expand(argument);
    std::string result = act(a);
    for (const std::string& root : {folder.path(), windowsPath()}) {
      for (std::size_t at; (at = result.find(root)) != std::string::npos;) result.replace(at, root.size(), "{temp}");
    }
    return result;
  }

  std::string act(const Arguments& a) {
    const std::string& verb = a.at(0);
    HWND child = a.size() > 1 ? window().control(a[1]) : nullptr;
    const bool namesChild =
        verb != "answer" && verb != "folder" && verb != "warning" && verb != "file" && verb != "copy" && verb != "menu";
    if (a.size() > 1 && child == nullptr && namesChild) {
      return "no child " + a[1];
    }
    if (verb == "click" && className(child) == "syslink") {
      NMLINK click{};
      click.hdr.code = NM_CLICK;
      notifyParent(child, click.hdr);
    } else if (verb == "click" && className(child) == "static") {
      commandParent(child, STN_CLICKED);
    } else if (verb == "click") {
      ::SendMessageW(child, BM_CLICK, 0, 0);
    } else if (verb == "key") {
      static const std::map<std::string, WPARAM, std::less<>> kKeys{{"return", VK_RETURN}, {"escape", VK_ESCAPE},
                                                                     {"f1", VK_F1}};
      ::SetFocus(child);
      ::PostMessageW(child, WM_KEYDOWN, kKeys.at(a.at(2)), 0);
    } else if (verb == "focus") {
      ::SetFocus(child);
    } else if (verb == "type" && className(child) == "richedit50w") {
      GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
      const auto end = ::SendMessageW(child, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
      ::SendMessageW(child, EM_SETSEL, end, end);  // clicked at the end first
      ::SendMessageW(child, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(a.at(2).begin(), a.at(2).end()).c_str()));
    } else if (verb == "menu") {
      HWND editor = window().editorWindow().hwnd();
      ::SendMessageW(editor, WM_COMMAND, MAKEWPARAM(window().editorWindow().menuCommand(a.at(1)), 0), 0);
    } else if (verb == "tags") {
      return colouredRuns(child);
    } else if (verb == "type" && className(child) == "combobox") {
      for (char c : a.at(2)) ::SendMessageW(child, WM_CHAR, static_cast<unsigned char>(c), 0);
    } else if (verb == "type") {
      ::SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(a.at(2).begin(), a.at(2).end()).c_str()));
    } else if (verb == "pick") {
      ::SendMessageW(child, CB_SETCURSEL, std::stoul(a.at(2)), 0);
      commandParent(child, CBN_SELCHANGE);
    } else if (verb == "select" || verb == "dblclick") {
      ::SendMessageW(child, LB_SETCURSEL, std::stoul(a.at(2)), 0);
      commandParent(child, verb == "select" ? LBN_SELCHANGE : LBN_DBLCLK);
    } else if (verb == "tick") {
      ListView_SetCheckState(child, std::stoi(a.at(2)) - 1, a.at(3) == "on");
    } else if (verb == "header") {
      NMLISTVIEW click{};
      click.hdr.code = LVN_COLUMNCLICK;
      click.iItem = -1;
      click.iSubItem = std::stoi(a.at(2)) - 1;
      notifyParent(child, click.hdr);
    } else if (verb == "tab") {
      TabCtrl_SetCurSel(child, std::stoi(a.at(2)));
      NMHDR change{};
      change.code = TCN_SELCHANGE;
      notifyParent(child, change);
    } else if (verb == "answer") {
      dialogs.fileAnswers.push_back(a.at(1));
    } else if (verb == "folder") {
      dialogs.folderAnswers.push_back(a.at(1));
    } else if (verb == "warning") {
      dialogs.answerOk = a.at(1) == "ok";
      dialogs.tickDontShowAgain = a.at(2) == "tick";
    } else if (verb == "shown") {
      return shown(child);
    } else if (verb == "rows") {
      return rows(child);
    } else if (verb == "line") {
      return line(child, std::stoi(a.at(2)));
    } else if (verb == "file") {
      return folder.read(a.at(1)).find(a.at(2)) != std::string::npos ? "yes" : "no";
    } else if (verb == "copy") {
      folder.write("copy/" + a.at(2), folder.read("copy/" + a.at(1)));
    } else if (verb == "messages") {
      return joined(dialogs.messages);
    } else if (verb == "opened") {
      return joined(desktop.opened);
    } else if (verb == "quits") {
      return quits ? "yes" : "no";
    } else if (verb == "warnings") {
      return std::to_string(dialogs.warnings);
    } else {
      return "no verb " + verb;
    }
    window().dispatchWaiting();
    return "";
  }

  TempFolder folder;
  NativeFileSystem files;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  ScriptedDialogs dialogs;
  RecordingDesktop desktop;
  bool quits = false;
  std::unique_ptr<win32::WizardSession> session;
};

class Win32WizardWalk : public CaseTest {};

TEST_P(Win32WizardWalk, ShowsWhatEveryStepExpects) {
  Win32Wizard wizard;
  expectRows(c, {{"steps", [&wizard](const Arguments& a) { return wizard.step(a); }}});
}

QM_CASES_FROM(Win32WizardWalk, "ui_win32/wizard_walks.txt");

}  // namespace
}  // namespace qm::testing
