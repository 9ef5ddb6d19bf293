// Error-handler insertion: gives every qualifying procedure of a file the
// current code style's ON ERROR text just below its header and its ERROR
// HANDLER text just above its end line, each between a pair of marker lines
// that the removal later finds again.
//
// The pass works on text in memory and touches no file: the update run reads
// each member once and writes its result once.
#pragma once

#include <cstdint>
#include <string>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/procedure_list.h"
#include "engine/procedure_names.h"
#include "engine/scanning.h"
#include "engine/tag_filling.h"
#include "platform/status.h"

namespace qm {

// What the insertion reads besides its arguments, once per call.
struct InsertionSources {
  std::string_view onErrorText, handlerText;
  std::string_view minLines;  // text of the minimum-lines box
  std::string_view projectName;
  const ProcedureList& procedures;
  std::string_view member = {};  // the member file whose analysis made the records for this text
  HeaderForms headerForms = HeaderForms::Classic;  // as the analysis that made the records read them
};

// The number of counted lines a procedure needs: minLines + 2, with minLines
// converted from its text (a fraction rounded half to even). A text that is
// no number, or a value that does not fit in 16 signed bits, is a failure.
Result<std::int16_t> insertionThreshold(std::string_view minLinesText);

// A double quote, the header with each double quote in it doubled (so that
// it reads back as the header inside a VB string), and a double quote.
std::string quotedHeader(std::string_view joinedHeader);

// "<updated> out of <found>".
std::string insertionSummary(int updated, int found);

// A qualifying procedure left as it was because it already has a name that
// the code style's blocks would declare or define.
struct NameClash {
  std::string procedure;
  std::string name;
};

// The longest line that a filled-in style text may hold: VB refuses lines of
// more than 1,023 characters, and numbering may still put a number and a
// blank in front.
inline constexpr std::size_t kLongestStyleLine = 1012;

// `quoted` (a quoted header, inner double quotes doubled) shortened to
// `size` characters by putting "..." in place of its middle, without cutting
// a doubled quote in half; nothing when even "\"...\"" is longer.
std::optional<std::string> shortenedQuotedHeader(std::string_view quoted, std::size_t size);

// `filled` with every line longer than kLongestStyleLine that holds `quoted`
// brought to that length by shortening the quoted header in it.
void fitLongLines(std::string& filled, std::string_view quoted);

struct InsertionOutcome {
  std::string text;
  int found = 0;    // headers met outside ignored stretches
  int updated = 0;  // ON ERROR blocks written
  std::vector<NameClash> clashes;
  std::string summary() const { return insertionSummary(updated, found); }
};

class InsertionPass {
 public:
  // Fails only when the minimum-lines text is unusable.
  static Result<InsertionPass> prepare(const InsertionSources& sources, std::string_view moduleName,
                                       bool skipIgnoreTagged, bool skipExistingHandlers);

  InsertionOutcome run(std::string_view text) const;

 private:
  friend class InsertionWalk;
  InsertionPass(const InsertionSources& sources, std::string_view moduleName, std::int16_t threshold,
                bool skipIgnoreTagged, bool skipExistingHandlers);

  TagTemplate onError_;
  TagTemplate handler_;
  // The names the blocks declare or define, when no tag can change them;
  // otherwise they are read from each procedure's filled-in blocks.
  std::optional<NameSet> fixedBlockNames_;
  std::string quotedModule_;
  std::string quotedProject_;
  std::string_view member_;
  HeaderForms forms_;
  const ProcedureList* procedures_;
  std::int16_t threshold_;
  bool skipIgnoreTagged_;
  bool skipExistingHandlers_;
};

// The summary line for a procedure left alone because of a clashing name.
std::string nameClashLine(std::string_view fileName, const NameClash& clash);

}  // namespace qm
