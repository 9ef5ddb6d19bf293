#include "settings/registry.h"

#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "platform/reg_file_settings.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

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

// The same operations over the settings file: one run writes, the next reads.
TEST(SettingsFile, TheFileWrittenByOneRunIsReadByTheNext) {
  TempFolder folder;
  const std::string path = folder.file("Oskavel Software/Quillmere.reg");
  {
    RegFileSettings first(path);
    SaveSettingString(first, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "Detailed.style");
    SaveSettingString(first, HKEY_CURRENT_USER, settingsKey(), "VB_Location", "/opt/vb98/VB6.EXE");
    SaveSettingString(first, HKEY_CURRENT_USER, settingsKey(), "ShowWarning", "False");
    SaveSettingNumber(first, HKEY_CURRENT_USER, previousKey(), "Number", 1);
    SaveSettingString(first, HKEY_CURRENT_USER, previousKey(), "1", "/home/ada/Billing/Billing.vbp");
  }
  RegFileSettings next(path);
  EXPECT_EQ(GetSettingString(next, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", ""), "Detailed.style");
  EXPECT_EQ(GetSettingString(next, HKEY_CURRENT_USER, settingsKey(), "VB_Location", ""), "/opt/vb98/VB6.EXE");
  EXPECT_EQ(GetSettingString(next, HKEY_CURRENT_USER, settingsKey(), "ShowWarning", ""), "False");
  EXPECT_EQ(GetSettingNumber(next, HKEY_CURRENT_USER, previousKey(), "Number", 0), 1);
  EXPECT_EQ(GetSettingString(next, HKEY_CURRENT_USER, previousKey(), "1", ""), "/home/ada/Billing/Billing.vbp");
}

TEST(SettingsFile, AFileThatCannotBeWrittenNeverStopsTheProgram) {
  TempFolder folder;
  folder.write("Oskavel Software", "a file where the folder should be");
  RegFileSettings store(folder.file("Oskavel Software/Quillmere.reg"));
  SaveSettingString(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "x");
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, settingsKey(), "LastRoutine", "default"), "default");
}

TEST(SettingsFile, AHandEditedFileIsRead) {
  TempFolder folder;
  folder.write("Quillmere.reg",
               "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Oskavel Software\\Quillmere\\Previous]\n"
               "\"Number\"=dword:2\n\"1\"=\"/p/One.vbp\"\n\"2\"=\"/p/Two.vbp\"\n");
  RegFileSettings store(folder.file("Quillmere.reg"));
  EXPECT_EQ(GetSettingNumber(store, HKEY_CURRENT_USER, previousKey(), "Number", 0), 2);
  EXPECT_EQ(GetSettingString(store, HKEY_CURRENT_USER, previousKey(), "2", ""), "/p/Two.vbp");
}

}  // namespace
}  // namespace qm
