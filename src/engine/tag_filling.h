// Filling in the tags of a style text for one procedure.
//
// A style text is cut into literal pieces and tags once, when a pass starts;
// each procedure then costs one append per piece instead of a search of the
// whole text per tag. Tags are found without regard to letter case. The
// result is the same as replacing the tags one after another in their fixed
// order ("<Procedure_Name>", "<Module_Name>", "<Project_Name>", "<Increment>",
// "<Exit_Routine>"), each on the result of the one before: a value put in for
// one tag still has the later tags in it filled in.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/tags.h"

namespace qm {

// The tags the insertion fills, in the order they are replaced.
inline constexpr std::array<Tag, 5> kFillOrder = {Tag::ProcedureName, Tag::ModuleName, Tag::ProjectName,
                                                  Tag::Increment, Tag::ExitRoutine};
inline constexpr std::size_t kFilledTagCount = kFillOrder.size();

// The values of the tags for one procedure, in kFillOrder.
using TagValues = std::array<std::string_view, kFilledTagCount>;

class TagTemplate {
 public:
  // `fillsExitRoutine` is false for the ON ERROR text, whose "<Exit_Routine>"
  // stays as written. "<Variable_Dump>" is never filled here.
  TagTemplate(std::string_view text, bool fillsExitRoutine);

  // Appends the text with every tag replaced by its value.
  void appendFilled(std::string& out, const TagValues& values) const;

 private:
  // Offsets rather than views, so that copies and moves stay valid.
  struct Piece {
    std::size_t offset = 0;  // literal text: text_.substr(offset, length)
    std::size_t length = 0;
    int tag = -1;  // position in kFillOrder, or -1 for a literal
  };
  std::string text_;
  std::vector<Piece> pieces_;
  std::size_t tagCount_;
};

}  // namespace qm
