#include "engine/analysis.h"

#include <limits>

#include "engine/scanning.h"
#include "engine/statements.h"
#include "engine/type_blocks.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr int kMaxCount = std::numeric_limits<std::int16_t>::max();

// A numbered file's lines start with the numbers the numbering pass wrote;
// the On Error test must see the statement behind them. Every digit goes,
// wherever it stands, which is harmless for a prefix test on "on error".
std::string withoutDigits(std::string_view trimmed) {
  std::string out;
  out.reserve(trimmed.size());
  for (char c : trimmed) {
    if (!isAsciiDigit(c)) out.push_back(c);
  }
  return std::string(trimSpaces(out));
}

bool opensErrorHandling(std::string_view trimmed) { return startsWithNoCase(trimmed, "on error"); }

// Per-call working state of the analysis of one file.
class FileAnalysis {
 public:
  FileAnalysis(ProcedureList& procedures, AnalysisNotes& notes, std::string_view member, HeaderForms forms)
      : procedures_(procedures), notes_(notes), member_(member), forms_(forms) {}

  // False when the file has more procedures than the 16-bit count holds.
  bool take(std::string_view line) {
    const std::string_view trimmed = trimSpaces(line);
    if (isComment(trimmed)) {
      noteComment(trimmed);
      return true;
    }
    const bool inTypeBlock = typeBlocks_.inside(line);
    if (!inTypeBlock && isHeader(line, forms_)) return startProcedure(line);
    if (auto type = userTypeName(trimmed)) notes_.userTypes.insert(std::move(*type));
    if (current_) countLine(trimmed);
    return true;
  }

  ProcedureCounts counts() const { return counts_; }

 private:
  void noteComment(std::string_view trimmed) {
    if (markerOf(trimmed) == Marker::SE) notes_.insertedCodeFound = true;
    if (isLineNumberMarker(trimmed)) numbered_ = true;
  }

  bool startProcedure(std::string_view line) {
    current_ = procedures_.append(member_, ProcedureRecord{std::string(line), false, 0});
    if (counts_.procedures == kMaxCount) return false;
    ++counts_.procedures;
    linesSinceHeader_ = 0;
    // A procedure that ends on its header line has no statement to count.
    if (closesOnItsLine(line)) current_.reset();
    return true;
  }

  void countLine(std::string_view trimmed) {
    ProcedureRecord& record = procedures_.at(*current_);
    const bool handles = numbered_ ? opensErrorHandling(withoutDigits(trimmed))
                                   : opensErrorHandling(withoutLineNumber(trimmed));  // numbered by hand
    if (handles && !record.hasErrorHandling) {
      record.hasErrorHandling = true;
      ++counts_.handled;
    }
    // A procedure longer than a 16-bit count holds keeps the largest count
    // rather than failing the whole file: only "at least N lines" is ever asked.
    if (linesSinceHeader_ <= kMaxCount) ++linesSinceHeader_;
    record.lineCount = static_cast<std::int16_t>(linesSinceHeader_ - 1);
  }

  ProcedureList& procedures_;
  AnalysisNotes& notes_;
  std::string_view member_;
  HeaderForms forms_;
  TypeBlocks typeBlocks_;
  ProcedureCounts counts_;
  std::optional<std::size_t> current_;  // the record of the procedure being counted
  int linesSinceHeader_ = 0;
  bool numbered_ = false;
};

}  // namespace

ProcedureCounts analyseText(std::string_view text, ProcedureList& procedures, AnalysisNotes& notes,
                            std::string_view member, HeaderForms forms) {
  FileAnalysis analysis(procedures, notes, member, forms);
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    if (!analysis.take(line)) return ProcedureCounts{-1, 0};
  }
  return analysis.counts();
}

ProcedureCounts AnalyseFile(const FileSystem& files, std::string_view path, ProcedureList& procedures,
                            AnalysisNotes& notes, HeaderForms forms) {
  auto text = files.readFile(path);
  if (!text) return ProcedureCounts{-1, 0};
  return analyseText(*text, procedures, notes, path, forms);
}

std::int16_t coveragePercent(ProcedureCounts counts) {
  if (counts.procedures <= 0) return 0;
  const double share = static_cast<double>(counts.handled) / static_cast<double>(counts.procedures) * 100.0;
  return static_cast<std::int16_t>(roundHalfEven(share));
}

}  // namespace qm
