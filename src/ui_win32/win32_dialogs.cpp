#if defined(_WIN32)  // only the Windows build compiles this file
#include "ui_win32/win32_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>

#include <vector>

#include "platform/windows/wide_text.h"

namespace qm::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kAnswerId = 101;
constexpr WORD kDontShowId = 102;

// A dialog template built in memory, as a resource script would describe
// it: sizes in dialog units, the shell's dialog font.
class DialogTemplate {
 public:
  DialogTemplate(std::wstring_view title, short width, short height) {
    align();
    add32(DS_SETFONT | DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    add32(0);
    countAt_ = words_.size();
    words_.insert(words_.end(), {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height), 0, 0});
    addText(title);
    words_.push_back(8);
    addText(L"MS Shell Dlg");
  }

  void add(WORD id, WORD classAtom, std::wstring_view text, DWORD style, short x, short y, short cx, short cy) {
    align();
    add32(style | WS_CHILD | WS_VISIBLE);
    add32(0);
    words_.insert(words_.end(),
                  {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx), static_cast<WORD>(cy), id});
    add32(static_cast<DWORD>(classAtom) << 16 | 0xFFFF);
    addText(text);
    words_.push_back(0);
    ++words_[countAt_];
  }

  INT_PTR run(HWND owner, DLGPROC procedure, LPARAM parameter) {
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()),
                                     owner, procedure, parameter);
  }

 private:
  void align() {
    if (words_.size() % 2 != 0) words_.push_back(0);
  }
  void add32(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void addText(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  std::size_t countAt_ = 0;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

struct InputState {
  std::wstring text;
  bool checked = false;
};

INT_PTR CALLBACK inputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<InputState*>(lParam);
      if (::GetDlgItem(dialog, kAnswerId) != nullptr) ::SetDlgItemTextW(dialog, kAnswerId, state->text.c_str());
      ::CheckDlgButton(dialog, kDontShowId, state->checked ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (HWND answer = ::GetDlgItem(dialog, kAnswerId)) {
          state->text.assign(static_cast<std::size_t>(::GetWindowTextLengthW(answer)) + 1, L'\0');
          state->text.resize(static_cast<std::size_t>(
              ::GetWindowTextW(answer, state->text.data(), static_cast<int>(state->text.size()))));
        }
        state->checked = ::IsDlgButtonChecked(dialog, kDontShowId) == BST_CHECKED;
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

std::wstring wide(std::string_view text) { return windows::wideFromAnsi(text); }

int CALLBACK folderBrowserProc(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) ::SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

std::wstring fileDialogFilter(std::string_view filter) {
  std::wstring result = wide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

void Win32Dialogs::messageBox(std::string_view text, std::string_view title) {
  ::MessageBoxW(owner_, wide(text).c_str(), wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

std::vector<std::string> Win32Dialogs::openFile(const FileDialogRequest& request) {
  std::wstring buffer(32768, L'\0');
  const std::wstring filter = fileDialogFilter(request.filter);
  const std::wstring title = wide(request.title);
  const std::wstring folder = windows::widePath(request.initialFolder);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : folder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (request.allowMultiple ? OFN_ALLOWMULTISELECT : 0);
  if (!::GetOpenFileNameW(&dialog)) return {};
  // One file: its full path. Several: the folder, then each name, each ended by NUL.
  std::vector<std::wstring> parts;
  for (const wchar_t* part = buffer.c_str(); *part != L'\0'; part += ::wcslen(part) + 1) parts.emplace_back(part);
  std::vector<std::string> paths;
  if (parts.size() == 1) {
    paths.push_back(windows::ansiFromWide(parts.front()));
  } else {
    std::wstring folderName = parts.front();
    if (!folderName.empty() && folderName.back() != L'\\') folderName += L'\\';
    for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(windows::ansiFromWide(folderName + parts[i]));
  }
  return paths;
}

std::optional<std::string> Win32Dialogs::inputBox(std::string_view prompt, std::string_view title,
                                                  std::string_view defaultText) {
  DialogTemplate dialog(wide(title), 220, 70);
  dialog.add(kPromptId, kStatic, wide(prompt), SS_LEFT, 7, 7, 150, 30);
  dialog.add(IDOK, kButton, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 163, 7, 50, 14);
  dialog.add(IDCANCEL, kButton, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 163, 24, 50, 14);
  dialog.add(kAnswerId, kEdit, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 49, 206, 14);
  InputState state{wide(defaultText), false};
  if (dialog.run(owner_, inputProc, reinterpret_cast<LPARAM>(&state)) != IDOK) return std::nullopt;
  return windows::ansiFromWide(state.text);
}

bool Win32Dialogs::rollbackWarning(bool& dontShowAgain) {
  DialogTemplate dialog(L"Rollback to previous version", 220, 96);
  dialog.add(kPromptId, kStatic, L"Warning", SS_LEFT, 7, 7, 206, 10);
  dialog.add(kPromptId + 10, kStatic,
             L"Rolling back to a previous version of your Visual Basic project will overwrite your current files.  "
             L"Do you wish to continue?",
             SS_LEFT, 7, 20, 206, 28);
  dialog.add(kDontShowId, kButton, L"Don't show this message again.", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 52, 206, 10);
  dialog.add(IDOK, kButton, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 75, 50, 14);
  dialog.add(IDCANCEL, kButton, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 163, 75, 50, 14);
  InputState state{L"", dontShowAgain};
  const bool proceed = dialog.run(owner_, inputProc, reinterpret_cast<LPARAM>(&state)) == IDOK;
  dontShowAgain = state.checked;
  return proceed;
}

std::optional<std::string> Win32Dialogs::chooseFolder(std::string_view title, std::string_view startFolder) {
  const std::wstring caption = wide(title);
  const std::wstring start = windows::widePath(startFolder);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner_;
  browse.lpszTitle = caption.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = folderBrowserProc;
  browse.lParam = startFolder.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return std::nullopt;
  std::wstring path(MAX_PATH * 4, L'\0');
  const bool named = ::SHGetPathFromIDListW(chosen, path.data()) != FALSE;
  ::CoTaskMemFree(chosen);
  if (!named) return std::nullopt;
  path.resize(::wcslen(path.c_str()));
  return windows::ansiFromWide(path);
}

void ShellDesktop::openLink(std::string_view target) {
  if (target.empty()) return;
  ::ShellExecuteW(owner_, L"open", wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// HTML Help opens a compiled help file at a context number (its [MAP]), or
// at its start when the file maps none.
void ShellDesktop::openHelp(std::string_view helpFile, int topic) {
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  constexpr UINT kDisplayTopic = 0x0000;
  constexpr UINT kHelpContext = 0x000F;
  const std::wstring file = windows::widePath(helpFile);
  if (helpFile.empty() || ::GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  static HMODULE library = ::LoadLibraryW(L"hhctrl.ocx");
  if (library == nullptr) return;
  const auto htmlHelp =
      reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(::GetProcAddress(library, "HtmlHelpW")));
  if (htmlHelp == nullptr) return;
  if (topic == 0 || htmlHelp(owner_, file.c_str(), kHelpContext, static_cast<DWORD_PTR>(topic)) == nullptr) {
    htmlHelp(owner_, file.c_str(), kDisplayTopic, 0);
  }
}

}  // namespace qm::win32
#endif  // defined(_WIN32)
