// What the style editor and the style library tests share: dialogs that
// answer from a script and remember what they were asked, and an editor over
// a fresh program folder, whose file system can be told to fail, with every
// hook recorded.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "run/run_services.h"
#include "styles/style_editor.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm::testing {

using Names = std::vector<std::string>;

class RecordingDialogs final : public Dialogs {
 public:
  struct Question {
    std::string prompt, title;
  };

  std::deque<std::optional<std::string>> inputAnswers;  // nothing = cancelled
  std::deque<Names> fileAnswers;                        // empty = cancelled
  std::vector<std::pair<std::string, std::string>> messages;  // text, title
  std::vector<Question> questions;
  std::vector<FileDialogRequest> fileRequests;

  void messageBox(std::string_view text, std::string_view title) override {
    messages.emplace_back(text, title);
  }
  Names openFile(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return next(fileAnswers).value_or(Names{});
  }
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title, std::string_view) override {
    questions.push_back({std::string(prompt), std::string(title)});
    return next(inputAnswers).value_or(std::nullopt);
  }
  bool rollbackWarning(bool&) override { return false; }

 private:
  template <typename T>
  static std::optional<T> next(std::deque<T>& answers) {
    if (answers.empty()) return std::nullopt;
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

struct StyleFixture {
  TempFolder folder;
  FaultyFileSystem files;
  Workspace workspace{files, folder.path(), folder.path()};
  RecordingDialogs dialogs;
  StyleEditor editor{workspace, dialogs};
  Names lastRoutines;
  Names opened;
  int ticks = 0;
  int listRefreshes = 0;
  int styleChanges = 0;
  std::vector<std::pair<bool, int>> progress;  // what each repaint showed
  std::vector<int> holds;

  StyleFixture() {
    StyleEditorHooks& hooks = editor.hooks();
    hooks.saveLastRoutine = [this](const std::string& name) { lastRoutines.push_back(name); };
    hooks.tickVariableDump = [this] { ++ticks; };
    hooks.styleListChanged = [this] { ++listRefreshes; };
    hooks.currentStyleChanged = [this] { ++styleChanges; };
    hooks.repaint = [this] { progress.emplace_back(editor.saveProgressVisible(), editor.saveProgressValue()); };
    hooks.holdProgress = [this](int ms) {
      EXPECT_TRUE(editor.saveProgressVisible());
      holds.push_back(ms);
    };
    hooks.openDocument = [this](const std::string& path) { opened.push_back(path); };
  }
  void failEvery(Operation failing) {
    files.setRule([failing](Operation op, const std::string&) { return op == failing; });
  }
};

}  // namespace qm::testing
