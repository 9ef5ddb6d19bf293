#include "wizard/number_box.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "platform/typed_number.h"

namespace qm {

std::optional<float> singleFromText(std::string_view text) {
  const auto value = typedNumber(text);
  if (!value || std::fabs(*value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(*value);
}

void checkNumberBox(TextBox& box, std::string_view defaultText) {
  if (!singleFromText(box.text)) box.text = std::string(defaultText);
}

}  // namespace qm
