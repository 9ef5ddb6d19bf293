#include "engine/tag_filling.h"

#include "platform/text.h"

namespace qm {

namespace {

std::string_view filledTagText(std::size_t position) { return tagText(kFillOrder[position]); }

// The tag (among the first `count`) that starts at `at`, or -1.
int tagAt(std::string_view text, std::size_t at, std::size_t count) {
  const std::string_view rest = text.substr(at);
  for (std::size_t i = 0; i < count; ++i) {
    if (startsWithNoCase(rest, filledTagText(i))) return static_cast<int>(i);
  }
  return -1;
}

// `value` with the tags after `tag` (those replaced later in the fixed order)
// filled in. Values almost never hold a tag, so the common case is one scan.
void appendValue(std::string& out, int tag, const TagValues& values, std::size_t count) {
  std::string_view value = values[static_cast<std::size_t>(tag)];
  if (value.find('<') == std::string_view::npos) {
    out.append(value);
    return;
  }
  std::string filled(value);
  for (std::size_t later = static_cast<std::size_t>(tag) + 1; later < count; ++later) {
    filled = replaceAllNoCase(filled, filledTagText(later), values[later]);
  }
  out.append(filled);
}

}  // namespace

TagTemplate::TagTemplate(std::string_view text, bool fillsExitRoutine)
    : text_(text), tagCount_(fillsExitRoutine ? kFilledTagCount : kFilledTagCount - 1) {
  // Tags begin with "<" and end with ">" and hold neither elsewhere, so no two
  // occurrences can overlap and one scan from the left finds what the
  // tag-by-tag replacement would find.
  const std::string_view all(text_);
  std::size_t literalStart = 0;
  std::size_t at = all.find('<');
  while (at != std::string_view::npos) {
    const int tag = tagAt(all, at, tagCount_);
    if (tag < 0) {
      at = all.find('<', at + 1);
      continue;
    }
    if (at > literalStart) pieces_.push_back({literalStart, at - literalStart, -1});
    pieces_.push_back({0, 0, tag});
    literalStart = at + filledTagText(static_cast<std::size_t>(tag)).size();
    at = all.find('<', literalStart);
  }
  if (literalStart < all.size()) pieces_.push_back({literalStart, all.size() - literalStart, -1});
}

void TagTemplate::appendFilled(std::string& out, const TagValues& values) const {
  for (const Piece& piece : pieces_) {
    if (piece.tag < 0) {
      out.append(text_, piece.offset, piece.length);
    } else {
      appendValue(out, piece.tag, values, tagCount_);
    }
  }
}

}  // namespace qm
