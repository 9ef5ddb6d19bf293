#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paths.h"

namespace qm {
namespace {

TEST(JoinPath, AddsOneBackslashUnlessTheFolderEndsInOne) {
  struct Case {
    std::string folder, name, joined;
  };
  const std::vector<Case> cases = {
      {"C:\\Work\\Billing", "modUtil.bas", "C:\\Work\\Billing\\modUtil.bas"},
      {"C:\\Work\\Billing\\", "modUtil.bas", "C:\\Work\\Billing\\modUtil.bas"},
      {"C:\\", "WorkingFile", "C:\\WorkingFile"},
      {"/opt/quillmere/", "Simple.style", "/opt/quillmere/Simple.style"},
      {"/opt/quillmere", "Simple.style", "/opt/quillmere\\Simple.style"},
      {"\\\\server\\share", "a.vbp", "\\\\server\\share\\a.vbp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(joinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
  }
}

TEST(BareNameAndFolder, SplitAtTheLastSeparatorOfEitherKind) {
  struct Case {
    std::string path, bare, folder;
  };
  const std::vector<Case> cases = {
      {"Forms\\frmMain.frm", "frmMain.frm", "Forms\\"},
      {"..\\Shared\\modShared.bas", "modShared.bas", "..\\Shared\\"},
      {"/tmp/x\\Forms/frmMain.frm", "frmMain.frm", "/tmp/x\\Forms/"},
      {"modUtil.bas", "modUtil.bas", ""},
      {"C:\\Work\\", "", "C:\\Work\\"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(bareName(c.path), c.bare) << c.path;
    EXPECT_EQ(folderOf(c.path), c.folder) << c.path;
  }
}

TEST(TrailingSeparator, IsAddedOrRemovedOnce) {
  EXPECT_EQ(withTrailingSeparator("C:\\Work"), "C:\\Work\\");
  EXPECT_EQ(withTrailingSeparator("C:\\Work\\"), "C:\\Work\\");
  EXPECT_EQ(withTrailingSeparator("/tmp/x/"), "/tmp/x/");
  EXPECT_EQ(withoutTrailingSeparator("C:\\Work\\"), "C:\\Work");
  EXPECT_EQ(withoutTrailingSeparator("C:\\Work"), "C:\\Work");
  EXPECT_EQ(withoutTrailingSeparator("/"), "/");
}

TEST(WildcardMatch, MatchesAsWindowsDoesIgnoringCase) {
  struct Case {
    std::string pattern, name;
    bool matches;
  };
  const std::vector<Case> cases = {
      {"*.style", "Simple.style", true},
      {"*.style", "Simple.STYLE", true},
      {"*.STYLE", "simple.style", true},
      {"*.style", "Simple.styles", false},
      {"*.style", "Simple.style.bak", false},
      {"*.style", "style", false},
      {"*.style", ".style", true},
      {"*.*", "README", true},
      {"*.*", "a.b.c", true},
      {"*", "", true},
      {"?", "", false},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"a?c", "abbc", false},
      {"*a*b", "xaYb", true},
      {"*a*b", "xaYbc", false},
      {"frm*.frm", "frmMain.frm", true},
      {"frm*.frm", "frmMain.frx", false},
      {"Simple.style", "SIMPLE.STYLE", true},
      {"Backup_*", "backup_2024-Jan-05", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(wildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " ~ " << c.name;
  }
}

}  // namespace
}  // namespace qm
