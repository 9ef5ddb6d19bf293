// How the end-to-end tests read the texts a run leaves: lines and the marker
// lines around inserted code, read apart from the product's own scanning rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::testing {

using Lines = std::vector<std::string>;

// The lines of a text, split at CR LF or a lone LF, without terminators.
Lines sourceLines(std::string_view text);
// The text rejoined with CR LF after every line, as a line-by-line pass writes it.
std::string withCrLfLines(std::string_view text);
// Whether the line is one of the markers ('SS******, 'SE******, 'ES******, 'EE******).
bool isMarkerLine(std::string_view line);

}  // namespace qm::testing
