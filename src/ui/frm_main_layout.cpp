// The wizard window's pages and controls: what goes where, with every fixed
// text. Sizes follow the window's fixed outer size (kWindowWidthTwips), so
// the layouts are compact and hidden controls keep their room, which stops
// the pages from jumping while the analysis, the run or a roll back shows
// and hides their bars.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/artwork.h"
#include "ui/clickable_label.h"
#include "ui/eliding_widgets.h"
#include "ui/frm_main.h"
#include "ui/window_metrics.h"

namespace qm::ui {
namespace {

// The window's outer size, which fits exactly one page.
constexpr int kWindowWidthTwips = 6270;
constexpr int kWindowHeightTwips = 4375;

constexpr int kLogoSize = 32;
constexpr int kNumberBoxWidth = 44;

template <typename W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
  return named(new QPushButton(QString::fromLatin1(caption), parent), QString::fromLatin1(name));
}

QFrame* separator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

void keepRoomWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

QProgressBar* progressBar(const char* name, QWidget* parent) {
  auto* bar = named(new QProgressBar(parent), QString::fromLatin1(name));
  bar->setTextVisible(false);
  bar->setFixedHeight(14);
  bar->hide();
  keepRoomWhenHidden(bar);
  return bar;
}

// Frames inside the tabs use small margins: the window is only a few
// hundred pixels wide.
void tighten(QLayout* layout) {
  layout->setContentsMargins(6, 5, 6, 5);
  layout->setSpacing(4);
}

// Where a check box's text begins, so a field can line up under it.
int indicatorIndent(const QCheckBox* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
}

QLineEdit* numberBox(const char* name, QWidget* parent) {
  auto* box = named(new QLineEdit(parent), QString::fromLatin1(name));
  box->setFixedWidth(kNumberBoxWidth);
  return box;
}

// Quit on the left, the way on (and back) on the right, as wizards have it.
QHBoxLayout* navigationRow(QPushButton* quit, QPushButton* back, QPushButton* next) {
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  row->addWidget(quit);
  row->addStretch(1);
  if (back != nullptr) row->addWidget(back);
  row->addWidget(next);
  return row;
}

QVBoxLayout* pageLayout(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);
  return layout;
}

}  // namespace

void frmMain::buildWindow() {
  setObjectName(QStringLiteral("frmMain"));

  pages = named(new QStackedWidget(this), QStringLiteral("pages"));
  picWizard[0] = buildProjectPage();
  picWizard[1] = buildFilesPage();
  picWizard[2] = buildOptionsPage();
  picWizard[3] = buildApplyPage();
  for (std::size_t i = 0; i < picWizard.size(); ++i) {
    picWizard[i]->setObjectName(QStringLiteral("picWizard_%1").arg(i));
    pages->addWidget(picWizard[i]);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages);
  resize(twipsSize(this, kWindowWidthTwips, kWindowHeightTwips));
}

QLabel* frmMain::titleLabel(int index, QWidget* parent, bool pageTitle) {
  auto* label = named(new QLabel(parent), QStringLiteral("lblTitles_%1").arg(index));
  QFont font = label->font();
  font.setBold(true);
  if (pageTitle) font.setPointSizeF(font.pointSizeF() * 1.15);
  label->setFont(font);
  lblTitles[static_cast<std::size_t>(index)] = label;
  return label;
}

// The page's title on the left and the maker's badge on the right, above a rule.
QWidget* frmMain::pageHeader(int page, int titleIndex) {
  auto* header = new QWidget;
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  QLabel* title = titleLabel(titleIndex, header, true);
  title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  row->addWidget(title, 1);

  auto* logo = named(new ClickableLabel(header), QStringLiteral("imgVeltane_%1").arg(page));
  logo->setPixmap(makerBadge(kLogoSize));
  logo->setFixedSize(kLogoSize, kLogoSize);
  imgVeltane[static_cast<std::size_t>(page)] = logo;
  row->addWidget(logo);
  return header;
}

QWidget* frmMain::buildProjectPage() {
  auto* page = new QWidget;
  QVBoxLayout* layout = pageLayout(page);
  layout->addWidget(pageHeader(0, 0));
  layout->addWidget(separator(page));

  cmbRecent = named(new PathComboBox(page), QStringLiteral("cmbRecent"));
  cmbRecent->setEditable(false);
  cmbRecent->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbRecent->setMinimumContentsLength(20);
  cmdBrowse = button("cmdBrowse", "Browse", page);
  auto* chooser = new QHBoxLayout;
  chooser->addWidget(cmbRecent, 1);
  chooser->addWidget(cmdBrowse);
  layout->addLayout(chooser);

  // The details title names the project file, so it has the page's width.
  QLabel* detailsTitle = titleLabel(5, page, false);
  detailsTitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(detailsTitle);
  auto* details = new QVBoxLayout;
  details->setSpacing(3);
  // Lines too long for the room beside the roll-back panel are elided, with
  // the whole text in the tooltip.
  lblProjectDetails = named(new ElidingLabel(page), QStringLiteral("lblProjectDetails"));
  lblProjectDetails->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  lblProjectDetails->setIndent(6);
  lblProjectDetails->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  keepRoomWhenHidden(lblProjectDetails);
  details->addWidget(lblProjectDetails, 1);

  shpRollBack = named(new QFrame(page), QStringLiteral("shpRollBack"));
  shpRollBack->setFrameShape(QFrame::StyledPanel);
  shpRollBack->setFrameShadow(QFrame::Sunken);
  keepRoomWhenHidden(shpRollBack);
  auto* rollBack = new QVBoxLayout(shpRollBack);
  rollBack->setContentsMargins(8, 6, 8, 6);
  rollBack->setSpacing(4);
  rollBack->addWidget(titleLabel(9, shpRollBack, false));
  cmbBackups = named(new QComboBox(shpRollBack), QStringLiteral("cmbBackups"));
  // Backup names all have the same length; the panel is as wide as they are.
  cmbBackups->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  rollBack->addWidget(cmbBackups);
  cmdRollback = button("cmdRollback", "Roll back", shpRollBack);
  auto* rollRow = new QHBoxLayout;
  rollRow->addStretch(1);
  rollRow->addWidget(cmdRollback);
  rollBack->addLayout(rollRow);
  barRollBack = progressBar("barRollBack", shpRollBack);
  rollBack->addWidget(barRollBack);
  picDoneRolling = named(new QFrame(shpRollBack), QStringLiteral("picDoneRolling"));
  picDoneRolling->setFrameShape(QFrame::NoFrame);
  auto* done = new QHBoxLayout(picDoneRolling);
  done->setContentsMargins(0, 0, 0, 0);
  QLabel* doneLabel = titleLabel(11, picDoneRolling, false);
  doneLabel->setAlignment(Qt::AlignCenter);
  done->addWidget(doneLabel);
  picDoneRolling->hide();
  keepRoomWhenHidden(picDoneRolling);
  rollBack->addWidget(picDoneRolling);
  rollBack->addStretch(1);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(10);
  middle->addLayout(details, 1);
  middle->addWidget(shpRollBack, 0, Qt::AlignTop);
  layout->addLayout(middle, 1);

  cmdQuit[0] = button("cmdQuit_0", "Quit", page);
  cmdLoad2 = button("cmdLoad2", "Next >>", page);
  cmdLoad2->setDefault(true);
  layout->addWidget(separator(page));
  layout->addLayout(navigationRow(cmdQuit[0], nullptr, cmdLoad2));
  return page;
}

QWidget* frmMain::buildFilesPage() {
  auto* page = new QWidget;
  QVBoxLayout* layout = pageLayout(page);
  layout->addWidget(pageHeader(1, 1));
  layout->addWidget(separator(page));

  // The empty-selection note stands beside the list's caption, where it is
  // seen while ticking rows.
  lblNoFiles = named(new QLabel(page), QStringLiteral("lblNoFiles"));
  lblNoFiles->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont note = lblNoFiles->font();
  note.setItalic(true);
  lblNoFiles->setFont(note);
  auto* caption = new QHBoxLayout;
  caption->addWidget(titleLabel(2, page, false));
  caption->addStretch(1);
  caption->addWidget(lblNoFiles);
  auto* intro = new QVBoxLayout;
  intro->setSpacing(1);
  intro->addLayout(caption);
  QLabel* hint = titleLabel(3, page, false);
  hint->setFont(font());
  hint->setWordWrap(true);
  intro->addWidget(hint);
  layout->addLayout(intro);

  lstProjectFiles = named(new QTreeWidget(page), QStringLiteral("lstProjectFiles"));
  lstProjectFiles->setRootIsDecorated(false);
  lstProjectFiles->setUniformRowHeights(true);
  lstProjectFiles->setAllColumnsShowFocus(true);
  lstProjectFiles->setSortingEnabled(false);  // rows are ordered by the wizard's own keys
  lstProjectFiles->setSelectionMode(QAbstractItemView::SingleSelection);
  lstProjectFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstProjectFiles->header()->setSectionsClickable(true);
  lstProjectFiles->header()->setStretchLastSection(false);
  lstProjectFiles->header()->setSortIndicatorShown(false);
  keepRoomWhenHidden(lstProjectFiles);

  barProgress = progressBar("barProgress", page);
  auto* listArea = new QGridLayout;
  listArea->setContentsMargins(0, 0, 0, 0);
  listArea->addWidget(lstProjectFiles, 0, 0);
  listArea->addWidget(barProgress, 0, 0, Qt::AlignVCenter);
  layout->addLayout(listArea, 1);

  cmdSelectAll = button("cmdSelectAll", "Select All", page);
  keepRoomWhenHidden(cmdSelectAll);
  cmdQuit[1] = button("cmdQuit_1", "Quit", page);
  cmdBack1 = button("cmdBack1", "<< Back", page);
  cmdLoad3 = button("cmdLoad3", "Next >>", page);
  cmdLoad3->setDefault(true);
  // Select All sits on the same row as the navigation, beside Quit.
  QHBoxLayout* row = navigationRow(cmdQuit[1], cmdBack1, cmdLoad3);
  row->insertWidget(1, cmdSelectAll);
  row->insertSpacing(1, 12);
  layout->addWidget(separator(page));
  layout->addLayout(row);
  return page;
}

QWidget* frmMain::buildOptionsPage() {
  auto* page = new QWidget;
  QVBoxLayout* layout = pageLayout(page);
  layout->addWidget(pageHeader(2, 6));

  tabOptions = named(new QTabWidget(page), QStringLiteral("tabOptions"));
  keepRoomWhenHidden(tabOptions);

  // "General Options"
  auto* general = new QWidget;
  fraCode = named(new QGroupBox(QStringLiteral("Select Action"), general), QStringLiteral("fraCode"));
  optAdd = named(new QRadioButton(QStringLiteral("Add code"), fraCode), QStringLiteral("optAdd"));
  optDelete = named(new QRadioButton(QStringLiteral("Delete code"), fraCode), QStringLiteral("optDelete"));
  auto* action = new QVBoxLayout(fraCode);
  tighten(action);
  action->addWidget(optAdd);
  action->addWidget(optDelete);
  action->addStretch(1);

  fraBackup = named(new QGroupBox(QStringLiteral("Save Options"), general), QStringLiteral("fraBackup"));
  optBackup = named(new QRadioButton(QStringLiteral("Create backup of project"), fraBackup), QStringLiteral("optBackup"));
  optNew = named(new QRadioButton(QStringLiteral("Create a new project"), fraBackup), QStringLiteral("optNew"));
  txtNewLoc = named(new PathLineEdit(fraBackup), QStringLiteral("txtNewLoc"));
  txtNewLoc->setMinimumWidth(60);
  cmdNewBrowse = button("cmdNewBrowse", "Browse", fraBackup);
  chkCompile = named(new QCheckBox(QStringLiteral("Compile"), fraBackup), QStringLiteral("chkCompile"));
  auto* save = new QGridLayout(fraBackup);
  tighten(save);
  save->addWidget(optBackup, 0, 0, 1, 2);
  save->addWidget(optNew, 1, 0, 1, 2);
  save->addWidget(txtNewLoc, 2, 0);
  save->addWidget(cmdNewBrowse, 2, 1);
  save->addWidget(chkCompile, 3, 0, 1, 2);
  save->setColumnStretch(0, 1);
  save->setRowStretch(4, 1);

  auto* generalRow = new QHBoxLayout(general);
  generalRow->setContentsMargins(4, 4, 4, 4);
  generalRow->setSpacing(4);
  generalRow->addWidget(fraCode, 0);
  generalRow->addWidget(fraBackup, 1);
  tabOptions->addTab(general, QStringLiteral("General Options"));

  // "Code Style"
  auto* styles = new QWidget;
  Label2 = named(new QLabel(QStringLiteral("Available styles"), styles), QStringLiteral("Label2"));
  flbRoutines = named(new QListWidget(styles), QStringLiteral("flbRoutines"));
  flbRoutines->setSelectionMode(QAbstractItemView::SingleSelection);
  cmdNewStyle = button("cmdNewStyle", "New Style", styles);
  cmdEditStyle = button("cmdEditStyle", "Edit Style", styles);
  cmdDeleteStyle = button("cmdDeleteStyle", "Delete Style", styles);
  auto* styleButtons = new QVBoxLayout;
  styleButtons->addWidget(cmdNewStyle);
  styleButtons->addWidget(cmdEditStyle);
  styleButtons->addWidget(cmdDeleteStyle);
  styleButtons->addStretch(1);
  auto* styleGrid = new QGridLayout(styles);
  styleGrid->setContentsMargins(8, 6, 8, 8);
  styleGrid->setVerticalSpacing(3);
  styleGrid->addWidget(Label2, 0, 0);
  styleGrid->addWidget(flbRoutines, 1, 0);
  styleGrid->addLayout(styleButtons, 1, 1);
  styleGrid->setColumnStretch(0, 1);
  tabOptions->addTab(styles, QStringLiteral("Code Style"));

  // "Advanced Options"
  auto* advanced = new QWidget;
  fraExceptions = named(new QGroupBox(QStringLiteral("Exceptions"), advanced), QStringLiteral("fraExceptions"));
  lblIgnore[0] = named(new QLabel(QStringLiteral("Ignore procedures with:"), fraExceptions), QStringLiteral("lblIgnore_0"));
  chkIgnoreTags = named(new QCheckBox(QStringLiteral("<ignore> tags"), fraExceptions), QStringLiteral("chkIgnoreTags"));
  chkIgnoreExisting = named(new QCheckBox(QStringLiteral("Existing error checking"), fraExceptions),
                            QStringLiteral("chkIgnoreExisting"));
  lblIgnore[1] = named(new QLabel(QStringLiteral("Lines of code <"), fraExceptions), QStringLiteral("lblIgnore_1"));
  txtIgnore = numberBox("txtIgnore", fraExceptions);
  auto* exceptions = new QGridLayout(fraExceptions);
  tighten(exceptions);
  exceptions->setColumnMinimumWidth(0, 2);
  exceptions->addWidget(lblIgnore[0], 0, 0, 1, 3);
  exceptions->addWidget(chkIgnoreTags, 1, 1, 1, 2);
  exceptions->addWidget(chkIgnoreExisting, 2, 1, 1, 2);
  exceptions->addWidget(lblIgnore[1], 3, 1);
  exceptions->addWidget(txtIgnore, 3, 2, Qt::AlignLeft);
  exceptions->setColumnStretch(2, 1);
  exceptions->setRowStretch(4, 1);

  fraNumbers = named(new QGroupBox(QStringLiteral("Line Numbers:"), advanced), QStringLiteral("fraNumbers"));
  chkNumbers = named(new QCheckBox(QStringLiteral("Add line numbers from"), fraNumbers), QStringLiteral("chkNumbers"));
  txtStartFrom = numberBox("txtStartFrom", fraNumbers);
  // The first number sits under the check box's text, so the frame stays
  // narrow enough for two columns in the window's width.
  auto* numbers = new QGridLayout(fraNumbers);
  tighten(numbers);
  numbers->setColumnMinimumWidth(0, indicatorIndent(chkNumbers));
  numbers->addWidget(chkNumbers, 0, 0, 1, 2);
  numbers->addWidget(txtStartFrom, 1, 1, Qt::AlignLeft);
  numbers->setColumnStretch(1, 1);

  fraVarDump = named(new QGroupBox(QStringLiteral("Variable Dump"), advanced), QStringLiteral("fraVarDump"));
  chkVarDump = named(new QCheckBox(QStringLiteral("Produce a variable dump"), fraVarDump), QStringLiteral("chkVarDump"));
  auto* dump = new QHBoxLayout(fraVarDump);
  tighten(dump);
  dump->addWidget(chkVarDump);
  dump->addStretch(1);

  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(fraNumbers);
  right->addWidget(fraVarDump);
  right->addStretch(1);
  auto* advancedRow = new QHBoxLayout;
  advancedRow->setSpacing(4);
  advancedRow->addWidget(fraExceptions, 1);
  advancedRow->addLayout(right, 1);
  chkAllProcedures = named(new QCheckBox(QStringLiteral("Include all procedures and user controls"), advanced),
                           QStringLiteral("chkAllProcedures"));
  auto* advancedColumn = new QVBoxLayout(advanced);
  advancedColumn->setContentsMargins(4, 4, 4, 4);
  advancedColumn->setSpacing(4);
  advancedColumn->addLayout(advancedRow, 1);
  advancedColumn->addWidget(chkAllProcedures);
  tabOptions->addTab(advanced, QStringLiteral("Advanced Options"));

  layout->addWidget(tabOptions, 1);

  cmdQuit[2] = button("cmdQuit_2", "Quit", page);
  cmdBack2 = button("cmdBack2", "<< Back", page);
  cmdLoad4 = button("cmdLoad4", "Next >>", page);
  cmdLoad4->setDefault(true);
  layout->addLayout(navigationRow(cmdQuit[2], cmdBack2, cmdLoad4));
  return page;
}

QWidget* frmMain::buildApplyPage() {
  auto* page = new QWidget;
  QVBoxLayout* layout = pageLayout(page);
  layout->addWidget(pageHeader(3, 4));
  layout->addWidget(separator(page));
  layout->addWidget(titleLabel(12, page, false));

  txtSummary = named(new QPlainTextEdit(page), QStringLiteral("txtSummary"));
  txtSummary->setReadOnly(true);
  txtSummary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtSummary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(txtSummary, 1);
  barMain = progressBar("barMain", page);
  layout->addWidget(barMain);

  cmdQuit[4] = button("cmdQuit_4", "Quit", page);
  cmdBack3 = button("cmdBack3", "<< Back", page);
  cmdPreview = button("cmdPreview", "Preview...", page);
  keepRoomWhenHidden(cmdPreview);
  cmdBegin = button("cmdBegin", "Begin", page);
  cmdBegin->setDefault(true);
  keepRoomWhenHidden(cmdBegin);
  QHBoxLayout* row = navigationRow(cmdQuit[4], cmdBack3, cmdBegin);
  row->insertWidget(row->indexOf(cmdBegin), cmdPreview);
  layout->addLayout(row);
  return page;
}

}  // namespace qm::ui
