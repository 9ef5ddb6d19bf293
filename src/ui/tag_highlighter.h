// Paints the tags of a code text in light red. The colours live in the
// text's layout, not in the document, so painting them is no edit: it
// neither reaches the editor as a change nor lands on the undo stack.
#pragma once

#include <QSyntaxHighlighter>
#include <vector>

#include "styles/style_editor.h"

namespace qm::ui {

class TagHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit TagHighlighter(QTextDocument* document);

  // The tags' places in the whole text, as the editor found them.
  void setTags(std::vector<TextRange> tags);
  const std::vector<TextRange>& tags() const { return tags_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::vector<TextRange> tags_;
};

QColor toQColor(Rgb colour);

}  // namespace qm::ui
