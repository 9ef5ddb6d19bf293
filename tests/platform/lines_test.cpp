// Lines as Visual Basic reads them and writes them.
#include "platform/lines.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Lines, SplitAtCrLfOrALoneLfAndAreWrittenWithCrLf) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},  {"a\nb\n", {"a", "b"}},          {"a\rb\r\nc", {"a\rb", "c"}},  // a lone CR stays
      {"\r\n\r\nx\r\n", {"", "", "x"}}, {"", {}},                    {"a\r\r\n", {"a\r"}},
      {std::string("'caf\xE9\0x\r\n", 9), {std::string("'caf\xE9\0x", 7)}}};
  for (const auto& [text, lines] : cases) {
    std::vector<std::string> got;
    std::string written;
    for (auto line : splitLines(text)) {
      got.emplace_back(line);
      appendLine(written, line);
    }
    EXPECT_EQ(got, lines) << text;
    std::string expected;
    for (const auto& line : lines) expected += line + "\r\n";
    EXPECT_EQ(written, expected) << text;
  }
}

}  // namespace
}  // namespace qm
