// The folder browser behind the options page's Browse button for the new
// copy's folder: a drive list (the mounted volumes), the folder tree of the
// chosen drive and the path that Select hands back. It validates nothing;
// the update run tests the folder when it starts.
//
// The tree is read as it is opened, a folder's subfolders when it is
// expanded, so the browser shows the folder it opens at at once instead of
// waiting for a background scan of the whole drive.
#pragma once

#include <QDialog>
#include <QMap>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qm::ui {

class frmBrowse : public QDialog {
  Q_OBJECT
 public:
  // Opens at `startFolder` (the program's folder).
  explicit frmBrowse(const QString& startFolder, QWidget* parent = nullptr);

  QComboBox* drvDrive = nullptr;
  QTreeWidget* dirFolder = nullptr;
  QLabel* lblPath = nullptr;
  QPushButton* cmdSelect = nullptr;
  QPushButton* cmdCancel = nullptr;

  // The folder the tree is opened at, and the one Select would return.
  QString currentFolder() const { return currentFolder_; }
  QString shownPath() const;

 Q_SIGNALS:
  // Select was pressed with this folder.
  void folderSelected(const QString& folder);

 public Q_SLOTS:
  void drvDrive_Change(int index);
  // A double click, or code, opens a folder.
  void dirFolder_Change(const QString& folder);
  // A single click shows the entry's path without opening it.
  void dirFolder_Click(QTreeWidgetItem* item);
  void cmdSelect_Click();
  void cmdCancel_Click();

 private:
  void Form_Load(const QString& startFolder);
  void fillDrives();
  int driveIndexFor(const QString& folder) const;
  void showTreeAt(const QString& root);
  void revealCurrentFolder();
  // The item of `folder` under the tree's root, its parents' subfolders read
  // on the way; nullptr when it lies elsewhere or is gone.
  QTreeWidgetItem* itemFor(const QString& folder);

  QString currentFolder_;
  int currentDrive_ = -1;
  QMap<QString, QString> folderOfDrive_;  // each drive's current folder, as a drive list keeps it
};

}  // namespace qm::ui
