#include "ui/control_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

#include "ui/qt_text.h"

namespace qm::ui {
namespace {

// Labels and buttons show "&" literally in the logic's captions except
// where a menu or button gives an access key on purpose.
QString plainCaption(const std::string& caption) {
  QString text = fromNative(caption);
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  return text;
}

QString shownLines(std::string_view text) {
  QString shown = fromNative(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return shown;
}

}  // namespace

void setShown(QWidget* widget, bool visible) {
  // isHidden() reads the widget's own flag, whatever its page shows.
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

void setTextIfChanged(QLabel* widget, const QString& text) {
  if (widget->text() != text) widget->setText(text);
}

void present(QLabel* widget, const Label& label) {
  setTextIfChanged(widget, shownLines(label.caption));
  setShown(widget, label.visible);
}

void present(QAbstractButton* widget, const Button& button) {
  const QString caption = plainCaption(button.caption);
  if (widget->text() != caption) widget->setText(caption);
  widget->setEnabled(button.enabled);
  setShown(widget, button.visible);
}

void present(QAbstractButton* widget, const CheckBox& box) {
  const QSignalBlocker quiet(widget);
  const QString caption = plainCaption(box.caption);
  if (!box.caption.empty() && widget->text() != caption) widget->setText(caption);
  widget->setChecked(box.ticked);
  widget->setEnabled(box.enabled);
}

void present(QAbstractButton* widget, const OptionButton& option) {
  const QSignalBlocker quiet(widget);
  const QString caption = plainCaption(option.caption);
  if (!option.caption.empty() && widget->text() != caption) widget->setText(caption);
  // Radio buttons in one group would refuse to clear themselves.
  const bool exclusive = widget->autoExclusive();
  widget->setAutoExclusive(false);
  widget->setChecked(option.selected);
  widget->setAutoExclusive(exclusive);
  widget->setEnabled(option.enabled);
}

void present(QLineEdit* widget, const TextBox& box) {
  const QSignalBlocker quiet(widget);
  const QString text = fromNative(box.text);
  if (widget->text() != text) widget->setText(text);
  widget->setEnabled(box.enabled);
}

void selectAsLogicSays(QLineEdit* widget, const TextBox& box) {
  widget->setSelection(static_cast<int>(box.selectionStart), static_cast<int>(box.selectionLength));
}

void present(QComboBox* widget, const DropDownList& list) {
  const QSignalBlocker quiet(widget);
  QStringList entries;
  for (const std::string& entry : list.entries) entries << fromNative(entry);
  QStringList current;
  for (int i = 0; i < widget->count(); ++i) current << widget->itemText(i);
  if (current != entries) {
    widget->clear();
    widget->addItems(entries);
  }
  const int selected = list.selected ? static_cast<int>(*list.selected) : -1;
  if (widget->currentIndex() != selected) widget->setCurrentIndex(selected);
  widget->setEnabled(list.enabled);
  setShown(widget, list.visible);
}

void present(QProgressBar* widget, const ProgressBar& bar) {
  const int maximum = std::max(bar.maximum, 0);
  if (widget->maximum() != maximum || widget->minimum() != 0) widget->setRange(0, maximum);
  const int value = std::clamp(bar.value, 0, maximum);
  if (widget->value() != value) widget->setValue(value);
  setShown(widget, bar.visible);
}

void present(QPlainTextEdit* widget, const SummaryBox& box, std::string& shownText) {
  if (box.text != shownText) {
    if (!shownText.empty() && box.text.size() > shownText.size() &&
        box.text.compare(0, shownText.size(), shownText) == 0) {
      QTextCursor cursor(widget->document());
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(shownLines(std::string_view(box.text).substr(shownText.size())));
    } else {
      widget->setPlainText(shownLines(box.text));
    }
    shownText = box.text;
  }
  if (box.caretAtEnd) {
    widget->moveCursor(QTextCursor::End);
    widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
  }
}

}  // namespace qm::ui
