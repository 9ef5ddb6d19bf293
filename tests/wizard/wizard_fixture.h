// A stand-in for the wizard's view, which records what it was asked: for the
// page scripts and the runs of the integration tests (the dialogs' stand-in
// is ScriptedDialogs).
#pragma once

#include <string>
#include <vector>

#include "support/run_fakes.h"
#include "wizard/wizard_services.h"

namespace qm::testing {

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
