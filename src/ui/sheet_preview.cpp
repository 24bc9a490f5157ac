#include "ui/sheet_preview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor.h"
#include "sheet/print_sheet.h"
#include "ui/qt_text.h"
#include "ui/sheet_renderer.h"

namespace ivgen {

namespace {

// Long enough that typing a name regenerates once, at its end.
constexpr int kRegenerateDelayMs = 400;

SheetRenderer* Renderer(Platform& platform) {
  QString error;
  SheetRenderer* renderer = LoadSheetRenderer(error);
  if (renderer == nullptr) {
    platform.Message("The character sheet cannot be laid out: " + FromQt(error), kAppTitle, Icon::Warning, Buttons::Ok);
  }
  return renderer;
}

}  // namespace

QUrl SheetBase(const std::string& characterFile) {
  const QString folder = characterFile.empty()
                             ? QDir::currentPath()
                             : QFileInfo(QFile::decodeName(QByteArray::fromStdString(characterFile))).absolutePath();
  return QUrl::fromLocalFile(folder + "/");
}

SheetPreview::SheetPreview(Editor& editor, QWidget* parent) : QDockWidget("Sheet Preview", parent), editor_(editor) {
  setObjectName("sheetPreview");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  auto* top = new QHBoxLayout;
  auto* note = new QLabel("Print to HTML finalizes the money left; this preview and the PDF do not.", body);
  note->setWordWrap(true);
  auto* options = new QPushButton("Options...", body);
  options->setObjectName("previewOptions");
  top->addWidget(note, 1);
  top->addWidget(options);
  layout->addLayout(top);
  problem_ = new QLabel(body);
  problem_->setTextFormat(Qt::PlainText);
  problem_->setWordWrap(true);
  problem_->hide();
  layout->addWidget(problem_);
  layout->addStretch(1);
  setWidget(body);

  delay_ = new QTimer(this);
  delay_->setObjectName("regenerateDelay");
  delay_->setSingleShot(true);
  delay_->setInterval(kRegenerateDelayMs);
  connect(delay_, &QTimer::timeout, this, &SheetPreview::Regenerate);
  // A timer of its own: start(0) on the delay would keep the delay at 0 from then on, and typing
  // would make a sheet per letter.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) QTimer::singleShot(0, this, &SheetPreview::Regenerate);
  });
  connect(options, &QPushButton::clicked, this, [this] {
    editor_.Sheet().EditOptions();
    emit Changed();
  });
}

void SheetPreview::Refresh() {
  if (isVisible()) delay_->start();
}

void SheetPreview::Regenerate() {
  if (!isVisible()) return;
  const QString html = ToQt(editor_.Sheet().Preview());
  ++generated_;
  if (view_ != nullptr && html == shown_) return;
  shown_ = html;
  QString error;
  SheetRenderer* renderer = LoadSheetRenderer(error);
  if (renderer == nullptr) {
    problem_->setText("The sheet cannot be shown: " + error);
    problem_->show();
    return;
  }
  if (view_ == nullptr) {
    view_ = renderer->CreateView(widget());
    auto* layout = static_cast<QVBoxLayout*>(widget()->layout());
    layout->insertWidget(layout->count() - 1, view_, 1);
    layout->setStretch(layout->count() - 1, 0);
  }
  renderer->Show(view_, html, SheetBase(editor_.Document().CurrentFile));
}

void ExportSheetAsPdf(Editor& editor, Platform& platform, QWidget*) {
  SheetRenderer* renderer = Renderer(platform);
  if (renderer == nullptr) return;
  const std::string path = AskPdfPath(editor.Record(), platform);
  if (path.empty()) return;
  const QByteArray pdf =
      renderer->RenderPdf(ToQt(editor.Sheet().Preview()), SheetBase(editor.Document().CurrentFile), SheetPageLayout());
  if (pdf.isEmpty()) {
    platform.Message("The character sheet could not be laid out as PDF.", kAppTitle, Icon::Warning, Buttons::Ok);
    return;
  }
  SaveSheetFile(path, std::string_view(pdf.constData(), pdf.size()), kPdfWritten, platform);
}

void PrintSheetOnPaper(Editor& editor, Platform& platform, QWidget* parent) {
  SheetRenderer* renderer = Renderer(platform);
  if (renderer == nullptr) return;
  renderer->PrintOnPaper(parent, ToQt(editor.Sheet().Preview()), SheetBase(editor.Document().CurrentFile),
                         SheetPageLayout());
}

}  // namespace ivgen
