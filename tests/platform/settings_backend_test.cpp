#include <gtest/gtest.h>

#include "platform/memory_settings.h"
#include "platform/registry_text.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

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
