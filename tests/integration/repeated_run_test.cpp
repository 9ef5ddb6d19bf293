// Running the Add twice, with a style that brings extra files (a module, a
// class, a form that uses control libraries, a document) and with the
// variable dump on, leaves a project that VB6 still opens: no member listed
// twice, no control library listed twice, one copy of each generated
// function. A second Add that spares existing handlers changes no member.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "integration/run_bench.h"
#include "integration/source_reading.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// What makes two project lines the same entry for VB6: a member by its key
// and file, a control library by its class id.
std::string identityOf(const std::string& line) {
  const std::size_t equals = line.find('=');
  const std::string key = lowered(std::string(trimmedText(line.substr(0, equals))));
  std::string value = lowered(std::string(trimmedText(line.substr(equals + 1))));
  if (key == "object" || key == "reference") {
    const std::size_t open = value.find('{');
    const std::size_t close = value.find('}');
    if (open != std::string::npos && close != std::string::npos)
      return key + "=" + value.substr(open, close - open + 1);
    return key + "=" + value;
  }
  if (key == "module" || key == "class") value = std::string(trimmedText(value.substr(value.find(';') + 1)));
  std::replace(value.begin(), value.end(), '/', '\\');
  return "member=" + value;
}

std::vector<std::string> duplicatedEntries(std::string_view projectText) {
  std::map<std::string, int> seen;
  std::vector<std::string> out;
  for (const std::string& line : projectMemberLines(projectText)) {
    if (++seen[identityOf(line)] == 2) out.push_back(line);
  }
  return out;
}

int occurrences(std::string_view text, std::string_view what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class RepeatedAdd : public ::testing::Test {
 protected:
  RepeatedAdd() : bench(RunBench::example()) {
    bench->write("extras/modErrorLog.bas",
                 crlf({"Attribute VB_Name = \"modErrorLog\"", "Option Explicit", "",
                       "Public Sub LogError(ByVal sText As String)", "    Debug.Print sText", "End Sub"}));
    bench->write("extras/clsErrorInfo.cls",
                 crlf({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
                       "Attribute VB_Name = \"clsErrorInfo\"", "Option Explicit", "Public Number As Long"}));
    bench->write("extras/frmErrorReport.frm",
                 crlf({"VERSION 5.00",
                       "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"",
                       "Object = \"{3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0\"; \"RICHTX32.OCX\"",
                       "Begin VB.Form frmErrorReport ",
                       "   Caption         =   \"Error report\"",
                       "   Begin RichTextLib.RichTextBox rtbReport ",
                       "      Height          =   2895",
                       "   End",
                       "End",
                       "Attribute VB_Name = \"frmErrorReport\"",
                       "Attribute VB_GlobalNameSpace = False",
                       "Attribute VB_Creatable = False",
                       "Attribute VB_PredeclaredId = True",
                       "Attribute VB_Exposed = False",
                       "Option Explicit",
                       "Public ReportText As String",
                       "",
                       "Private Sub Form_Load()",
                       "    rtbReport.Text = ReportText",
                       "    Caption = \"Error report\"",
                       "End Sub"}));
    bench->write("extras/ReadMe.txt", "Error handling added to this project.\r\n");
    extras = {bench->path("extras/modErrorLog.bas"), bench->path("extras/clsErrorInfo.cls"),
              bench->path("extras/frmErrorReport.frm"), bench->path("extras/ReadMe.txt")};
    bench->writeStyle("Extras.style", dumpStyleText(extras));
  }

  std::string projectText() const { return bench->read(bench->projectFile); }

  std::unique_ptr<RunBench> bench;
  std::vector<std::string> extras;
};

TEST_F(RepeatedAdd, TwoBackupRunsListEveryMemberAndLibraryOnce) {
  for (int run = 0; run < 2; ++run) {
    bench->clock.time.second = 10 + run;
    ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Extras"}).exitStatus, 0) << bench->summary();
  }
  const std::string project = projectText();
  EXPECT_EQ(duplicatedEntries(project), std::vector<std::string>{}) << project;
  const std::vector<std::string> lines = sourceLines(project);
  for (const char* expected : {"Module=modErrorLog; modErrorLog.bas", "Class=clsErrorInfo; clsErrorInfo.cls",
                               "Form=frmErrorReport.frm", "Module=GlobalVariables; GlobalVariables.bas",
                               "Object={3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0; RICHTX32.OCX"}) {
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(expected)), 1) << expected << "\n" << project;
  }
  EXPECT_EQ(
      std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("RelatedDoc=", 0) == 0; }), 1)
      << project;

  const std::string global = bench->read(bench->projectFolder + "GlobalVariables.bas");
  EXPECT_EQ(occurrences(global, "Attribute VB_Name = \"GlobalVariables\""), 1) << global;
  EXPECT_EQ(occurrences(global, "Public Function sGlobalVariables() as string"), 1) << global;
  EXPECT_EQ(occurrences(global, "Public Function sVariableReport("), 1) << global;
  for (const ProjectMember& member : bench->members()) {
    EXPECT_LE(occurrences(bench->read(member.path), "Private Function sModuleVariables() as string"), 1) << member.name;
  }
}

TEST_F(RepeatedAdd, TwoNewCopiesIntoOneFolderListEveryMemberOnce) {
  const std::string copy = bench->path("copies/Billing");
  fs::create_directories(bench->path("copies"));
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(bench->run({"/a", "/c", copy, "/v", "/s", "Extras"}).exitStatus, 0) << bench->summary();
  }
  const std::string project = bench->read(copy + "/Billing.vbp");
  ASSERT_FALSE(project.empty());
  EXPECT_EQ(duplicatedEntries(project), std::vector<std::string>{}) << project;
  const std::vector<std::string> lines = sourceLines(project);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Module=GlobalVariables; GlobalVariables.bas"), 1) << project;
  EXPECT_EQ(projectText().find("modErrorLog"), std::string::npos) << "the original project is left alone";
}

TEST_F(RepeatedAdd, ASecondAddThatSparesExistingHandlersChangesNoMember) {
  // Without extra files: a second run would rightly give the members they
  // brought in their first error handling.
  bench->writeStyle("Dump.style", dumpStyleText());
  bench->clock.time.second = 10;
  ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Dump"}).exitStatus, 0) << bench->summary();
  std::map<std::string, std::string> first;
  for (const ProjectMember& member : bench->members()) {
    if (member.name != "GlobalVariables.bas") first[member.path] = bench->read(member.path);
  }
  first[bench->projectFile] = projectText();
  ASSERT_EQ(first.size(), 5U);

  bench->clock.time.second = 11;
  ASSERT_EQ(bench->run({"/a", "/b", "/v"}).exitStatus, 0) << bench->summary();
  for (const auto& [path, text] : first) EXPECT_EQ(bench->read(path), text) << path;
}

}  // namespace
}  // namespace qm::testing
