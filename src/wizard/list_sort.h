// Sorting of report-style lists by value. A list control can only order rows
// by the text of one column, so a number is given a key text whose text
// order is its value order: a zero-padded fixed-point text (a negative one
// inverted digit by digit behind an "&", which sorts before every digit).
// Rows are reordered by those keys; the texts people see never change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/controls.h"

namespace qm {

// The kinds of a sort; any other value sorts as text.
inline constexpr std::int16_t kSortText = 0;
inline constexpr std::int16_t kSortNumber = 1;

// Every decimal digit d turned into 9 - d and every "-" into a blank.
std::string sInvertNumber(std::string_view text);

// The fixed-point form with at least 20 digits before the point and exactly
// 10 after it ("." is the separator: keys are never shown).
std::string fixedPointKey(double nonNegative);

// The key of one cell for a sort of the given kind.
std::string sortKey(std::string_view cellText, std::int16_t dataType);

// Reorders `rows` by the key of the 1-based `sortColumn`, ascending or
// descending, keeping rows with equal keys in their order. Keys compare as
// text, ignoring ASCII letter case. A row without that cell counts as empty.
void SortListView(std::vector<ListRow>& rows, std::int16_t sortColumn, std::int16_t dataType,
                  bool ascending);

// The kind of sort behind a column header of the project files list: "Name"
// sorts as text, "Procedures" and "Coverage (%)" as numbers, others not at all.
std::optional<std::int16_t> projectFilesColumnType(int column);

// The project files list's header click: the shared direction flips on every
// click, whichever column, and then the list is sorted in the new direction.
void projectFilesColumnClick(std::vector<ListRow>& rows, int column, bool& bSortAscending);

}  // namespace qm
