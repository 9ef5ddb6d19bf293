// The preview of a run: the unified diff the wizard's logic computed, in a
// read-only window of its own, added lines green, removed lines red, hunk
// heads blue. The window only shows the text it is given.
#pragma once

#include <QDialog>
#include <QSyntaxHighlighter>
#include <string>

class QPlainTextEdit;

namespace qm::ui {

// Colours a unified diff line by line by its first character.
class DiffHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit DiffHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

 protected:
  void highlightBlock(const QString& text) override;
};

class frmPreview : public QDialog {
  Q_OBJECT
 public:
  explicit frmPreview(QWidget* parent = nullptr);

  // Shows `diff` (bytes; "" when the run would change nothing).
  void showDiff(const std::string& diff);

  QPlainTextEdit* txtDiff = nullptr;
};

}  // namespace qm::ui
