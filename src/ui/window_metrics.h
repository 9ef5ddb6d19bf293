// Window sizes are given in twips (1/1440 inch), as the wizard has always
// measured them; the screen's logical resolution turns them into pixels so
// that the windows keep their proportions to the text at any scaling.
#pragma once

#include <QSize>

class QWidget;

namespace qm::ui {

inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(int twips, int logicalDpi);
// The size in pixels for `widget`'s screen (96 dots per inch when there is none).
QSize twipsSize(const QWidget* widget, int widthTwips, int heightTwips);

}  // namespace qm::ui
