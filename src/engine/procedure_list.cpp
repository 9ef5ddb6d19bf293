#include "engine/procedure_list.h"

#include "platform/text.h"

namespace qm {

std::size_t ProcedureList::append(std::string_view member, ProcedureRecord record) {
  const std::size_t position = records_.size();
  records_.push_back(std::move(record));
  positionsByMember_[toLower(member)].push_back(position);
  return position;
}

const std::vector<std::size_t>& ProcedureList::positionsOf(std::string_view member) const {
  static const std::vector<std::size_t> kNone;
  const auto hit = positionsByMember_.find(toLower(member));
  return hit == positionsByMember_.end() ? kNone : hit->second;
}

void ProcedureList::clear() {
  records_.clear();
  positionsByMember_.clear();
}

HeaderClaims::HeaderClaims(const ProcedureList& procedures, std::string_view member) {
  for (const std::size_t position : procedures.positionsOf(member)) {
    // Records live in a deque that only grows, so their texts stay put.
    unclaimed_[procedures.at(position).headerText].push_back(position);
  }
}

std::optional<std::size_t> HeaderClaims::claim(std::string_view header) {
  const auto hit = unclaimed_.find(header);
  if (hit == unclaimed_.end() || hit->second.empty()) return std::nullopt;
  const std::size_t position = hit->second.front();
  hit->second.pop_front();
  return position;
}

}  // namespace qm
