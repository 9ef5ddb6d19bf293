#include "ui/frm_browse.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace qm::ui {
namespace {

QString driveCaption(const QStorageInfo& volume) {
  const QString root = QDir::toNativeSeparators(volume.rootPath());
  const QString name = volume.displayName();
  return (name.isEmpty() || name == volume.rootPath()) ? root : QStringLiteral("%1  [%2]").arg(root, name);
}

}  // namespace

frmBrowse::frmBrowse(const QString& startFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmBrowse"));
  setWindowTitle(QStringLiteral("Select Folder"));
  setModal(false);

  drvDrive = new QComboBox(this);
  drvDrive->setObjectName(QStringLiteral("drvDrive"));

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setReadOnly(true);

  dirFolder = new QTreeView(this);
  dirFolder->setObjectName(QStringLiteral("dirFolder"));
  dirFolder->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) dirFolder->hideColumn(column);
  dirFolder->header()->hide();
  dirFolder->setUniformRowHeights(true);
  dirFolder->setExpandsOnDoubleClick(false);

  lblPath = new QLabel(this);
  lblPath->setObjectName(QStringLiteral("lblPath"));
  lblPath->setFrameShape(QFrame::StyledPanel);
  lblPath->setFrameShadow(QFrame::Sunken);
  lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblPath->setMinimumWidth(10);
  lblPath->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  cmdSelect = new QPushButton(QStringLiteral("Select"), this);
  cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
  cmdSelect->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdSelect);
  buttons->addWidget(cmdCancel);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(6);
  outer->addWidget(drvDrive);
  outer->addWidget(dirFolder, 1);
  outer->addWidget(lblPath);
  outer->addLayout(buttons);

  connect(drvDrive, &QComboBox::activated, this, &frmBrowse::drvDrive_Change);
  connect(dirFolder, &QTreeView::clicked, this, &frmBrowse::dirFolder_Click);
  connect(dirFolder, &QTreeView::doubleClicked, this,
          [this](const QModelIndex& index) { dirFolder_Change(model_->filePath(index)); });
  connect(cmdSelect, &QPushButton::clicked, this, &frmBrowse::cmdSelect_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmBrowse::cmdCancel_Click);
  // The tree is read in the background: once the folders on the way to the
  // current one are in, open them and bring it into view.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    const QString folder = QDir::cleanPath(loaded);
    if (currentFolder_ == folder || currentFolder_.startsWith(folder + QLatin1Char('/')) || folder == QDir::rootPath()) {
      revealCurrentFolder();
    }
  });

  resize(320, 360);
  Form_Load(startFolder);
}

QString frmBrowse::shownPath() const { return lblPath->text(); }

void frmBrowse::Form_Load(const QString& startFolder) {
  fillDrives();
  const QString folder = QDir(startFolder).exists() ? QDir(startFolder).absolutePath() : QDir::rootPath();
  currentDrive_ = driveIndexFor(folder);
  if (currentDrive_ >= 0) drvDrive->setCurrentIndex(currentDrive_);
  dirFolder_Change(folder);
}

void frmBrowse::fillDrives() {
  drvDrive->clear();
  QStringList seen;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || seen.contains(volume.rootPath())) continue;
    seen << volume.rootPath();
    drvDrive->addItem(driveCaption(volume), volume.rootPath());
  }
}

// The volume holding `folder`: the one with the longest root that contains it.
int frmBrowse::driveIndexFor(const QString& folder) const {
  int best = -1;
  qsizetype bestLength = -1;
  const QString path = QDir::cleanPath(folder) + QLatin1Char('/');
  for (int i = 0; i < drvDrive->count(); ++i) {
    QString root = QDir::cleanPath(drvDrive->itemData(i).toString());
    if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
    if (path.startsWith(root, Qt::CaseInsensitive) && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  return best;
}

void frmBrowse::drvDrive_Change(int index) {
  if (index < 0 || index >= drvDrive->count()) return;
  const QString root = drvDrive->itemData(index).toString();
  if (!QDir(root).isReadable()) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("The drive %1 cannot be read.").arg(QDir::toNativeSeparators(root)));
    if (currentDrive_ >= 0) drvDrive->setCurrentIndex(currentDrive_);
    return;
  }
  currentDrive_ = index;
  dirFolder_Change(folderOfDrive_.value(root, root));
}

void frmBrowse::dirFolder_Change(const QString& folder) {
  if (folder.isEmpty()) return;
  currentFolder_ = QDir::cleanPath(folder);
  const int drive = driveIndexFor(currentFolder_);
  if (drive >= 0) {
    currentDrive_ = drive;
    if (drvDrive->currentIndex() != drive) drvDrive->setCurrentIndex(drive);
    folderOfDrive_[drvDrive->itemData(drive).toString()] = currentFolder_;
    showTreeAt(drvDrive->itemData(drive).toString());
  } else {
    showTreeAt(QDir::rootPath());
  }
  lblPath->setText(QDir::toNativeSeparators(currentFolder_));
}

void frmBrowse::showTreeAt(const QString& root) {
  model_->setRootPath(root);
  // The drive's root itself stays visible, as the top of the folder list.
  const QModelIndex rootIndex = model_->index(root);
  dirFolder->setRootIndex(rootIndex.parent());
  revealCurrentFolder();
}

void frmBrowse::revealCurrentFolder() {
  const QModelIndex folderIndex = model_->index(currentFolder_);
  if (!folderIndex.isValid()) return;
  for (QModelIndex step = folderIndex; step.isValid(); step = step.parent()) dirFolder->expand(step);
  dirFolder->setCurrentIndex(folderIndex);
  dirFolder->scrollTo(folderIndex, QAbstractItemView::PositionAtCenter);
}

void frmBrowse::dirFolder_Click(const QModelIndex& index) {
  if (!index.isValid()) return;
  lblPath->setText(QDir::toNativeSeparators(model_->filePath(index)));
}

void frmBrowse::cmdSelect_Click() {
  Q_EMIT folderSelected(lblPath->text());
  close();
}

void frmBrowse::cmdCancel_Click() { close(); }

}  // namespace qm::ui
