// The settings as the program reads and writes them: under the current
// user's key, with a default for anything absent or of another type, and
// silently unchanged when the store cannot be written.
#include "settings/registry.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

const std::string kSettings = SettingsKey() + "\\Settings";
const std::string kPrevious = SettingsKey() + "\\Previous";

std::string text(const SettingsBackend& store, const std::string& key, const char* name) {
  return GetSettingString(store, HKEY_CURRENT_USER, key, name, "<default>");
}
std::int32_t number(const SettingsBackend& store, const std::string& key, const char* name) {
  return GetSettingNumber(store, HKEY_CURRENT_USER, key, name, 99);
}

TEST(Settings, StoresUnderTheCurrentUsersKeyAndGivesTheDefaultForWhatIsAbsentOrOfAnotherType) {
  MemorySettings store;
  EXPECT_EQ(text(store, kSettings, "LastRoutine"), "<default>");
  EXPECT_EQ(number(store, kPrevious, "Number"), 99);
  EXPECT_EQ(store.writes(), 0);
  SaveSettingString(store, HKEY_CURRENT_USER, kSettings, "LastRoutine", "Simple.style");
  SaveSettingNumber(store, HKEY_CURRENT_USER, kPrevious, "Number", 10);
  EXPECT_EQ(store.text(), crlf({"Windows Registry Editor Version 5.00", "",
                                "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings]",
                                "\"LastRoutine\"=\"Simple.style\"", "",
                                "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous]",
                                "\"Number\"=dword:0000000a", ""}));
  SaveSettingString(store, HKEY_CURRENT_USER, kPrevious, "Number", "3");
  SaveSettingNumber(store, HKEY_CURRENT_USER, kSettings, "LastRoutine", 1);
  store.document().setOther("HKEY_CURRENT_USER\\" + kSettings, "VB_Location", "hex(2):43,00,00,00");
  EXPECT_EQ(number(store, kPrevious, "Number"), 99);
  EXPECT_EQ(text(store, kSettings, "LastRoutine"), "<default>");
  EXPECT_EQ(text(store, kSettings, "VB_Location"), "<default>");
}

TEST(Settings, NumbersKeepTheirSignThroughThirtyTwoBitsAndATextEndsAtItsFirstNul) {
  MemorySettings store;
  for (std::int32_t value : {0, 1, 10, -1, 2147483647, -2147483647 - 1}) {
    SaveSettingNumber(store, HKEY_CURRENT_USER, kPrevious, "Number", value);
    EXPECT_EQ(number(store, kPrevious, "Number"), value);
  }
  SaveSettingString(store, HKEY_CURRENT_USER, kSettings, "VB_Location", std::string("C:\\VB6.EXE\0junk", 15));
  EXPECT_EQ(text(store, kSettings, "VB_Location"), "C:\\VB6.EXE");
}

TEST(Settings, AFailedWriteIsSilentAndLeavesTheStoreAsItWas) {
  MemorySettings store;
  SaveSettingString(store, HKEY_CURRENT_USER, kSettings, "ShowWarning", "True");
  store.failWrites(true);
  SaveSettingString(store, HKEY_CURRENT_USER, kSettings, "ShowWarning", "False");
  SaveSettingNumber(store, HKEY_CURRENT_USER, kPrevious, "Number", 4);
  EXPECT_EQ(text(store, kSettings, "ShowWarning"), "True");
  EXPECT_EQ(number(store, kPrevious, "Number"), 99);
}

}  // namespace
}  // namespace qm
