// Projects shaped as real ones are: members in sub-folders, members from a
// neighbouring folder ("..\Shared\"), forms with their ".frx" files, a user
// control and a property page with theirs, a resource file, a document, and
// a member from outside whose path, its "..\" taken away, is already an
// inside member's. A Backup run and its roll back give every file back byte
// for byte; a new copy is a project of its own that finds every member, and
// the original stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "integration/run_bench.h"
#include "project/member_lines.h"
#include "project/project_file.h"
#include "wizard/command_line_mode.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

std::string module(const std::string& vbName, const std::string& body) {
  return crlf({"Attribute VB_Name = \"" + vbName + "\"", "Option Explicit", "", "Public Sub " + body + "()",
               "    Debug.Print \"" + body + "\"", "End Sub"});
}

std::string form(const std::string& vbName) {
  return crlf({"VERSION 5.00", "Begin VB.Form " + vbName, "   Picture = \"" + vbName + ".frx\":0000", "End",
               "Attribute VB_Name = \"" + vbName + "\"", "Option Explicit", "", "Private Sub Form_Load()",
               "    Caption = \"" + vbName + "\"", "End Sub"});
}

const std::string kBinary("\x00\x01\xff\r\n\x1a binary", 14);

// The source folder of the bench: Ledger beside Shared and Common.
void writeShapes(const TempFolder& folder) {
  folder.write("shapes/Ledger/Ledger.vbp",
               crlf({"Type=Exe", "Form=Forms\\frmLedger.frm", "Module=modMain; modMain.bas",
                     "Class=clsEntry; Classes\\clsEntry.cls", "UserControl=Controls\\ctlAmount.ctl",
                     "PropertyPage=Pages\\ppgAmount.pag", "Module=modShared; ..\\Shared\\modShared.bas",
                     "Form=..\\Shared\\Forms\\frmAbout.frm", "Module=modUtil; Common\\modUtil.bas",
                     "Module=modSharedUtil; ..\\Common\\modUtil.bas", "ResFile32=\"Ledger.res\"",
                     "RelatedDoc=Docs\\ReadMe.txt", "Name=\"Ledger\"", "MajorVer=1"}));
  folder.write("shapes/Ledger/modMain.bas", module("modMain", "Main"));
  folder.write("shapes/Ledger/Forms/frmLedger.frm", form("frmLedger"));
  folder.write("shapes/Ledger/Forms/frmLedger.frx", kBinary);
  folder.write("shapes/Ledger/Classes/clsEntry.cls",
               crlf({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END", "Attribute VB_Name = \"clsEntry\"",
                     "Option Explicit", "Public Amount As Currency", "", "Public Function Doubled() As Currency",
                     "    Doubled = Amount * 2", "End Function"}));
  folder.write("shapes/Ledger/Controls/ctlAmount.ctl",
               crlf({"VERSION 5.00", "Begin VB.UserControl ctlAmount", "End", "Attribute VB_Name = \"ctlAmount\""}));
  folder.write("shapes/Ledger/Controls/ctlAmount.ctx", kBinary + "ctx");
  folder.write("shapes/Ledger/Pages/ppgAmount.pag",
               crlf({"VERSION 5.00", "Begin VB.PropertyPage ppgAmount", "End", "Attribute VB_Name = \"ppgAmount\""}));
  folder.write("shapes/Ledger/Pages/ppgAmount.pgx", kBinary + "pgx");
  folder.write("shapes/Ledger/Common/modUtil.bas", module("modUtil", "Tidy"));
  folder.write("shapes/Ledger/Ledger.res", kBinary + "res");
  folder.write("shapes/Ledger/Docs/ReadMe.txt", "How the ledger works.\r\n");
  folder.write("shapes/Shared/modShared.bas", module("modShared", "Share"));
  folder.write("shapes/Shared/Forms/frmAbout.frm", form("frmAbout"));
  folder.write("shapes/Shared/Forms/frmAbout.frx", kBinary + "about");
  folder.write("shapes/Common/modUtil.bas", module("modSharedUtil", "Shared"));
}

class ProjectShapes : public ::testing::Test {
 protected:
  ProjectShapes() {
    writeShapes(source);
    bench = std::make_unique<RunBench>(source.file("shapes"), "Ledger/Ledger.vbp");
  }

  // Every file of the projects' folders but the backups and the module the run writes.
  std::map<std::string, std::string> projectFiles() const {
    std::map<std::string, std::string> out;
    for (const auto& [path, text] : bench->files()) {
      if (path.starts_with("projects/") && path.find("/Backup on ") == std::string::npos &&
          !path.ends_with("/GlobalVariables.bas")) {
        out[path] = text;
      }
    }
    return out;
  }

  TempFolder source;
  std::unique_ptr<RunBench> bench;
};

TEST_F(ProjectShapes, BackupThenRollBackGivesEveryMemberBack) {
  const auto before = projectFiles();
  ASSERT_EQ(bench->run({"/a", "/b", "/l", "/v"}).exitStatus, 0) << bench->summary();
  const auto after = projectFiles();
  for (const char* member : {"Ledger/Forms/frmLedger.frm", "Ledger/modMain.bas", "Ledger/Classes/clsEntry.cls",
                             "Shared/modShared.bas", "Shared/Forms/frmAbout.frm", "Ledger/Common/modUtil.bas",
                             "Common/modUtil.bas"}) {
    const std::string path = "projects/shapes/" + std::string(member);
    EXPECT_NE(after.at(path), before.at(path)) << path << " was not processed";
  }

  Wizard& window = bench->openWizard();
  SummaryText lines;
  const CommandLineOutcome outcome =
      RunRollbackCommand(window, bench->projectFile, "", "--rollback " + bench->projectFile, lines);
  EXPECT_EQ(outcome.exitStatus, kExitSucceeded) << ::testing::PrintToString(lines.lines());
  EXPECT_EQ(projectFiles(), before);
}

TEST_F(ProjectShapes, ANewCopyOpensOnItsOwnAndTheOriginalStaysAsItWas) {
  const auto before = projectFiles();
  bench->root.makeFolder("copies");
  const std::string copy = bench->path("copies/Ledger");
  ASSERT_EQ(bench->run({"/a", "/c", copy, "/l", "/v"}).exitStatus, 0) << bench->summary();
  EXPECT_EQ(projectFiles(), before);

  NativeFileSystem native;
  const std::string copiedProject = copy + "/Ledger.vbp";
  const auto text = native.readFile(copiedProject);
  ASSERT_TRUE(text.ok());
  // Every member, of every kind, with its companion file, inside the copy.
  const std::vector<std::string> members = allMemberPaths(*text);
  EXPECT_EQ(members.size(), 12U);  // eleven and the global variables module
  for (const std::string& member : members) {
    EXPECT_EQ(member.find(".."), std::string::npos) << member;
    const std::string path = native.longName(copy + "/" + member);
    EXPECT_FALSE(path.empty()) << member << " is not in the copy";
    if (const std::string_view extension = companionExtension(member); !extension.empty()) {
      const std::string companion = member.substr(0, member.size() - 4) + std::string(extension);
      EXPECT_FALSE(native.longName(copy + "/" + companion).empty()) << companion << " is not in the copy";
    }
  }
  // Two members never share a path: the outside module whose path was taken moved aside.
  EXPECT_NE(bench->read(copy + "/Common/modUtil.bas"), bench->read(copy + "/Outside 2/Common/modUtil.bas"));
  EXPECT_EQ(bench->read(copy + "/Shared/Forms/frmAbout.frx"), kBinary + "about");
  EXPECT_EQ(bench->read(copy + "/Controls/ctlAmount.ctx"), kBinary + "ctx");

  // The analysis of the copy finds every form, module and class.
  const ProjectDetails details = LoadProjectDetails(native, copiedProject);
  ASSERT_TRUE(details.loaded) << details.failure;
  EXPECT_EQ(details.members.size(), 8U);  // seven and the global variables module
  ProcedureList procedures;
  AnalysisNotes notes;
  for (const std::string& member : details.members) {
    EXPECT_GE(AnalyseFile(native, copy + "/" + member, procedures, notes).procedures, 0) << member;
  }
}

}  // namespace
}  // namespace qm::testing
