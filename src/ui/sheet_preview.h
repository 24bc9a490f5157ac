// The sheet beside the pages while the character is built, and the sheet as PDF and on paper;
// none of them finalizes the character.
#pragma once

#include <QAbstractScrollArea>
#include <QDockWidget>
#include <QFutureWatcher>
#include <QLabel>
#include <QTimer>
#include <memory>

#include "sheet_view/sheet_document.h"

namespace ivgen {

class Editor;
class Platform;

/// A laid-out sheet, scaled to the width of the pane.
class SheetView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit SheetView(QWidget* parent);
  /// Shows a new layout where the reader was in the previous one.
  void Show(std::shared_ptr<const SheetDocument> sheet);
  const SheetDocument* Shown() const { return sheet_.get(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  double Scale() const;
  void UpdateRange();
  std::shared_ptr<const SheetDocument> sheet_;
};

class SheetPreview : public QDockWidget {
  Q_OBJECT
 public:
  SheetPreview(Editor& editor, QWidget* parent);
  ~SheetPreview() override;

  /// After every action: the sheet is made again a moment after the last one, and only while the
  /// pane shows, so an action never waits for it.
  void Refresh();
  /// How many sheets the pane has asked for since it was built.
  int Generated() const { return generated_; }
  /// The sheet the pane shows, or is laying out to show.
  const QString& ShownHtml() const { return shown_; }
  /// The layout on screen; null until the first one is ready.
  const SheetDocument* ShownLayout() const { return view_->Shown(); }

 signals:
  /// "Options..." changed the print options.
  void Changed();
  /// A new layout is on screen.
  void Painted();

 private:
  void Regenerate();
  void LayoutReady();
  /// Closed, the pane keeps no layout and gives its memory back.
  void LetLayoutGo();

  Editor& editor_;
  QTimer* delay_ = nullptr;
  QLabel* problem_;
  SheetView* view_;
  QFutureWatcher<std::shared_ptr<const SheetDocument>> worker_;
  /// Shown and in front of any pane it shares a place with.
  bool onScreen_ = false;
  QString shown_;
  // A sheet asked for while another was being laid out: laid out as soon as that one is done.
  bool again_ = false;
  int generated_ = 0;
};

/// Where a sheet's picture name is looked up: the character file's folder (the working folder
/// for a character never saved), then the program's.
PictureFolders SheetPictureFolders(const std::string& characterFile);
/// The width of the page's printable area in sheet pixels: the preview is laid out as the page.
int SheetPageWidth();
/// File > "Export Sheet as PDF...": the file dialog, then the PDF written and the outcome told.
void ExportSheetAsPdf(Editor& editor, Platform& platform, QWidget* parent);
/// File > "Print Sheet...": the print dialog, then the sheet on paper.
void PrintSheetOnPaper(Editor& editor, Platform& platform, QWidget* parent);

}  // namespace ivgen
