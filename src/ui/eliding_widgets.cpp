// How each widget fits its text into its room when it paints; the texts the
// wizard gives them stay whole.
#include "ui/eliding_widgets.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <algorithm>

namespace qm::ui {

QString elidedPath(const QFontMetrics& metrics, const QString& path, int width) {
  if (metrics.horizontalAdvance(path) <= width) return path;
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  if (cut > 0) {
    const QString name = path.mid(cut);
    const int room = width - metrics.horizontalAdvance(name);
    if (room > metrics.horizontalAdvance(QStringLiteral("/…"))) {
      return metrics.elidedText(path.left(cut), Qt::ElideRight, room) + name;
    }
  }
  return metrics.elidedText(path, Qt::ElideMiddle, width);
}

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

void ElidingLabel::setFullText(const QString& text) {
  if (text == fullText_ && !this->text().isNull()) return;
  fullText_ = text;
  elide();
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidingLabel::elide() {
  const int width = contentsRect().width() - indent() - 2 * margin();
  const QFontMetrics metrics = fontMetrics();
  QStringList lines = fullText_.split(QLatin1Char('\n'));
  bool elided = false;
  for (QString& line : lines) {
    const QString shown = metrics.elidedText(line, Qt::ElideRight, std::max(width, 0));
    elided = elided || shown != line;
    line = shown;
  }
  const QString shown = lines.join(QLatin1Char('\n'));
  if (text() != shown) setText(shown);
  const QString tip = elided ? fullText_ : QString();
  if (toolTip() != tip) setToolTip(tip);
}

PathComboBox::PathComboBox(QWidget* parent) : QComboBox(parent) {
  view()->setTextElideMode(Qt::ElideMiddle);
  connect(this, &QComboBox::currentIndexChanged, this, [this] { updateToolTips(); });
}

void PathComboBox::updateToolTips() {
  for (int i = 0; i < count(); ++i) setItemData(i, itemText(i), Qt::ToolTipRole);
  if (toolTip() != currentText()) setToolTip(currentText());
}

QRect PathComboBox::textRect() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QString PathComboBox::shownText() const {
  return elidedPath(fontMetrics(), currentText(), textRect().width());
}

void PathComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText = shownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

PathLineEdit::PathLineEdit(QWidget* parent) : QLineEdit(parent) {}

void PathLineEdit::updateToolTip() {
  if (toolTip() != text()) setToolTip(text());
}

QRect PathLineEdit::textRect() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  // QLineEdit's own inner margin beside its text margins.
  return contents.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
}

QString PathLineEdit::shownText() const {
  return elidedPath(fontMetrics(), text(), textRect().width());
}

void PathLineEdit::paintEvent(QPaintEvent* event) {
  const QString shown = shownText();
  if (hasFocus() || shown == text()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace qm::ui
