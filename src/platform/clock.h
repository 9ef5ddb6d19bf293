// Time as the program needs it: a monotonic millisecond count for measuring
// (never the time of day, which jumps at midnight and with clock changes),
// the local date and time for dated folder names, the user's month
// abbreviations and decimal separator, and a way to wait. The run and the
// roll back take a Clock so that tests can fix the time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

struct LocalDateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary start; never goes backwards.
  virtual std::int64_t monotonicMilliseconds() const = 0;
  virtual LocalDateTime now() const = 0;
  // The abbreviated name of `month` (1..12) in the user's language, such as
  // "Dec"; it never holds a path separator or a colon.
  virtual std::string monthAbbreviation(int month) const = 0;
  // The user's decimal separator, such as "." or ",".
  virtual std::string decimalSeparator() const = 0;
  virtual void sleepMilliseconds(int milliseconds) = 0;
};

// The machine's clock and the user's locale (LC_TIME and LC_NUMERIC, or the
// user's locale settings on Windows), read at every call; English names and
// "." when the locale gives none.
class SystemClock final : public Clock {
 public:
  std::int64_t monotonicMilliseconds() const override;
  LocalDateTime now() const override;
  std::string monthAbbreviation(int month) const override;
  std::string decimalSeparator() const override;
  void sleepMilliseconds(int milliseconds) override;
};

// "Jan" .. "Dec"; "" outside 1..12.
std::string englishMonthAbbreviation(int month);

// A locale's name for `month` as it may stand in a folder name: without
// path separators, colons and the other characters a file name cannot hold;
// the English name when nothing is left.
std::string monthNameForFolders(std::string_view localName, int month);

}  // namespace qm
