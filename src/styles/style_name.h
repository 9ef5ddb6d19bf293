// Turning what a person typed into the file name of a style. The same rule
// serves New Style and Save As: blanks around the answer are dropped and
// ".style" is added unless the name already ends in exactly that (case
// counts, so "Mine.STYLE" becomes "Mine.STYLE.style"). A name is a bare file
// name: one that could reach outside the program's folder, or that Windows
// could not store, is refused rather than written somewhere unexpected.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The text shown when a typed name is refused.
inline constexpr std::string_view kBadStyleNameMessage =
    "A style name cannot contain any of these characters: \\ / : * ? \" < > |";

// A bare file name: no folder separators, no characters Windows forbids in names.
bool isBareFileName(std::string_view name);

// The style file name an answer stands for; empty when the answer is empty or
// was cancelled. Check the result with isBareFileName before using it.
std::string styleNameFromAnswer(const std::optional<std::string>& answer);

}  // namespace qm
