#include "ui/frm_browse.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qm::ui {
namespace {

QString driveCaption(const QStorageInfo& volume) {
  const QString root = QDir::toNativeSeparators(volume.rootPath());
  const QString name = volume.displayName();
  return (name.isEmpty() || name == volume.rootPath()) ? root : QStringLiteral("%1  [%2]").arg(root, name);
}

constexpr int kPathRole = Qt::UserRole;

QString pathOf(const QTreeWidgetItem* item) { return item->data(0, kPathRole).toString(); }

// A folder's item starts with the expander shown; its subfolders are read
// when it is first expanded.
QTreeWidgetItem* folderItem(const QString& path, const QString& caption) {
  auto* item = new QTreeWidgetItem(QStringList{caption});
  item->setData(0, kPathRole, path);
  item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  return item;
}

// Reads the subfolders of `item` once.
void fillFolder(QTreeWidgetItem* item) {
  if (item->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator) return;
  item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  const QDir folder(pathOf(item));
  const QStringList names =
      folder.entryList(QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) item->addChild(folderItem(folder.filePath(name), name));
}

}  // namespace

frmBrowse::frmBrowse(const QString& startFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmBrowse"));
  setWindowTitle(QStringLiteral("Select Folder"));
  setModal(false);

  drvDrive = new QComboBox(this);
  drvDrive->setObjectName(QStringLiteral("drvDrive"));

  dirFolder = new QTreeWidget(this);
  dirFolder->setObjectName(QStringLiteral("dirFolder"));
  dirFolder->setColumnCount(1);
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
  connect(dirFolder, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* item) { fillFolder(item); });
  connect(dirFolder, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { dirFolder_Click(item); });
  connect(dirFolder, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { dirFolder_Change(pathOf(item)); });
  connect(cmdSelect, &QPushButton::clicked, this, &frmBrowse::cmdSelect_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmBrowse::cmdCancel_Click);

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

// The drive's root itself stays visible, as the top of the folder list.
void frmBrowse::showTreeAt(const QString& root) {
  const QTreeWidgetItem* top = dirFolder->topLevelItem(0);
  if (top == nullptr || pathOf(top) != root) {
    dirFolder->clear();
    dirFolder->addTopLevelItem(folderItem(root, QDir::toNativeSeparators(root)));
  }
  revealCurrentFolder();
}

QTreeWidgetItem* frmBrowse::itemFor(const QString& folder) {
  QTreeWidgetItem* item = dirFolder->topLevelItem(0);
  if (item == nullptr) return nullptr;
  QString root = pathOf(item);
  if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
  if (folder == pathOf(item)) return item;
  if (!folder.startsWith(root)) return nullptr;
  for (const QString& name : folder.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    fillFolder(item);
    QTreeWidgetItem* next = nullptr;
    for (int i = 0; i < item->childCount() && next == nullptr; ++i) {
      if (item->child(i)->text(0) == name) next = item->child(i);
    }
    if (next == nullptr) {
      // A hidden folder is listed only on the way to the one the tree opens at.
      const QString path = QDir(pathOf(item)).filePath(name);
      if (!QDir(path).exists()) return nullptr;
      next = folderItem(path, name);
      item->addChild(next);
    }
    item = next;
  }
  return item;
}

void frmBrowse::revealCurrentFolder() {
  QTreeWidgetItem* item = itemFor(currentFolder_);
  if (item == nullptr) return;
  for (QTreeWidgetItem* step = item; step != nullptr; step = step->parent()) step->setExpanded(true);
  dirFolder->setCurrentItem(item);
  dirFolder->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void frmBrowse::dirFolder_Click(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  lblPath->setText(QDir::toNativeSeparators(pathOf(item)));
}

void frmBrowse::cmdSelect_Click() {
  Q_EMIT folderSelected(lblPath->text());
  close();
}

void frmBrowse::cmdCancel_Click() { close(); }

}  // namespace qm::ui
