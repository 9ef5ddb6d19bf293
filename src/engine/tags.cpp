#include "engine/tags.h"

#include <array>

namespace qm {

std::string_view tagText(Tag tag) {
  static constexpr std::array<std::string_view, kTagCount> kTexts = {
      "<Project_Name>", "<Module_Name>", "<Procedure_Name>", "<Variable_Dump>", "<Exit_Routine>", "<Increment>"};
  return kTexts[static_cast<std::size_t>(tag)];
}

}  // namespace qm
