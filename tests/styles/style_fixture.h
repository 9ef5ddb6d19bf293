// What the style editor and the style library tests share: dialogs that
// answer from a script and remember what they were asked, and an editor over
// a fresh program folder whose file system can be told to fail.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/view_services.h"
#include "styles/style_editor.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm::testing {

class RecordingDialogs final : public Dialogs {
 public:
  struct Message {
    std::string text, title;
  };
  struct Question {
    std::string prompt, title, defaultText;
  };

  std::deque<std::optional<std::string>> inputAnswers;  // nothing = cancelled
  std::deque<std::vector<std::string>> fileAnswers;     // empty = cancelled
  std::vector<Message> messages;
  std::vector<Question> questions;
  std::vector<FileDialogRequest> fileRequests;

  void messageBox(std::string_view text, std::string_view title) override {
    messages.push_back({std::string(text), std::string(title)});
  }
  std::vector<std::string> openFile(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return {};
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override {
    questions.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
    if (inputAnswers.empty()) return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  bool rollbackWarning(bool&) override { return false; }
};

// A parameterised case's name as GoogleTest accepts it.
inline std::string testName(std::string name) {
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

struct StyleFixture {
  TempFolder folder;
  FaultyFileSystem files;
  Workspace workspace{files, folder.path(), folder.path()};
  RecordingDialogs dialogs;
  StyleEditor editor{workspace, dialogs};
  std::vector<std::string> lastRoutines;

  // Called once the hooks' other owners are in place, so this one is not overwritten.
  void recordLastRoutines() {
    editor.hooks().saveLastRoutine = [this](const std::string& name) { lastRoutines.push_back(name); };
  }
  void failEvery(Operation failing) {
    files.setRule([failing](Operation op, const std::string&) { return op == failing; });
  }
};

}  // namespace qm::testing
