#include "run/member_places.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

namespace {

bool isAbsolute(std::string_view path) {
  return (!path.empty() && isSeparator(path.front())) || (path.size() >= 2 && path[1] == ':');
}

std::string joined(const std::vector<std::string>& parts, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < parts.size(); ++i) {
    if (!out.empty()) out.push_back('\\');
    out += parts[i];
  }
  return out;
}

// The relative path an outside member gets: its leading ".." parts (or its
// drive and root) taken away.
std::string insideForm(const std::string& folded, bool absolute) {
  std::vector<std::string> parts = pathParts(folded);
  std::size_t from = 0;
  if (absolute) {
    while (from < parts.size() && (parts[from].empty() || parts[from].back() == ':')) ++from;
  }
  while (from < parts.size() && parts[from] == "..") ++from;
  return joined(parts, from);
}

}  // namespace

std::string foldedPath(std::string_view path, bool* outside) {
  const bool absolute = isAbsolute(path);
  std::vector<std::string> kept;
  bool leaves = absolute;
  for (std::string& part : pathParts(path)) {
    if (part == "." || (part.empty() && !kept.empty())) continue;
    if (part == ".." && !kept.empty() && kept.back() != ".." && !kept.back().empty()) {
      kept.pop_back();
      continue;
    }
    if (part == "..") leaves = true;
    kept.push_back(std::move(part));
  }
  if (outside != nullptr) *outside = leaves;
  return joined(kept, 0);
}

std::vector<MemberPlace> placeMembers(const std::vector<std::string>& listed, std::string_view projectFolder,
                                      std::string_view outsideFolder, std::set<std::string> takenNames) {
  std::vector<MemberPlace> places;
  std::set<std::string> seen;
  std::vector<std::size_t> outsiders;
  for (const std::string& member : listed) {
    bool outside = false;
    const std::string folded = foldedPath(member, &outside);
    if (folded.empty() || !seen.insert(toLower(folded)).second) continue;
    MemberPlace place{member, std::string(projectFolder) + member, folded, outside};
    if (outside) {
      outsiders.push_back(places.size());
    } else {
      takenNames.insert(toLower(folded));
    }
    places.push_back(std::move(place));
  }
  // Outside members are placed once every inside member has its path, so
  // none of them can push an inside member aside.
  for (std::size_t index : outsiders) {
    MemberPlace& place = places[index];
    const std::string base = insideForm(place.relative, isAbsolute(place.listed));
    std::string candidate = outsideFolder.empty() ? base : joinPath(outsideFolder, base);
    for (int n = 2; takenNames.count(toLower(candidate)) > 0; ++n) {
      const std::string shelter = "Outside " + std::to_string(n);
      candidate = joinPath(outsideFolder.empty() ? shelter : joinPath(outsideFolder, shelter), base);
    }
    takenNames.insert(toLower(candidate));
    place.relative = candidate;
  }
  return places;
}

std::string withExtension(std::string_view path, std::string_view extension) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t separator = path.find_last_of("\\/");
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
    return std::string(path) + std::string(extension);
  }
  return std::string(path.substr(0, dot)) + std::string(extension);
}

}  // namespace qm
