// The ProcedureList: one record per procedure header met by the analysis,
// in the order met, file after file. A record's position is the procedure's
// number. Each record belongs to the member file whose analysis made it, so
// that the insertion answers a header only with a record of its own file:
// every form has its Form_Load, every class its Class_Initialize. Positions
// never move while a run lasts: the list only grows, and is emptied only
// when a project is analysed afresh.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qm {

struct ProcedureRecord {
  std::string headerText;  // the header's first line exactly as read
  bool hasErrorHandling = false;
  std::int16_t lineCount = 0;
};

class ProcedureList {
 public:
  // Appends a record made for `member` (a path, compared without regard to
  // ASCII letter case) and returns its position.
  std::size_t append(std::string_view member, ProcedureRecord record);

  // The positions of the records made for `member`, in the order made.
  const std::vector<std::size_t>& positionsOf(std::string_view member) const;

  ProcedureRecord& at(std::size_t position) { return records_[position]; }
  const ProcedureRecord& at(std::size_t position) const { return records_[position]; }
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  void clear();

 private:
  std::deque<ProcedureRecord> records_;
  std::unordered_map<std::string, std::vector<std::size_t>> positionsByMember_;
};

// Hands out the records of one member to its headers as the insertion meets
// them: a header takes the first record of its file with exactly its text
// that no earlier header has taken, so two identical headers (the branches
// of an #If) take the first and the second record.
class HeaderClaims {
 public:
  HeaderClaims(const ProcedureList& procedures, std::string_view member);

  // The position of the record the header takes, or nothing.
  std::optional<std::size_t> claim(std::string_view header);

 private:
  std::unordered_map<std::string_view, std::deque<std::size_t>> unclaimed_;
};

}  // namespace qm
