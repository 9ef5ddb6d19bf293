// The settings operations over the settings file of POSIX systems.
#include <gtest/gtest.h>

#include "platform/posix/reg_file_settings.h"
#include "settings/registry.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

const std::string kSettings = SettingsKey() + "\\Settings";
const std::string kPrevious = SettingsKey() + "\\Previous";

std::string text(const SettingsBackend& store, const std::string& key, const char* name) {
  return GetSettingString(store, HKEY_CURRENT_USER, key, name, "<default>");
}
std::int32_t number(const SettingsBackend& store, const std::string& key, const char* name) {
  return GetSettingNumber(store, HKEY_CURRENT_USER, key, name, 99);
}

TEST(SettingsFile, WrittenByOneRunIsReadByTheNext) {
  testing::TempFolder folder;
  RegFileSettings first(folder.file("Oskavel Software/Quillmere.reg"));
  SaveSettingString(first, HKEY_CURRENT_USER, kPrevious, "1", "/opt/vb98/Billing.vbp");
  SaveSettingNumber(first, HKEY_CURRENT_USER, kPrevious, "Number", 1);
  const RegFileSettings next(folder.file("Oskavel Software/Quillmere.reg"));
  EXPECT_EQ(text(next, kPrevious, "1"), "/opt/vb98/Billing.vbp");
  EXPECT_EQ(number(next, kPrevious, "Number"), 1);
}

TEST(SettingsFile, ThatCannotBeWrittenIsLeftSilentlyAndGivesDefaults) {
  testing::TempFolder folder;  // a file where the settings' folder should be
  folder.write("Oskavel Software", "a file where the folder should be");
  RegFileSettings blocked(folder.file("Oskavel Software/Quillmere.reg"));
  SaveSettingString(blocked, HKEY_CURRENT_USER, kSettings, "LastRoutine", "x");
  EXPECT_EQ(text(blocked, kSettings, "LastRoutine"), "<default>");
}

}  // namespace
}  // namespace qm
