// Copies the wizard's control values onto widgets. The logic keeps every
// caption, tick and enabled flag; a window calls these after each handler
// so that what it shows is exactly the logic's state. Widgets are only
// touched where they differ, so a refresh neither flickers nor moves carets.
#pragma once

#include <QString>

#include "wizard/controls.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace qm::ui {

void setShown(QWidget* widget, bool visible);
void setTextIfChanged(QLabel* widget, const QString& text);

// Multi-line captions come with CR LF between their lines.
void present(QLabel* widget, const Label& label);
void present(QAbstractButton* widget, const Button& button);
void present(QAbstractButton* widget, const CheckBox& box);
void present(QAbstractButton* widget, const OptionButton& option);
// The text and the enabled flag. The selection is applied once, after the box
// got the focus (selectAsLogicSays), since typing moves it on from there.
void present(QLineEdit* widget, const TextBox& box);
void selectAsLogicSays(QLineEdit* widget, const TextBox& box);
void present(QComboBox* widget, const DropDownList& list);
void present(QProgressBar* widget, const ProgressBar& bar);

// The summary box: appends what was added since the last copy when the
// text only grew, and scrolls to the newest line when the caret is there.
void present(QPlainTextEdit* widget, const SummaryBox& box, std::string& shownText);

}  // namespace qm::ui
