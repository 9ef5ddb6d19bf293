// The style editor and the options page's style list, driven as a person
// drives them: each case of tests/data/styles/style_editor.txt and
// style_list.txt is a script of "> action" lines and "key: value" lines,
// which say what the windows show at that point. The actions and keys are
// the ones read below; dialogs answer from the script, and the program
// folder is a fresh one whose file system can be told to fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "platform/text.h"
#include "platform/view_services.h"
#include "styles/style_editor.h"
#include "styles/style_file.h"
#include "styles/style_library.h"
#include "support/faulty_file_system.h"
#include "support/script_runner.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::atColon;
using testing::joined;
using testing::lookUp;
using testing::Names;
using testing::split;
using testing::yesNo;

const char* const kTabs[] = {"first", "last", "files"};
const char* const kFocus[] = {"text", "files", "tabs"};  // in EditorFocus's order

int indexOf(const char* const (&names)[3], const std::string& name) {
  const auto found = std::find(std::begin(names), std::end(names), name);
  if (found == std::end(names)) throw std::invalid_argument("no such tab or focus: " + name);
  return static_cast<int>(found - names);
}

class Windows final : public testing::ScriptWindows {
 public:
  Windows(const testing::Case& script, bool withList) : script_(script) {
    StyleEditorHooks& hooks = editor_.hooks();
    hooks.saveLastRoutine = [this](const std::string& name) { remembered_.push_back(name); };
    hooks.tickVariableDump = [this] { ++ticks_; };
    hooks.styleListChanged = [this] { ++listRefreshes_; };
    hooks.currentStyleChanged = [this] { ++styleChanges_; };
    hooks.repaint = [this] { progress_.push_back(bar("shown ", "hidden ") + std::to_string(editor_.saveProgressValue())); };
    hooks.holdProgress = [this](int ms) { progress_.push_back(bar("held ", "held hidden ") + std::to_string(ms)); };
    hooks.openDocument = [this](const std::string& path) { opened_.push_back(path); };
    if (withList) list_.emplace(workspace_, editor_, dialogs_);  // takes over styleListChanged
  }

  // Numbers follow an action's name ("insert tag 3 over 14+0"), a text its colon ("type first at 3: <text>").
  void act(const std::string& verb, const std::string& text) override {
    const std::string arg = testing::caseText(script_, text);
    std::istringstream words(verb);
    std::string first, second, over;
    int a = 0, b = 0;
    words >> first >> second;
    const std::map<std::string, std::function<void()>> actions = {
        {"write", [&] { folder_.write(arg.substr(0, arg.find(" = ")), testing::caseText(script_, arg.substr(arg.find(" = ") + 3))); }},
        {"style", [&] {  // a style of one line in each text, loaded
           folder_.write("Fixture.style", testing::crlf({"[ON ERROR]", arg.substr(0, arg.find(" / ")), "[ERROR HANDLER]",
                                                         arg.substr(arg.find(" / ") + 3), "[FILES]"}));
           result(editor_.load("Fixture"));
         }},
        {"styles", [&] {  // each with one line, "' <name>", in its first text
           for (const std::string& name : split(arg)) {
             folder_.write(name, testing::crlf({"[ON ERROR]", "' " + name, "[ERROR HANDLER]", "ErrorHandler:", "[FILES]"}));
           }
         }},
        {"make folder", [&] { folder_.makeFolder(arg); }},
        {"delete file", [&] { std::filesystem::remove(folder_.file(arg)); }},
        {"fail", [&] {  // fail reads|writes|removes|nothing [of: <part of the path>]
           const auto op = second == "reads" ? testing::Operation::Read
                           : second == "writes" ? testing::Operation::Write
                                                : testing::Operation::Remove;
           files_.setRule([op, arg, none = second == "nothing"](testing::Operation o, const std::string& path) {
             return !none && o == op && path.find(arg) != std::string::npos;
           });
         }},
        {"load", [&] { result(editor_.load(arg)); }},
        {"tab", [&] {  // tab <tab>, or tab key over <start>+<length>
           if (second != "key") return editor_.selectTab(indexOf(kTabs, second));
           words >> over >> a >> b;
           editor_.insertTabSpaces(a, b);
         }},
        {"type", [&] {  // type <tab> at <caret>: <text>
           words >> over >> a;
           editor_.setText(indexOf(kTabs, second), arg, a);
         }},
        {"insert", [&] {  // insert tag <item> over <start>+<length>
           int item = 0;
           words >> item >> over >> a >> b;
           editor_.insertTag(item, a, b);
         }},
        {"focus", [&] { editor_.setFocus(static_cast<EditorFocus>(indexOf(kFocus, arg))); }},
        {"show", [&] { editor_.show(); }},
        {"hide", [&] { editor_.hide(); }},
        {"answer", [&] { dialogs_.answers.push_back(arg); }},
        {"cancel", [&] { dialogs_.answers.push_back(std::nullopt); }},
        {"answer files", [&] { dialogs_.fileAnswers.push_back(split(arg)); }},
        {"add files", [&] { editor_.addExtraFiles(); }},
        {"remove files", [&] { editor_.removeSelectedFiles(); }},
        {"select", [&] { editor_.setFileSelected((words >> a, a), true); }},  // select file <index>
        {"unselect", [&] { editor_.setFileSelected((words >> a, a), false); }},
        {"open", [&] { editor_.openExtraFile((words >> a, a)); }},
        {"save", [&] { result(editor_.save()); }},
        {"save as", [&] { result(editor_.saveAs()); }},
        {"rename", [&] { editor_.setStyleName(arg); }},
        {"forget", [&] { remembered_.clear(); progress_.clear(); listRefreshes_ = 0; }},  // what the hooks saw
        {"choose", [&] { result(list().chooseCurrentStyle(arg)); }},
        {"pick", [&] { result(list().selectStyle(arg)); }},
        {"new style", [&] { result(list().newStyle()); }},
        {"delete style", [&] { result(list().deleteCurrentStyle()); }},
        {"edit style", [&] { list().editStyle(); }},
        {"refresh", [&] { list().refresh(); }},
        {"listed or first", [&] { result_ = list().listedOrFirst(arg); }},
    };
    lookUp(actions, verb)();
  }

  std::string shown(const std::string& key) override {
    const std::string second = testing::word(key, 1);
    const auto failureShown = [&] {  // the last failure's own words in a message box
      return !failure_.empty() && std::any_of(dialogs_.messages.begin(), dialogs_.messages.end(),
                                              [&](const std::string& m) { return m.ends_with(": " + failure_); });
    };
    const auto inFolder = [&](const std::string& out) { return replaceAll(out, folder_.path(), "<program folder>"); };
    const auto read = [&](const std::string& name) { return folder_.exists(name) ? folder_.read(name) : "<none>"; };
    const std::map<std::string, std::function<std::string()>> keys = {
        {"result", [&] { return result_; }},
        {"failure shown", [&] { return yesNo(failureShown()); }},
        {"caption", [&] { return editor_.caption(); }},
        {"style", [&] { return editor_.styleName(); }},
        {"tab", [&] { return kTabs[editor_.currentTab()]; }},
        {"focus", [&] { return kFocus[static_cast<int>(editor_.focus())]; }},
        {"visible", [&] { return yesNo(editor_.visible()); }},
        {"unsaved", [&] { return yesNo(editor_.saveEnabled()); }},
        {"menus", [&] {  // the Insert menu, its tag items, Extra File and Remove File, when enabled
           return std::string(editor_.insertMenuEnabled() ? "insert " : "") + (editor_.tagItemsEnabled() ? "tags " : "") +
                  (editor_.extraFileEnabled() ? "extra " : "") + (editor_.removeFileEnabled() ? "remove" : "");
         }},
        {"text", [&] { return editor_.text(indexOf(kTabs, second)); }},  // text <tab>, as shown
        {"caret", [&] { return std::to_string(editor_.caret(indexOf(kTabs, second))); }},
        {"selection", [&] { return ranges({editor_.selection(indexOf(kTabs, second))}); }},
        {"red", [&] { return ranges(editor_.highlights(indexOf(kTabs, second))); }},  // the tags' highlights
        {"on error", [&] { return editor_.style().onErrorText; }},  // the texts as the style holds them
        {"handler", [&] { return editor_.style().handlerText; }},
        {"files", [&] { return joined(editor_.extraFiles()); }},
        {"selected", [&] {
           Names out;
           for (std::size_t i = 0; i < editor_.extraFiles().size(); ++i) if (editor_.fileSelected(i)) out.push_back(std::to_string(i));
           return joined(out, " ");
         }},
        {"ticks", [&] { return std::to_string(ticks_); }},  // of the variable dump box
        {"list refreshes", [&] { return std::to_string(listRefreshes_); }},
        {"style changes", [&] { return std::to_string(styleChanges_); }},
        {"remembered", [&] { return joined(remembered_); }},  // as the last style used
        {"progress", [&] { return joined(progress_) + (editor_.saveProgressVisible() ? ", still shown" : ""); }},
        {"opened", [&] { return joined(opened_); }},
        {"message titles", [&] {
           Names titles;
           for (const std::string& message : dialogs_.messages) titles.push_back(message.substr(0, message.find(": ")));
           return joined(titles);
         }},
        {"questions", [&] { return joined(dialogs_.questions); }},
        {"file dialog", [&] { return dialogs_.fileRequests.empty() ? "" : inFolder(dialogs_.fileRequests.back()); }},
        {"file", [&]() -> std::string {  // file <name>: its bytes; file <name> is: which of the program's own styles it holds
           if (!key.ends_with(" is")) return read(key.substr(5));
           const std::string bytes = read(key.substr(5, key.size() - 8));
           return bytes == defaultStyleText() ? "the default style"
                  : bytes == emptyStyleText() ? "the empty style"
                                              : "another";
         }},
        {"current", [&] { return list().sStyle(); }},
        {"entries", [&] { return joined(list().entries()); }},
        {"entry", [&] { return list().currentEntry() ? std::to_string(*list().currentEntry()) : "none"; }},
        {"delete", [&] { return yesNo(list().deleteEnabled()); }},
        {"title", [&] { return list().pageTitle(); }},
        {"list focused", [&] { return yesNo(list().listFocused()); }},
    };
    return lookUp(keys, key)();
  }

 private:
  std::string bar(const char* shown, const char* hidden) const {
    return editor_.saveProgressVisible() ? shown : hidden;
  }
  static std::string ranges(const std::vector<TextRange>& all) {
    Names out;
    for (const TextRange& r : all) out.push_back(std::to_string(r.start) + "+" + std::to_string(r.length));
    return joined(out, " ");
  }
  void result(bool ok) { result_ = ok ? "ok" : "failed"; }
  void result(const Status& status) {
    result(status.ok());
    failure_ = status.ok() ? "" : status.message();
  }
  StyleLibrary& list() {
    if (!list_) throw std::logic_error("no style list in this script");
    return *list_;
  }

  const testing::Case& script_;
  testing::TempFolder folder_;
  testing::FaultyFileSystem files_;
  Workspace workspace_{files_, folder_.path(), folder_.path()};
  testing::ScriptDialogs dialogs_;
  StyleEditor editor_{workspace_, dialogs_};
  std::optional<StyleLibrary> list_;
  Names remembered_, progress_, opened_;
  int ticks_ = 0, listRefreshes_ = 0, styleChanges_ = 0;
  std::string result_, failure_;
};

void runScript(const testing::Case& script, bool withList) {
  Windows windows(script, withList);
  testing::runScript(script, windows);
}

class StyleEditorScript : public testing::CaseTest {};
TEST_P(StyleEditorScript, ShowsWhatItSays) { runScript(c, false); }
QM_CASES_FROM(StyleEditorScript, "styles/style_editor.txt");

class StyleListScript : public testing::CaseTest {};
TEST_P(StyleListScript, ShowsWhatItSays) { runScript(c, true); }
QM_CASES_FROM(StyleListScript, "styles/style_list.txt");

}  // namespace
}  // namespace qm
