// Hunks of a unified diff over the edit script that dtl computes.
#include "run/unified_diff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <vector>

namespace qm {

namespace {

constexpr std::size_t kContext = 3;

// The lines of a text, each with its ending; the last may have none.
std::vector<std::string_view> linesOf(const std::optional<std::string>& text) {
  std::vector<std::string_view> lines;
  if (!text) return lines;
  const std::string_view all(*text);
  std::size_t start = 0;
  while (start < all.size()) {
    const std::size_t end = all.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
    lines.push_back(all.substr(start, next - start));
    start = next;
  }
  return lines;
}

struct Edit {
  dtl::edit_t type;
  std::string_view line;
  long long oldLine;  // lines of the old text before this one
  long long newLine;  // lines of the new text before this one
};

std::vector<Edit> editScript(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after) {
  dtl::Diff<std::string_view, std::vector<std::string_view>> diff(before, after, true);
  diff.onHuge();
  diff.compose();
  std::vector<Edit> edits;
  long long oldLine = 0;
  long long newLine = 0;
  for (const auto& [line, info] : diff.getSes().getSequence()) {
    edits.push_back({info.type, line, oldLine, newLine});
    if (info.type != dtl::SES_ADD) ++oldLine;
    if (info.type != dtl::SES_DELETE) ++newLine;
  }
  return edits;
}

// "@@ -a,b +c,d @@": an empty side is numbered by the line before it.
std::string range(long long first, long long count) {
  return std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

void appendLine(std::string& out, char mark, std::string_view line) {
  out.push_back(mark);
  out.append(line);
  if (line.empty() || line.back() != '\n') out.append("\n\\ No newline at end of file\n");
}

void appendHunk(std::string& out, const std::vector<Edit>& edits, std::size_t first, std::size_t last) {
  long long oldCount = 0;
  long long newCount = 0;
  for (std::size_t i = first; i < last; ++i) {
    if (edits[i].type != dtl::SES_ADD) ++oldCount;
    if (edits[i].type != dtl::SES_DELETE) ++newCount;
  }
  out += "@@ -" + range(edits[first].oldLine, oldCount) + " +" + range(edits[first].newLine, newCount) + " @@\n";
  for (std::size_t i = first; i < last; ++i) {
    const char mark = edits[i].type == dtl::SES_ADD ? '+' : edits[i].type == dtl::SES_DELETE ? '-' : ' ';
    appendLine(out, mark, edits[i].line);
  }
}

// A path as a header shows it: quoted, with C escapes, when it holds a
// character that would end or confuse the name; followed by a tab when it
// holds a blank, so that the name's end is plain.
std::string headerName(std::string_view prefix, std::string_view path) {
  bool quote = false;
  std::string escaped;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      escaped += '\\';
      escaped += c;
      quote = true;
    } else if (byte < 0x20 || byte == 0x7f) {
      const char octal[] = {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                            static_cast<char>('0' + (byte & 7)), 0};
      escaped += octal;
      quote = true;
    } else {
      escaped += c;
    }
  }
  if (quote) {
    std::string name(1, '"');
    name += prefix;
    name += escaped;
    name += '"';
    return name;
  }
  std::string name = std::string(prefix) + std::string(path);
  if (path.find(' ') != std::string_view::npos) name.push_back('\t');
  return name;
}

// The same, as a "diff --git" line names it: a blank in the path needs no tab after it.
std::string gitName(std::string_view prefix, std::string_view path) {
  std::string name = headerName(prefix, path);
  if (name.ends_with('\t')) name.pop_back();
  return name;
}

}  // namespace

std::string unifiedDiff(const std::optional<std::string>& before, const std::optional<std::string>& after,
                        std::string_view path) {
  if (before == after) return {};
  const std::vector<std::string_view> oldLines = linesOf(before);
  const std::vector<std::string_view> newLines = linesOf(after);
  const std::vector<Edit> edits = editScript(oldLines, newLines);

  std::string out;
  if (!before && after->empty()) {
    // An empty file added has no line for a hunk; with the header git writes
    // for it, patch and git apply create it all the same.
    out = "diff --git " + gitName("a/", path) + " " + gitName("b/", path) + "\nnew file mode 100644\n";
  }
  out += "--- " + (before ? headerName("a/", path) : std::string("/dev/null")) + "\n";
  out += "+++ " + (after ? headerName("b/", path) : std::string("/dev/null")) + "\n";
  std::size_t i = 0;
  while (i < edits.size()) {
    if (edits[i].type == dtl::SES_COMMON) {
      ++i;
      continue;
    }
    // A hunk: the change with its context, joined with every later change
    // whose context would overlap it.
    const std::size_t first = i >= kContext ? i - kContext : 0;
    std::size_t lastChange = i;
    std::size_t j = i + 1;
    while (j < edits.size()) {
      if (edits[j].type != dtl::SES_COMMON) {
        lastChange = j;
      } else if (j - lastChange > 2 * kContext) {
        break;
      }
      ++j;
    }
    const std::size_t last = std::min(edits.size(), lastChange + 1 + kContext);
    appendHunk(out, edits, first, last);
    i = last;
  }
  return out;
}

}  // namespace qm
