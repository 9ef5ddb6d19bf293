// Running the Add twice, with a style that brings extra files (a module, a
// class, a form that uses control libraries, a document) and with the
// variable dump on, leaves a project that VB6 still opens: no member listed
// twice, no control library listed twice, one copy of each generated
// function. A second Add that spares existing handlers changes no member.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/paths.h"
#include "integration/run_bench.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

// The project's member and library lines that stand for the same entry for
// VB6 as an earlier line: a member by its key and file, a library by its class id.
std::vector<std::string> duplicatedEntries(std::string_view projectText) {
  static const std::vector<std::string> kMemberKeys = {"form",         "module",       "class",    "usercontrol",
                                                       "userdocument", "propertypage", "designer", "relateddoc",
                                                       "object",       "reference"};
  std::map<std::string, int> seen;
  std::vector<std::string> out;
  for (const std::string& line : sourceLines(projectText)) {
    const std::size_t equals = line.find('=');
    const std::string key = lowered(trimmedText(line.substr(0, equals)));
    if (equals == std::string::npos || std::find(kMemberKeys.begin(), kMemberKeys.end(), key) == kMemberKeys.end()) {
      continue;
    }
    std::string value = lowered(trimmedText(line.substr(equals + 1)));
    const std::size_t open = value.find('{');
    const std::size_t close = value.find('}');
    if ((key == "object" || key == "reference") && open != std::string::npos && close != std::string::npos) {
      value = value.substr(open, close - open + 1);
    } else if (key == "module" || key == "class") {
      value = std::string(trimmedText(value.substr(value.find(';') + 1)));
    }
    std::replace(value.begin(), value.end(), '/', '\\');
    const bool library = key == "object" || key == "reference";
    if (++seen[(library ? key : "member") + "=" + value] == 2) out.push_back(line);
  }
  return out;
}

int occurrences(std::string_view text, std::string_view what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

int linesEqualTo(std::string_view text, std::string_view line) {
  const Lines lines = sourceLines(text);
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

class RepeatedAdd : public ::testing::Test {
 protected:
  RepeatedAdd() : bench(RunBench::example()) {
    bench->writeStyle("Extras.style", dumpStyleText(bench->writeExtraFiles()));
  }

  std::unique_ptr<RunBench> bench;
};

TEST_F(RepeatedAdd, TwoBackupRunsListEveryMemberAndLibraryOnce) {
  for (int run = 0; run < 2; ++run) {
    bench->clock.time.second = 10 + run;
    ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Extras"}).exitStatus, 0) << bench->summary();
  }
  const std::string project = RunBench::read(bench->projectFile);
  EXPECT_EQ(duplicatedEntries(project), std::vector<std::string>{}) << project;
  for (const char* expected : {"Module=modErrorLog; modErrorLog.bas", "Class=clsErrorInfo; clsErrorInfo.cls",
                               "Form=frmErrorReport.frm", "Module=GlobalVariables; GlobalVariables.bas",
                               "Object={3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0; RICHTX32.OCX"}) {
    EXPECT_EQ(linesEqualTo(project, expected), 1) << expected << "\n" << project;
  }
  EXPECT_EQ(occurrences(project, "\nRelatedDoc="), 1) << project;

  const std::string global = RunBench::read(bench->projectFolder + "GlobalVariables.bas");
  for (const char* once : {"Attribute VB_Name = \"GlobalVariables\"", "Public Function sGlobalVariables() as string",
                           "Public Function sVariableReport("}) {
    EXPECT_EQ(occurrences(global, once), 1) << once << "\n" << global;
  }
  for (const auto& [path, text] : bench->memberTexts()) {
    EXPECT_LE(occurrences(text, "Private Function sModuleVariables() as string"), 1) << path;
  }
}

TEST_F(RepeatedAdd, TwoNewCopiesIntoOneFolderListEveryMemberOnce) {
  const std::string copy = bench->path("copies/Billing");
  std::filesystem::create_directories(bench->path("copies"));
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(bench->run({"/a", "/c", copy, "/v", "/s", "Extras"}).exitStatus, 0) << bench->summary();
  }
  const std::string project = RunBench::read(copy + "/Billing.vbp");
  ASSERT_FALSE(project.empty());
  EXPECT_EQ(duplicatedEntries(project), std::vector<std::string>{}) << project;
  EXPECT_EQ(linesEqualTo(project, "Module=GlobalVariables; GlobalVariables.bas"), 1) << project;
  EXPECT_EQ(RunBench::read(bench->projectFile).find("modErrorLog"), std::string::npos) << "the original is left alone";
}

TEST_F(RepeatedAdd, ASecondAddThatSparesExistingHandlersChangesNoMember) {
  // Without extra files: a second run would rightly give the members they
  // brought in their first error handling.
  bench->writeStyle("Dump.style", dumpStyleText());
  bench->clock.time.second = 10;
  ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Dump"}).exitStatus, 0) << bench->summary();
  std::map<std::string, std::string> first = bench->memberTexts();
  std::erase_if(first, [](const auto& member) { return bareName(member.first) == "GlobalVariables.bas"; });
  first[bench->projectFile] = RunBench::read(bench->projectFile);
  ASSERT_EQ(first.size(), 5U);

  bench->clock.time.second = 11;
  ASSERT_EQ(bench->run({"/a", "/b", "/v"}).exitStatus, 0) << bench->summary();
  for (const auto& [path, text] : first) EXPECT_EQ(RunBench::read(path), text) << path;
}

}  // namespace
}  // namespace qm::testing
