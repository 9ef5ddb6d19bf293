// Line numbering: puts a VB line number in front of every statement line
// inside every procedure, so that an error handler can report where an error
// happened (Erl). A numbered file carries a marker comment as its first line
// and is never numbered twice.
//
// Not numbered: comments, blank lines, labels, lines starting with the words
// Case, Dim or Const, lines already starting with a digit, continuation
// lines, compiler directives and Attribute lines (VB refuses a number in
// front of those), and the header and end lines themselves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/scanning.h"

namespace qm {

// True when the first character is a digit 0 to 9; false for an empty text.
bool bStartsWithDigit(std::string_view text);

// A line number as written in front of a line: the whole part of the value in
// plain decimal digits, so that VB accepts it at any size.
std::string lineNumberText(double number);

struct NumberingOutcome {
  std::string text;            // the numbered text, marker line first
  bool alreadyNumbered = false;  // a comment line carried the marker; text is empty
  long long numberedLines = 0;
  float nextNumber = 0;  // start + increment * numberedLines
};

class NumberingPass {
 public:
  NumberingPass(float start, std::int16_t increment, HeaderForms forms = HeaderForms::Classic)
      : start_(start), increment_(increment), forms_(forms) {}
  NumberingOutcome run(std::string_view text) const;

 private:
  float start_;
  std::int16_t increment_;
  HeaderForms forms_;
};

}  // namespace qm
