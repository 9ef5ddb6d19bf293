// The main window's logic: the four-page wizard with all of its state and
// every handler, without a toolkit. A window (or command-line mode, or a
// test) shows the pages' controls, and reports what the person does by
// calling the handler named after the control and the event, as the window
// would; setting an option or pressing a button from code runs its handler
// in the same way. After every handler the controls hold what the window
// must show.
//
// The view also answers a few requests that need a window of its own (the
// style editor, About, the folder browser) and supplies the services of the
// run (dialogs, repainting). While the analysis, the run or the roll back
// yields to the event loop, handlers that would change the pages under the
// running work are ignored; `busy()` says when, so a view can grey them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/analysis.h"
#include "engine/procedure_list.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "platform/settings_backend.h"
#include "platform/workspace.h"
#include "project/project_state.h"
#include "run/rollback.h"
#include "run/run_options.h"
#include "run/run_services.h"
#include "run/update_run.h"
#include "settings/command_line.h"
#include "styles/style_editor.h"
#include "styles/style_library.h"
#include "styles/tags.h"
#include "vardump/variable_dump.h"
#include "wizard/controls.h"
#include "wizard/page1_project.h"
#include "wizard/page2_files.h"
#include "wizard/page3_options.h"
#include "wizard/page4_apply.h"

namespace qm {

inline constexpr std::string_view kWindowCaption = "Trapwise";
inline constexpr std::string_view kLogoTooltip = "About Oskavel Software";
inline constexpr std::string_view kHelpFileName = "QMR Help.chm";
inline constexpr int kWindowWidthTwips = 6270;
inline constexpr int kWindowHeightTwips = 4375;

enum class WizardPage { Project = 0, Files = 1, Options = 2, Apply = 3 };

// The help topic of a page: 100, 200, 300, 400.
int pageHelpTopic(WizardPage page);

// What only a window can do. Every request may be ignored (tests, command-line mode).
class ViewRequests {
 public:
  virtual ~ViewRequests() = default;
  virtual void showStyleEditor() {}  // not modally; the editor's state is in MainWindow::editor()
  virtual void showAbout() {}        // not modally
  // Not modally; its Select puts the chosen folder into txtNewLoc through
  // MainWindow::setNewLocation.
  virtual void showFolderBrowser() {}
  virtual void openDocument(const std::string& /*path*/) {}  // the desktop's default handler
  virtual void endProgram() {}                               // Quit: ends at once, nothing asked
};

struct MainWindowServices {
  Workspace& workspace;  // the program's folder (styles, help, failure log) and the working folder
  SettingsBackend& settings;
  Clock& clock;
  ProcessLauncher& launcher;
  Dialogs& dialogs;
  ViewRequests& view;
  YieldHook yield;  // lets the window repaint during long work; may be empty
};

// What the start-up decided.
struct StartUpOutcome {
  bool showWindow = true;  // false: command-line mode ran and the program ends
  int exitStatus = 0;      // command-line mode: see command_line_mode.h
  std::string failureLog;  // command-line mode: the failure log written, if any
  std::string reason;      // command-line mode: why the run could not start, if it could not
};

class MainWindow {
 public:
  explicit MainWindow(MainWindowServices services);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // --- the window and its pages -------------------------------------------------
  std::string caption{kWindowCaption};
  int widthTwips = 0;
  int heightTwips = 0;
  WizardPage currentPage = WizardPage::Project;  // the page in front
  std::string helpFile;                           // set when the window loads
  ProjectPage page1;
  FilesPage page2;
  OptionsPage page3;
  ApplyPage page4;
  // The title labels by their index in the window's label array (0 to 12);
  // indexes 7, 8 and 10 name no label and give an empty one.
  Label& lblTitles(int index);
  const Label& lblTitles(int index) const { return const_cast<MainWindow*>(this)->lblTitles(index); }

  // --- the window's state -------------------------------------------------------
  ProjectState project;
  bool bShowWarning = true;   // the roll back asks first; the warning window can clear it
  bool bProceed = false;      // the warning window's answer
  bool bSortAscending = false;
  RunOptions runOptions;      // selectedFiles captured by Next on page 2; the rest read at Begin
  std::int16_t recentCount = 0;
  std::string vbLocation;     // the Visual Basic executable, "" until located
  TagTable tags;
  ProcedureList procedures;
  AnalysisNotes notes;
  DumpState dump;
  bool lastRunCompleted = false;  // the last Begin ended with its timing line
  RunOutcome lastRun;             // what the last Begin came to
  RollbackOutcome lastRollback;   // what the last Roll back came to

  // The current code style lives in the editor; its file name is `sStyle`.
  StyleEditor& editor() { return *editor_; }
  const StyleEditor& editor() const { return *editor_; }
  StyleLibrary& styles() { return *styles_; }
  const std::string& sStyle() const { return editor_->styleName(); }
  const CodeStyle& currentStyle() const { return editor_->style(); }
  const std::string& programFolder() const { return services_.workspace.programFolder; }
  Workspace& workspace() { return services_.workspace; }
  bool busy() const { return busy_ > 0; }

  // --- start-up and the whole window -------------------------------------------
  // Loads the settings, the recent list (opening the most recent project) and
  // the tag table, then looks at the command line: "/p" runs command-line
  // mode to its end; a lone project path opens that project on page 2.
  StartUpOutcome Form_Load(const CommandLine& commandLine);
  void cmdQuit_Click(int index);
  void imgVeltane_Click(int index);

  // --- page 1 -------------------------------------------------------------------
  void cmdBrowse_Click();
  // A pick from the recent list: the view sets page1.cmbRecent.selected first.
  void cmbRecent_Click();
  // Code selecting an entry: the list's text becomes `path` and the pick runs.
  void selectInRecentList(std::string_view path);
  void cmdLoad2_Click();
  void cmdRollback_Click();

  // --- page 2 -------------------------------------------------------------------
  void cmdBack1_Click();
  void cmdLoad3_Click();
  void cmdSelectAll_Click();
  // The person changed the tick of row `row` (0-based) to `ticked`.
  void lstProjectFiles_ItemCheck(std::size_t row, bool ticked);
  // A click on column header `column` (1-based).
  void lstProjectFiles_ColumnClick(int column);

  // --- page 3 -------------------------------------------------------------------
  void cmdBack2_Click();
  void cmdLoad4_Click();
  // Each selects its option (clearing the other of its group) and runs its handler.
  void optAdd_Click();
  void optDelete_Click();
  void optBackup_Click();
  void optNew_Click();
  // The view sets page3.chkNumbers.ticked first (as a click toggles it).
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

  // --- page 4 -------------------------------------------------------------------
  void cmdBack3_Click();
  // The update run; then the project is shown again as it now is. True when
  // the run ended with its timing line.
  bool cmdBegin_Click();

  // --- making a project current -----------------------------------------------
  // Makes the project at `sProjectPath` current (its file name without folder
  // is `sProjectFileName`), enables Next and lists its backups. Returns 0.
  std::int16_t iSortNewFile(std::string_view sProjectFileName, std::string_view sProjectPath);
  // Puts the current project at the top of the recent list and stores the list.
  void UpdateRecentList();
  // Browse, a start-up path, command-line mode: loads the project and, when
  // it can be used, makes it current, stores it first in the recent list and
  // selects it there. A project that cannot be used changes nothing: the
  // project that was current stays current and shown.
  bool chooseProject(std::string_view path, std::string_view fileName);
  // Reads a project file onto pages 1 and 2; its name, "" when unusable.
  std::string LoadProjectDetails(std::string_view projectFile);

  // The options the controls stand for, as the run reads them at Begin.
  RunOptions readRunOptions() const;

 private:
  // Counts the long work in progress; see busy().
  class BusyScope {
   public:
    explicit BusyScope(MainWindow& window) : window_(window) { ++window_.busy_; }
    ~BusyScope() { --window_.busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    MainWindow& window_;
  };

  void selectOption(OptionButton& chosen, OptionButton& other);
  void enterOptionsPage();
  void leaveOptionsPage();
  void showOptionsTitle();
  void syncStyleControls();
  void refreshBackups();
  std::string settingsKey() const;

  MainWindowServices services_;
  std::unique_ptr<StyleEditor> editor_;
  std::unique_ptr<StyleLibrary> styles_;
  Label noLabel_;
  int busy_ = 0;
};

}  // namespace qm
