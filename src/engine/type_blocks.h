// Type ... End Type and Enum ... End Enum blocks. Their members are
// declarations, whatever they are called: a member named "sUB" or
// "PrivatePageCount" is neither a procedure header, nor an end line, nor a
// variable for the dump. Every pass feeds its lines through a TypeBlocks
// tracker and passes over the lines it says are inside.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The name, lower-cased, that a line opening a user-defined type declares:
// "Type X", "Private Type X" or "Public Type X" (leading blanks and tabs
// allowed, keywords in any case); nothing for every other line.
std::optional<std::string> userTypeName(std::string_view line);

// The same for an enumeration: "Enum X", "Private Enum X", "Public Enum X".
std::optional<std::string> enumName(std::string_view line);

class TypeBlocks {
 public:
  // Takes the next line of the file; true when it belongs to a Type or Enum
  // block, its opening and End lines included.
  bool inside(std::string_view line);

 private:
  bool open_ = false;
};

}  // namespace qm
