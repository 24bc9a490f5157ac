#include "ui/sheet_preview.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/editor.h"
#include "platform/program_folder.h"
#include "sheet/print_sheet.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// Long enough that typing a name regenerates once, at its end.
constexpr int kRegenerateDelayMs = 400;
// A frame around the page, so its edge shows against the pane.
constexpr int kMargin = 6;

QString FolderOf(const std::string& path) {
  return path.empty() ? QString() : QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absolutePath();
}

}  // namespace

PictureFolders SheetPictureFolders(const std::string& characterFile) {
  return {characterFile.empty() ? QDir::currentPath() : FolderOf(characterFile),
          QFile::decodeName(QByteArray::fromStdString(ProgramFolder()))};
}

int SheetPageWidth() {
  constexpr int kSheetDotsPerInch = 96;
  return static_cast<int>(SheetPageLayout().paintRect(QPageLayout::Inch).width() * kSheetDotsPerInch);
}

SheetView::SheetView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName("sheetView");
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(20);
}

double SheetView::Scale() const {
  if (!sheet_ || sheet_->Width() <= 0) return 1.0;
  return static_cast<double>(std::max(1, viewport()->width() - 2 * kMargin)) / sheet_->Width();
}

void SheetView::UpdateRange() {
  const int height = sheet_ ? static_cast<int>(sheet_->Height() * Scale()) + 2 * kMargin : 0;
  verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
}

void SheetView::Show(std::shared_ptr<const SheetDocument> sheet) {
  // The reader stays on the line they were reading, whatever the new sheet's length.
  const double scale = Scale();
  const double at = verticalScrollBar()->value() / scale;
  sheet_ = std::move(sheet);
  UpdateRange();
  verticalScrollBar()->setValue(static_cast<int>(at * Scale()));
  viewport()->update();
}

void SheetView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateRange();
}

void SheetView::paintEvent(QPaintEvent* event) {
  if (!sheet_) return;
  QPainter painter(viewport());
  const double scale = Scale();
  painter.translate(kMargin, kMargin - verticalScrollBar()->value());
  painter.fillRect(QRectF(0, 0, sheet_->Width() * scale, sheet_->Height() * scale), Qt::white);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect shown = painter.transform().inverted().mapRect(event->rect()).adjusted(-1, -1, 1, 1);
  painter.setClipRect(QRect(0, 0, sheet_->Width(), sheet_->Height()));
  sheet_->Paint(painter, shown);
}

SheetPreview::SheetPreview(Editor& editor, QWidget* parent) : QDockWidget("Sheet Preview", parent), editor_(editor) {
  setObjectName("sheetPreview");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  auto* top = new QHBoxLayout;
  auto* note = new QLabel("Print to HTML finalizes the money left; this preview and the PDF do not.", body);
  note->setWordWrap(true);
  auto* options = new QPushButton("&Options...", body);
  options->setObjectName("previewOptions");
  top->addWidget(note, 1);
  top->addWidget(options);
  layout->addLayout(top);
  problem_ = new QLabel(body);
  problem_->setTextFormat(Qt::PlainText);
  problem_->setWordWrap(true);
  problem_->hide();
  layout->addWidget(problem_);
  view_ = new SheetView(body);
  layout->addWidget(view_, 1);
  setWidget(body);

  delay_ = new QTimer(this);
  delay_->setObjectName("regenerateDelay");
  delay_->setSingleShot(true);
  delay_->setInterval(kRegenerateDelayMs);
  connect(delay_, &QTimer::timeout, this, &SheetPreview::Regenerate);
  connect(&worker_, &QFutureWatcher<std::shared_ptr<const SheetDocument>>::finished, this, &SheetPreview::LayoutReady);
  // A timer of its own: start(0) on the delay would keep the delay at 0 from then on, and typing
  // would make a sheet per letter.
  // Behind another pane's tab the pane is not on screen either, and makes no sheet; closed, it
  // lets its layout go, which for a large character is tens of megabytes.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    onScreen_ = visible;
    if (visible) {
      QTimer::singleShot(0, this, &SheetPreview::Regenerate);
    } else if (isHidden()) {
      LetLayoutGo();
    }
  });
  connect(options, &QPushButton::clicked, this, [this] {
    editor_.Sheet().EditOptions();
    emit Changed();
  });
}

SheetPreview::~SheetPreview() { worker_.waitForFinished(); }

void SheetPreview::Refresh() {
  if (onScreen_) delay_->start();
}

void SheetPreview::Regenerate() {
  if (!onScreen_) return;
  if (worker_.isRunning()) {
    again_ = true;
    return;
  }
  // The sheet's text comes from the document, on this thread; only its layout goes to a worker.
  const std::string html = editor_.Sheet().Preview();
  ++generated_;
  const QString text = ToQt(html);
  if (view_->Shown() != nullptr && text == shown_) return;
  shown_ = text;
  worker_.setFuture(QtConcurrent::run(&SheetDocument::Lay, html, SheetPictureFolders(editor_.Document().CurrentFile),
                                      SheetPageWidth()));
}

// A layout is built on a worker thread, in memory the C library keeps for that thread once it is
// freed; handed back, a closed preview costs the window nothing. A layout still being made is let
// go when it is ready.
void SheetPreview::LetLayoutGo() {
  delay_->stop();
  view_->Show(nullptr);
  shown_.clear();
  again_ = false;
  if (!worker_.isRunning()) worker_.setFuture({});
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

void SheetPreview::LayoutReady() {
  // The empty future that lets a layout go finishes too, with nothing in it.
  if (worker_.future().resultCount() == 0) return;
  const auto sheet = worker_.result();
  // Closed while it was laid out: the pane keeps nothing.
  if (isHidden()) {
    LetLayoutGo();
    return;
  }
  if (sheet->Error().isEmpty()) {
    problem_->hide();
    view_->Show(sheet);
  } else {
    problem_->setText("The character sheet cannot be shown: " + sheet->Error() + ".");
    problem_->show();
  }
  emit Painted();
  if (std::exchange(again_, false)) Regenerate();
}

void ExportSheetAsPdf(Editor& editor, Platform& platform, QWidget*) {
  const std::string path = AskPdfPath(editor.Record(), platform);
  if (path.empty()) return;
  QString error;
  const QByteArray pdf =
      SheetPdf(editor.Sheet().Preview(), SheetPictureFolders(editor.Document().CurrentFile), SheetPageLayout(), error);
  if (pdf.isEmpty()) {
    platform.Message("The character sheet could not be laid out as PDF: " + FromQt(error) + ".", kAppTitle,
                     Icon::Warning, Buttons::Ok);
    return;
  }
  SaveSheetFile(path, std::string_view(pdf.constData(), pdf.size()), kPdfWritten, platform);
}

void PrintSheetOnPaper(Editor& editor, Platform& platform, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(SheetPageLayout());
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  QString error;
  if (!PaintSheetPages(editor.Sheet().Preview(), SheetPictureFolders(editor.Document().CurrentFile), printer, error)) {
    platform.Message("The character sheet could not be printed: " + FromQt(error) + ".", kAppTitle, Icon::Warning,
                     Buttons::Ok);
  }
}

}  // namespace ivgen
