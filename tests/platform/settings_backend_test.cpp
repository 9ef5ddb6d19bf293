// The settings store's text, in the registry editor's export format (the
// values it reads are in tests/data/platform/registry_values.txt).
#include <gtest/gtest.h>

#include "platform/registry_text.h"
#include "support/case_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

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

}  // namespace
}  // namespace qm
