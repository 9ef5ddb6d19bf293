// The settings file of POSIX systems: one file in the registry's export
// format, read at every call and replaced whole at every write.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/posix/reg_file_settings.h"
#include "platform/registry_text.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

constexpr const char* kSettings = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings";
constexpr const char* kPrevious = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous";

std::string withValue(std::string_view line) {
  return crlf({"Windows Registry Editor Version 5.00", "",
               "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings]", line, ""});
}

class SettingsFile : public ::testing::Test {
 protected:
  std::string path() const { return folder.file("config/Oskavel Software/Quillmere.reg"); }
  TempFolder folder;
};

TEST_F(SettingsFile, FirstRunReadsNothingAndTheFirstWriteCreatesFoldersKeyAndValue) {
  RegFileSettings settings(path());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  EXPECT_EQ(settings.readNumber(kPrevious, "Number"), std::nullopt);
  EXPECT_FALSE(folder.exists("config"));
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Simple.style").ok());
  EXPECT_EQ(folder.read("config/Oskavel Software/Quillmere.reg"),
            withValue("\"LastRoutine\"=\"Simple.style\""));
}

TEST_F(SettingsFile, AValueWrittenByOneInstanceIsReadByAnother) {
  {
    RegFileSettings writer(path());
    ASSERT_TRUE(writer.writeNumber(kPrevious, "Number", 2).ok());
    ASSERT_TRUE(writer.writeString(kPrevious, "1", "/work/Billing/Billing.vbp").ok());
    ASSERT_TRUE(writer.writeString(kSettings, "Create", "True").ok());
  }
  RegFileSettings reader(path());
  EXPECT_EQ(reader.readNumber(kPrevious, "Number"), 2u);
  EXPECT_EQ(reader.readString(kPrevious, "1"), "/work/Billing/Billing.vbp");
  EXPECT_EQ(reader.readString(kSettings, "Create"), "True");
}

TEST_F(SettingsFile, EveryReadSeesTheFileAsItIsNow) {
  RegFileSettings settings(path());
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "A.style").ok());
  folder.write("config/Oskavel Software/Quillmere.reg", withValue("\"LastRoutine\"=\"Edited.style\""));
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Edited.style");
}

TEST_F(SettingsFile, AHandBrokenFileGivesWhatCanBeReadAndIsMendedByTheNextWrite) {
  folder.write(
      "config/Oskavel Software/Quillmere.reg",
      "Windows Registry Editor Version 5.00\r\n[" + std::string(kSettings) + "\r\n\"LastRoutine\"=\"Lost.style\r\n");
  RegFileSettings settings(path());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Simple.style").ok());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Simple.style");
  EXPECT_EQ(RegistryDocument::parse(folder.read("config/Oskavel Software/Quillmere.reg")).text(),
            folder.read("config/Oskavel Software/Quillmere.reg"));
}

TEST_F(SettingsFile, AFolderInThePlaceOfTheFileOrAFileInThePlaceOfTheFolderGivesDefaultsAndRefusesWrites) {
  folder.makeFolder("config/Oskavel Software/Quillmere.reg");
  RegFileSettings settings(path());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  EXPECT_FALSE(settings.writeString(kSettings, "LastRoutine", "x").ok());

  TempFolder other;
  other.write("config/Oskavel Software", "not a folder");
  RegFileSettings blocked(other.file("config/Oskavel Software/Quillmere.reg"));
  EXPECT_EQ(blocked.readString(kSettings, "LastRoutine"), std::nullopt);
  EXPECT_FALSE(blocked.writeString(kSettings, "LastRoutine", "x").ok());
  EXPECT_EQ(other.read("config/Oskavel Software"), "not a folder");
}

TEST_F(SettingsFile, AReadOnlyFileIsLeftAsItWas) {
  RegFileSettings settings(path());
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Kept.style").ok());
  const std::string before = folder.read("config/Oskavel Software/Quillmere.reg");
  folder.setReadOnly("config/Oskavel Software/Quillmere.reg");
  EXPECT_FALSE(settings.writeString(kSettings, "LastRoutine", "Other.style").ok());
  EXPECT_EQ(folder.read("config/Oskavel Software/Quillmere.reg"), before);
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Kept.style");
}

TEST_F(SettingsFile, TwoProgramsWritingAtOnceKeepEveryValueAndAValidFile) {
  constexpr int kWrites = 40;
  const std::string file = path();
  {
    RegFileSettings first(file);
    ASSERT_TRUE(first.writeNumber(kPrevious, "Number", 0).ok());
  }
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    children[child] = ::fork();
    ASSERT_GE(children[child], 0);
    if (children[child] == 0) {
      RegFileSettings settings(file);
      bool ok = true;
      for (int i = 0; i < kWrites; ++i) {
        ok = settings.writeString(kPrevious, std::to_string(child * 100 + i), "writer " + std::to_string(child)).ok() &&
             ok;
        ok = settings.writeNumber(kPrevious, "Number", static_cast<std::uint32_t>(child * 1000 + i)).ok() && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  RegFileSettings reader(file);
  for (int child = 0; child < 2; ++child) {
    for (int i = 0; i < kWrites; ++i) {
      EXPECT_EQ(reader.readString(kPrevious, std::to_string(child * 100 + i)), "writer " + std::to_string(child));
    }
  }
  const auto number = reader.readNumber(kPrevious, "Number");
  ASSERT_TRUE(number.has_value());
  EXPECT_TRUE(*number == kWrites - 1 || *number == 1000 + kWrites - 1);
  const std::string text = folder.read("config/Oskavel Software/Quillmere.reg");
  EXPECT_EQ(RegistryDocument::parse(text).text(), text);
}

TEST(SettingsFileLocation, FollowsXdgConfigHome) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedText = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  EXPECT_EQ(userSettingsFilePath("Oskavel Software", "Quillmere"), "/somewhere/config/Oskavel Software/Quillmere.reg");
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  ::setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  const std::string home = std::getenv("HOME");
  EXPECT_EQ(userSettingsFilePath("Oskavel Software", "Quillmere"),
            home + (home.back() == '/' ? "" : "/") + ".config/Oskavel Software/Quillmere.reg");
  if (saved) {
    ::setenv("XDG_CONFIG_HOME", savedText.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace qm
