#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ivgen {

QPixmap LogoPixmap(int size, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(size, size) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  // A shield of iron with a veil drawn across it.
  QPainterPath shield;
  shield.moveTo(s * 0.5, s * 0.04);
  shield.lineTo(s * 0.9, s * 0.18);
  shield.cubicTo(s * 0.9, s * 0.62, s * 0.72, s * 0.84, s * 0.5, s * 0.96);
  shield.cubicTo(s * 0.28, s * 0.84, s * 0.1, s * 0.62, s * 0.1, s * 0.18);
  shield.closeSubpath();
  QLinearGradient iron(0, 0, s, s);
  iron.setColorAt(0, QColor(0x6b, 0x74, 0x7d));
  iron.setColorAt(1, QColor(0x24, 0x29, 0x30));
  painter.setPen(QPen(QColor(0x12, 0x14, 0x18), s * 0.03));
  painter.setBrush(iron);
  painter.drawPath(shield);
  QPainterPath veil;
  veil.moveTo(s * 0.14, s * 0.34);
  veil.cubicTo(s * 0.35, s * 0.52, s * 0.65, s * 0.22, s * 0.86, s * 0.4);
  veil.lineTo(s * 0.8, s * 0.56);
  veil.cubicTo(s * 0.62, s * 0.42, s * 0.38, s * 0.7, s * 0.2, s * 0.52);
  veil.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x3f, 0xb8, 0xc8, 210));
  painter.drawPath(veil);
  painter.setPen(QColor(0xf2, 0xf2, 0xf2));
  QFont font("Sans Serif");
  font.setBold(true);
  font.setPixelSize(qMax(6, int(s * 0.28)));
  painter.setFont(font);
  painter.drawText(QRectF(0, s * 0.52, s, s * 0.34), Qt::AlignCenter, "IV");
  return pixmap;
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(LogoPixmap(size));
  return icon;
}

}  // namespace ivgen
