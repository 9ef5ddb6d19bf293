// The one reading of a number that a person typed: the minimum-lines and
// first-line-number boxes, the command line's minimum-lines switch, and the
// numbers the program itself shows in lists. Whatever reads it (the box's
// check, the insertion, a sort), the same texts are numbers, so a text the
// box keeps is never one that the run then refuses.
#pragma once

#include <optional>
#include <string_view>

namespace qm {

// Blanks around, an optional sign, digits with an optional "." and fraction,
// an optional "e" exponent with its own sign: "12", " -2.5 ", ".5", "1e3".
// Nothing else is a number, whatever the locale: no "," ("2,5"), no other
// exponent letter ("5d1"), no thousands separators, no hexadecimal. A value
// too small to tell from zero reads as zero; one beyond a double, as nothing.
std::optional<double> typedNumber(std::string_view text);

}  // namespace qm
