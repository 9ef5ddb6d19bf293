#include "engine/insertion.h"

#include <limits>

#include "engine/conditional_blocks.h"
#include "engine/scanning.h"
#include "engine/statements.h"
#include "engine/type_blocks.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "platform/typed_number.h"

namespace qm {

namespace {

std::string_view withoutLastChar(std::string_view text) { return text.substr(0, text.size() - 1); }

}  // namespace

Result<std::int16_t> insertionThreshold(std::string_view minLinesText) {
  const auto value = typedNumber(minLinesText);
  if (!value) {
    return Status::failure("The minimum number of lines '" + std::string(minLinesText) + "' is not a number");
  }
  const double threshold = roundHalfEven(*value) + 2;
  if (!(threshold >= std::numeric_limits<std::int16_t>::min() + 2 &&
        threshold <= std::numeric_limits<std::int16_t>::max())) {
    return Status::failure("The minimum number of lines '" + std::string(minLinesText) + "' is too large");
  }
  return static_cast<std::int16_t>(threshold);
}

// A name between double quotes, as a VB string literal holds it.
std::string inQuotes(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 2);
  out.push_back('"');
  out.append(name);
  out.push_back('"');
  return out;
}

std::string quotedHeader(std::string_view joinedHeader) {
  std::string out;
  out.reserve(joinedHeader.size() + 8);
  out.push_back('"');
  for (char c : joinedHeader) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  out.push_back('"');
  return out;
}

std::string insertionSummary(int updated, int found) {
  return decimal(updated) + " out of " + decimal(found);
}

std::optional<std::string> shortenedQuotedHeader(std::string_view quoted, std::size_t size) {
  constexpr std::string_view kEllipsis = "...";
  if (quoted.size() < 2 || size < kEllipsis.size() + 2 || size >= quoted.size()) return std::nullopt;
  const std::string_view inner = quoted.substr(1, quoted.size() - 2);
  const std::size_t budget = size - kEllipsis.size() - 2;
  // Every double quote inside stands doubled, so a quote always begins a
  // pair from the left and ends one from the right.
  auto headLength = [&](std::size_t most) {
    std::size_t length = 0;
    while (length < inner.size()) {
      const std::size_t unit = inner[length] == '"' ? 2 : 1;
      if (length + unit > most) break;
      length += unit;
    }
    return length;
  };
  auto tailLength = [&](std::size_t most, std::size_t head) {
    std::size_t length = 0;
    while (length + head < inner.size()) {
      const std::size_t unit = inner[inner.size() - 1 - length] == '"' ? 2 : 1;
      if (length + unit > most) break;
      length += unit;
    }
    return length;
  };
  std::size_t head = headLength((budget + 1) / 2);
  const std::size_t tail = tailLength(budget - head, head);
  head = headLength(budget - tail);
  std::string out;
  out.reserve(size);
  out.push_back('"');
  out.append(inner.substr(0, head));
  out.append(kEllipsis);
  out.append(inner.substr(inner.size() - tail));
  out.push_back('"');
  return out;
}

void fitLongLines(std::string& filled, std::string_view quoted) {
  if (filled.size() <= kLongestStyleLine) return;
  std::string out;
  out.reserve(filled.size());
  std::size_t start = 0;
  while (start < filled.size()) {
    std::size_t end = filled.find('\n', start);
    const std::size_t next = end == std::string::npos ? filled.size() : end + 1;
    if (end == std::string::npos) end = filled.size();
    if (end > start && filled[end - 1] == '\r') --end;
    const std::string_view line(filled.data() + start, end - start);
    const std::size_t at = line.size() > kLongestStyleLine ? line.find(quoted) : std::string_view::npos;
    const auto shorter = at == std::string_view::npos
                             ? std::nullopt
                             : shortenedQuotedHeader(quoted, kLongestStyleLine - (line.size() - quoted.size()));
    if (shorter) {
      out.append(line.substr(0, at));
      out.append(*shorter);
      out.append(line.substr(at + quoted.size()));
      out.append(filled, end, next - end);
    } else {
      out.append(filled, start, next - start);
    }
    start = next;
  }
  filled = std::move(out);
}

namespace {

// The names that a filled-in block declares or defines.
NameSet blockNames(std::string_view onError, std::string_view handler) {
  NameSet names;
  for (const std::string_view text : {onError, handler}) {
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
      if (!isComment(trimSpaces(line))) addNamesOfLine(line, names);
    }
  }
  return names;
}

// The names the blocks declare when their tags are filled with values of
// the shapes real values have; when two different fillings give the same
// names, no procedure's values can change them and they are read once.
std::optional<NameSet> namesNoTagChanges(const TagTemplate& onError, const TagTemplate& handler) {
  const TagValues plain = {"\"\"", "\"\"", "\"\"", "0", "Exit Sub"};
  const TagValues other = {"\"a:b' \"\"c\"\"\"", "\"m\"", "\"p\"", "12345", "Exit Function"};
  auto namesWith = [&](const TagValues& values) {
    std::string onErrorText, handlerText;
    onError.appendFilled(onErrorText, values);
    handler.appendFilled(handlerText, values);
    return blockNames(onErrorText, handlerText);
  };
  NameSet names = namesWith(plain);
  if (names != namesWith(other)) return std::nullopt;
  return names;
}

// The first name of `block` (in a fixed order) that `procedure` already has.
std::optional<std::string> firstClash(const NameSet& block, const NameSet& procedure) {
  std::optional<std::string> clash;
  for (const std::string& name : block) {
    if (procedure.count(name) > 0 && (!clash || name < *clash)) clash = name;
  }
  return clash;
}

}  // namespace

// The state of one pass over one file, and its steps in the order in which
// every line meets them.
class InsertionWalk {
 public:
  InsertionWalk(const InsertionPass& pass, std::string_view text)
      : pass_(pass), claims_(*pass.procedures_, pass.member_), text_(text) {
    // Most files gain one pair of blocks per few dozen lines; the string
    // still grows geometrically if that guess is short.
    outcome_.text.reserve(text.size() + text.size() / 4 + 1024);
  }

  void line(std::string_view line) {
    const std::size_t index = lineIndex_++;
    const std::string_view trimmed = trimSpaces(line);
    if (isComment(trimmed)) {
      noteIgnoreTag(trimmed);
      // A block added by an earlier run: the new one goes above it, never
      // inside it, so the removal can still take both out again.
      if (!ignoring_ && markerOf(trimmed) == Marker::SS) writePendingBlock();
      appendLine(outcome_.text, line);
      return;
    }
    // Type and Enum members are neither headers nor end lines.
    if (typeBlocks_.inside(line)) {
      appendLine(outcome_.text, line);
      return;
    }
    // Procedure attributes must stay directly under their header, so they
    // pass like the comments there and trigger nothing.
    if (!headerContinues_ && isAttributeLine(trimmed)) {
      appendLine(outcome_.text, line);
      return;
    }
    if (!ignoring_) {
      if (!holdsPendingBlock(line, trimmed)) writePendingBlock();
      continueHeader(line, trimmed);
      testHeader(line, trimmed, index);
    }
    testEnd(line);
    appendLine(outcome_.text, line);
  }

  InsertionOutcome finish() { return std::move(outcome_); }

 private:
  void noteIgnoreTag(std::string_view trimmed) {
    if (!pass_.skipIgnoreTagged_) return;
    if (opensIgnore(trimmed)) {
      ignoring_ = true;
    } else if (closesIgnore(trimmed)) {
      ignoring_ = false;
    }
  }

  // The two headers of an #If pair share one body, so a block waiting under
  // the first passes the directives and the second header: put in between,
  // it would exist in one branch only.
  bool holdsPendingBlock(std::string_view line, std::string_view trimmed) const {
    return pending_ && (endsBranch(trimmed) || isHeader(line, pass_.forms_));
  }

  // The ON ERROR block goes directly above the procedure's first statement.
  void writePendingBlock() {
    if (!pending_) return;
    appendLine(outcome_.text, markerLine(Marker::SS));
    appendLine(outcome_.text, preparedOnError_);
    appendLine(outcome_.text, markerLine(Marker::SE));
    inserted_ = true;
    ++outcome_.updated;
    pending_ = false;
    joinedHeader_.clear();
  }

  void continueHeader(std::string_view line, std::string_view trimmed) {
    if (!headerContinues_) return;
    joinedHeader_.push_back(' ');
    if (continues(trimmed)) {
      joinedHeader_.append(withoutLastChar(trimmed));
      return;
    }
    joinedHeader_.append(trimmed);
    headerContinues_ = false;
    if (closesOnItsLine(line)) qualifies_ = false;  // no statement line to put a block above
    if (qualifies_) prepareOnError();
  }

  void testHeader(std::string_view line, std::string_view trimmed, std::size_t index) {
    if (!isHeader(line, pass_.forms_)) return;
    ++outcome_.found;
    // A block held under the first header of an #If pair: the record of the
    // last header is the one that holds the shared body.
    pending_ = false;
    qualifies_ = false;
    headerLine_ = index;
    const auto position = claims_.claim(line);
    if (!position) return;  // counted, but left alone
    const ProcedureRecord& record = pass_.procedures_->at(*position);
    qualifies_ = (!pass_.skipExistingHandlers_ || !record.hasErrorHandling) &&
                 record.lineCount >= pass_.threshold_;
    procedureNumber_ = decimal(static_cast<long long>(*position));
    headerContinues_ = continues(trimmed);
    if (headerContinues_) {
      joinedHeader_.assign(withoutLastChar(trimmed));
    } else {
      joinedHeader_.assign(line);
      if (closesOnItsLine(line)) qualifies_ = false;
      if (qualifies_) prepareOnError();
    }
  }

  void prepareOnError() {
    quotedHeader_ = quotedHeader(joinedHeader_);
    preparedOnError_.clear();
    pass_.onError_.appendFilled(preparedOnError_, tagValues({}));
    fitLongLines(preparedOnError_, quotedHeader_);
    if (auto clash = clashingName()) {
      outcome_.clashes.push_back(NameClash{std::string(procedureName(joinedHeader_)), std::move(*clash)});
      qualifies_ = false;
      return;
    }
    pending_ = true;
  }

  // A name that the blocks would add and the procedure already has.
  std::optional<std::string> clashingName() {
    // The procedures' names are read on the first need only: a file whose
    // procedures all keep their handlers costs no second look.
    if (!names_) {
      names_.emplace(text_, pass_.fixedBlockNames_ ? &*pass_.fixedBlockNames_ : nullptr, pass_.forms_);
    }
    const NameSet* procedure = names_->namesForHeaderLine(headerLine_);
    if (procedure == nullptr) return std::nullopt;
    if (pass_.fixedBlockNames_) return firstClash(*pass_.fixedBlockNames_, *procedure);
    return firstClash(blockNames(preparedOnError_, filledHandler(exitStatement(ProcedureKind::Sub))), *procedure);
  }

  std::string filledHandler(std::string_view exitRoutine) const {
    std::string handler;
    pass_.handler_.appendFilled(handler, tagValues(exitRoutine));
    fitLongLines(handler, quotedHeader_);
    return handler;
  }

  // An ignored stretch, and a block still waiting, end with the procedure.
  void testEnd(std::string_view line) {
    const auto kind = endKeyword(line);
    if (!kind) return;
    ignoring_ = false;
    pending_ = false;
    if (!inserted_) return;
    appendLine(outcome_.text, markerLine(Marker::ES));
    appendLine(outcome_.text, filledHandler(exitStatement(*kind)));
    appendLine(outcome_.text, markerLine(Marker::EE));
    inserted_ = false;
  }

  TagValues tagValues(std::string_view exitRoutine) const {
    return {quotedHeader_, pass_.quotedModule_, pass_.quotedProject_, procedureNumber_, exitRoutine};
  }

  const InsertionPass& pass_;
  HeaderClaims claims_;
  std::string_view text_;
  std::optional<FileProcedureNames> names_;
  std::size_t headerLine_ = 0;
  TypeBlocks typeBlocks_;
  InsertionOutcome outcome_;
  std::size_t lineIndex_ = 0;
  bool ignoring_ = false;
  bool headerContinues_ = false;
  std::string joinedHeader_;
  std::string quotedHeader_;
  bool qualifies_ = false;
  std::string procedureNumber_ = "0";
  bool pending_ = false;
  bool inserted_ = false;
  std::string preparedOnError_;
};

InsertionPass::InsertionPass(const InsertionSources& sources, std::string_view moduleName,
                             std::int16_t threshold, bool skipIgnoreTagged, bool skipExistingHandlers)
    : onError_(sources.onErrorText, /*fillsExitRoutine=*/false),
      handler_(sources.handlerText, /*fillsExitRoutine=*/true),
      quotedModule_(inQuotes(moduleName)),
      quotedProject_(inQuotes(sources.projectName)),
      member_(sources.member),
      forms_(sources.headerForms),
      procedures_(&sources.procedures),
      threshold_(threshold),
      skipIgnoreTagged_(skipIgnoreTagged),
      skipExistingHandlers_(skipExistingHandlers) {
  fixedBlockNames_ = namesNoTagChanges(onError_, handler_);
}

Result<InsertionPass> InsertionPass::prepare(const InsertionSources& sources, std::string_view moduleName,
                                             bool skipIgnoreTagged, bool skipExistingHandlers) {
  auto threshold = insertionThreshold(sources.minLines);
  if (!threshold) return threshold.status();
  return InsertionPass(sources, moduleName, *threshold, skipIgnoreTagged, skipExistingHandlers);
}

InsertionOutcome InsertionPass::run(std::string_view text) const {
  InsertionWalk walk(*this, text);
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) walk.line(line);
  return walk.finish();
}

std::string nameClashLine(std::string_view fileName, const NameClash& clash) {
  return std::string(fileName) + ": " + clash.procedure + " was left as it was, since it already has the name " +
         clash.name + " that the code style adds";
}

}  // namespace qm
