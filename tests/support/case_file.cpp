#include "support/case_file.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>

namespace qm::testing {

namespace {

class Reader {
 public:
  explicit Reader(std::string file) : file_(std::move(file)) {}

  std::vector<Case> read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("cannot be read");
    std::string line;
    while (std::getline(in, line)) {
      ++line_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      take(line);
    }
    closeSection();
    if (cases_.empty()) fail("holds no case");
    return std::move(cases_);
  }

  // A backslash ending the line leaves out its line break: *keepBreak turns false.
  std::string decode(const std::string& in, bool* keepBreak) const {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
      if (in[i] != '\\') {
        out += in[i];
        continue;
      }
      if (++i == in.size()) {
        if (keepBreak == nullptr) fail("a value cannot leave out a line break");
        *keepBreak = false;
        break;
      }
      switch (in[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case '0': out += '\0'; break;
        case 'x':
          if (i + 2 >= in.size() || !std::isxdigit(static_cast<unsigned char>(in[i + 1])) ||
              !std::isxdigit(static_cast<unsigned char>(in[i + 2]))) {
            fail("\\x needs two hex digits");
          }
          out += static_cast<char>(std::stoi(in.substr(i + 1, 2), nullptr, 16));
          i += 2;
          break;
        default: fail(std::string("unknown escape \\") + in[i]);
      }
    }
    return out;
  }

 private:
  [[noreturn]] void fail(const std::string& why) const {
    throw std::runtime_error(file_ + ":" + std::to_string(line_) + ": " + why);
  }

  void take(const std::string& line) {
    if (line.starts_with("=== ")) {
      closeSection();
      cases_.push_back({file_, line_, line.substr(4), defaults_, writtenDefaults_});
      explicit_.clear();
    } else if (line.starts_with("--- ")) {
      closeSection();
      section_ = line.substr(4);
      inSection_ = true;
    } else if (inSection_) {
      sectionLines_.push_back(line);
    } else if (!line.empty() && !(cases_.empty() && line.starts_with("#"))) {
      const std::size_t colon = line.find(':');
      if (colon == std::string::npos || colon == 0) fail("neither an option nor a header: " + line);
      const std::string key = line.substr(0, colon);
      std::string value = line.substr(colon + 1);
      if (value.starts_with(" ")) value.erase(0, 1);
      set(key, decode(value, nullptr));
    }
  }

  void set(const std::string& key, std::string value) {
    if (cases_.empty()) {
      defaults_[key] = std::move(value);
    } else if (!explicit_.insert(key).second) {
      fail("a second '" + key + "'");
    } else {
      cases_.back().values[key] = std::move(value);
    }
  }

  void closeSection() {
    if (!inSection_) return;
    while (!sectionLines_.empty() && sectionLines_.back().empty()) sectionLines_.pop_back();
    std::string text;
    for (const std::string& line : sectionLines_) {
      if (line.starts_with("@")) {
        const auto shared = defaults_.find(line.substr(1));
        if (shared == defaults_.end()) fail("no preamble text " + line);
        text += shared->second;
        continue;
      }
      bool keepBreak = true;
      text += decode(line, &keepBreak);
      if (keepBreak) text += "\r\n";
    }
    inSection_ = false;
    (cases_.empty() ? writtenDefaults_ : cases_.back().written)[section_] = std::move(sectionLines_);
    sectionLines_.clear();
    set(section_, std::move(text));
  }

  std::string file_;
  int line_ = 0;
  std::vector<Case> cases_;
  std::map<std::string, std::string, std::less<>> defaults_;
  std::map<std::string, std::vector<std::string>, std::less<>> writtenDefaults_;
  std::set<std::string> explicit_;
  std::string section_;
  bool inSection_ = false;
  std::vector<std::string> sectionLines_;
};

}  // namespace

const std::string& Case::text(std::string_view key) const {
  const auto it = values.find(key);
  if (it == values.end()) throw std::out_of_range(file + ":" + std::to_string(line) + ": no '" + std::string(key) + "'");
  return it->second;
}

std::string Case::text(std::string_view key, std::string_view fallback) const {
  return has(key) ? text(key) : std::string(fallback);
}

std::optional<std::string> Case::optional(std::string_view key) const {
  return has(key) ? std::optional<std::string>(text(key)) : std::nullopt;
}

double Case::number(std::string_view key) const {
  const std::string& value = text(key);
  char* end = nullptr;
  const double number = std::strtod(value.c_str(), &end);
  if (value.empty() || *end != '\0') throw std::invalid_argument(name + ": '" + std::string(key) + "' is no number");
  return number;
}

bool Case::flag(std::string_view key, bool fallback) const {
  if (!has(key)) return fallback;
  if (text(key) == "true" || text(key) == "false") return text(key) == "true";
  throw std::invalid_argument(name + ": '" + std::string(key) + "' is neither true nor false");
}

std::vector<std::string> Case::lines(std::string_view key) const {
  std::vector<std::string> out;
  if (!has(key)) return out;
  const std::string& value = text(key);
  for (std::size_t at = 0; at < value.size();) {
    const std::size_t end = value.find("\r\n", at);
    out.push_back(value.substr(at, end - at));
    at = end == std::string::npos ? value.size() : end + 2;
  }
  return out;
}

std::string decodeEscapes(std::string_view written) { return Reader("").decode(std::string(written), nullptr); }

std::vector<Case> readCases(std::string_view relativePath) {
  const std::string file = "tests/data/" + std::string(relativePath);
  try {
    return Reader(file).read(std::string(QUILLMERE_SOURCE_DIR) + "/" + file);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    std::abort();
  }
}

void expectRows(const Case& c, const std::map<std::string, Function, std::less<>>& functions) {
  for (const auto& [name, rows] : c.written) {
    const auto function = functions.find(name);
    if (function == functions.end()) {
      ADD_FAILURE() << "no function " << name;
      continue;
    }
    for (const std::string& row : rows) {
      const std::size_t arrow = row.rfind(" =>");
      if (row.empty()) continue;
      if (arrow == std::string::npos || (arrow + 3 < row.size() && row[arrow + 3] != ' ')) {
        ADD_FAILURE() << "no result in: " << row;
        continue;
      }
      std::vector<std::string> arguments;
      const std::string written = row.substr(0, arrow);
      for (std::size_t at = 0;;) {
        const std::size_t bar = written.find('|', at);
        std::string argument = written.substr(at, bar == std::string::npos ? bar : bar - at);
        if (at > 0 && argument.starts_with(' ')) argument.erase(0, 1);
        if (bar != std::string::npos && argument.ends_with(' ')) argument.pop_back();
        arguments.push_back(decodeEscapes(argument));
        if (bar == std::string::npos) break;
        at = bar + 1;
      }
      const std::string result = decodeEscapes(row.substr(std::min(arrow + 4, row.size())));
      EXPECT_EQ(function->second(arguments), result) << name << ": " << row;
    }
  }
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.file << ":" << c.line << " " << c.name; }

std::string caseTestName(const ::testing::TestParamInfo<Case>& info) {
  std::string name = info.param.name;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

}  // namespace qm::testing
