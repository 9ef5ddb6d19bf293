// Windows paths as the product handles them, whatever the platform.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <array>

namespace qm {
namespace {

TEST(Paths, JoinWithOneBackslashAndSplitAtTheLastSeparatorOfEitherKind) {
  const std::array<const char*, 3> joined[] = {
      {"C:\\Work\\Billing", "modUtil.bas", "C:\\Work\\Billing\\modUtil.bas"},
      {"C:\\Work\\Billing\\", "modUtil.bas", "C:\\Work\\Billing\\modUtil.bas"},
      {"C:\\", "WorkingFile", "C:\\WorkingFile"},
      {"/opt/quillmere/", "Simple.style", "/opt/quillmere/Simple.style"},
      {"/opt/quillmere", "Simple.style", "/opt/quillmere\\Simple.style"},
      {"\\\\server\\share", "a.vbp", "\\\\server\\share\\a.vbp"}};
  for (const auto& [folder, name, path] : joined) EXPECT_EQ(joinPath(folder, name), path) << folder;
  const std::array<const char*, 3> split[] = {{"Forms\\frmMain.frm", "frmMain.frm", "Forms\\"},
                                              {"..\\Shared\\modShared.bas", "modShared.bas", "..\\Shared\\"},
                                              {"/tmp/x\\Forms/frmMain.frm", "frmMain.frm", "/tmp/x\\Forms/"},
                                              {"modUtil.bas", "modUtil.bas", ""},
                                              {"C:\\Work\\", "", "C:\\Work\\"},
                                              {"", "", ""}};
  for (const auto& [path, bare, folder] : split) {
    EXPECT_EQ(bareName(path), bare) << path;
    EXPECT_EQ(folderOf(path), folder) << path;
  }
  const std::array<const char*, 3> separators[] = {
      {"C:\\Work", "C:\\Work\\", "C:\\Work"}, {"C:\\Work\\", "C:\\Work\\", "C:\\Work"}, {"/tmp/x/", "/tmp/x/", "/tmp/x"},
      {"/", "/", "/"}};
  for (const auto& [path, with, without] : separators) {
    EXPECT_EQ(withTrailingSeparator(path), with) << path;
    EXPECT_EQ(withoutTrailingSeparator(path), without) << path;
  }
}

TEST(WildcardMatch, MatchesAsWindowsDoesIgnoringCase) {
  const std::pair<const char*, const char*> matching[] = {
      {"*.style", "Simple.style"}, {"*.style", "Simple.STYLE"}, {"*.STYLE", "simple.style"}, {"*.style", ".style"}, {"*.*", "README"},
      {"*.*", "a.b.c"},            {"*", ""},                   {"a?c", "abc"},      {"*a*b", "xaYb"},
      {"frm*.frm", "frmMain.frm"}, {"Simple.style", "SIMPLE.STYLE"}, {"Backup_*", "backup_2024-Jan-05"}};
  for (const auto& [pattern, name] : matching) EXPECT_TRUE(wildcardMatch(pattern, name)) << pattern << " ~ " << name;
  const std::pair<const char*, const char*> other[] = {
      {"*.style", "Simple.styles"}, {"*.style", "Simple.style.bak"}, {"*.style", "style"}, {"?", ""},
      {"a?c", "ac"},                {"a?c", "abbc"},                 {"*a*b", "xaYbc"},    {"frm*.frm", "frmMain.frx"}};
  for (const auto& [pattern, name] : other) EXPECT_FALSE(wildcardMatch(pattern, name)) << pattern << " ~ " << name;
}

}  // namespace
}  // namespace qm
