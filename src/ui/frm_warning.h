// The question asked before a roll back overwrites the project's files.
// It answers OK or Cancel and whether the user ticked "Don't show this
// message again."; remembering that choice is the wizard's business.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qm::ui {

class frmWarning : public QDialog {
  Q_OBJECT
 public:
  explicit frmWarning(QWidget* parent = nullptr);

  // Shows the window modally; true for OK. `dontShowAgain` gets the box's tick
  // (only meaningful with OK: Cancel stores nothing).
  static bool ask(QWidget* parent, bool& dontShowAgain);

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* chkWarning = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;

 public Q_SLOTS:
  void OKButton_Click();
  void CancelButton_Click();
};

}  // namespace qm::ui
