// The settings store: the registry editor's text format (the values it reads
// are in tests/data/platform/registry_values.txt), the file that holds it
// between runs, and the in-memory store that tests use.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/memory_settings.h"
#include "platform/reg_file_settings.h"
#include "platform/registry_text.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

constexpr const char* kSettings = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings";
constexpr const char* kPrevious = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous";

class RegistryValues : public testing::CaseTest {};

TEST_P(RegistryValues, ReadsWhatCanBeRead) {
  std::string file = c.text("file");
  if (c.flag("utf16", false)) {
    std::string wide = "\xFF\xFE";
    for (char ch : file) wide += {ch, '\0'};
    file = wide;
  }
  const RegistryDocument document = RegistryDocument::parse(file);
  EXPECT_EQ(document.stringValue(kSettings, "Value"), c.optional("string"));
  const auto number = document.numberValue(kSettings, "Value");
  EXPECT_EQ(number ? std::optional<std::string>(std::to_string(*number)) : std::nullopt, c.optional("number"));
}

QM_CASES_FROM(RegistryValues, "platform/registry_values.txt");

TEST(RegistryText, WritesTheExportFormatWithEscapesAndReadsItBack) {
  RegistryDocument document;
  document.setString(kSettings, "VB_Location", "C:\\VB98\\VB6.EXE");
  document.setString(kSettings, "Quote", "say \"hi\"");
  document.setNumber(kPrevious, "Number", 10);
  EXPECT_EQ(document.text(),
            crlf({"Windows Registry Editor Version 5.00", "", std::string("[") + kSettings + "]",
                  "\"VB_Location\"=\"C:\\\\VB98\\\\VB6.EXE\"", "\"Quote\"=\"say \\\"hi\\\"\"", "",
                  std::string("[") + kPrevious + "]", "\"Number\"=dword:0000000a", ""}));
  const std::pair<const char*, std::string> values[] = {
      {"Path", "\\\\server\\share\\a \"b\".vbp"}, {"Accent", "caf\xE9"}, {"Lines", "one\r\ntwo"}, {"Empty", ""}};
  for (const auto& [name, text] : values) document.setString(kSettings, name, text);
  document.setNumber(kPrevious, "Number", 0xFFFFFFFFu);
  const RegistryDocument again = RegistryDocument::parse(document.text());
  for (const auto& [name, text] : values) EXPECT_EQ(again.stringValue(kSettings, name), text) << name;
  EXPECT_EQ(again.numberValue(kPrevious, "Number"), 0xFFFFFFFFu);
  EXPECT_EQ(again.text(), document.text());
}

TEST(RegistryText, KeepsValuesOfOtherTypesOverSeveralLinesAndMatchesKeysWithoutCase) {
  RegistryDocument document = RegistryDocument::parse(crlf({"Windows Registry Editor Version 5.00",
                                                            std::string("[") + kSettings + "]",
                                                            "\"Blob\"=hex:01,02,\\", "  03,04", "\"Value\"=\"after\""}));
  EXPECT_EQ(document.stringValue(kSettings, "Value"), "after");
  ASSERT_NE(document.find(kSettings, "Blob"), nullptr);
  EXPECT_EQ(document.find(kSettings, "Blob")->text, "hex:01,02,03,04");
  document.setString("hkey_current_user\\software\\oskavel software\\quillmere\\settings", "value", "changed");
  EXPECT_EQ(document.keys().size(), 1u);
  EXPECT_EQ(document.stringValue(kSettings, "Value"), "changed");
  EXPECT_NE(document.text().find("\"Blob\"=hex:01,02,03,04\r\n"), std::string::npos);
}

class SettingsFile : public ::testing::Test {
 protected:
  std::string path() const { return folder.file("config/Oskavel Software/Quillmere.reg"); }
  std::string text() const { return folder.read("config/Oskavel Software/Quillmere.reg"); }
  TempFolder folder;
};

TEST_F(SettingsFile, IsCreatedByTheFirstWriteAndReadByAnotherInstanceAsItIsNow) {
  RegFileSettings settings(path());
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  EXPECT_EQ(settings.readNumber(kPrevious, "Number"), std::nullopt);
  EXPECT_FALSE(folder.exists("config"));
  ASSERT_TRUE(settings.writeString(kSettings, "LastRoutine", "Simple.style").ok());
  EXPECT_EQ(text(), crlf({"Windows Registry Editor Version 5.00", "", std::string("[") + kSettings + "]",
                          "\"LastRoutine\"=\"Simple.style\"", ""}));
  ASSERT_TRUE(settings.writeNumber(kPrevious, "Number", 2).ok());
  ASSERT_TRUE(settings.writeString(kPrevious, "Number", "3").ok());  // a value of another type reads as nothing
  RegFileSettings other(path());
  EXPECT_EQ(other.readString(kSettings, "LastRoutine"), "Simple.style");
  EXPECT_EQ(other.readNumber(kPrevious, "Number"), std::nullopt);
  EXPECT_EQ(other.readString(kPrevious, "Number"), "3");
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
  ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
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

TEST(MemorySettings, StartsFromAFileTextAndRefusesWritesOnDemand) {
  MemorySettings settings(crlf({std::string("[") + kSettings + "]", "\"Value\"=\"from file\""}));
  EXPECT_EQ(settings.readString(kSettings, "Value"), "from file");
  settings.failWrites(true);
  EXPECT_FALSE(settings.writeString(kSettings, "Value", "lost").ok());
  EXPECT_EQ(settings.readString(kSettings, "Value"), "from file");
  settings.failWrites(false);
  EXPECT_TRUE(settings.writeNumber(kSettings, "Value", 5).ok());
  EXPECT_EQ(settings.readString(kSettings, "Value"), std::nullopt);
  EXPECT_EQ(settings.readNumber(kSettings, "Value"), 5u);
  EXPECT_EQ(settings.writes(), 2);
}

}  // namespace
}  // namespace qm
