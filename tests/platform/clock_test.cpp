#include "platform/clock.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(SystemClock, MonotonicTimeNeverGoesBackAndSleepWaits) {
  SystemClock clock;
  const auto before = clock.monotonicMilliseconds();
  clock.sleepMilliseconds(100);
  // The count may move in steps as coarse as the system's tick (16 ms).
  EXPECT_GE(clock.monotonicMilliseconds() - before, 80);
}

TEST(SystemClock, LocalTimeIsPlausible) {
  const LocalDateTime now = SystemClock().now();
  EXPECT_GE(now.year, 2020);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.minute, 59);
  EXPECT_LE(now.second, 60);
}

}  // namespace
}  // namespace qm
