// The binding of each kind of control to its kind of widget.
#include "ui/control_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

#include "ui/clickable_label.h"
#include "ui/eliding_widgets.h"
#include "ui/qt_text.h"

namespace qm::ui {
namespace {

// Runs `action` on every event of the watched object; the event goes on.
class EventHook final : public QObject {
 public:
  EventHook(QObject* watched, std::function<void(QEvent*)> action) : QObject(watched), action_(std::move(action)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    action_(event);
    return false;
  }

 private:
  std::function<void(QEvent*)> action_;
};

// The focus moving from control to control, not a context menu opening or
// the person switching to another window and back.
bool isFocusMoveWithinWindow(const QEvent* event) {
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// Labels and buttons show "&" literally in the logic's captions.
QString plainCaption(const std::string& caption) {
  QString text = fromNative(caption);
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  return text;
}

void setShown(QWidget* widget, bool visible) {
  // isHidden() reads the widget's own flag, whatever its page shows.
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

void setCaption(QAbstractButton* widget, const std::string& caption) {
  const QString text = plainCaption(caption);
  if (!caption.empty() && widget->text() != text) widget->setText(text);
}

void presentList(QComboBox* widget, const DropDownList& list) {
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

void connectList(QComboBox* widget, DropDownList& list, const BindingContext& context) {
  QObject::connect(widget, &QComboBox::activated, context.owner, [&list, context](int index) {
    if (context.quiet() || index < 0) return;
    list.selected = static_cast<std::size_t>(index);
    fire(list.onClick);
    context.handled();
  });
}

// The columns take their shares of the list's width; the last one takes the rest.
void fitColumns(QTreeWidget* widget, const FileListView& list) {
  const int width = widget->width();
  QHeaderView* header = widget->header();
  header->setStretchLastSection(true);
  for (int column = 0; column + 1 < widget->columnCount(); ++column) {
    const auto index = static_cast<std::size_t>(column);
    const double share = index < list.columns.size() ? list.columns[index].widthShare : 0.2;
    header->resizeSection(column, static_cast<int>(width * share));
  }
}

void presentHeaders(QTreeWidget* widget, const FileListView& list) {
  QStringList headers;
  for (const ListColumn& column : list.columns) headers << fromNative(column.header);
  QStringList shown;
  for (int column = 0; column < widget->columnCount(); ++column) shown << widget->headerItem()->text(column);
  if (shown == headers) return;
  widget->setColumnCount(static_cast<int>(headers.size()));
  widget->setHeaderLabels(headers);
  for (int column = 1; column < widget->columnCount(); ++column) {
    widget->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  fitColumns(widget, list);
}

// Only rows that differ from what is shown are touched: the analysis yields
// once per file and a long list must not be rebuilt every time.
void presentRows(QTreeWidget* widget, const FileListView& list) {
  const QSignalBlocker quiet(widget);
  presentHeaders(widget, list);
  const int rowCount = static_cast<int>(list.rows.size());
  while (widget->topLevelItemCount() > rowCount) delete widget->takeTopLevelItem(widget->topLevelItemCount() - 1);
  const int columns = widget->columnCount();
  for (int row = 0; row < rowCount; ++row) {
    const ListRow& data = list.rows[static_cast<std::size_t>(row)];
    QTreeWidgetItem* item = widget->topLevelItem(row);
    if (item == nullptr) {
      item = new QTreeWidgetItem(widget);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      for (int column = 1; column < columns; ++column) {
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
      }
    }
    for (int column = 0; column < columns; ++column) {
      const auto cell = static_cast<std::size_t>(column);
      const QString text = cell < data.cells.size() ? fromNative(data.cells[cell]) : QString();
      if (item->text(column) != text) item->setText(column, text);
    }
    const Qt::CheckState tick = data.ticked ? Qt::Checked : Qt::Unchecked;
    if (item->checkState(0) != tick) item->setCheckState(0, tick);
  }
  setShown(widget, list.visible);
}

// The summary box: appends what was added since the last copy when the text
// only grew, and scrolls to the newest line when the caret is there.
void presentSummary(QPlainTextEdit* widget, const SummaryBox& box, std::string& shownText) {
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

}  // namespace

QString shownLines(std::string_view text) {
  QString shown = fromNative(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return shown;
}

ControlBinding::ControlBinding(QLabel* widget, const Label& label) {
  present_ = [widget, &label] {
    const QString text = shownLines(label.caption);
    if (widget->text() != text) widget->setText(text);
    setShown(widget, label.visible);
  };
}

ControlBinding::ControlBinding(ElidingLabel* widget, const Label& label) {
  present_ = [widget, &label] {
    widget->setFullText(shownLines(label.caption));
    setShown(widget, label.visible);
  };
}

ControlBinding::ControlBinding(QGroupBox* widget, const Label& label) {
  present_ = [widget, &label] {
    const QString title = fromNative(label.caption);
    if (widget->title() != title) widget->setTitle(title);
  };
}

ControlBinding::ControlBinding(QWidget* widget, const Shape& shape) {
  present_ = [widget, &shape] { setShown(widget, shape.visible); };
}

ControlBinding::ControlBinding(QPushButton* widget, Button& button) {
  present_ = [widget, &button] {
    setCaption(widget, button.caption);
    if (widget->property(kHelpTopicProperty).toInt() != button.helpTopic) {
      widget->setProperty(kHelpTopicProperty, button.helpTopic);
    }
    widget->setEnabled(button.enabled);
    setShown(widget, button.visible);
  };
  connect_ = [widget, &button](const BindingContext& context) {
    QObject::connect(widget, &QAbstractButton::clicked, context.owner, [&button, context] {
      fire(button.onClick);
      context.handled();
    });
  };
}

ControlBinding::ControlBinding(ClickableLabel* widget, Image& image) {
  present_ = [widget, &image] {
    const QString tip = fromNative(image.toolTip);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
  };
  connect_ = [widget, &image](const BindingContext& context) {
    QObject::connect(widget, &ClickableLabel::clicked, context.owner, [&image, context] {
      fire(image.onClick);
      context.handled();
    });
  };
}

ControlBinding::ControlBinding(QCheckBox* widget, CheckBox& box) {
  present_ = [widget, &box] {
    const QSignalBlocker quiet(widget);
    setCaption(widget, box.caption);
    widget->setChecked(box.ticked);
    widget->setEnabled(box.enabled);
  };
  connect_ = [widget, &box](const BindingContext& context) {
    QObject::connect(widget, &QAbstractButton::clicked, context.owner, [&box, context](bool ticked) {
      box.ticked = ticked;
      fire(box.onClick);
      context.handled();
    });
  };
}

ControlBinding::ControlBinding(QRadioButton* widget, OptionButton& option) {
  present_ = [widget, &option] {
    const QSignalBlocker quiet(widget);
    setCaption(widget, option.caption);
    // Radio buttons in one group would refuse to clear themselves.
    const bool exclusive = widget->autoExclusive();
    widget->setAutoExclusive(false);
    widget->setChecked(option.selected);
    widget->setAutoExclusive(exclusive);
    widget->setEnabled(option.enabled);
  };
  connect_ = [widget, &option](const BindingContext& context) {
    QObject::connect(widget, &QAbstractButton::clicked, context.owner, [&option, context] {
      fire(option.onClick);
      context.handled();
    });
  };
}

ControlBinding::ControlBinding(QLineEdit* widget, TextBox& box) {
  present_ = [widget, &box] {
    const QSignalBlocker quiet(widget);
    const QString text = fromNative(box.text);
    if (widget->text() != text) widget->setText(text);
    widget->setEnabled(box.enabled);
  };
  connect_ = [widget, &box](const BindingContext& context) {
    QObject::connect(widget, &QLineEdit::textEdited, context.owner, [widget, &box, context](const QString& text) {
      box.text = toNative(text);
      box.selectionStart = static_cast<std::size_t>(widget->cursorPosition());
      box.selectionLength = 0;
      context.handled();
    });
    if (!box.onGotFocus && !box.onLostFocus) return;
    new EventHook(widget, [widget, &box, context](QEvent* event) {
      if (!isFocusMoveWithinWindow(event)) return;
      if (event->type() == QEvent::FocusIn) {
        fire(box.onGotFocus);
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, widget, [widget, &box] {
          if (widget->hasFocus()) {
            widget->setSelection(static_cast<int>(box.selectionStart), static_cast<int>(box.selectionLength));
          }
        });
        context.handled();
      } else if (!context.quiet()) {
        fire(box.onLostFocus);
        context.handled();
      }
    });
  };
}

ControlBinding::ControlBinding(PathLineEdit* widget, TextBox& box)
    : ControlBinding(static_cast<QLineEdit*>(widget), box) {
  present_ = [widget, presentText = present_] {
    presentText();
    widget->updateToolTip();
  };
}

ControlBinding::ControlBinding(QComboBox* widget, DropDownList& list) {
  present_ = [widget, &list] { presentList(widget, list); };
  connect_ = [widget, &list](const BindingContext& context) { connectList(widget, list, context); };
}

ControlBinding::ControlBinding(PathComboBox* widget, DropDownList& list) {
  present_ = [widget, &list] {
    presentList(widget, list);
    widget->updateToolTips();
  };
  connect_ = [widget, &list](const BindingContext& context) { connectList(widget, list, context); };
}

ControlBinding::ControlBinding(QProgressBar* widget, const ProgressBar& bar) {
  present_ = [widget, &bar] {
    const int maximum = std::max(bar.maximum, 0);
    if (widget->maximum() != maximum || widget->minimum() != 0) widget->setRange(0, maximum);
    const int value = std::clamp(bar.value, 0, maximum);
    if (widget->value() != value) widget->setValue(value);
    setShown(widget, bar.visible);
  };
}

ControlBinding::ControlBinding(QListWidget* widget, ListBox& list) {
  present_ = [widget, &list] {
    {
      const QSignalBlocker quiet(widget);
      QStringList entries;
      for (const std::string& entry : list.entries) entries << fromNative(entry);
      QStringList shown;
      for (int row = 0; row < widget->count(); ++row) shown << widget->item(row)->text();
      if (shown != entries) {
        widget->clear();
        widget->addItems(entries);
      }
      const int selected = list.selected ? static_cast<int>(*list.selected) : -1;
      if (widget->currentRow() != selected) widget->setCurrentRow(selected);
    }
    if (list.focused && !widget->hasFocus() && widget->isVisible()) widget->setFocus();
  };
  connect_ = [widget, &list](const BindingContext& context) {
    QObject::connect(widget, &QListWidget::currentRowChanged, context.owner, [&list, context](int row) {
      if (context.quiet() || row < 0 || !list.onClick) return;
      list.onClick(static_cast<std::size_t>(row));
      context.handled();
    });
    QObject::connect(widget, &QListWidget::itemDoubleClicked, context.owner,
                     [widget, &list, context](QListWidgetItem* item) {
                       const int row = widget->row(item);
                       if (row < 0 || !list.onDblClick) return;
                       list.onDblClick(static_cast<std::size_t>(row));
                       context.handled();
                     });
    new EventHook(widget, [&list](QEvent* event) {
      if (event->type() == QEvent::FocusOut) fire(list.onLostFocus);
    });
  };
}

ControlBinding::ControlBinding(QTabWidget* widget, TabControl& tabs) {
  present_ = [widget, &tabs] {
    {
      const QSignalBlocker quiet(widget);
      const int count = std::min(widget->count(), static_cast<int>(tabs.tabs.size()));
      for (int tab = 0; tab < count; ++tab) {
        const auto index = static_cast<std::size_t>(tab);
        const QString text = fromNative(tabs.tabs[index]);
        if (widget->tabText(tab) != text) widget->setTabText(tab, text);
        widget->setTabEnabled(tab, index < tabs.available.size() && tabs.available[index]);
      }
      const int selected = static_cast<int>(tabs.selected);
      if (widget->currentIndex() != selected) widget->setCurrentIndex(selected);
    }
    setShown(widget, tabs.visible);
  };
  connect_ = [widget, &tabs](const BindingContext& context) {
    QObject::connect(widget, &QTabWidget::currentChanged, context.owner, [&tabs, context](int tab) {
      if (context.quiet() || tab < 0 || !tabs.onClick) return;
      tabs.onClick(static_cast<std::size_t>(tab));
      context.handled();
    });
  };
}

ControlBinding::ControlBinding(QTreeWidget* widget, FileListView& list) {
  present_ = [widget, &list] { presentRows(widget, list); };
  connect_ = [widget, &list](const BindingContext& context) {
    QObject::connect(widget, &QTreeWidget::itemChanged, context.owner,
                     [widget, &list, context](QTreeWidgetItem* item, int column) {
                       if (context.quiet() || column != 0 || !list.onItemCheck) return;
                       const int row = widget->indexOfTopLevelItem(item);
                       if (row < 0) return;
                       list.onItemCheck(static_cast<std::size_t>(row), item->checkState(0) == Qt::Checked);
                       context.handled();
                     });
    QObject::connect(widget->header(), &QHeaderView::sectionClicked, context.owner, [&list, context](int section) {
      if (!list.onColumnClick) return;
      list.onColumnClick(section + 1);
      context.handled();
    });
    new EventHook(widget->viewport(), [widget, &list](QEvent* event) {
      if (event->type() == QEvent::Resize) fitColumns(widget, list);
    });
  };
}

ControlBinding::ControlBinding(QPlainTextEdit* widget, const SummaryBox& box) {
  auto shownText = std::make_shared<std::string>();
  present_ = [widget, &box, shownText] { presentSummary(widget, box, *shownText); };
}

}  // namespace qm::ui
