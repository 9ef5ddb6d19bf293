#include "support/script_runner.h"

#include <algorithm>
#include <sstream>

namespace qm::testing {

std::string joined(const Names& names, std::string_view separator) {
  std::string out;
  for (const std::string& name : names) out.append(out.empty() ? "" : separator).append(name);
  return out;
}

Names split(std::string_view text) {
  Names out;
  for (std::size_t at = 0; !text.empty() && at <= text.size();) {
    const std::size_t bar = std::min(text.find(" | ", at), text.size());
    out.emplace_back(text.substr(at, bar - at));
    at = bar + 3;
  }
  return out;
}

std::string yesNo(bool value) { return value ? "yes" : "no"; }

std::string word(std::string_view text, std::size_t n) {
  std::istringstream words{std::string(text)};
  std::string out;
  for (std::size_t i = 0; i <= n; ++i) out = words >> out ? out : "";
  return out;
}

std::optional<std::pair<std::string, std::string>> atColon(const std::string& line) {
  const std::size_t colon = line.find(": ");
  if (colon != std::string::npos) return std::pair(line.substr(0, colon), line.substr(colon + 2));
  if (line.ends_with(":")) return std::pair(line.substr(0, line.size() - 1), std::string());
  return std::nullopt;
}

std::string caseText(const Case& script, const std::string& written) {
  return written.starts_with("@") ? script.text(written.substr(1)) : written;
}

void runScript(const Case& script, ScriptWindows& windows) {
  std::string expected, shown;
  int checks = 0;
  Names lines;  // as written: a line's escapes may stand for line breaks
  for (const char* text : {"setup", "script"}) {
    if (const auto found = script.written.find(text); found != script.written.end()) {
      lines.insert(lines.end(), found->second.begin(), found->second.end());
    }
  }
  lines.push_back("> ");
  for (const std::string& line : lines) {
    const std::string decoded = decodeEscapes(line);
    if (decoded.starts_with("# ")) continue;
    if (decoded.starts_with("> ")) {
      if (!expected.empty()) {
        ++checks;
#ifdef _WIN32  // the scripts write the rest of a path after a place with "/"
        std::replace(shown.begin(), shown.end(), '\\', '/');
        std::replace(expected.begin(), expected.end(), '\\', '/');
#endif
        EXPECT_EQ(shown, expected) << "check " << checks;
      }
      expected.clear();
      shown.clear();
      if (decoded.size() <= 2) continue;
      const auto said = atColon(decoded.substr(2)).value_or(std::pair(decoded.substr(2), std::string()));
      windows.act(said.first, said.second);
    } else if (const auto check = atColon(decoded)) {
      expected += check->first + ": " + windows.expected(caseText(script, check->second)) + "\n";
      shown += check->first + ": " + windows.shown(check->first) + "\n";
    } else if (!decoded.empty()) {
      throw std::invalid_argument("neither an action nor a check: " + decoded);
    }
  }
  EXPECT_GT(checks, 0) << "a script that checks nothing";
}

}  // namespace qm::testing
