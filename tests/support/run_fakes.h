// Stand-ins for the screen, the clock and the process starter, so the run,
// the roll back and the pages driving them can be watched line by line in
// tests of any module.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/process.h"
#include "platform/view_services.h"

namespace qm::testing {

// Holds the summary as the summary box would: each new line is CR LF + text.
class SummaryText final : public SummarySink {
 public:
  void appendLine(std::string_view text) override {
    text_ += "\r\n";
    text_ += text;
  }
  void appendToLine(std::string_view text) override { text_ += text; }
  void scrollToEnd() override { ++scrolls_; }

  const std::string& text() const { return text_; }
  // The lines the run wrote (the box's opening text is empty here).
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while ((pos = text_.find("\r\n", pos)) != std::string::npos) {
      pos += 2;
      const std::size_t next = text_.find("\r\n", pos);
      out.push_back(text_.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
    }
    return out;
  }
  int scrolls() const { return scrolls_; }

 private:
  std::string text_;
  int scrolls_ = 0;
};

class ProgressLog final : public ProgressDisplay {
 public:
  void setMaximum(int maximum) override {
    maximum_ = maximum;
    events_.push_back("max " + std::to_string(maximum));
  }
  void setValue(int value) override {
    value_ = value;
    if (value > maximum_) exceeded_ = true;
    events_.push_back("value " + std::to_string(value));
  }
  void setVisible(bool visible) override {
    visible_ = visible;
    events_.push_back(visible ? "shown" : "hidden");
  }
  int maximum() const { return maximum_; }
  int value() const { return value_; }
  bool visible() const { return visible_; }
  bool exceeded() const { return exceeded_; }
  const std::vector<std::string>& events() const { return events_; }

 private:
  int maximum_ = 0;
  int value_ = 0;
  bool visible_ = false;
  bool exceeded_ = false;
  std::vector<std::string> events_;
};

// Answers the run's questions from a script; with nothing scripted every
// question is cancelled, as when nobody is at the screen.
class ScriptedDialogs final : public Dialogs {
 public:
  void messageBox(std::string_view text, std::string_view title) override {
    messages.push_back(std::string(title) + ": " + std::string(text));
  }
  std::vector<std::string> openFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (fileAnswers.empty()) return {};
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.empty()) return {};
    return {answer};
  }
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title, std::string_view) override {
    prompts.push_back(std::string(title) + ": " + std::string(prompt));
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return answer;
  }
  bool rollbackWarning(bool& dontShowAgain) override {
    ++warnings;
    dontShowAgain = tickDontShowAgain;
    return answerOk;
  }
  std::optional<std::string> chooseFolder(std::string_view, std::string_view) override {
    if (folderAnswers.empty()) return std::nullopt;
    std::string answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }

  std::deque<std::string> fileAnswers;  // "" stands for a cancelled dialog
  std::deque<std::string> folderAnswers;
  std::deque<std::optional<std::string>> inputAnswers;  // nothing: cancelled
  std::vector<std::string> prompts;                     // "title: prompt" each
  bool answerOk = false;
  bool tickDontShowAgain = false;
  std::vector<std::string> messages;
  std::vector<FileDialogRequest> requests;
  int warnings = 0;
};

// A clock that stands still unless told: every reading of the monotonic
// count adds `step` milliseconds, and sleeping adds the time slept.
class FixedClock final : public Clock {
 public:
  std::int64_t monotonicMilliseconds() const override {
    const std::int64_t now = milliseconds;
    milliseconds += step;
    return now;
  }
  LocalDateTime now() const override { return time; }
  std::string monthAbbreviation(int month) const override { return englishMonthAbbreviation(month); }
  std::string decimalSeparator() const override { return separator; }
  void sleepMilliseconds(int slept) override {
    milliseconds += slept;
    sleptTotal += slept;
  }

  LocalDateTime time{2024, 12, 5, 14, 3, 27};
  mutable std::int64_t milliseconds = 1000;
  std::int64_t step = 0;
  std::string separator = ".";
  std::int64_t sleptTotal = 0;
};

class RecordingLauncher final : public ProcessLauncher {
 public:
  struct Call {
    std::string executable;
    std::vector<ProcessArgument> arguments;
  };
  Status startDetached(std::string_view executable, const std::vector<ProcessArgument>& arguments) override {
    calls.push_back(Call{std::string(executable), arguments});
    return result;
  }
  std::vector<Call> calls;
  Status result;
};

}  // namespace qm::testing
