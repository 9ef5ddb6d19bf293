// The wizard's logic without a toolkit: the four pages, one class each, and
// the session they share. The Wizard starts the program (settings, the
// recent projects, the command line), moves between the pages with what each
// Next and Back computes, and answers Quit and the logo. A window (or
// command-line mode, or a test) shows the pages' controls and reports what
// the person does through the controls' handlers, or presses them from code
// in the same way; after every handler the controls hold what the window
// must show.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/help_guide.h"
#include "settings/command_line.h"
#include "styles/style_editor.h"
#include "styles/style_library.h"
#include "wizard/apply_page.h"
#include "wizard/command_line_mode.h"
#include "wizard/files_page.h"
#include "wizard/options_page.h"
#include "wizard/project_page.h"
#include "wizard/session.h"
#include "wizard/wizard_services.h"

namespace qm {

inline constexpr std::string_view kWindowCaption = "Trapwise";

enum class WizardPage { Project = 0, Files = 1, Options = 2, Apply = 3 };

// The help topic of a page: 100, 200, 300, 400.
int pageHelpTopic(WizardPage page);

// What the start-up decided.
struct StartUpOutcome {
  bool showWindow = true;  // false: command-line mode ran and the program ends
  int exitStatus = 0;      // command-line mode: see command_line_mode.h
  std::string failureLog;  // command-line mode: the failure log written, if any
  std::string reason;      // command-line mode: why the run could not start, if it could not
  CommandLineOutcome unattended;  // command-line mode: all it came to
};

class Wizard {
 public:
  explicit Wizard(WizardServices services);
  ~Wizard();
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

 private:
  // Declared first: the pages below are built on them.
  WizardServices services_;
  std::unique_ptr<StyleEditor> editor_;
  std::unique_ptr<StyleLibrary> styles_;

 public:
  std::string caption{kWindowCaption};
  WizardPage currentPage = WizardPage::Project;   // the page in front
  Session session;
  FilesPage filesPage;
  ProjectPage projectPage;
  OptionsPage optionsPage;
  ApplyPage applyPage;

  // The current code style lives in the editor; its file name is `sStyle`.
  StyleEditor& editor() { return *editor_; }
  const StyleEditor& editor() const { return *editor_; }
  StyleLibrary& styles() { return *styles_; }
  const std::string& sStyle() const { return editor_->styleName(); }
  const CodeStyle& currentStyle() const { return editor_->style(); }
  const std::string& programFolder() const { return services_.workspace.programFolder; }
  Workspace& workspace() { return services_.workspace; }
  bool busy() const { return session.isBusy(); }

  // Loads the settings and the recent list (opening the most recent
  // project), then looks at the command line: "/p" runs command-line mode to
  // its end; a lone project path opens that project on page 2.
  StartUpOutcome Form_Load(const CommandLine& commandLine);
  void cmdQuit_Click();
  void imgVeltane_Click();

  // F1. `focusedTopic` is the help topic of the focused control, 0 when it
  // has none; the page in front gives the topic then.
  int helpTopic(int focusedTopic) const;
  HelpTarget helpTarget(int focusedTopic) const;
  // Asks the view to open the guide at that topic; nothing without a guide.
  void F1(int focusedTopic);
  // The guide's start (its contents page, or the compiled help file); "" without a guide.
  std::string guideFile() const;

  // The navigation between the pages.
  void cmdLoad2_Click();
  void cmdBack1_Click();
  void cmdLoad3_Click();
  void cmdBack2_Click();
  void cmdLoad4_Click();
  void cmdBack3_Click();

  // The option "Include all procedures and user controls": remembered at
  // once, and the current project read again with it, and analysed again
  // when the wizard is past its first page (ticks the person gave stay), so
  // that the list, the ticked files and the procedure records always follow
  // the option that the run will use.
  void includeAllProcedures(bool include);
  void chkAllProcedures_Click();
};

}  // namespace qm
