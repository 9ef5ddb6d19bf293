#include "ui/window_metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace qm::ui {

int twipsToPixels(int twips, int logicalDpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpi / kTwipsPerInch));
}

QSize twipsSize(const QWidget* widget, int widthTwips, int heightTwips) {
  const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
  const int dpiX = screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
  const int dpiY = screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
  return {twipsToPixels(widthTwips, dpiX), twipsToPixels(heightTwips, dpiY)};
}

}  // namespace qm::ui
