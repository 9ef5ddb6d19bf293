// One row of a window's binding table: a widget and the wizard control it
// shows. present() copies the control's caption, text, tick, selection,
// enabled and visible flags onto the widget, touching only what differs, so
// a refresh neither flickers nor moves carets; connect() forwards what the
// person does with the widget to the control: it sets the control's value
// and runs the control's handler, then the window shows what it did.
//
// A row is all a window needs for a control, whatever its kind: adding a
// check box to a page means adding it to the page and one row to the table.
#pragma once

#include <QString>
#include <functional>

#include "wizard/controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace qm::ui {

class ClickableLabel;
class ElidingLabel;
class PathComboBox;
class PathLineEdit;

// What the rows of one window share.
struct BindingContext {
  QObject* owner = nullptr;       // the connections live as long as it does
  std::function<void()> handled;  // after a handler: the window shows what it did
  std::function<bool()> quiet;    // while the window copies the logic, widget signals are echoes
};

class ControlBinding {
 public:
  ControlBinding(QLabel* widget, const Label& label);
  ControlBinding(ElidingLabel* widget, const Label& label);
  ControlBinding(QGroupBox* widget, const Label& label);
  ControlBinding(QWidget* widget, const Shape& shape);
  ControlBinding(QPushButton* widget, Button& button);
  ControlBinding(ClickableLabel* widget, Image& image);
  ControlBinding(QCheckBox* widget, CheckBox& box);
  ControlBinding(QRadioButton* widget, OptionButton& option);
  ControlBinding(QLineEdit* widget, TextBox& box);
  ControlBinding(PathLineEdit* widget, TextBox& box);
  ControlBinding(QComboBox* widget, DropDownList& list);
  ControlBinding(PathComboBox* widget, DropDownList& list);
  ControlBinding(QProgressBar* widget, const ProgressBar& bar);
  ControlBinding(QListWidget* widget, ListBox& list);
  ControlBinding(QTabWidget* widget, TabControl& tabs);
  ControlBinding(QTreeWidget* widget, FileListView& list);
  ControlBinding(QPlainTextEdit* widget, const SummaryBox& box);

  void present() const { present_(); }
  void connect(const BindingContext& context) const {
    if (connect_) connect_(context);
  }

 private:
  std::function<void()> present_;
  std::function<void(const BindingContext&)> connect_;
};

// The widget property that holds a button's help topic, for F1.
inline constexpr const char* kHelpTopicProperty = "helpTopic";

// Multi-line captions come with CR LF between their lines.
QString shownLines(std::string_view text);

}  // namespace qm::ui
