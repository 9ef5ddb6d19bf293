// The variable dump: texts in, texts and report lines out
// (tests/data/vardump/variable_dump.txt), only plain names reported whatever
// the sources, public variables over several files, and the working file.
#include "vardump/variable_dump.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "engine/scanning.h"
#include "platform/file_system.h"
#include "platform/lines.h"
#include "support/case_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::crlf;

// Every sVariableReport( call in `text` names a plain identifier or
// module.identifier, and labels it with the same text.
void expectOnlyPlainReports(const std::string& text) {
  static const std::regex call(R"re(sVariableReport\(([^,]*), "([^"]*)"\) & VBCrLf)re");
  static const std::regex plain(R"re(([A-Za-z][A-Za-z0-9_]*\.)?[A-Za-z][A-Za-z0-9_]*[%&!#@$]?)re");
  std::size_t calls = 0;
  for (auto pos = text.find("sVariableReport("); pos != std::string::npos; pos = text.find("sVariableReport(", pos + 1)) {
    ++calls;
  }
  for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it, --calls) {
    EXPECT_TRUE(std::regex_match((*it)[1].str(), plain)) << "argument: [" << (*it)[1] << "]";
    EXPECT_EQ((*it)[1].str(), (*it)[2].str());
  }
  EXPECT_EQ(calls, 0u) << "report calls of another shape";
}

std::string report(std::string_view name) {
  return "sMessage = sMessage & sVariableReport(" + std::string(name) + ", \"" + std::string(name) + "\") & VBCrLf\r\n";
}

class VariableDump : public testing::CaseTest {};

TEST_P(VariableDump, FillsTheTagsAndCollectsThePublicVariables) {
  std::set<std::string> userTypes;
  std::istringstream words(c.text("userTypes"));
  for (std::string word; words >> word;) userTypes.insert(word);
  DumpState state;
  const std::string& input = c.text("input");
  const std::string out =
      VariableDumpPass(DumpOptions{c.text("file"), c.flag("skipIgnoreTagged", false), c.flag("moduleFunction", false),
                                   &userTypes, headerFormsFor(c.flag("allProcedures", false))})
          .run(input, state);
  // The pass ends every line in CR LF, a last one without a terminator too.
  EXPECT_EQ(out, c.text("expected", input.empty() || input.ends_with("\r\n") ? input : input + "\r\n"));
  EXPECT_EQ(state.globalLines, c.text("globals", ""));
  EXPECT_EQ(state.globalCount, c.number("globalCount"));
  EXPECT_EQ(state.localDumpUsed, c.flag("localDumpUsed", true));
  expectOnlyPlainReports(out);
  expectOnlyPlainReports(state.globalLines);
}

QM_CASES_FROM(VariableDump, "vardump/variable_dump.txt");

// The run dumps each member into a state of its own, on a second thread,
// and adds those states in order: the report must be the one that a single
// state gathers file after file, at its limit too.
TEST(PublicVariables, AddedFileByFileAreWhatOneStateGathersInOrder) {
  const std::set<std::string> none;
  const std::string modA = crlf({"Attribute VB_Name = \"modA\"", "Public x As Long", "Public z As Long"});
  const std::string frmB =
      crlf({"Attribute VB_Name = \"frmB\"", "Sub A()", "Dim n As Long", "<Variable_Dump>", "End Sub", "Public y As Long"});
  const auto dump = [&none](const char* file, const std::string& text, DumpState& state) {
    VariableDumpPass(DumpOptions{file, false, true, &none}).run(text, state);
  };
  for (const int before : {0, 32765, 32766, 32767}) {
    DumpState start;
    for (int i = 0; i < before; ++i) start.globalLines += report("modZ.w");
    start.globalCount = static_cast<std::int16_t>(before);
    DumpState together = start;
    dump("modA.bas", modA, together);
    dump("frmB.frm", frmB, together);
    DumpState a, b, added = start;
    dump("modA.bas", modA, a);
    dump("frmB.frm", frmB, b);
    added.append(a);
    added.append(b);
    EXPECT_EQ(added.globalLines, together.globalLines) << before;
    EXPECT_EQ(added.globalCount, together.globalCount) << before;
    EXPECT_TRUE(added.localDumpUsed);
    if (before == 0) {
      EXPECT_EQ(added.globalLines, report("modA.x") + report("modA.z") + report("frmB.y"));
    }
  }
  DumpState state;
  dump("frmB.frm", frmB, state);
  state.clear();
  EXPECT_EQ(state.globalLines, "");
  EXPECT_EQ(state.globalCount, 0);
  EXPECT_FALSE(state.localDumpUsed);
}

TEST(ReportedNames, ArePlainInTheExampleProjectAndQualifiedByAReportableModule) {
  const std::string folder = testing::exampleFolder();
  NativeFileSystem files;
  ASSERT_TRUE(files.isFolder(folder));
  DumpState state;
  const std::set<std::string> userTypes = {"invoiceline"};
  std::set<std::string> reportable;  // VB names of the forms and standard modules
  int members = 0;
  for (const std::string sub : {"", "Forms/"}) {
    for (const auto& entry : files.list(folder + sub, "*.*")) {
      const std::string extension = entry.name.size() > 4 ? entry.name.substr(entry.name.size() - 4) : "";
      if (extension != ".bas" && extension != ".cls" && extension != ".frm") continue;
      auto text = files.readFile(folder + sub + entry.name);
      ASSERT_TRUE(text.ok());
      ++members;
      for (auto line : splitLines(*text)) {
        if (auto name = vbNameAttribute(line); name && extension != ".cls") reportable.insert(*name);
      }
      expectOnlyPlainReports(VariableDumpPass(DumpOptions{entry.name, false, true, &userTypes}).run(*text, state));
    }
  }
  expectOnlyPlainReports(state.globalLines);
  EXPECT_GT(members, 0);
  EXPECT_GT(state.globalCount, 0);
  static const std::regex qualified(R"(sVariableReport\(([A-Za-z0-9_]+)\.)");
  for (auto it = std::sregex_iterator(state.globalLines.begin(), state.globalLines.end(), qualified);
       it != std::sregex_iterator(); ++it) {
    EXPECT_EQ(reportable.count((*it)[1].str()), 1u) << "qualified by " << (*it)[1].str();
  }
}

}  // namespace
}  // namespace qm
