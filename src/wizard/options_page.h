// The third wizard page, "3. Set the options": the action (add or delete),
// how the project is protected (backup or a new copy, with its folder and
// the compile box), the code style list, and the advanced options (what to
// skip, line numbers, the variable dump). The run reads every control when
// Begin is pressed, so these controls are the run's options.
//
// Entering the page presets the protection, the new copy's folder and the
// current style; leaving it stores the style and the new-copy choice. All
// other choices keep what the person last gave them, across projects.
#pragma once

#include <cstddef>
#include <string>

#include "run/run_options.h"
#include "styles/style_editor.h"
#include "styles/style_library.h"
#include "wizard/controls.h"
#include "wizard/session.h"
#include "wizard/wizard_services.h"

namespace qm {

inline constexpr std::size_t kGeneralOptionsTab = 0;
inline constexpr std::size_t kCodeStyleTab = 1;
inline constexpr std::size_t kAdvancedOptionsTab = 2;

class OptionsPage {
 public:
  // Takes over the editor's hooks that show on this page (the variable dump
  // box, the style list, the title).
  OptionsPage(Session& session, const WizardServices& services, StyleEditor& editor, StyleLibrary& styles);
  OptionsPage(const OptionsPage&) = delete;
  OptionsPage& operator=(const OptionsPage&) = delete;

  Label lblTitles6{"3. Set the options"};
  TabControl tabOptions{.tabs = {"General Options", "Code Style", "Advanced Options"},
                        .available = {true, true, true}};

  // "General Options"
  Label fraCode{"Select Action"};
  OptionButton optAdd{.caption = "Add code", .selected = true};
  OptionButton optDelete{.caption = "Delete code"};
  Label fraBackup{"Save Options"};
  OptionButton optBackup{.caption = "Create backup of project"};
  OptionButton optNew{.caption = "Create a new project"};
  TextBox txtNewLoc{.enabled = false};
  Button cmdNewBrowse{.caption = "Browse", .enabled = false};
  CheckBox chkCompile{.caption = "Compile", .enabled = false};

  // "Code Style"
  Label label2{"Available styles"};
  ListBox flbRoutines;
  Button cmdNewStyle{.caption = "New Style"};
  Button cmdEditStyle{.caption = "Edit Style"};
  Button cmdDeleteStyle{.caption = "Delete Style"};

  // "Advanced Options"
  Label fraExceptions{"Exceptions"};
  Label lblIgnore0{"Ignore procedures with:"};
  CheckBox chkIgnoreTags{.caption = "<ignore> tags", .ticked = true};
  CheckBox chkIgnoreExisting{.caption = "Existing error checking", .ticked = true};
  Label lblIgnore1{"Lines of code <"};
  TextBox txtIgnore{.text = "0"};
  Label fraNumbers{"Line Numbers:"};
  CheckBox chkNumbers{.caption = "Add line numbers from"};
  TextBox txtStartFrom{.text = "10", .enabled = false};
  Label fraVarDump{"Variable Dump"};
  CheckBox chkVarDump{.caption = "Produce a variable dump"};
  // Its click is the Wizard's: the project is read and analysed again.
  CheckBox chkAllProcedures{.caption = "Include all procedures and user controls"};

  Button cmdBack2{.caption = "<< Back", .helpTopic = 200};
  Button cmdLoad4{.caption = "Next >>", .helpTopic = 400};
  Button cmdQuit{.caption = "Quit"};
  Image imgVeltane;

  // Next on page 2, after the ticked files were captured.
  void enter();
  // Delete is offered only where the analysis met inserted code.
  void offerDelete();
  // Next on this page, before the summary is built.
  void leave();
  // The options the controls stand for, as the run reads them at Begin.
  RunOptions readRunOptions() const;

  void optAdd_Click();
  void optDelete_Click();
  void optBackup_Click();
  void optNew_Click();
  // chkNumbers.ticked is set first (as a click toggles it).
  void chkNumbers_Click();
  void txtIgnore_GotFocus();
  void txtStartFrom_GotFocus();
  void txtIgnore_LostFocus();
  void txtStartFrom_LostFocus();
  void cmdNewBrowse_Click();
  // The folder browser's Select: the folder goes into txtNewLoc as shown.
  void setNewLocation(std::string folder);
  // Click and double click on the style list's entry `entry` (0-based).
  void flbRoutines_Click(std::size_t entry);
  void flbRoutines_DblClick(std::size_t entry);
  void cmdNewStyle_Click();
  void cmdEditStyle_Click();
  void cmdDeleteStyle_Click();
  // Selects the tab when it is available.
  void tabOptions_Click(std::size_t tab);

 private:
  void enableNewCopyControls();
  void showStyleList();
  void showStyles();

  Session& session_;
  const WizardServices& services_;
  StyleEditor& editor_;
  StyleLibrary& styles_;
};

}  // namespace qm
