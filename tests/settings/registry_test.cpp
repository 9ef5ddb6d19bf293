#include "settings/registry.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

std::string settingsKey() { return SettingsKey() + "\\Settings"; }
std::string previousKey() { return SettingsKey() + "\\Previous"; }

TEST(Settings, FirstRunGivesEveryDefault) {
  MemorySettings store;
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 0), 0);
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, previousKey(), "1", ""), "");
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "Simple.style"), "Simple.style");
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 7), 7);
  EXPECT_EQ(store.writes(), 0);
}

TEST(Settings, ValuesOfTheWrongTypeGiveTheDefault) {
  MemorySettings store;
  SaveSettingString(store, HKEY_CURRENT_USER, previousKey(), "Number", "3");
  SaveSettingNumber(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", 1);
  store.document().setOther("HKEY_CURRENT_USER\\" + settingsKey(), "VB_Location", "hex(2):43,00,00,00");
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 0), 0);
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "none"), "none");
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "VB_Location", ""), "");
}

TEST(Settings, StoresUnderTheCurrentUsersRoot) {
  MemorySettings store;
  SaveSettingString(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "Simple.style");
  SaveSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 10);
  EXPECT_EQ(store.text(), crlf({"Windows Registry Editor Version 5.00", "",
                                "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings]",
                                "\"LastRoutine\"=\"Simple.style\"", "",
                                "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous]",
                                "\"Number\"=dword:0000000a", ""}));
}

TEST(Settings, NumbersKeepTheirSignThroughThirtyTwoBits) {
  MemorySettings store;
  for (std::int32_t number : {0, 1, 10, -1, 2147483647, -2147483647 - 1}) {
    SaveSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", number);
    EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 99), number);
  }
}

TEST(Settings, AStoredTextEndsAtItsFirstNul) {
  MemorySettings store;
  SaveSettingString(store, HKEY_CURRENT_USER, settingsKey(), "VB_Location", std::string("C:\\VB6.EXE\0junk", 15));
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "VB_Location", ""), "C:\\VB6.EXE");
}

TEST(Settings, AFailedWriteIsSilentAndLeavesTheStoreAsItWas) {
  MemorySettings store;
  SaveSettingString(store, HKEY_CURRENT_USER, settingsKey(), "ShowWarning", "True");
  store.failWrites(true);
  SaveSettingString(store, HKEY_CURRENT_USER, settingsKey(), "ShowWarning", "False");
  SaveSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 4);
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "ShowWarning", ""), "True");
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 0), 0);
}

TEST(Settings, ValuesBeyondTheCountStayButAreNotReadByTheCount) {
  MemorySettings store;
  for (int i = 1; i <= 7; ++i)
    SaveSettingString(store, HKEY_CURRENT_USER, previousKey(), std::to_string(i), "p" + std::to_string(i));
  SaveSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 3);
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, previousKey(), "7", ""), "p7");
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 0), 3);
}

}  // namespace
}  // namespace qm
