// What a run that nobody watches prints and answers.
#include "wizard/unattended_services.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qm {
namespace {

TEST(SummaryPrinter, PrintsEachSummaryLineOnItsOwnLine) {
  std::ostringstream out;
  {
    SummaryPrinter printer(out);
    printer.appendLine("Creating backup of a.bas...");
    EXPECT_EQ(out.str(), "Creating backup of a.bas...") << "printed at once, before its end";
    printer.appendToLine("Done");
    printer.appendLine("Update completed in 0 seconds.");
  }
  EXPECT_EQ(out.str(), "Creating backup of a.bas...Done\nUpdate completed in 0 seconds.\n");
  std::ostringstream none;
  { SummaryPrinter printer(none); }
  EXPECT_EQ(none.str(), "") << "no lines, nothing printed";
}

TEST(UnattendedDialogs, AnswersEveryQuestionAsACancel) {
  std::ostringstream messages;
  UnattendedDialogs dialogs(messages);
  EXPECT_TRUE(dialogs.openFile(FileDialogRequest{"Locate", "x|*.exe", "/", false}).empty());
  EXPECT_FALSE(dialogs.inputBox("Name?", "New Style", "").has_value());
  bool dontShowAgain = true;
  EXPECT_FALSE(dialogs.rollbackWarning(dontShowAgain));
  EXPECT_FALSE(dontShowAgain);
  dialogs.messageBox("Needs the compiler", "Compiler needed");
  EXPECT_EQ(messages.str(), "Compiler needed: Needs the compiler\n");
}

}  // namespace
}  // namespace qm
