#include "sheet_view/sheet_canvas.h"

#include <QPainter>
#include <algorithm>

namespace ivgen {

namespace {

constexpr int kBand = 256;

int BandOf(int y) { return std::max(0, y) / kBand; }

}  // namespace

int SheetCanvas::AddFont(const QFont& font) {
  fonts_.push_back(font);
  return static_cast<int>(fonts_.size() - 1);
}

int SheetCanvas::AddImage(const QImage& image) {
  images_.push_back(image);
  return static_cast<int>(images_.size() - 1);
}

void SheetCanvas::Text(const QRect& box, int font, const QColor& color, int baseline, const QString& text) {
  items_.push_back({box, Kind::Text, font, color, baseline, text});
}

void SheetCanvas::Fill(const QRect& box, const QColor& color) {
  if (!box.isEmpty()) items_.push_back({box, Kind::Fill, 0, color, 0, {}});
}

void SheetCanvas::Ellipse(const QRect& box, const QColor& color) {
  if (!box.isEmpty()) items_.push_back({box, Kind::Ellipse, 0, color, 0, {}});
}

void SheetCanvas::Image(const QRect& box, int image) {
  if (!box.isEmpty()) items_.push_back({box, Kind::Image, image, {}, 0, {}});
}

void SheetCanvas::Finish() {
  bands_.clear();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const QRect& box = items_[i].box;
    const int last = BandOf(box.y() + std::max(0, box.height() - 1));
    if (static_cast<int>(bands_.size()) <= last) bands_.resize(last + 1);
    for (int band = BandOf(box.y()); band <= last; ++band) bands_[band].push_back(i);
  }
}

QString SheetCanvas::Text() const {
  QStringList words;
  for (const Item& item : items_) {
    if (item.kind == Kind::Text) words << item.text;
  }
  return words.join(' ');
}

void SheetCanvas::Paint(QPainter& painter, const QRect& clip) const {
  std::vector<int> meeting;
  const int first = BandOf(clip.y());
  const int last = std::min<int>(BandOf(clip.y() + clip.height()), static_cast<int>(bands_.size()) - 1);
  for (int band = first; band <= last; ++band) meeting.insert(meeting.end(), bands_[band].begin(), bands_[band].end());
  std::sort(meeting.begin(), meeting.end());
  meeting.erase(std::unique(meeting.begin(), meeting.end()), meeting.end());
  for (const int i : meeting) {
    const Item& item = items_[i];
    if (!item.box.intersects(clip)) continue;
    switch (item.kind) {
      case Kind::Text:
        painter.setFont(fonts_[item.index]);
        painter.setPen(item.color);
        painter.drawText(QPointF(item.box.x(), item.baseline), item.text);
        break;
      case Kind::Fill:
        painter.fillRect(item.box, item.color);
        break;
      case Kind::Ellipse:
        painter.setPen(Qt::NoPen);
        painter.setBrush(item.color);
        painter.drawEllipse(item.box);
        painter.setBrush(Qt::NoBrush);
        break;
      case Kind::Image:
        painter.drawImage(item.box, images_[item.index]);
        break;
    }
  }
}

}  // namespace ivgen
