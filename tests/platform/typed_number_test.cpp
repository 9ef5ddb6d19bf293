// The one reading of the numbers people type.
#include "platform/typed_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qm {
namespace {

TEST(TypedNumber, ReadsOnlyPlainDecimalNumbers) {
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"10", 10.0},   {"  -2.5 ", -2.5}, {"\t+3\t", 3.0}, {".5", 0.5},    {"5.", 5.0},     {"1E2", 100.0},
      {"1e+2", 100.0}, {"2.5e-1", 0.25}, {"1e-400", 0.0}, {"0.000000000000000000000000000000000001e-400", 0.0},
      {"1e400", {}},  {"2,5", {}},        {"5d1", {}},      {"1D2", {}},     {"", {}},        {"  ", {}},
      {".", {}},       {"-", {}},          {"e5", {}},       {"1e", {}},      {"1e+", {}},     {"0x10", {}},
      {"1 2", {}},     {"1,000", {}},      {"--1", {}},      {"+-1", {}},     {"inf", {}},     {"nan", {}},
      {"12abc", {}},   {"1.2.3", {}},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(typedNumber(text), value) << "'" << text << "'";
  EXPECT_EQ(typedNumber("1" + std::string(400, '0') + "e-1"), std::nullopt)
      << "far beyond a double, however small its exponent";
}

TEST(TypedNumber, ReadsBackWhatItsNumbersPrintAs) {
  for (double value : {0.0, 1.0, -7.0, 0.125, 1234.5, -0.001, 1e300, 3e-300}) {
    for (const std::string& text : {std::to_string(value), std::to_string(value) + "e0"}) {
      const auto read = typedNumber(text);
      ASSERT_TRUE(read.has_value()) << text;
      EXPECT_DOUBLE_EQ(*read, std::stod(text)) << text;
    }
  }
}

}  // namespace
}  // namespace qm
