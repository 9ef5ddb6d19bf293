#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/memory_settings.h"
#include "platform/reg_file_settings.h"
#include "platform/registry_text.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::TempFolder;

constexpr const char* kSettings = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings";
constexpr const char* kPrevious = "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous";

// ---------------------------------------------------------------- the text form

TEST(RegistryText, WritesTheExportFormatWithEscapes) {
  RegistryDocument document;
  document.setString(kSettings, "LastRoutine", "Simple.style");
  document.setString(kSettings, "VB_Location", "C:\\VB98\\VB6.EXE");
  document.setString(kSettings, "Quote", "say \"hi\"");
  document.setNumber(kPrevious, "Number", 10);
  EXPECT_EQ(
      document.text(),
      crlf({"Windows Registry Editor Version 5.00", "",
            "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings]", "\"LastRoutine\"=\"Simple.style\"",
            "\"VB_Location\"=\"C:\\\\VB98\\\\VB6.EXE\"", "\"Quote\"=\"say \\\"hi\\\"\"", "",
            "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Previous]", "\"Number\"=dword:0000000a", ""}));
}

TEST(RegistryText, ReadsBackWhatItWrites) {
  RegistryDocument document;
  document.setString(kSettings, "Path", "\\\\server\\share\\a \"b\".vbp");
  document.setString(kSettings, "Accent", "caf\xE9");
  document.setString(kSettings, "Lines", "one\r\ntwo");
  document.setString(kSettings, "Empty", "");
  document.setNumber(kPrevious, "Number", 0xFFFFFFFFu);
  const RegistryDocument again = RegistryDocument::parse(document.text());
  EXPECT_EQ(again.stringValue(kSettings, "Path"), "\\\\server\\share\\a \"b\".vbp");
  EXPECT_EQ(again.stringValue(kSettings, "Accent"), "caf\xE9");
  EXPECT_EQ(again.stringValue(kSettings, "Lines"), "one\r\ntwo");
  EXPECT_EQ(again.stringValue(kSettings, "Empty"), "");
  EXPECT_EQ(again.numberValue(kPrevious, "Number"), 0xFFFFFFFFu);
  EXPECT_EQ(again.text(), document.text());
}

struct ParseCase {
  const char* name;
  std::string fileText;
  std::optional<std::string> text;      // "Value" as a string
  std::optional<std::uint32_t> number;  // "Value" as a number
};

class RegistryParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RegistryParsing, ReadsWhatCanBeRead) {
  const auto& c = GetParam();
  const RegistryDocument document = RegistryDocument::parse(c.fileText);
  EXPECT_EQ(document.stringValue(kSettings, "Value"), c.text) << c.name;
  EXPECT_EQ(document.numberValue(kSettings, "Value"), c.number) << c.name;
}

std::string withValue(std::string_view line) {
  return crlf({"Windows Registry Editor Version 5.00", "",
               "[HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\Settings]", line, ""});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryParsing,
    ::testing::Values(
        ParseCase{"string", withValue("\"Value\"=\"abc\""), "abc", std::nullopt},
        ParseCase{"dword", withValue("\"Value\"=dword:0000000a"), std::nullopt, 10u},
        ParseCase{"short dword", withValue("\"Value\"=dword:1F"), std::nullopt, 31u},
        ParseCase{"name ignores case", withValue("\"VALUE\"=\"x\""), "x", std::nullopt},
        ParseCase{"blanks around equals", withValue("\"Value\" = \"x\""), "x", std::nullopt},
        ParseCase{"unescaped backslash kept", withValue("\"Value\"=\"C:\\VB98\""), "C:\\VB98", std::nullopt},
        ParseCase{"a broken value ending in a backslash does not take the next line",
                  withValue("\"Other\"=C:\\\r\n\"Value\"=\"kept\""), "kept", std::nullopt},
        ParseCase{"nor does one whose name holds an equals sign",
                  withValue("\"A=B\"=dword:\\\r\n\"Value\"=\"kept\""), "kept", std::nullopt},
        ParseCase{"a hex list goes on over lines",
                  withValue("\"Value\"=hex(1):41,00,\\\r\n  42,00,00,00"), "AB", std::nullopt},
        ParseCase{"expandable string is another type", withValue("\"Value\"=hex(2):41,00,00,00"), std::nullopt,
                  std::nullopt},
        ParseCase{"binary is another type", withValue("\"Value\"=hex:01,02"), std::nullopt, std::nullopt},
        ParseCase{"string as hex(1)", withValue("\"Value\"=hex(1):41,00,42,00,00,00"), "AB", std::nullopt},
        ParseCase{"unclosed string", withValue("\"Value\"=\"abc"), std::nullopt, std::nullopt},
        ParseCase{"dword too long", withValue("\"Value\"=dword:000000001"), std::nullopt, std::nullopt},
        ParseCase{"dword not hex", withValue("\"Value\"=dword:zz"), std::nullopt, std::nullopt},
        ParseCase{"deleted value", withValue("\"Value\"=-"), std::nullopt, std::nullopt},
        ParseCase{"LF line ends",
                  "Windows Registry Editor Version 5.00\n\n[" + std::string(kSettings) + "]\n\"Value\"=\"lf\"\n", "lf",
                  std::nullopt},
        ParseCase{"UTF-8 mark", "\xEF\xBB\xBF" + withValue("\"Value\"=\"bom\""), "bom", std::nullopt},
        ParseCase{"UTF-16 file from the registry editor",
                  [] {
                    std::string wide = "\xFF\xFE";
                    for (char c : withValue("\"Value\"=\"wide\"")) {
                      wide.push_back(c);
                      wide.push_back('\0');
                    }
                    return wide;
                  }(),
                  "wide", std::nullopt},
        ParseCase{"later duplicate wins", withValue("\"Value\"=\"a\"\r\n\"Value\"=dword:00000002"), std::nullopt, 2u},
        ParseCase{"value before any key", "\"Value\"=\"x\"\r\n", std::nullopt, std::nullopt},
        ParseCase{
            "deleted key",
            crlf({"Windows Registry Editor Version 5.00", "[-" + std::string(kSettings) + "]", "\"Value\"=\"x\""}),
            std::nullopt, std::nullopt},
        ParseCase{"garbage", std::string("\x00\x01\x02 not a registry file [", 25), std::nullopt, std::nullopt},
        ParseCase{"broken lines around a good one",
                  withValue("junk line\r\n\"Value\"=\"good\"\r\n=\"nameless\"\r\n[unclosed"), "good", std::nullopt}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(RegistryText, KeepsValuesOfOtherTypesOverSeveralLines) {
  const std::string file = withValue("\"Blob\"=hex:01,02,\\\r\n  03,04\r\n\"Value\"=\"after\"");
  RegistryDocument document = RegistryDocument::parse(file);
  EXPECT_EQ(document.stringValue(kSettings, "Value"), "after");
  ASSERT_NE(document.find(kSettings, "Blob"), nullptr);
  EXPECT_EQ(document.find(kSettings, "Blob")->text, "hex:01,02,03,04");
  document.setString(kSettings, "Value", "changed");
  EXPECT_NE(document.text().find("\"Blob\"=hex:01,02,03,04\r\n"), std::string::npos);
}

TEST(RegistryText, KeysMatchWithoutRegardToCase) {
  RegistryDocument document = RegistryDocument::parse(withValue("\"Value\"=\"x\""));
  document.setString("hkey_current_user\\software\\oskavel software\\quillmere\\settings", "value", "y");
  EXPECT_EQ(document.keys().size(), 1u);
  EXPECT_EQ(document.stringValue(kSettings, "Value"), "y");
}

// ---------------------------------------------------------------- the file back end

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

TEST_F(SettingsFile, AValueOfAnotherTypeReadsAsNothing) {
  RegFileSettings settings(path());
  ASSERT_TRUE(settings.writeString(kPrevious, "Number", "3").ok());
  ASSERT_TRUE(settings.writeNumber(kSettings, "LastRoutine", 7).ok());
  EXPECT_EQ(settings.readNumber(kPrevious, "Number"), std::nullopt);
  EXPECT_EQ(settings.readString(kSettings, "LastRoutine"), std::nullopt);
  // A later write of the right type replaces it.
  ASSERT_TRUE(settings.writeNumber(kPrevious, "Number", 3).ok());
  EXPECT_EQ(settings.readNumber(kPrevious, "Number"), 3u);
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
  ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
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

// ---------------------------------------------------------------- the in-memory back end

TEST(MemorySettings, StartsFromAFileTextAndRefusesWritesOnDemand) {
  MemorySettings settings(withValue("\"Value\"=\"from file\""));
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
