#include "engine/removal.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace qm {
namespace {

using testing::join;
using testing::kEE;
using testing::kES;
using testing::kSE;
using testing::kSS;

struct RemovalCase {
  std::string name;
  std::string input;
  std::string expected;
  int count = 0;
};
void PrintTo(const RemovalCase& c, std::ostream* os) { *os << c.name; }

class Removal : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, TakesOutTheMarkedBlocksOnly) {
  const auto& c = GetParam();
  const auto out = RemovalPass().run(c.input);
  ASSERT_TRUE(out.ok()) << out.message();
  EXPECT_EQ(out->text, c.expected);
  EXPECT_EQ(out->ssMarkers, c.count);
}

const std::string kProcedure = join({{"Private Sub cmdOK_Click()", "    Unload Me", "End Sub"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, Removal,
    ::testing::Values(
        RemovalCase{"no markers", kProcedure, kProcedure, 0},
        RemovalCase{"one procedure",
                    join({{"Private Sub cmdOK_Click()", "' closes", kSS, "On Error GoTo ErrorHandler", "", kSE,
                           "    Unload Me", kES, "Exit Sub", "ErrorHandler:", "    Resume Next", kEE, "End Sub"}}),
                    join({{"Private Sub cmdOK_Click()", "' closes", "    Unload Me", "End Sub"}}), 1},
        RemovalCase{"lone SE", join({{"Sub A()", kSE, "    x = 1", "End Sub"}}),
                    join({{"Sub A()", "    x = 1", "End Sub"}}), 0},
        RemovalCase{"lone EE", join({{"Sub A()", "    x = 1", kEE, "End Sub"}}),
                    join({{"Sub A()", "    x = 1", "End Sub"}}), 0},
        RemovalCase{"two SS before one SE",
                    join({{"Sub A()", kSS, "On Error GoTo H", kSS, "On Error GoTo H", kSE, "    x = 1", "End Sub"}}),
                    join({{"Sub A()", "    x = 1", "End Sub"}}), 2},
        RemovalCase{"lower-case marker is an ordinary line",
                    join({{"Sub A()", "'ss****** Do Not Delete, required by Quillmere", "    x = 1", "End Sub"}}),
                    join({{"Sub A()", "'ss****** Do Not Delete, required by Quillmere", "    x = 1", "End Sub"}}),
                    0},
        RemovalCase{"indented markers count and only nine characters are looked at",
                    join({{"Sub A()", "    'SS******", "    On Error GoTo H", "  'SE****** edited by hand",
                           "    x = 1", "End Sub"}}),
                    join({{"Sub A()", "    x = 1", "End Sub"}}), 1},
        RemovalCase{"lines added inside a block go with it",
                    join({{"Sub A()", kSS, "On Error GoTo H", "    Log \"added by hand\"", kSE, "End Sub"}}),
                    join({{"Sub A()", "End Sub"}}), 1},
        RemovalCase{"line numbers and the numbering marker stay",
                    join({{"'[L NUMS] (Line numbers added by Quillmere)", "Sub A()", kSS, "10 On Error GoTo H", kSE,
                           "15     x = 1", kES, "20 Exit Sub", kEE, "End Sub"}}),
                    join({{"'[L NUMS] (Line numbers added by Quillmere)", "Sub A()", "15     x = 1", "End Sub"}}),
                    1},
        RemovalCase{"any closing marker ends the open block",
                    join({{"Sub A()", kSS, "x", kES, "y", kEE, "z"}}), join({{"Sub A()", "z"}}), 1},
        RemovalCase{"a tab before a marker hides it", join({{"Sub A()", "\t'SS******", "End Sub"}}),
                    join({{"Sub A()", "\t'SS******", "End Sub"}}), 0}),
    [](const auto& info) { return testing::caseName(info.param.name); });

struct UnclosedCase {
  std::string name;
  std::string input;
  int line;
};
void PrintTo(const UnclosedCase& c, std::ostream* os) { *os << c.name; }

class RemovalOfUnclosedBlock : public ::testing::TestWithParam<UnclosedCase> {};

TEST_P(RemovalOfUnclosedBlock, FailsNamingTheOpeningLine) {
  const auto& c = GetParam();
  const auto out = RemovalPass().run(c.input);
  ASSERT_FALSE(out.ok());
  EXPECT_EQ(out.message(), "the block opened by the marker on line " + std::to_string(c.line) +
                               " is never closed; file left unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovalOfUnclosedBlock,
    ::testing::Values(UnclosedCase{"SS never closed", join({{"Sub A()", kSS, "    x = 1", "End Sub"}}), 2},
                      UnclosedCase{"ES never closed", join({{"Sub A()", "    x = 1", kES, "End Sub"}}), 3},
                      UnclosedCase{"second SS never closed",
                                   join({{"Sub A()", kSS, kSE, "End Sub", "Sub B()", kSS, kSS, "End Sub"}}), 6},
                      UnclosedCase{"ES after a closed block",
                                   join({{"Sub A()", kSS, kSE, "    x = 1", kES, "Exit Sub", "End Sub"}}), 5}),
    [](const auto& info) { return testing::caseName(info.param.name); });

}  // namespace
}  // namespace qm
