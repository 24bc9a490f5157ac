// The sheet beside the pages while the character is built, and the sheet as PDF and on paper;
// none of them finalizes the character.
#pragma once

#include <QDockWidget>
#include <QLabel>
#include <QTimer>

class QMenu;

namespace ivgen {

class Editor;
class Platform;

class SheetPreview : public QDockWidget {
  Q_OBJECT
 public:
  SheetPreview(Editor& editor, QWidget* parent);

  /// After every action: the sheet is made again a moment after the last one, and only while the
  /// pane shows, so an action never waits for it.
  void Refresh();
  /// How many sheets the pane has made since it was built.
  int Generated() const { return generated_; }
  /// The sheet the pane shows now.
  const QString& ShownHtml() const { return shown_; }

 signals:
  /// "Options..." changed the print options.
  void Changed();

 private:
  void Regenerate();

  Editor& editor_;
  QTimer* delay_ = nullptr;
  QLabel* problem_;
  QWidget* view_ = nullptr;
  QString shown_;
  int generated_ = 0;
};

/// Where the sheet's picture name is looked up: the character file's folder, or the working
/// folder for a character never saved.
QUrl SheetBase(const std::string& characterFile);
/// File > "Export Sheet as PDF...": the file dialog, then the PDF written and the outcome told.
void ExportSheetAsPdf(Editor& editor, Platform& platform, QWidget* parent);
/// File > "Print Sheet...": the print dialog, then the sheet on paper.
void PrintSheetOnPaper(Editor& editor, Platform& platform, QWidget* parent);

}  // namespace ivgen
