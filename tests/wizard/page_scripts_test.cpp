// The wizard's pages driven as a person drives them: each case of
// tests/data/wizard/pages.txt is a script of "> action" lines and
// "key: value" lines, which say what the pages show at that point. A control
// named as a key reads as `seen` gives it ("[x]", "(o)", " (disabled)" ...);
// the other keys and the actions are the ones read below. "<billing>",
// "<billing folder>", "<projects>" and "<program>" stand for those places
// and the test's own folder ("<root>") as the wizard spells them;
// "<billing\\>" is the project's path with Windows' separator. The scripts
// also drive command-line mode end to end, and the files page's report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/registry.h"
#include "support/run_fakes.h"
#include "support/script_runner.h"
#include "support/temp_folder.h"
#include "wizard/command_line_mode.h"
#include "wizard/files_page_report.h"
#include "wizard/unattended_services.h"
#include "wizard/wizard.h"
#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

// What a person sees of a control, in a few words: a caption or a box's
// text, "[x]" or "[ ]" for a check box, "(o)" or "( )" for an option button,
// with " (disabled)" and " (hidden)" after it; what pressing it does; a button's help topic; a text box.
struct Control {
  std::function<std::string()> shown;
  std::function<void()> press;
  int helpTopic = 0;
  TextBox* box = nullptr;
};
std::string seen(std::string text, bool enabled, bool visible) {
  return text + (enabled ? "" : " (disabled)") + (visible ? "" : " (hidden)");
}
Control controlOf(Button& c) {
  return {[&c] { return seen(c.caption, c.enabled, c.visible); }, [&c] { fire(c.onClick); }, c.helpTopic};
}
Control controlOf(Label& c) { return {[&c] { return seen(c.caption, true, c.visible); }, nullptr}; }
Control controlOf(Shape& c) { return {[&c] { return std::string(c.visible ? "shown" : "(hidden)"); }, nullptr}; }
Control controlOf(TextBox& c) { return {[&c] { return seen(c.text, c.enabled, true); }, nullptr, 0, &c}; }
Control controlOf(DropDownList& c) { return {[&c] { return seen(c.text(), c.enabled, c.visible); }, nullptr}; }
Control controlOf(OptionButton& c) {
  return {[&c] { return seen(c.selected ? "(o)" : "( )", c.enabled, true); }, [&c] { fire(c.onClick); }};
}
Control controlOf(CheckBox& c) {  // a click toggles the tick, then runs the handler
  return {[&c] { return seen(c.ticked ? "[x]" : "[ ]", c.enabled, true); }, [&c] {
            c.ticked = !c.ticked;
            fire(c.onClick);
          }};
}
Control controlOf(Image& c) { return {[&c] { return c.toolTip; }, [&c] { fire(c.onClick); }}; }

const char* const kPages[] = {"project", "files", "options", "apply"};

// A module of `procedures` subs, the first `handled` of them with an error handler;
// `counts` is "<procedures>/<handled>".
std::string moduleText(const std::string& name, const std::string& counts) {
  const int procedures = std::stoi(counts), handled = std::stoi(counts.substr(counts.find('/') + 1));
  std::string text = "Attribute VB_Name = \"" + name + "\"\r\nOption Explicit\r\n\r\n";
  for (int i = 0; i < procedures; ++i) {
    text += "Public Sub Step" + std::to_string(i) + "()\r\n";
    if (i < handled) text += "    On Error GoTo Failed\r\n";
    text += "    Debug.Print \"step " + std::to_string(i) + "\"\r\n";
    if (i < handled) text += "    Exit Sub\r\nFailed:\r\n    Debug.Print Err.Description\r\n";
    text += "End Sub\r\n\r\n";
  }
  return text;
}

// Every script starts on folders of its own: program/ (styles, failure
// log), work/ (the working folder), projects/Billing and projects/Shared (a
// copy of the example project); settings in memory, a clock that stands still.
class PageScript : public CaseTest, public ScriptWindows {
 protected:
  PageScript() {
    root.makeFolder("program");
    root.makeFolder("work");
    root.copyFolder(exampleFolder() + "../", "projects");
  }

  // A new start of the program over the same folders and settings.
  Wizard& newWizard() {
    wizard.reset();
    wizard = std::make_unique<Wizard>(WizardServices{workspace, settings, clock, launcher, dialogs, view, [this] {
                                                       ++yields;
                                                       if (onYield) onYield();
                                                     }});
    return *wizard;
  }
  StartUpOutcome start(const CommandLine& commandLine = CommandLine::fromWords({})) {
    newWizard();
    return wizard->Form_Load(commandLine);
  }

  // Paths under the test's folder as the system spells them.
  std::string place(std::string_view relative) const { return shownPath(root.path() + std::string(relative)); }
  std::string billing() const { return place("projects/Billing/Billing.vbp"); }

  void browseTo(const std::string& path) {
    dialogs.fileAnswers.push_back(path);
    wizard->projectPage.cmdBrowse_Click();
  }
  ProjectPage& projectPage() { return wizard->projectPage; }
  FilesPage& filesPage() { return wizard->filesPage; }
  OptionsPage& optionsPage() { return wizard->optionsPage; }
  ApplyPage& applyPage() { return wizard->applyPage; }
  const Session& session() const { return wizard->session; }

  TempFolder root;
  NativeFileSystem files;
  Workspace workspace{files, root.path() + "program/", root.path() + "work/"};
  MemorySettings settings;
  FixedClock clock;
  RecordingLauncher launcher;
  ScriptedDialogs dialogs;
  WizardView view;
  int yields = 0;
  std::function<void()> onYield;  // what a script looks at whenever the wizard yields
  std::unique_ptr<Wizard> wizard;

  std::map<std::string, Control> controls() {
    ProjectPage& p = projectPage();
    FilesPage& f = filesPage();
    OptionsPage& o = optionsPage();
    ApplyPage& a = applyPage();
// Most controls are known by their own names.
#define QM_CONTROL(page, name) {#name, controlOf(page.name)}
#define QM_EVERY_PAGE(page, word) {word " logo", controlOf(page.imgVeltane)}, {word " quit", controlOf(page.cmdQuit)}
    return {
        QM_EVERY_PAGE(p, "project"), QM_CONTROL(p, lblTitles5), QM_CONTROL(p, lblProjectDetails), QM_CONTROL(p, cmbRecent),
        QM_CONTROL(p, cmdLoad2), QM_CONTROL(p.rollBack, shpRollBack), QM_CONTROL(p.rollBack, lblTitles9),
        QM_CONTROL(p.rollBack, cmbBackups), QM_CONTROL(p.rollBack, cmdRollback), QM_EVERY_PAGE(f, "files"),
        QM_CONTROL(f, lblNoFiles), QM_CONTROL(f, cmdSelectAll), QM_CONTROL(f, cmdBack1), QM_CONTROL(f, cmdLoad3),
        QM_EVERY_PAGE(o, "options"), QM_CONTROL(o, lblTitles6), QM_CONTROL(o, optAdd), QM_CONTROL(o, optDelete),
        QM_CONTROL(o, optBackup), QM_CONTROL(o, optNew), QM_CONTROL(o, txtNewLoc), QM_CONTROL(o, cmdNewBrowse),
        QM_CONTROL(o, chkCompile), QM_CONTROL(o, cmdNewStyle), QM_CONTROL(o, cmdDeleteStyle), QM_CONTROL(o, chkIgnoreTags),
        QM_CONTROL(o, chkIgnoreExisting), QM_CONTROL(o, txtIgnore), QM_CONTROL(o, chkNumbers), QM_CONTROL(o, txtStartFrom),
        QM_CONTROL(o, chkVarDump), QM_CONTROL(o, chkAllProcedures), QM_CONTROL(o, cmdBack2), QM_CONTROL(o, cmdLoad4),
        QM_EVERY_PAGE(a, "apply"), QM_CONTROL(a, lblTitles12), QM_CONTROL(a, cmdBegin), QM_CONTROL(a, cmdBack3),
        QM_CONTROL(a, cmdPreview),
    };
#undef QM_EVERY_PAGE
#undef QM_CONTROL
  }

  TextBox& textBox(const std::string& name) {
    if (TextBox* box = controls().at(name).box) return *box;
    throw std::invalid_argument("no text box " + name);
  }

  // What the switches chose on the options page, in a line: the action, the
  // protection with the new copy's folder name, each ticked box, the minimum lines.
  std::string chosen() {
    const OptionsPage& p = optionsPage();
    std::string out = p.optAdd.selected ? "add" : "delete";
    out += (p.optBackup.selected ? " backup [" : " new [") + std::string(bareName(p.txtNewLoc.text)) + "]";
    const std::pair<const CheckBox*, const char*> boxes[] = {{&p.chkCompile, " compile"}, {&p.chkNumbers, " numbers"},
                                                             {&p.chkVarDump, " dump"}, {&p.chkIgnoreExisting, " skip-handled"},
                                                             {&p.chkIgnoreTags, " skip-tagged"}};
    for (const auto& [box, name] : boxes) out += box->ticked ? name : "";
    if (p.chkNumbers.ticked && !p.txtStartFrom.enabled) out += " (no first number)";
    return out + " lines=" + p.txtIgnore.text;
  }

  // Every file below projects/ but the backups', by its path there.
  std::map<std::string, std::string> projectFiles() const {
    std::map<std::string, std::string> out;
    const std::filesystem::path projects(root.path() + "projects");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(projects)) {
      const std::string path = std::filesystem::relative(entry.path(), projects).generic_string();
      if (entry.is_regular_file() && path.find("/Backup on ") == std::string::npos) out[path] = root.read("projects/" + path);
    }
    return out;
  }

  StartUpOutcome outcome_;
  std::map<std::string, std::map<std::string, std::string>> snapshots_;
  std::optional<SummaryText> rolledBack_;
  std::ostringstream printed_;
  std::set<std::string> watched_;

  std::string places(std::string text) const {
    const std::pair<std::string, std::string> placeholders[] = {
        {"<billing folder>", place("projects/Billing/")}, {"<billing>", billing()},
        {"<billing\\>", replaceAll(billing(), "/", "\\")}, {"<projects>", place("projects/")},
        {"<program>", root.path() + "program/"}, {"<root>", place("")}};
    for (const auto& [name, path] : placeholders) text = replaceAll(text, name, path);
    return text;
  }

  void act(const std::string& verb, const std::string& text) override {
    const std::string arg = places(text), second = word(verb, 1);
    const std::map<std::string, std::function<void()>> actions = {
        {"start", [&] { outcome_ = start(CommandLine::fromWords(split(arg))); }},  // start[: <word> | <word> ...]
        {"start text", [&] { outcome_ = start(CommandLine::fromText(arg)); }},  // the one string Windows gives
        {"start printed", [&] {  // start printed: <word> | ...: with the summary echoed as printed
           newWizard();
           SummaryPrinter printer(printed_);
           wizard->applyPage.txtSummary.echo = &printer;
           outcome_ = wizard->Form_Load(CommandLine::fromWords(split(arg)));
           wizard->applyPage.txtSummary.echo = nullptr;
         }},
        {"roll back", [&] {  // roll back: <backup>: the command line's roll back of Billing, on a new start
           start();
           rolledBack_.emplace();
           const auto done = RunRollbackCommand(*wizard, billing(), arg, "--rollback " + billing() + " " + arg, *rolledBack_);
           outcome_.exitStatus = done.exitStatus;
           outcome_.reason = done.reason;
         }},
        {"read only", [&] { root.setReadOnly(arg); }},
        {"writable", [&] { root.setReadOnly(arg, false); }},
        {"snapshot", [&] { snapshots_[arg] = projectFiles(); }},  // snapshot: <name>
        {"touch", [&] {  // a file made and removed changes a folder's time on every system
           std::this_thread::sleep_for(std::chrono::milliseconds(20));
           root.write(arg + "/touch", "");
           std::filesystem::remove(root.file(arg + "/touch"));
         }},
        // write: <path> = <text>, or = @<name of the case's text>
        {"write", [&] { root.write(arg.substr(0, arg.find(" = ")), caseText(c, arg.substr(arg.find(" = ") + 3))); }},
        {"folder", [&] { root.makeFolder(arg); }},
        {"copy data", [&] {  // copy data: <folder of tests/data>, into projects/
           std::filesystem::copy(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/" + arg, place("projects/" + arg),
                                 std::filesystem::copy_options::recursive);
         }},
        {"store", [&] { SaveSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", second, arg); }},  // store <name>: <value>
        {"recent", [&] {  // recent: <path> | <path> ...
           const std::string key = SettingsKey() + "\\Previous";
           const Names paths = split(arg);
           SaveSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", static_cast<int>(paths.size()));
           for (std::size_t i = 0; i < paths.size(); ++i) {
             SaveSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i + 1), paths[i]);
           }
         }},
        {"separator", [&] { clock.separator = arg; }},
        {"counts", [&] {  // counts: <project> = <procedures>/<handled> ...: modules m0.bas, m1.bas, ...
           const std::size_t equals = arg.find(" = ");
           const std::string name = arg.substr(0, equals);
           std::istringstream modules(equals == std::string::npos ? "" : arg.substr(equals + 3));
           std::string project = "Type=Exe\r\n";
           int n = 0;
           for (std::string counts; modules >> counts; ++n) {
             const std::string module = std::string("m").append(std::to_string(n));  // "m" + would set off -Wrestrict in GCC 12
             project += "Module=" + module + "; " + module + ".bas\r\n";
             root.write("projects/" + name + "/" + module + ".bas", moduleText(module, counts));
           }
           root.write("projects/" + name + "/" + name + ".vbp",
                      project + "Name=\"" + name + "\"\r\nMajorVer=1\r\nMinorVer=0\r\nRevisionVer=0\r\n");
         }},
        {"module", [&] {  // module: <path> = <name> <procedures>/<handled>
           const std::string fields = arg.substr(arg.find(" = ") + 3);
           root.write(arg.substr(0, arg.find(" = ")), moduleText(word(fields, 0), word(fields, 1)));
         }},
        {"watch", [&] { onYield = [this] { watched_.insert(shown("list")); }; }},  // the list and bar at each yield
        {"browse", [&] { browseTo(arg); }},
        {"open", [&] { browseTo(arg), wizard->cmdLoad2_Click(); }},  // Browse, Next: the files page
        {"to options", [&] {  // Browse (when given), Next, Next
           if (!arg.empty()) browseTo(arg);
           wizard->cmdLoad2_Click();
           wizard->cmdLoad3_Click();
         }},
        {"set", [&] { textBox(second).text = arg, fire(textBox(second).onLostFocus); }},  // typed, then left
        {"click", [&] {
           const auto all = controls();
           const auto found = all.find(verb.substr(6));
           if (found == all.end() || !found->second.press) throw std::invalid_argument("cannot click " + verb);
           found->second.press();
         }},
        {"type", [&] { textBox(second).text = arg; }},
        {"enter", [&] { fire(textBox(second).onGotFocus); }},
        {"pick", [&] {  // pick cmbRecent|cmbBackups <entry>
           DropDownList& list = second == "cmbRecent" ? projectPage().cmbRecent : projectPage().rollBack.cmbBackups;
           list.selected = std::stoul(word(verb, 2));
           fire(list.onClick);
         }},
        {"tick", [&] { filesPage().lstProjectFiles.onItemCheck(std::stoul(second), true); }},  // tick <row>
        {"untick", [&] { filesPage().lstProjectFiles.onItemCheck(std::stoul(second), false); }},
        {"header", [&] { filesPage().lstProjectFiles.onColumnClick(std::stoi(second)); }},
        {"tab", [&] { optionsPage().tabOptions.onClick(std::stoul(second)); }},
        {"style", [&] {  // style click|double <entry>
           const std::size_t n = std::stoul(word(verb, 2));
           second == "click" ? optionsPage().flbRoutines.onClick(n) : optionsPage().flbRoutines.onDblClick(n);
         }},
        {"answer", [&] { dialogs.inputAnswers.push_back(arg); }},
        {"cancel", [&] { dialogs.answerOk = false; }},
        {"no warning", [&] { wizard->session.bShowWarning = false; }},
        {"save as", [&] { wizard->editor().saveAs(); }},
        {"new location", [&] { optionsPage().setNewLocation(arg); }},
        {"editor text", [&] { wizard->editor().setText(0, arg, 0); }},  // typed into the editor, unsaved
        {"clock minute", [&] { clock.time.minute = std::stoi(arg); }},
        {"guide", [&] { workspace.guideFolder = std::string(QUILLMERE_SOURCE_DIR) + "/docs/help/"; }},
        {"F1", [&] {  // F1, or F1 <button>: with that button focused
           view.helpTargets.clear();
           wizard->F1(second.empty() ? 0 : controls().at(second).helpTopic);
         }},
    };
    lookUp(actions, verb)();
  }

  std::string shown(const std::string& key) override {
    const std::string second = word(key, 1);
    const auto all = controls();
    if (const auto control = all.find(key); control != all.end()) return control->second.shown();
    const std::map<std::string, std::function<std::string()>> keys = {
        {"page", [&] { return kPages[static_cast<int>(wizard->currentPage)]; }},
        {"rows", [&] {  // each row's cells joined by "/", with "x" or "-" for its tick
           Names rows;
           for (const ListRow& row : filesPage().lstProjectFiles.rows) {
             rows.push_back(joined(row.cells, "/") + (row.ticked ? " x" : " -"));
           }
           return joined(rows);
         }},
        {"list", [&] {  // the files list shown, and the bar that stands in for it
           return yesNo(filesPage().lstProjectFiles.visible) + ", bar " + yesNo(filesPage().barProgress.visible);
         }},
        {"styles", [&] {  // the style list's entries, the selected one in brackets
           const ListBox& list = optionsPage().flbRoutines;
           Names entries;
           for (std::size_t i = 0; i < list.entries.size(); ++i) {
             entries.push_back(list.selected == i ? "[" + list.entries[i] + "]" : list.entries[i]);
           }
           return joined(entries);
         }},
        {"styles focused", [&] { return yesNo(optionsPage().flbRoutines.focused); }},
        {"watched", [&] { return joined(Names(watched_.begin(), watched_.end())); }},
        {"progress", [&] {
           return std::to_string(filesPage().barProgress.value) + " of " + std::to_string(filesPage().barProgress.maximum);
         }},
        {"recent count", [&] { return std::to_string(session().recentCount); }},
        {"rollback panel", [&] {  // its bar and its "completed" panel
           const RollBackPanel& panel = projectPage().rollBack;
           return "bar " + yesNo(panel.barRollBack.visible) + ", done " + yesNo(panel.picDoneRolling.visible);
         }},
        {"tabs", [&] {  // the open tab, and the tabs that can be opened
           const TabControl& tabs = optionsPage().tabOptions;
           std::string out = std::to_string(tabs.selected) + " of";
           for (std::size_t i = 0; i < tabs.available.size(); ++i) {
             if (tabs.available[i]) out.append(" ").append(std::to_string(i));
           }
           return out + (tabs.visible ? "" : " (hidden)");
         }},
        {"selection", [&] {  // selection <text box>: start+length
           const TextBox& box = textBox(second);
           return std::to_string(box.selectionStart) + "+" + std::to_string(box.selectionLength);
         }},
        {"style", [&] { return wizard->sStyle(); }},
        {"on error", [&] { return wizard->currentStyle().onErrorText; }},
        {"editor", [&] { return yesNo(wizard->editor().visible()); }},
        {"setting", [&] { return GetSettingString(settings, HKEY_CURRENT_USER, SettingsKey() + "\\Settings", second, "<missing>"); }},
        {"setting number", [&] {  // setting number <name>: -1 when missing
           return std::to_string(GetSettingNumber(settings, HKEY_CURRENT_USER, SettingsValuesKey(), word(key, 2), -1));
         }},
        {"settings written", [&] { return std::to_string(settings.writes()); }},
        {"recent", [&] {  // as the settings hold it: "Number", then values 1..Number
           const std::string key = SettingsKey() + "\\Previous";
           const std::int32_t count = GetSettingNumber(settings, HKEY_CURRENT_USER, key, "Number", -1);
           Names out{std::to_string(count)};
           for (std::int32_t i = 1; i <= count; ++i) {
             out.push_back(GetSettingString(settings, HKEY_CURRENT_USER, key, std::to_string(i), "<missing>"));
           }
           return joined(out);
         }},
        {"recent list", [&] { return joined(projectPage().cmbRecent.entries); }},
        {"backups", [&] { return joined(projectPage().rollBack.cmbBackups.entries); }},
        {"requests", [&] { return joined(view.requests); }},
        {"prompts", [&] { return joined(dialogs.prompts); }},
        {"warnings", [&] { return std::to_string(dialogs.warnings); }},
        {"file dialog", [&] {
           const FileDialogRequest& r = dialogs.requests.back();
           return r.title + " | " + r.filter + " | " + r.initialFolder + (r.allowMultiple ? " | several" : "");
         }},
        {"file", [&] { return root.exists(key.substr(5)) ? root.read(key.substr(5)) : "<none>"; }},
        {"project", [&] {
           const ProjectState& p = session().project;
           return p.projectName + " | " + p.projectFile + " | " + p.projectFolder + " | " + std::to_string(p.fileCount) +
                  (p.isExe ? " | exe" : "");
         }},
        {"selected files", [&] { return joined(session().selectedFiles); }},
        {"procedures", [&] { return std::to_string(session().procedures.size()); }},
        {"warning", [&] { return yesNo(session().bShowWarning); }},
        {"proceed", [&] { return yesNo(session().bProceed); }},
        {"compiler", [&] { return session().vbLocation; }},
        {"help", [&]() -> std::string {  // the topic and the guide's page F1 opened, which must say it is that topic's
           if (view.helpTargets.size() != 1) return std::to_string(view.helpTargets.size()) + " opened";
           const HelpTarget& target = view.helpTargets[0];
           const auto page = files.readFile(workspace.guideFolder + target.page);
           const bool says = page && page->find("content=\"" + std::to_string(target.topic) + "\"") != std::string::npos;
           return std::to_string(target.topic) + " " + target.page + (says ? "" : " (another topic's page)");
         }},
        {"window", [&] { return yesNo(outcome_.showWindow); }},
        {"exit", [&] { return std::to_string(outcome_.exitStatus); }},
        {"reason", [&] { return outcome_.reason; }},
        {"log", [&] { return outcome_.failureLog; }},
        {"restored", [&] { return joined(rolledBack_->lines()); }},
        {"printed", [&] {
           const std::string text = printed_.str();
           return text.find('\r') != std::string::npos ? "with a CR" : replaceAll(text, "\n", "\r\n");
         }},
        {"changed since", [&] {  // changed since <snapshot>: the project files that differ, came or went, backups aside
           const auto& before = snapshots_.at(key.substr(14));
           const auto now = projectFiles();
           Names changed;
           for (const auto& [path, text] : now) {
             if (before.count(path) == 0 || before.at(path) != text) changed.push_back(path);
           }
           for (const auto& [path, text] : before) {
             if (now.count(path) == 0) changed.push_back(path + " (gone)");
           }
           return joined(changed);
         }},
        {"chosen", [&] { return chosen(); }},
        {"has", [&] { return yesNo(applyPage().txtSummary.text.find(key.substr(4)) != std::string::npos); }},  // has <text>
        {"exists", [&] { return yesNo(root.exists(key.substr(7))); }},
        {"launches", [&] { return std::to_string(launcher.calls.size()); }},
        {"completed", [&] { return yesNo(session().lastRunCompleted); }},
        {"summary lines", [&] {
           const std::string& text = applyPage().txtSummary.text;
           return std::to_string(std::count(text.begin(), text.end(), '\n'));
         }},
        {"run options", [&] {  // what a run would be given, in a line
           const RunOptions o = optionsPage().readRunOptions();
           std::ostringstream out;
           out << (o.action == RunAction::Add ? "add" : "delete")
               << (o.saveMode == SaveMode::NewCopy ? ", new " + o.newLocation : ", backup") << (o.compile ? ", compile" : "")
               << (o.skipIgnoreTagged ? ", skip tagged" : "") << (o.skipExistingHandlers ? ", skip handled" : "")
               << ", lines " << o.minLines << (o.addLineNumbers ? ", numbers from " : ", no numbers from ");
           if (std::isnan(o.lineNumberStart)) out << "no number"; else out << o.lineNumberStart;
           out << (o.variableDump ? ", dump" : "") << (o.allProcedures ? ", all procedures" : "") << ", " << o.selectedFiles.size() << " files";
           return out.str();
         }},
        {"summary", [&] { return applyPage().txtSummary.text; }},
        {"bar", [&] { return yesNo(applyPage().barMain.visible); }},
        {"yields", [&] { return std::to_string(yields); }},
        {"diff has", [&] { return yesNo(session().lastPreview.diff.find(key.substr(9)) != std::string::npos); }},
        {"report", [&] {  // report [all] <path under the test's folder>: the files page as text, CR LF lines
           const bool all = second == "all";
           const auto report = analyseProjectReport(files, place(key.substr(all ? 11 : 7)), all);
           return report.ok() ? replaceAll(*report, "\n", "\r\n") : "failed: " + report.message();
         }},
        {"previews", [&] {  // how many diffs the view was handed, and whether each is the last preview's
           const auto same = std::count(view.requests.begin(), view.requests.end(), "preview " + session().lastPreview.diff);
           return std::to_string(view.requests.size()) + (same == std::ssize(view.requests) ? ", each the last" : ", others");
         }},
        {"grep", [&] {  // grep <path> | <text>: whether the file holds the text
           const Names parts = split(key.substr(5));
           return yesNo(root.read(parts.at(0)).find(parts.at(1)) != std::string::npos);
         }},
        {"window report", [&] {
           return replaceAll(filesPageReport(projectPage().lblProjectDetails, filesPage().lstProjectFiles), "\n", "\r\n");
         }},
    };
    return lookUp(keys, key)();
  }
  std::string expected(const std::string& value) override { return places(value); }
};

TEST_P(PageScript, ShowsWhatItSays) { runScript(c, *this); }

QM_CASES_FROM(PageScript, "wizard/pages.txt");

}  // namespace
}  // namespace qm::testing
