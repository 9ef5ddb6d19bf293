// The month names and decimal separator of the locale the environment names.
#include "platform/clock.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qm {
namespace {

// Sets locale variables for one test and puts the old values back.
class LocaleEnvironment {
 public:
  LocaleEnvironment() {
    for (const char* name : kNames) saved_.push_back(read(name));
    for (const char* name : kNames) ::unsetenv(name);
  }
  ~LocaleEnvironment() {
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      if (saved_[i]) {
        ::setenv(kNames[i], saved_[i]->c_str(), 1);
      } else {
        ::unsetenv(kNames[i]);
      }
    }
  }
  void set(const char* name, const char* value) { ::setenv(name, value, 1); }

 private:
  static std::optional<std::string> read(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static constexpr const char* kNames[] = {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LANG", "LANGUAGE"};
  std::vector<std::optional<std::string>> saved_;
};

TEST(SystemClock, EnglishMonthNamesInTheCLocale) {
  LocaleEnvironment environment;
  environment.set("LC_ALL", "C");
  SystemClock clock;
  const char* expected[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(clock.monthAbbreviation(month), expected[month - 1]);
  EXPECT_EQ(clock.monthAbbreviation(0), "");
  EXPECT_EQ(clock.monthAbbreviation(13), "");
  EXPECT_EQ(clock.decimalSeparator(), ".");
}

TEST(SystemClock, FallsBackToEnglishWhenTheLocaleIsMissing) {
  LocaleEnvironment environment;
  environment.set("LC_TIME", "xx_NOWHERE.UTF-8");
  environment.set("LC_NUMERIC", "xx_NOWHERE.UTF-8");
  SystemClock clock;
  EXPECT_EQ(clock.monthAbbreviation(12), "Dec");
  EXPECT_EQ(clock.decimalSeparator(), ".");
}

TEST(SystemClock, TheLanguageOfTheUserIsFollowedWhenInstalled) {
  LocaleEnvironment environment;
  environment.set("LC_ALL", "de_DE.UTF-8");
  const locale_t german = ::newlocale(LC_TIME_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  if (german == static_cast<locale_t>(0)) GTEST_SKIP() << "no German locale on this machine";
  ::freelocale(german);
  SystemClock clock;
  EXPECT_EQ(clock.monthAbbreviation(5), "Mai");
  EXPECT_EQ(clock.decimalSeparator(), ",");
}

}  // namespace
}  // namespace qm
