#include "ui/tag_highlighter.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <algorithm>

namespace qm::ui {

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

TagHighlighter::TagHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void TagHighlighter::setTags(std::vector<TextRange> tags) {
  if (tags == tags_) return;
  tags_ = std::move(tags);
  rehighlight();
}

void TagHighlighter::highlightBlock(const QString& text) {
  QTextCharFormat plain;
  plain.setForeground(toQColor(kTextColour));
  setFormat(0, static_cast<int>(text.size()), plain);

  QTextCharFormat tag;
  tag.setForeground(toQColor(kTagColour));
  // Tags never span a line break, so each lies within one block.
  const auto blockStart = static_cast<std::size_t>(currentBlock().position());
  const auto blockEnd = blockStart + static_cast<std::size_t>(text.size());
  for (const TextRange& range : tags_) {
    if (range.start + range.length <= blockStart || range.start >= blockEnd) continue;
    const std::size_t from = std::max(range.start, blockStart);
    const std::size_t to = std::min(range.start + range.length, blockEnd);
    setFormat(static_cast<int>(from - blockStart), static_cast<int>(to - from), tag);
  }
}

}  // namespace qm::ui
