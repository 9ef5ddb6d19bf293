// The two number boxes of the options page. A box keeps whatever the person
// typed as long as it reads as a number (see platform/typed_number.h); text
// that is no number is quietly replaced by the box's default when the box
// loses the focus. The run reads the text again, the same way, when it starts.
#pragma once

#include <optional>
#include <string_view>

#include "wizard/controls.h"

namespace qm {

inline constexpr std::string_view kMinimumLinesDefault = "0";   // txtIgnore
inline constexpr std::string_view kFirstLineNumberDefault = "10";  // txtStartFrom

// The text as a single-precision number; nothing when it is no number or lies
// outside the range a single-precision number holds.
std::optional<float> singleFromText(std::string_view text);

// The check made when a number box loses the focus.
void checkNumberBox(TextBox& box, std::string_view defaultText);

}  // namespace qm
