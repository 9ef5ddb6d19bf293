#include "ui/frm_warning.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm::ui {

frmWarning::frmWarning(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmWarning"));
  setWindowTitle(QStringLiteral("Rollback to previous version"));
  setModal(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
  Image1->setAlignment(Qt::AlignTop);

  Label1 = new QLabel(QStringLiteral("Warning"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  Label1->setFont(bold);

  Label2 = new QLabel(
      QStringLiteral("Rolling back to a previous version of your Visual Basic project will overwrite your "
                     "current files.  Do you wish to continue?"),
      this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setWordWrap(true);

  chkWarning = new QCheckBox(QStringLiteral("Don't show this message again."), this);
  chkWarning->setObjectName(QStringLiteral("chkWarning"));
  chkWarning->setChecked(false);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  auto* texts = new QVBoxLayout;
  texts->setSpacing(6);
  texts->addWidget(Label1);
  texts->addWidget(Label2);
  texts->addSpacing(4);
  texts->addWidget(chkWarning);

  auto* top = new QHBoxLayout;
  top->setSpacing(12);
  top->addWidget(Image1, 0, Qt::AlignTop);
  top->addLayout(texts, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->addLayout(top);
  outer->addSpacing(6);
  outer->addLayout(buttons);

  connect(OKButton, &QPushButton::clicked, this, &frmWarning::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmWarning::CancelButton_Click);
  Label2->setFixedWidth(320);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

void frmWarning::OKButton_Click() { accept(); }

// The frame's close button and Escape reject the dialog as well.
void frmWarning::CancelButton_Click() { reject(); }

bool frmWarning::ask(QWidget* parent, bool& dontShowAgain) {
  frmWarning window(parent);
  const bool proceed = window.exec() == QDialog::Accepted;
  dontShowAgain = proceed && window.chkWarning->isChecked();
  return proceed;
}

}  // namespace qm::ui
