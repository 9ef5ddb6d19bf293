#include "ui/artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace qm::ui {
namespace {

// A transparent pixmap at the screen's pixel ratio, so the pictures stay
// sharp on high-density screens.
QPixmap blankPixmap(int size) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(QSize(size, size) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

const QColor kDeepBlue(0x1f, 0x4e, 0x8c);
const QColor kLightBlue(0x5b, 0x9b, 0xe0);
const QColor kAmber(0xf2, 0xb1, 0x34);

}  // namespace

QPixmap makerBadge(int size) {
  QPixmap pixmap = blankPixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF outer(1, 1, size - 2, size - 2);

  QRadialGradient fill(outer.center() - QPointF(size * 0.15, size * 0.2), size * 0.75);
  fill.setColorAt(0, kLightBlue);
  fill.setColorAt(1, kDeepBlue);
  p.setPen(QPen(kDeepBlue.darker(130), size / 24.0 + 0.5));
  p.setBrush(fill);
  p.drawEllipse(outer);

  // A quill across the badge: the product's mark.
  QPainterPath feather;
  const qreal s = size;
  feather.moveTo(s * 0.28, s * 0.76);
  feather.cubicTo(s * 0.36, s * 0.48, s * 0.52, s * 0.28, s * 0.76, s * 0.22);
  feather.cubicTo(s * 0.70, s * 0.44, s * 0.54, s * 0.62, s * 0.30, s * 0.74);
  feather.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(feather);
  p.setPen(QPen(kAmber, s / 16.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(s * 0.24, s * 0.80), QPointF(s * 0.34, s * 0.68));
  return pixmap;
}

QPixmap webImage(int size) {
  QPixmap pixmap = blankPixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF globe(1.5, 1.5, size - 3, size - 3);
  p.setPen(QPen(kDeepBlue, 1.2));
  p.setBrush(kLightBlue.lighter(140));
  p.drawEllipse(globe);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(globe.adjusted(size * 0.28, 0, -size * 0.28, 0));
  p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
  p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
  return pixmap;
}

QPixmap mailImage(int size) {
  QPixmap pixmap = blankPixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF envelope(1.5, size * 0.2, size - 3, size * 0.6);
  p.setPen(QPen(kDeepBlue, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(envelope);
  p.drawLine(envelope.topLeft(), QPointF(envelope.center().x(), envelope.center().y() + size * 0.05));
  p.drawLine(envelope.topRight(), QPointF(envelope.center().x(), envelope.center().y() + size * 0.05));
  return pixmap;
}

QPixmap closeImage(int size) {
  QPixmap pixmap = blankPixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(1, 1, size - 2, size - 2);
  p.setPen(QPen(kDeepBlue.darker(130), 1));
  p.setBrush(kDeepBlue);
  p.drawEllipse(disc);
  p.setPen(QPen(Qt::white, size / 9.0, Qt::SolidLine, Qt::RoundCap));
  const qreal a = size * 0.33, b = size * 0.67;
  p.drawLine(QPointF(a, a), QPointF(b, b));
  p.drawLine(QPointF(b, a), QPointF(a, b));
  return pixmap;
}

}  // namespace qm::ui
