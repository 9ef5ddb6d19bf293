// Scripts of windows driven as a person drives them: a case's "setup" and
// "script" texts hold "> action" lines, and "key: value" lines that say what
// the windows show at that point ("# " lines are comments). Each group of
// checks is compared as one text, so that a failure shows every key of it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/case_file.h"

namespace qm::testing {

using Names = std::vector<std::string>;

std::string joined(const Names& names, std::string_view separator = " | ");
Names split(std::string_view text);  // at " | "
std::string yesNo(bool value);
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

struct ScriptWindows {
  std::function<void(const std::string& action)> act;
  std::function<std::string(const std::string& key)> shown;
  std::function<std::string(const std::string& value)> expected;  // what a written value stands for
};

// Runs the actions in order; at each group of checks, what `shown` gives
// under those keys must read as the values say.
void runScript(const Case& script, const ScriptWindows& windows);

}  // namespace qm::testing
