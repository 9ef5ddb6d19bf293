#if defined(_WIN32)  // only the Windows build compiles this file
// The clock on Windows: GetTickCount64 for measuring, the local time of the
// system, and the month names and decimal separator of the user's locale
// (GetLocaleInfoEx), read at every call as the Control Panel may change them.
#include "platform/clock.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace qm {

namespace {

// The locale's text for `type`; empty when the locale does not give one.
std::string userLocaleText(LCTYPE type) {
  wchar_t buffer[128];
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
  if (length <= 1) return {};
  return windows::ansiFromWide(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
}

}  // namespace

std::int64_t SystemClock::monotonicMilliseconds() const { return static_cast<std::int64_t>(::GetTickCount64()); }

LocalDateTime SystemClock::now() const {
  SYSTEMTIME local;
  ::GetLocalTime(&local);
  LocalDateTime out;
  out.year = local.wYear;
  out.month = local.wMonth;
  out.day = local.wDay;
  out.hour = local.wHour;
  out.minute = local.wMinute;
  out.second = local.wSecond;
  return out;
}

std::string SystemClock::monthAbbreviation(int month) const {
  if (englishMonthAbbreviation(month).empty()) return {};
  return monthNameForFolders(userLocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + (month - 1))), month);
}

std::string SystemClock::decimalSeparator() const {
  const std::string separator = userLocaleText(LOCALE_SDECIMAL);
  return separator.empty() ? "." : separator;
}

void SystemClock::sleepMilliseconds(int milliseconds) {
  if (milliseconds > 0) ::Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace qm
#endif  // defined(_WIN32)
