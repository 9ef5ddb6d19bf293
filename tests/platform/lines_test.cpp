#include <gtest/gtest.h>

#include "platform/lines.h"

namespace qm {
namespace {

struct SplitCase {
  const char* name;
  std::string input;
  std::vector<std::string> lines;
};

class LineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, SplitsAsVisualBasicWouldRead) {
  const auto& c = GetParam();
  std::vector<std::string> got;
  for (auto line : splitLines(c.input)) got.emplace_back(line);
  EXPECT_EQ(got, c.lines) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSplitting,
    ::testing::Values(
        SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"lone lf", "a\nb\n", {"a", "b"}},
        SplitCase{"lone cr stays inside", "a\rb\r\nc", {"a\rb", "c"}},
        SplitCase{"no final terminator", "a\r\nb", {"a", "b"}},
        SplitCase{"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
        SplitCase{"empty text", "", {}},
        SplitCase{"high bytes and nul survive", std::string("'caf\xE9\0x\r\n", 9), {std::string("'caf\xE9\0x", 7)}},
        SplitCase{"cr before crlf", "a\r\r\n", {"a\r"}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(LineWriting, EveryLineEndsInCrLf) {
  std::string out;
  appendLine(out, "a");
  appendLine(out, "");
  EXPECT_EQ(out, "a\r\n\r\n");
}

}  // namespace
}  // namespace qm
