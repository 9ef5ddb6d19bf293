// Stand-ins for what a wizard asks of its dialogs and of its view, which
// record what it asked: for the page scripts and the runs of the
// integration tests.
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
#include "platform/view_services.h"
#include "settings/command_line.h"
#include "support/run_fakes.h"
#include "support/temp_folder.h"
#include "wizard/wizard.h"
#include "wizard/wizard_services.h"

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

}  // namespace qm::testing
