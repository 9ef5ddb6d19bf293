#include "ui/frm_preview.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace qm::ui {

void DiffHighlighter::highlightBlock(const QString& text) {
  QTextCharFormat format;
  if (text.startsWith(QStringLiteral("+++")) || text.startsWith(QStringLiteral("---"))) {
    format.setFontWeight(QFont::Bold);
  } else if (text.startsWith(QLatin1Char('+'))) {
    format.setForeground(QColor(0x00, 0x80, 0x00));
  } else if (text.startsWith(QLatin1Char('-'))) {
    format.setForeground(QColor(0xc0, 0x00, 0x00));
  } else if (text.startsWith(QStringLiteral("@@"))) {
    format.setForeground(QColor(0x00, 0x40, 0xc0));
  } else {
    return;
  }
  setFormat(0, static_cast<int>(text.size()), format);
}

frmPreview::frmPreview(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(QStringLiteral("Preview"));
  auto* layout = new QVBoxLayout(this);
  txtDiff = new QPlainTextEdit(this);
  txtDiff->setObjectName(QStringLiteral("txtDiff"));
  txtDiff->setReadOnly(true);
  txtDiff->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtDiff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  new DiffHighlighter(txtDiff->document());
  layout->addWidget(txtDiff, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  layout->addWidget(buttons);
  resize(760, 560);
}

void frmPreview::showDiff(const std::string& diff) {
  // Byte for byte, as the style editor shows its texts: the files' bytes
  // are never decoded.
  txtDiff->setPlainText(diff.empty() ? QStringLiteral("The run would change no file.")
                                     : fromBytes(diff));
}

}  // namespace qm::ui
