// What the laid-out sheet draws, recorded once: painting a page or a screenful then replays only
// what falls inside it, so a sheet of ten thousand rows paints a page as fast as a short one, and
// the layout engine's objects need not outlive the layout.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace ivgen {

class SheetCanvas {
 public:
  int AddFont(const QFont& font);
  int AddImage(const QImage& image);
  QSize ImageSize(int image) const { return images_[image].size(); }
  void Text(const QRect& box, int font, const QColor& color, int baseline, const QString& text);
  void Fill(const QRect& box, const QColor& color);
  void Ellipse(const QRect& box, const QColor& color);
  void Image(const QRect& box, int image);
  /// Called once every item is recorded, before the first Paint.
  void Finish();
  /// Every text drawn, in drawing order, a blank between words: what a reader of the page finds.
  QString Text() const;
  /// Replays the items that meet clip, in the order they were drawn.
  void Paint(QPainter& painter, const QRect& clip) const;

 private:
  enum class Kind { Text, Fill, Ellipse, Image };
  struct Item {
    QRect box;
    Kind kind;
    int index;  // the font of a text, the image of an image
    QColor color;
    int baseline;
    QString text;
  };
  std::vector<Item> items_;
  std::vector<QFont> fonts_;
  std::vector<QImage> images_;
  // For each band of kBand pixels, the items that meet it, in drawing order.
  std::vector<std::vector<int>> bands_;
};

}  // namespace ivgen
