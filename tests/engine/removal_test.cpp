// The removal pass: texts in, texts out (tests/data/engine/removal.txt), and
// the member file it rewrites in place.
#include "engine/removal.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/case_file.h"
#include "support/default_style_texts.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;
using testing::kSE;
using testing::kSS;

class Removal : public testing::CaseTest {};

TEST_P(Removal, TakesOutTheMarkedBlocksOnly) {
  const auto out = RemovalPass().run(c.text("input"));
  if (c.has("error")) {
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.message(), c.text("error"));
    return;
  }
  ASSERT_TRUE(out.ok()) << out.message();
  EXPECT_EQ(out->text, c.text("expected", c.text("input")));
  EXPECT_EQ(out->ssMarkers, c.number("markers"));
}

QM_CASES_FROM(Removal, "engine/removal.txt");

TEST(RemovalFile, ReplacesTheFileOrLeavesItUnchangedSayingWhy) {
  testing::TempFolder temp;
  temp.makeFolder("program");
  NativeFileSystem native;
  Workspace ws{native, temp.path() + "program", temp.path()};
  temp.write("Module1.bas", crlf({"Sub A()", kSS, "On Error GoTo H", kSE, "    x = 1", "End Sub"}));
  const auto removed = sDeleteInsertedCode(ws, temp.file("Module1.bas"));
  ASSERT_TRUE(removed.ok()) << removed.message();
  EXPECT_EQ(*removed, "1");
  EXPECT_EQ(temp.read("Module1.bas"), crlf({"Sub A()", "    x = 1", "End Sub"}));

  const std::string unclosed = crlf({"Sub A()", kSS, "    x = 1", "End Sub", "Sub B()", "    y = 2", "End Sub"});
  temp.write("Module2.bas", unclosed);
  const auto refused = sDeleteInsertedCode(ws, temp.file("Module2.bas"));
  ASSERT_FALSE(refused.ok());
  EXPECT_NE(refused.message().find("Module2.bas"), std::string::npos) << refused.message();
  EXPECT_NE(refused.message().find("line 2 is never closed"), std::string::npos) << refused.message();
  EXPECT_EQ(temp.read("Module2.bas"), unclosed);
  EXPECT_FALSE(temp.exists("program/WorkingFile"));
  EXPECT_FALSE(sDeleteInsertedCode(ws, temp.file("Gone.bas")).ok());
}

}  // namespace
}  // namespace qm
