// The third wizard page, "3. Set the options": the action (add or delete),
// how the project is protected (backup or a new copy, with its folder and
// the compile box), the code style list, and the advanced options (what to
// skip, line numbers, the variable dump). The run reads every control when
// Begin is pressed, so these controls are the run's options.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "wizard/controls.h"

namespace qm {

inline constexpr std::size_t kGeneralOptionsTab = 0;
inline constexpr std::size_t kCodeStyleTab = 1;
inline constexpr std::size_t kAdvancedOptionsTab = 2;

struct TabControl {
  std::array<std::string, 3> tabs{"General Options", "Code Style", "Advanced Options"};
  std::array<bool, 3> available{true, true, true};  // an unavailable tab cannot be opened
  std::size_t selected = kGeneralOptionsTab;
  bool visible = true;
};

// The list of the style files in the program's folder.
struct StyleListBox {
  std::vector<std::string> entries;
  std::optional<std::size_t> selected;  // the current style's entry
  bool focused = false;                 // a deletion hands the focus to the list
};

struct OptionsPage {
  Label lblTitles6{"3. Set the options"};
  TabControl tabOptions;

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
  StyleListBox flbRoutines;
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

  Button cmdBack2{.caption = "<< Back", .helpTopic = 200};
  Button cmdLoad4{.caption = "Next >>", .helpTopic = 400};
  Button cmdQuit{.caption = "Quit"};
};

}  // namespace qm
