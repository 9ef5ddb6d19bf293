#include "ui/frm_about.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "platform/product.h"
#include "wizard/about_text.h"
#include "ui/artwork.h"
#include "ui/clickable_label.h"
#include "ui/open_web_link.h"
#include "ui/qt_text.h"

namespace qm::ui {
namespace {


QLabel* namedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

ClickableLabel* linkLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new ClickableLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setText(text);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  label->setPalette(palette);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  return label;
}

}  // namespace

QString versionText() {
  return fromNative(aboutVersion(QUILLMERE_VERSION_MAJOR, QUILLMERE_VERSION_MINOR, QUILLMERE_VERSION_PATCH));
}

frmAbout::frmAbout(QWidget* parent, LinkOpener openLink, std::string guideFile)
    : QDialog(parent), openLink_(std::move(openLink)), guideFile_(std::move(guideFile)) {
  if (!openLink_) openLink_ = [](const std::string& link) { OpenWebLink(link); };
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(fromNative(kAboutCaption));
  setModal(false);

  imgIcon = namedLabel("imgIcon", this);
  imgIcon->setPixmap(makerBadge(56));
  imgIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  lblName = namedLabel("lblName", this);
  lblName->setText(fromNative(kProductName));
  QFont nameFont = lblName->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
  nameFont.setBold(true);
  lblName->setFont(nameFont);

  lblVersion = namedLabel("lblVersion", this);
  lblInfo = namedLabel("lblInfo", this);
  lblInfo->setWordWrap(true);
  lblTitle = namedLabel("lblTitle", this);
  lblTitle->setText(fromNative(kAboutWarningTitle));
  QFont bold = lblTitle->font();
  bold.setBold(true);
  lblTitle->setFont(bold);
  lblWarning = namedLabel("lblWarning", this);
  lblWarning->setWordWrap(true);
  lblCopyright = namedLabel("lblCopyright", this);
  lblCopyright->setText(QStringLiteral("Copyright \u00a9 2004-2024 ") + fromNative(kMakerName) +
                        QStringLiteral(". All rights reserved."));
  lblCopyright->setWordWrap(true);

  imgWeb = namedLabel("imgWeb", this);
  imgWeb->setPixmap(webImage(16));
  lblVisit = linkLabel("lblVisit", fromNative(kVisitUs), this);
  imgMail = namedLabel("imgMail", this);
  imgMail->setPixmap(mailImage(16));
  lblLink = linkLabel("lblLink", fromNative(kContactUs), this);
  lblGuide = linkLabel("lblGuide", QString(), this);
  lblGuide->setWordWrap(true);
  lblGuide->setVisible(!guideFile_.empty());

  imgQuit = new ClickableLabel(this);
  imgQuit->setObjectName(QStringLiteral("imgQuit"));
  imgQuit->setPixmap(closeImage(24));
  imgQuit->setToolTip(QStringLiteral("Close"));

  auto* text = new QVBoxLayout;
  text->setSpacing(4);
  text->addWidget(lblName);
  text->addWidget(lblVersion);
  text->addSpacing(4);
  text->addWidget(lblInfo);
  text->addWidget(lblTitle);
  text->addWidget(lblWarning);
  text->addSpacing(4);
  text->addWidget(lblGuide);
  text->addSpacing(4);
  text->addWidget(lblCopyright);

  auto* links = new QHBoxLayout;
  links->setSpacing(6);
  links->addWidget(imgWeb);
  links->addWidget(lblVisit);
  links->addSpacing(16);
  links->addWidget(imgMail);
  links->addWidget(lblLink);
  links->addStretch(1);
  links->addWidget(imgQuit);
  text->addSpacing(6);
  text->addLayout(links);

  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->setSpacing(14);
  outer->addWidget(imgIcon, 0, Qt::AlignTop);
  outer->addLayout(text, 1);

  connect(lblVisit, &ClickableLabel::clicked, this, &frmAbout::lblVisit_Click);
  connect(lblLink, &ClickableLabel::clicked, this, &frmAbout::lblLink_Click);
  connect(lblGuide, &ClickableLabel::clicked, this, &frmAbout::lblGuide_Click);
  connect(imgQuit, &ClickableLabel::clicked, this, &frmAbout::imgQuit_Click);

  // Wrapped texts get a fixed width, so the window can size itself to their height.
  for (QLabel* label : {lblInfo, lblWarning, static_cast<QLabel*>(lblGuide), lblCopyright}) label->setFixedWidth(280);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  Form_Load();
}

void frmAbout::Form_Load() {
  lblVersion->setText(versionText());
  lblInfo->setText(fromNative(aboutInfo()));
  lblWarning->setText(fromNative(kAboutWarning));
  lblGuide->setText(QStringLiteral("User guide (F1): ") + fromNative(shownPath(guideFile_)));
}

void frmAbout::lblVisit_Click() { openLink_(visitUsLink()); }

void frmAbout::lblLink_Click() { openLink_(contactUsLink()); }

void frmAbout::lblGuide_Click() {
  if (!guideFile_.empty()) openLink_(guideFile_);
}

void frmAbout::imgQuit_Click() { close(); }

}  // namespace qm::ui
