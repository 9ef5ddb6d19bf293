// The clock of POSIX systems: month names and the decimal separator of the
// language the environment names, English when it is missing.
#include "platform/clock.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>
#include <optional>

namespace qm {
namespace {

// Runs `body` with only the given locale variable set, then puts every one back.
template <typename Body>
void withLocale(std::initializer_list<std::pair<const char*, const char*>> values, Body body) {
  static constexpr const char* kNames[] = {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LANG", "LANGUAGE"};
  std::vector<std::optional<std::string>> saved;
  for (const char* name : kNames) {
    saved.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt);
    ::unsetenv(name);
  }
  for (const auto& [name, value] : values) ::setenv(name, value, 1);
  body();
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    saved[i] ? ::setenv(kNames[i], saved[i]->c_str(), 1) : ::unsetenv(kNames[i]);
  }
}

std::string months(const SystemClock& clock) {
  std::string out;
  for (int month = 0; month <= 13; ++month) out += clock.monthAbbreviation(month) + " ";
  return out + clock.decimalSeparator();
}

TEST(SystemClock, SpeaksEnglishInTheCLocaleAndWhenTheLocaleIsMissing) {
  const std::string english = " Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec  .";
  withLocale({{"LC_ALL", "C"}}, [&] { EXPECT_EQ(months(SystemClock()), english); });
  withLocale({{"LC_TIME", "xx_NOWHERE.UTF-8"}, {"LC_NUMERIC", "xx_NOWHERE.UTF-8"}},
             [&] { EXPECT_EQ(months(SystemClock()), english); });
}

TEST(SystemClock, FollowsTheLanguageOfTheUserWhenInstalled) {
  const locale_t german = ::newlocale(LC_TIME_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  if (german == static_cast<locale_t>(0)) GTEST_SKIP() << "no German locale on this machine";
  ::freelocale(german);
  withLocale({{"LC_ALL", "de_DE.UTF-8"}}, [] {
    SystemClock clock;
    EXPECT_EQ(clock.monthAbbreviation(5), "Mai");
    EXPECT_EQ(clock.decimalSeparator(), ",");
  });
}

}  // namespace
}  // namespace qm
