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

class SettingsFile : public ::testing::Test {
 protected:
  std::string path() const { return folder.file("config/Oskavel Software/Quillmere.reg"); }
  std::string text() const { return folder.read("config/Oskavel Software/Quillmere.reg"); }
  TempFolder folder;
};

TEST_F(SettingsFile, IsCreatedByTheFirstWriteAndReadByAnotherInstanceAsItIsNow) {
  RegFileSettings settings(path());  // the types are told apart as every store does (settings_store_test)
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  EXPECT_FALSE(folder.exists("config"));
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Simple.style").ok());
  EXPECT_EQ(text(), crlf({"Windows Registry Editor Version 5.00", "", std::string("[") + kSettings + "]",
                          "\"LastRoutine\"=\"Simple.style\"", ""}));
  EXPECT_EQ(RegFileSettings(path()).readString(kSettings, "LastRoutine"), "Simple.style");
  folder.write("config/Oskavel Software/Quillmere.reg",
               crlf({std::string("[") + kSettings + "]", "\"LastRoutine\"=\"Edited.style\""}));
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Edited.style");
}

TEST_F(SettingsFile, AHandBrokenFileGivesWhatCanBeReadAndIsMendedByTheNextWrite) {
  folder.write("config/Oskavel Software/Quillmere.reg",
               crlf({"Windows Registry Editor Version 5.00", std::string("[") + kSettings,
                     "\"LastRoutine\"=\"Lost.style"}));
  RegFileSettings settings(path());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Simple.style").ok());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Simple.style");
  EXPECT_EQ(RegistryDocument::parse(text()).text(), text());
}

TEST_F(SettingsFile, WhatCannotBeWrittenGivesDefaultsAndIsLeftAsItWas) {
  RegFileSettings settings(path());
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Kept.style").ok());
  const std::string before = text();
  folder.setReadOnly("config/Oskavel Software/Quillmere.reg");
  EXPECT_FALSE(settings.writeString(kSettings, "LastRoutine", "Other.style").ok());
  EXPECT_EQ(text(), before);
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), "Kept.style");

  TempFolder other;  // a folder in the place of the file, or a file in the place of the folder
  other.makeFolder("a/Quillmere.reg");
  other.write("b/Oskavel Software", "not a folder");
  for (const char* blocked : {"a/Quillmere.reg", "b/Oskavel Software/Quillmere.reg"}) {
    RegFileSettings store(other.file(blocked));
    EXPECT_EQ(store.readString(kSettings, "LastRoutine"), std::nullopt) << blocked;
    EXPECT_FALSE(store.writeString(kSettings, "LastRoutine", "x").ok()) << blocked;
  }
  EXPECT_EQ(other.read("b/Oskavel Software"), "not a folder");
}

TEST_F(SettingsFile, TwoProgramsWritingAtOnceKeepEveryValueAndAValidFile) {
  constexpr int kWrites = 40;
  ASSERT_TRUE(RegFileSettings(path()).writeNumber(kPrevious, "Number", 0).ok());
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    children[child] = ::fork();
    ASSERT_GE(children[child], 0);
    if (children[child] == 0) {
      RegFileSettings settings(path());
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
  RegFileSettings reader(path());
  for (int child = 0; child < 2; ++child) {
    for (int i = 0; i < kWrites; ++i) {
      EXPECT_EQ(reader.readString(kPrevious, std::to_string(child * 100 + i)), "writer " + std::to_string(child));
    }
  }
  const auto number = reader.readNumber(kPrevious, "Number");
  ASSERT_TRUE(number.has_value());
  EXPECT_TRUE(*number == kWrites - 1 || *number == 1000 + kWrites - 1);
  EXPECT_EQ(RegistryDocument::parse(text()).text(), text());
}

TEST(SettingsFileLocation, FollowsAnAbsoluteXdgConfigHome) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedText = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  EXPECT_EQ(userSettingsFilePath("Oskavel Software", "Quillmere"), "/somewhere/config/Oskavel Software/Quillmere.reg");
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  ::setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  const std::string home = std::getenv("HOME");
  EXPECT_EQ(userSettingsFilePath("Oskavel Software", "Quillmere"),
            home + (home.back() == '/' ? "" : "/") + ".config/Oskavel Software/Quillmere.reg");
  saved ? ::setenv("XDG_CONFIG_HOME", savedText.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace qm
