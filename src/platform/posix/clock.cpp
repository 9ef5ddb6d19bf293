// The clock on POSIX systems: the steady clock for measuring, localtime_r,
// and the month names and decimal separator of the locale the environment
// names, read without touching the process's global locale.
#include "platform/clock.h"

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <chrono>
#include <thread>

namespace qm {

namespace {

// A locale object for one category built from the environment, as
// setlocale(category, "") would choose it, without touching the process's
// global locale.
class UserLocale {
 public:
  explicit UserLocale(int categoryMask) : locale_(::newlocale(categoryMask, "", static_cast<locale_t>(0))) {}
  ~UserLocale() {
    if (locale_ != static_cast<locale_t>(0)) ::freelocale(locale_);
  }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  bool loaded() const { return locale_ != static_cast<locale_t>(0); }
  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

}  // namespace

std::int64_t SystemClock::monotonicMilliseconds() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

LocalDateTime SystemClock::now() const {
  const time_t seconds = ::time(nullptr);
  struct tm parts {};
  ::localtime_r(&seconds, &parts);
  LocalDateTime out;
  out.year = parts.tm_year + 1900;
  out.month = parts.tm_mon + 1;
  out.day = parts.tm_mday;
  out.hour = parts.tm_hour;
  out.minute = parts.tm_min;
  out.second = parts.tm_sec;
  return out;
}

std::string SystemClock::monthAbbreviation(int month) const {
  const std::string english = englishMonthAbbreviation(month);
  if (english.empty()) return english;
  UserLocale locale(LC_TIME_MASK);
  if (!locale.loaded()) return english;
  struct tm parts {};
  parts.tm_mon = month - 1;
  parts.tm_mday = 1;
  parts.tm_year = 100;
  char buffer[64];
  const std::size_t length = ::strftime_l(buffer, sizeof buffer, "%b", &parts, locale.get());
  return monthNameForFolders(std::string_view(buffer, length), month);
}

std::string SystemClock::decimalSeparator() const {
  UserLocale locale(LC_NUMERIC_MASK);
  if (!locale.loaded()) return ".";
  const char* separator = ::nl_langinfo_l(RADIXCHAR, locale.get());
  if (separator == nullptr || separator[0] == '\0') return ".";
  return separator;
}

void SystemClock::sleepMilliseconds(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace qm
