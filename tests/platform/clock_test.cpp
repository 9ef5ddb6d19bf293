// The system clock: time that moves on, on every system.
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(SystemClock, TimeMovesOnAndSleepWaits) {
  SystemClock clock;
  const auto before = clock.monotonicMilliseconds();
  clock.sleepMilliseconds(100);
  // The count may move in steps as coarse as the system's tick (16 ms).
  EXPECT_GE(clock.monotonicMilliseconds() - before, 80);
  const LocalDateTime now = clock.now();
  EXPECT_GE(now.year, 2020);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31) << now.month << "/" << now.day;
  EXPECT_TRUE(now.hour <= 23 && now.minute <= 59 && now.second <= 60);
}

}  // namespace
}  // namespace qm
