// What every system's settings store does, whatever keeps the values.
#include <gtest/gtest.h>

#include "platform/user_store_under_test.h"

namespace qm {
namespace {

TEST(UserSettingsStore, KeepsStringsAndNumbersUnderKeysItCreatesAndTellsTheTypesApart) {
  auto underTest = testing::openUserStoreUnderTest();
  SettingsBackend& store = underTest->store();
  const std::string settings = underTest->keyPath("Settings");
  const std::string previous = underTest->keyPath("Previous");
  EXPECT_EQ(store.readString(settings, "LastRoutine"), std::nullopt);
  EXPECT_EQ(store.readNumber(previous, "Number"), std::nullopt);

  ASSERT_TRUE(store.writeString(settings, "LastRoutine", "Simple.style").ok());
  ASSERT_TRUE(store.writeString(settings, "VB_Location", "C:\\VB98\\VB6.EXE").ok());
  ASSERT_TRUE(store.writeString(previous, "1", "C:\\Work\\Caf\xE9\\Billing.vbp").ok());
  ASSERT_TRUE(store.writeString(settings, "Empty", "").ok());
  ASSERT_TRUE(store.writeNumber(previous, "Number", 0xFFFFFFFFu).ok());
  EXPECT_EQ(store.readString(settings, "lastroutine"), "Simple.style");
  EXPECT_EQ(store.readString(settings, "VB_Location"), "C:\\VB98\\VB6.EXE");
  EXPECT_EQ(store.readString(previous, "1"), "C:\\Work\\Caf\xE9\\Billing.vbp");
  EXPECT_EQ(store.readString(settings, "Empty"), "");
  EXPECT_EQ(store.readNumber(previous, "Number"), 0xFFFFFFFFu);

  // A value of the other type reads as nothing until it is written again.
  EXPECT_EQ(store.readString(previous, "Number"), std::nullopt);
  EXPECT_EQ(store.readNumber(settings, "LastRoutine"), std::nullopt);
  ASSERT_TRUE(store.writeString(previous, "Number", "3").ok());
  EXPECT_EQ(store.readNumber(previous, "Number"), std::nullopt);
  EXPECT_EQ(store.readString(previous, "Number"), "3");
}

}  // namespace
}  // namespace qm
