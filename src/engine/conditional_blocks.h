// #If ... #End If blocks, nested. Code inside one exists only in the branch
// the compiler takes, so nothing declared there can be relied on elsewhere.
#pragma once

#include <string_view>

namespace qm {

class ConditionalBlocks {
 public:
  // Takes the next line's trimmed form: "#If" opens a block, "#End If"
  // closes the innermost one; "#Else" and "#ElseIf" stay inside.
  void take(std::string_view trimmed);

  // True while at least one block is open, its "#If" and "#End If" lines
  // included.
  bool inside() const { return depth_ > 0 || closedOnThisLine_; }

 private:
  int depth_ = 0;
  bool closedOnThisLine_ = false;
};

}  // namespace qm
