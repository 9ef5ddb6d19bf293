// The ProcedureList: one record per procedure header met by the analysis,
// in the order met, file after file. A record's position is the procedure's
// number. Lookup is by exact header text and answers with the first record
// that has it, in constant time. Positions never move while a run lasts: the
// list only grows, and is emptied only when a project is analysed afresh.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qm {

struct ProcedureRecord {
  std::string headerText;  // the header's first line exactly as read
  bool hasErrorHandling = false;
  std::int16_t lineCount = 0;
};

class ProcedureList {
 public:
  // Appends a record and returns its position.
  std::size_t append(ProcedureRecord record);

  // Position of the first record whose header text equals `headerText`.
  std::optional<std::size_t> find(std::string_view headerText) const;

  ProcedureRecord& at(std::size_t position) { return records_[position]; }
  const ProcedureRecord& at(std::size_t position) const { return records_[position]; }
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  void clear();

 private:
  std::deque<ProcedureRecord> records_;
  std::unordered_map<std::string, std::size_t> firstByHeader_;
};

}  // namespace qm
