// Dialogs that answer from a script and remember what they were asked, for
// the style editor and library tests.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "run/run_services.h"

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

}  // namespace qm::testing
