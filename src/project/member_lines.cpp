#include "project/member_lines.h"

#include <array>

#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

// Keys whose value is the path itself, and keys whose value is a name, a
// semicolon and the path.
constexpr std::array<std::string_view, 8> kPathKeys = {"form",        "usercontrol", "propertypage", "userdocument",
                                                       "designer",    "relateddoc",  "resfile32",    "resfile"};
constexpr std::array<std::string_view, 2> kNamedKeys = {"module", "class"};

struct Companion {
  std::string_view member, companion;
};
constexpr std::array<Companion, 5> kCompanions = {
    {{".frm", ".frx"}, {".ctl", ".ctx"}, {".pag", ".pgx"}, {".dsr", ".dsx"}, {".dob", ".dox"}}};

bool isOneOf(std::string_view key, auto keys) {
  for (std::string_view known : keys) {
    if (key == known) return true;
  }
  return false;
}

}  // namespace

std::optional<MemberLine> memberLineOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string key = toLower(line.substr(0, equals));
  std::size_t start = equals + 1;
  if (isOneOf(key, kNamedKeys)) {
    const std::size_t semicolon = line.find(';', start);
    if (semicolon == std::string_view::npos) return std::nullopt;
    start = semicolon + 1;
    while (start < line.size() && line[start] == ' ') ++start;
  } else if (!isOneOf(key, kPathKeys)) {
    return std::nullopt;
  }
  std::size_t end = line.size();
  if (start < end && line[start] == '"') {
    ++start;
    const std::size_t quote = line.find('"', start);
    if (quote != std::string_view::npos) end = quote;
  }
  if (start >= end) return std::nullopt;
  return MemberLine{start, end - start, std::string(line.substr(start, end - start))};
}

std::vector<std::string> allMemberPaths(std::string_view projectText) {
  std::vector<std::string> out;
  LineReader reader(projectText);
  std::string_view line;
  while (reader.next(line)) {
    if (auto member = memberLineOf(line)) out.push_back(std::move(member->path));
  }
  return out;
}

std::string withMemberPath(std::string_view line, const MemberLine& member, std::string_view newPath) {
  std::string out(line.substr(0, member.pathStart));
  out += newPath;
  out += line.substr(member.pathStart + member.pathLength);
  return out;
}

std::string_view companionExtension(std::string_view memberPath) {
  const std::string lower = toLower(memberPath);
  for (const Companion& pair : kCompanions) {
    if (endsWith(lower, pair.member)) return pair.companion;
  }
  return {};
}

}  // namespace qm
