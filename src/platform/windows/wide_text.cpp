#if defined(_WIN32)  // only the Windows build compiles this file
#include "platform/windows/wide_text.h"

#include <limits>

namespace qm::windows {

namespace {

int lengthOf(std::size_t size) {
  return size > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                          : static_cast<int>(size);
}

}  // namespace

std::wstring wideFromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int length = lengthOf(text.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), needed);
  return out;
}

std::string ansiFromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = lengthOf(text.size());
  const int needed =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

std::wstring widePath(std::string_view path) {
  std::wstring out = wideFromAnsi(path);
  for (wchar_t& c : out) {
    if (c == L'/') c = L'\\';
  }
  return out;
}

std::string systemMessage(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length > 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.')) {
    text.pop_back();
  }
  if (text.empty()) return "error " + std::to_string(error);
  return ansiFromWide(text);
}

std::string describe(std::string_view what, std::string_view path, DWORD error) {
  std::string out(what);
  out += " '";
  out += path;
  out += "': ";
  out += systemMessage(error);
  return out;
}

}  // namespace qm::windows
#endif  // defined(_WIN32)
