// The character sheet laid out in our own process, as a browser would lay it out: painted in the
// preview pane, cut into pages for a PDF and for the printer. A layout is made once and then only
// read, so it may be made on a worker thread and painted on the window's.
#pragma once

#include <QPageLayout>
#include <QRect>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "sheet_view/sheet_pictures.h"

class QPainter;
class QPagedPaintDevice;

namespace ivgen {

/// Tables nested deeper than this are refused: the sheet nests four, and the layout's time grows
/// exponentially with the depth.
inline constexpr int kDeepestSheetTables = 8;
/// Elements nested deeper than this are refused: the layout walks them recursively.
inline constexpr int kDeepestSheetElements = 200;

/// One rectangle of the laid-out sheet placed on a page, both in sheet pixels.
struct PageSlice {
  QRect source;
  QPoint target;
};

/// What one page shows, scaled by scale from sheet pixels to the page's printable area.
struct SheetPage {
  std::vector<PageSlice> slices;
  double scale = 1.0;
};

class SheetDocument {
 public:
  /// Lays out a sheet (Windows-1252, as the sheet writer writes it) width pixels wide. Check
  /// Error(): a sheet that cannot be laid out has one and paints nothing.
  static std::shared_ptr<const SheetDocument> Lay(const std::string& html, const PictureFolders& folders, int width);
  ~SheetDocument();

  const QString& Error() const { return error_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  /// Every word the sheet shows, in drawing order.
  QString Text() const;
  /// Paints the part of the sheet inside clip (sheet pixels) at the painter's origin.
  void Paint(QPainter& painter, const QRect& clip) const;
  /// The sheet cut into pages whose printable area is pageHeight sheet pixels tall.
  std::vector<SheetPage> Pages(int pageHeight) const;

 private:
  struct Layout;
  SheetDocument() = default;
  std::unique_ptr<Layout> layout_;
  QString error_;
  int width_ = 0;
  int height_ = 0;
};

/// A4, or Letter where the locale measures in inches, with margins wide enough for any printer.
QPageLayout SheetPageLayout();
/// Paints the sheet on the pages of a PDF writer or a printer whose page layout is set. False,
/// with the reason, when it cannot be laid out.
bool PaintSheetPages(const std::string& html, const PictureFolders& folders, QPagedPaintDevice& device, QString& error);
/// The sheet as the bytes of a PDF file; empty, with the reason, when it cannot be laid out.
QByteArray SheetPdf(const std::string& html, const PictureFolders& folders, const QPageLayout& layout, QString& error);

}  // namespace ivgen
