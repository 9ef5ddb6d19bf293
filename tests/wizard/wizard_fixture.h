// A wizard as a person meets it: the wizard's logic over a fresh program
// folder, a working folder, an in-memory settings store and a copy of the
// example project, with stand-ins for the dialogs and the view that record
// what the wizard asked of them; and what a person sees of each control.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "platform/paths.h"
#include "settings/command_line.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"
#include "wizard/wizard.h"

namespace qm::testing {

// The shared scripted dialogs, plus answers for the input box (the style
// list's "New Style" question) and a record of what it asked.
class WizardDialogs final : public Dialogs {
 public:
  void messageBox(std::string_view text, std::string_view title) override { script.messageBox(text, title); }
  std::vector<std::string> openFile(const FileDialogRequest& request) override { return script.openFile(request); }
  bool rollbackWarning(bool& dontShowAgain) override { return script.rollbackWarning(dontShowAgain); }
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view) override {
    prompts.push_back(std::string(title) + ": " + std::string(prompt));
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }

  ScriptedDialogs script;
  std::deque<std::optional<std::string>> inputAnswers;
  std::vector<std::string> prompts;
};

class WizardView final : public ViewRequests {
 public:
  void showStyleEditor() override { requests.push_back("editor"); }
  void showAbout() override { requests.push_back("about"); }
  void showFolderBrowser() override { requests.push_back("browser"); }
  void openDocument(const std::string& path) override { requests.push_back("open " + path); }
  void openHelp(const HelpTarget& target) override { helpTargets.push_back(target); }
  void endProgram() override { requests.push_back("end"); }
  void showPreview(const std::string& diff) override { requests.push_back("preview " + diff); }
  std::vector<std::string> requests;
  std::vector<HelpTarget> helpTargets;
};

// Folders: program/ (styles, failure log), work/ (the working file),
// projects/Billing and projects/Shared (a copy of the example project).
class WizardTest : public ::testing::Test {
 protected:
  WizardTest();

  // A new Wizard over the same folders and settings, as a new start of the program.
  Wizard& newWizard();
  // newWizard(), then its start-up with the given command line.
  StartUpOutcome start(const CommandLine& commandLine = CommandLine::fromWords({}));
  StartUpOutcome start(std::vector<std::string> words) { return start(CommandLine::fromWords(std::move(words))); }

  // Paths under the test's folder as the system spells them, with its own
  // separator, as the wizard reads them back from the file system.
  std::string place(std::string_view relative) const { return shownPath(root.path() + std::string(relative)); }
  std::string billing() const { return place("projects/Billing/Billing.vbp"); }
  std::string billingFolder() const { return place("projects/Billing/"); }
  std::string programFolder() const { return root.path() + "program/"; }
  // Writes a project of its own beside the example: `members` are
  // "Module=Name; file" style lines, files written as given.
  std::string writeProject(const std::string& folder, const std::vector<std::string>& memberLines,
                           const std::vector<std::pair<std::string, std::string>>& files) const;
  // The recent list as the settings store holds it: "Number", then values 1..Number.
  std::vector<std::string> storedRecent() const;
  std::string setting(std::string_view name) const;

  // Browse to `path`.
  void browseTo(const std::string& path);
  // Through the pages as a person would: Browse (when given), Next, Next.
  void toOptionsPage(const std::string& path);

  ProjectPage& projectPage() { return wizard->projectPage; }
  FilesPage& filesPage() { return wizard->filesPage; }
  OptionsPage& optionsPage() { return wizard->optionsPage; }
  ApplyPage& applyPage() { return wizard->applyPage; }
  const Session& session() const { return wizard->session; }

  std::vector<std::string> rowTexts(std::size_t column) const;

  TempFolder root;
  NativeFileSystem files;
  Workspace workspace;
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  WizardDialogs dialogs;
  WizardView view;
  int yields = 0;
  std::function<void()> onYield;  // what a test looks at whenever the wizard yields
  std::unique_ptr<Wizard> wizard;
};

// What a person sees of a control, in a few words: a label's or button's
// caption, a box's text, "[x]" or "[ ]" for a check box, "(o)" or "( )" for
// an option button, with " (disabled)" and " (hidden)" after it.
std::string seen(const Label& label);
std::string seen(const Button& button);
std::string seen(const CheckBox& box);
std::string seen(const OptionButton& option);
std::string seen(const TextBox& box);
std::string seen(const DropDownList& list);
std::string seen(const Shape& shape);

}  // namespace qm::testing
