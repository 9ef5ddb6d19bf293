// A label that reports clicks: the logos, the About window's links and its
// close image are pictures or texts that act like buttons.
#pragma once

#include <QLabel>

namespace qm::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 Q_SIGNALS:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qm::ui
