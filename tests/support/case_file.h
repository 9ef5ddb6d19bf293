// Tables of cases kept as text files under tests/data, read by one reader and
// run as parameterised GoogleTest cases, so that a case shows its input and
// its expected text as a reader would write them, without string-literal
// noise. A file holds an optional preamble, then its cases:
//
//   # a comment             (preamble only)
//   key: value              preamble: a default for every case of the file
//   === case name           a case; its name, made an identifier, names the test
//   key: value              the case's options, right below its name
//   --- section             a text: the lines up to the next "===" or "---"
//                           line, each one ended by CR LF
//   @name                   (a whole line of a text) the preamble's text "name"
//
// A text's trailing empty lines only separate cases. In values and texts
// \\ \t \r \n \0 and \xHH stand for their bytes, and a "\" ending a line
// leaves out its line break; any other backslash is refused, so that no path
// turns silently into a control character.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

struct Case {
  std::string file;  // as given to readCases
  int line = 0;
  std::string name;
  std::map<std::string, std::string, std::less<>> values;
  std::map<std::string, std::vector<std::string>, std::less<>> written;  // a text's lines as written

  bool has(std::string_view key) const { return values.find(key) != values.end(); }
  // The value; a missing one throws, which fails the test naming the key.
  const std::string& text(std::string_view key) const;
  std::string text(std::string_view key, std::string_view fallback) const;
  std::optional<std::string> optional(std::string_view key) const;
  double number(std::string_view key) const;
  bool flag(std::string_view key, bool fallback) const;
  // The lines of a text, without their breaks; none when it is missing.
  std::vector<std::string> lines(std::string_view key) const;
};

// What the escapes of a value or a text's line stand for.
std::string decodeEscapes(std::string_view written);

// Tables of calls: each line of a case's text named after a function reads
// "argument | argument => result" (one blank around each "|" and "=>" is
// theirs, so a blank of a value's own is written \x20), and the function,
// given the arguments, must give the result.
using Function = std::function<std::string(const std::vector<std::string>& arguments)>;
void expectRows(const Case& c, const std::map<std::string, Function, std::less<>>& functions);

// The cases of tests/data/<relativePath>; a file that cannot be read or is
// malformed stops the test program with the reason.
std::vector<Case> readCases(std::string_view relativePath);

void PrintTo(const Case& c, std::ostream* os);
std::string caseTestName(const ::testing::TestParamInfo<Case>& info);

// A test over the cases of a file; failures point at the case's line.
class CaseTest : public ::testing::TestWithParam<Case> {
 protected:
  const Case& c = GetParam();

 private:
  ::testing::ScopedTrace trace_{GetParam().file.c_str(), GetParam().line, GetParam().name};
};

}  // namespace qm::testing

#define QM_CASES_FROM(suite, relativePath)                                                          \
  INSTANTIATE_TEST_SUITE_P(Cases, suite, ::testing::ValuesIn(::qm::testing::readCases(relativePath)), \
                           ::qm::testing::caseTestName)
