#include "ui/artwork.h"

#include <QIconEngine>
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

namespace {

using Drawing = void (*)(QPainter&, qreal);

// Draws on demand at whatever size is asked, and names a few sizes, so a window system that wants
// every listed size does not get a dozen.
class PaintedIconEngine final : public QIconEngine {
 public:
  explicit PaintedIconEngine(Drawing draw) : draw_(draw) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    draw_(*painter, qMin(rect.width(), rect.height()));
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{16, 16}, {32, 32}, {48, 48}}; }
  QIconEngine* clone() const override { return new PaintedIconEngine(draw_); }

 private:
  Drawing draw_;
};

const QColor kInk(0x30, 0x36, 0x3e);

void DrawNew(QPainter& p, qreal s) {
  QPainterPath page;
  page.moveTo(s * 0.2, s * 0.08);
  page.lineTo(s * 0.6, s * 0.08);
  page.lineTo(s * 0.8, s * 0.28);
  page.lineTo(s * 0.8, s * 0.92);
  page.lineTo(s * 0.2, s * 0.92);
  page.closeSubpath();
  p.setPen(QPen(kInk, qMax<qreal>(1, s * 0.06)));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawLine(QPointF(s * 0.6, s * 0.08), QPointF(s * 0.6, s * 0.28));
  p.drawLine(QPointF(s * 0.6, s * 0.28), QPointF(s * 0.8, s * 0.28));
}

void DrawOpen(QPainter& p, qreal s) {
  p.setPen(QPen(kInk, qMax<qreal>(1, s * 0.06)));
  p.setBrush(QColor(0xe8, 0xc1, 0x5a));
  QPainterPath folder;
  folder.moveTo(s * 0.06, s * 0.22);
  folder.lineTo(s * 0.38, s * 0.22);
  folder.lineTo(s * 0.46, s * 0.32);
  folder.lineTo(s * 0.94, s * 0.32);
  folder.lineTo(s * 0.94, s * 0.84);
  folder.lineTo(s * 0.06, s * 0.84);
  folder.closeSubpath();
  p.drawPath(folder);
}

void DrawSave(QPainter& p, qreal s) {
  p.setPen(QPen(kInk, qMax<qreal>(1, s * 0.06)));
  p.setBrush(QColor(0x4a, 0x78, 0xb0));
  p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.06, s * 0.06);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(s * 0.26, s * 0.1, s * 0.48, s * 0.3));
  p.drawRect(QRectF(s * 0.22, s * 0.56, s * 0.56, s * 0.34));
}

void DrawPrint(QPainter& p, qreal s) {
  p.setPen(QPen(kInk, qMax<qreal>(1, s * 0.06)));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(s * 0.26, s * 0.08, s * 0.48, s * 0.3));
  p.setBrush(QColor(0x8a, 0x92, 0x9c));
  p.drawRoundedRect(QRectF(s * 0.08, s * 0.36, s * 0.84, s * 0.36), s * 0.06, s * 0.06);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(s * 0.26, s * 0.6, s * 0.48, s * 0.32));
}

void DrawLogo(QPainter& p, qreal s) { p.drawPixmap(QRectF(0, 0, s, s), LogoPixmap(qRound(s)), QRectF()); }

}  // namespace

QIcon WindowIcon() { return QIcon(new PaintedIconEngine(DrawLogo)); }

QIcon ToolbarIcon(ToolIcon which) {
  switch (which) {
    case ToolIcon::New:
      return QIcon(new PaintedIconEngine(DrawNew));
    case ToolIcon::Open:
      return QIcon(new PaintedIconEngine(DrawOpen));
    case ToolIcon::Save:
      return QIcon(new PaintedIconEngine(DrawSave));
    case ToolIcon::Print:
      break;
  }
  return QIcon(new PaintedIconEngine(DrawPrint));
}

}  // namespace ivgen
