// Who this program is and who makes it: the texts that name them in the
// code the program writes, in its settings key and in its windows.
#pragma once

#include <string_view>

namespace qm {

inline constexpr std::string_view kProductName = "Quillmere";
inline constexpr std::string_view kMakerName = "Oskavel Software";
inline constexpr std::string_view kMakerAddress = "www.oskavel.example";
inline constexpr std::string_view kMakerMail = "info@oskavel.example";

}  // namespace qm
