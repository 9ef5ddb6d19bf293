#include "engine/insertion.h"

#include <charconv>
#include <limits>

#include "engine/file_rewrite.h"
#include "engine/scanning.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

// A number as the minimum-lines box may hold it: optional sign, digits with
// an optional fraction, an optional exponent, blanks around. Anything else
// (empty text included) is no number.
bool readNumber(std::string_view text, double& value) {
  text = trimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !(isAsciiDigit(text.front()) || text.front() == '.')) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  if (negative) value = -value;
  return true;
}

std::string_view withoutLastChar(std::string_view text) { return text.substr(0, text.size() - 1); }

}  // namespace

Result<std::int16_t> insertionThreshold(std::string_view minLinesText) {
  double value = 0;
  if (!readNumber(minLinesText, value)) {
    return Status::failure("The minimum number of lines '" + std::string(minLinesText) + "' is not a number");
  }
  const double threshold = roundHalfEven(value) + 2;
  if (!(threshold >= std::numeric_limits<std::int16_t>::min() + 2 &&
        threshold <= std::numeric_limits<std::int16_t>::max())) {
    return Status::failure("The minimum number of lines '" + std::string(minLinesText) + "' is too large");
  }
  return static_cast<std::int16_t>(threshold);
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

// The state of one pass over one file, and its steps in the order in which
// every line meets them.
class InsertionWalk {
 public:
  InsertionWalk(const InsertionPass& pass, std::string_view text) : pass_(pass) {
    // Most files gain one pair of blocks per few dozen lines; the string
    // still grows geometrically if that guess is short.
    outcome_.text.reserve(text.size() + text.size() / 4 + 1024);
  }

  void line(std::string_view line) {
    const std::string_view trimmed = trimSpaces(line);
    if (isComment(trimmed)) {
      noteIgnoreTag(trimmed);
      // A block added by an earlier run: the new one goes above it, never
      // inside it, so the removal can still take both out again.
      if (!ignoring_ && markerOf(trimmed) == Marker::SS) writePendingBlock();
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
      writePendingBlock();
      continueHeader(trimmed);
      testHeader(line, trimmed);
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

  void continueHeader(std::string_view trimmed) {
    if (!headerContinues_) return;
    joinedHeader_.push_back(' ');
    if (continues(trimmed)) {
      joinedHeader_.append(withoutLastChar(trimmed));
      return;
    }
    joinedHeader_.append(trimmed);
    headerContinues_ = false;
    if (qualifies_) prepareOnError();
  }

  void testHeader(std::string_view line, std::string_view trimmed) {
    if (!isHeader(line)) return;
    ++outcome_.found;
    qualifies_ = false;
    const auto position = pass_.procedures_->find(line);
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
      if (qualifies_) prepareOnError();
    }
  }

  void prepareOnError() {
    quotedHeader_ = quotedHeader(joinedHeader_);
    preparedOnError_.clear();
    pass_.onError_.appendFilled(preparedOnError_, tagValues({}));
    pending_ = true;
  }

  // An ignored stretch, and a block still waiting, end with the procedure.
  void testEnd(std::string_view line) {
    const auto kind = endKeyword(line);
    if (!kind) return;
    ignoring_ = false;
    pending_ = false;
    if (!inserted_) return;
    appendLine(outcome_.text, markerLine(Marker::ES));
    pass_.handler_.appendFilled(outcome_.text, tagValues(exitStatement(*kind)));
    outcome_.text.append("\r\n");
    appendLine(outcome_.text, markerLine(Marker::EE));
    inserted_ = false;
  }

  TagValues tagValues(std::string_view exitRoutine) const {
    return {quotedHeader_, pass_.quotedModule_, pass_.quotedProject_, procedureNumber_, exitRoutine};
  }

  const InsertionPass& pass_;
  InsertionOutcome outcome_;
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
      quotedModule_("\"" + std::string(moduleName) + "\""),
      quotedProject_("\"" + std::string(sources.projectName) + "\""),
      procedures_(&sources.procedures),
      threshold_(threshold),
      skipIgnoreTagged_(skipIgnoreTagged),
      skipExistingHandlers_(skipExistingHandlers) {}

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

Result<std::string> sInsertErrorHandling(Workspace& ws, std::string_view file, std::string_view moduleName,
                                         bool skipIgnoreTagged, bool skipExistingHandlers,
                                         const InsertionSources& sources) {
  auto pass = InsertionPass::prepare(sources, moduleName, skipIgnoreTagged, skipExistingHandlers);
  if (!pass) return pass.status();
  auto input = ws.files.readFile(file);
  if (!input) return input.status();
  const InsertionOutcome outcome = pass->run(*input);
  if (Status replaced = copyThroughScratch(ws, file, kWorkingFileName, outcome.text); !replaced) {
    return replaced;
  }
  return outcome.summary();
}

}  // namespace qm
