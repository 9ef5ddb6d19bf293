#include "engine/procedure_list.h"

namespace qm {

std::size_t ProcedureList::append(ProcedureRecord record) {
  const std::size_t position = records_.size();
  firstByHeader_.try_emplace(record.headerText, position);
  records_.push_back(std::move(record));
  return position;
}

std::optional<std::size_t> ProcedureList::find(std::string_view headerText) const {
  // The map is keyed by std::string; a heterogeneous lookup needs C++20's
  // transparent hashing, which libstdc++ 12 lacks, so build the key once.
  auto hit = firstByHeader_.find(std::string(headerText));
  if (hit == firstByHeader_.end()) return std::nullopt;
  return hit->second;
}

void ProcedureList::clear() {
  records_.clear();
  firstByHeader_.clear();
}

}  // namespace qm
