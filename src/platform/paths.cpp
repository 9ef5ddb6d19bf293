#include "platform/paths.h"

#include "platform/text.h"

namespace qm {

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (out.empty() || !isSeparator(out.back())) out.push_back('\\');
  out.append(name);
  return out;
}

std::string_view bareName(std::string_view path) {
  const std::size_t pos = path.find_last_of("\\/");
  return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

std::string_view folderOf(std::string_view path) {
  const std::size_t pos = path.find_last_of("\\/");
  return pos == std::string_view::npos ? std::string_view() : path.substr(0, pos + 1);
}

std::vector<std::string> pathParts(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (pos <= path.size()) {
    std::size_t next = path.find_first_of("\\/", pos);
    if (next == std::string_view::npos) next = path.size();
    parts.emplace_back(path.substr(pos, next - pos));
    pos = next + 1;
  }
  return parts;
}

std::string_view withoutTrailingSeparator(std::string_view path) {
  if (path.size() > 1 && isSeparator(path.back())) path.remove_suffix(1);
  return path;
}

std::string withTrailingSeparator(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || !isSeparator(out.back())) out.push_back('\\');
  return out;
}

static bool matchFrom(std::string_view p, std::string_view n) {
  // Iterative matcher with single-star backtracking: linear in practice.
  std::size_t pi = 0, ni = 0, star = std::string_view::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || asciiLower(p[pi]) == asciiLower(n[ni]))) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") return true;
  return matchFrom(pattern, name);
}

}  // namespace qm
