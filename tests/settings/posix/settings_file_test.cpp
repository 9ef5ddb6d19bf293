// The settings operations over the settings file of POSIX systems.
#include <gtest/gtest.h>

#include "platform/posix/reg_file_settings.h"
#include "settings/registry.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::TempFolder;

std::string settingsKey() { return SettingsKey() + "\\Settings"; }
std::string previousKey() { return SettingsKey() + "\\Previous"; }

// One run writes, the next reads.
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
