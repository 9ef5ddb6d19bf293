// Scripts of windows driven as a person drives them: a case's "setup" and
// "script" texts hold "> action" lines, and "key: value" lines that say what
// the windows show at that point ("# " lines are comments). Each group of
// checks is compared as one text, so that a failure shows every key of it.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/view_services.h"
#include "support/case_file.h"

namespace qm::testing {

using Names = std::vector<std::string>;

std::string joined(const Names& names, std::string_view separator = " | ");
Names split(std::string_view text);  // at " | "
std::string yesNo(bool value);
std::string word(std::string_view text, std::size_t n);  // the nth blank-separated word, counted from 0; "" past the last
// "head: tail", or "head:" with an empty tail; nothing without a colon.
std::optional<std::pair<std::string, std::string>> atColon(const std::string& line);

// The entry of `table` named by the whole of `words`, else by its first two
// words, else by its first word.
template <typename T>
const T& lookUp(const std::map<std::string, T>& table, const std::string& words) {
  const std::size_t one = words.find(' '), two = one == std::string::npos ? one : words.find(' ', one + 1);
  for (const std::string& key : {words, words.substr(0, two), words.substr(0, one)}) {
    if (const auto found = table.find(key); found != table.end()) return found->second;
  }
  throw std::invalid_argument("nothing known as '" + words + "'");
}

// "@name" stands for the case's text of that name.
std::string caseText(const Case& script, const std::string& written);

class ScriptWindows {
 public:
  virtual ~ScriptWindows() = default;
  // An action's first words name it; a text may follow a colon ("type txtIgnore: 2,5").
  virtual void act(const std::string& verb, const std::string& text) = 0;
  virtual std::string shown(const std::string& key) = 0;
  virtual std::string expected(const std::string& value) { return value; }  // what a written value stands for
};

// Dialogs that answer from a script and keep what they were asked.
class ScriptDialogs : public CancellingDialogs {
 public:
  std::deque<std::optional<std::string>> answers;  // nothing = cancelled
  std::deque<Names> fileAnswers;                   // none = cancelled
  Names messages, questions, fileRequests;         // "title: text" each

  void messageBox(std::string_view text, std::string_view title) override {
    messages.push_back(std::string(title) + ": " + std::string(text));
  }
  Names openFile(const FileDialogRequest& request) override {
    fileRequests.push_back(request.filter + " in " + request.initialFolder + (request.allowMultiple ? ", several" : ""));
    return next(fileAnswers);
  }
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title, std::string_view) override {
    questions.push_back(std::string(title) + ": " + std::string(prompt));
    return next(answers);
  }

 private:
  template <typename T>
  static T next(std::deque<T>& queue) {  // an empty answer, which cancels, once the script has no more
    T front = queue.empty() ? T{} : std::move(queue.front());
    if (!queue.empty()) queue.pop_front();
    return front;
  }
};

// Runs the actions in order; at each group of checks, what `shown` gives
// under those keys must read as the values say.
void runScript(const Case& script, ScriptWindows& windows);

}  // namespace qm::testing
