// Widgets whose text can be longer than their room: a project's details, a
// path in the recent list or in the new-copy box. Nothing is cut off
// unseen: a text that does not fit is shown elided ("…") and the whole text
// is the widget's tooltip. Paths lose their middle, the end of their folder
// first, so the start of the path and the file name both stay in view;
// other texts lose their end.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace qm::ui {

// `path` as it fits in `width`: whole, or the start of its folder, "…" and
// its last component; a last component too long for that loses its middle.
QString elidedPath(const QFontMetrics& metrics, const QString& path, int width);

// A label of one or more lines, each elided to the label's width.
class ElidingLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  void setFullText(const QString& text);
  QString fullText() const { return fullText_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString fullText_;
};

// A drop-down list of paths: the closed box and the open list elide in the middle.
class PathComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit PathComboBox(QWidget* parent = nullptr);

  // The current entry as the closed box shows it.
  QString shownText() const;
  // After the entries changed: each entry's and the box's tooltip.
  void updateToolTips();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect textRect() const;
};

// A one-line path box that shows the middle of a long path elided while it
// does not have the keyboard focus; editing always sees the whole text.
class PathLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit PathLineEdit(QWidget* parent = nullptr);

  // The text as the box shows it without the focus.
  QString shownText() const;
  // After the text changed: the whole of it as the tooltip.
  void updateToolTip();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect textRect() const;
};

}  // namespace qm::ui
