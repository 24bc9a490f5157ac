#include "ui/pdf_export.h"

#include <unistd.h>

#include <QApplication>
#include <iostream>
#include <string>

#include "app/editor.h"
#include "platform/program_folder.h"
#include "platform/scripted_platform.h"
#include "sheet/print_sheet.h"
#include "ui/qt_text.h"
#include "ui/sheet_preview.h"
#include "ui/sheet_renderer.h"

namespace ivgen {

namespace {

int Fail(const std::string& why) {
  std::cerr << "ivgen: " << why << "\n";
  return 1;
}

}  // namespace

int ExportPdfMain(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: ivgen " << kExportPdfOption << " CHARACTER.iv3 OUT.pdf\n";
    return 2;
  }
  const std::string character = argv[2];
  const std::string out = argv[3];
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The engine's sandbox refuses to run as root, which is how CI and containers run it.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);

  UnattendedPlatform platform;
  Editor editor(platform, ProgramFolder(), "");
  if (!editor.Startup()) return Fail(platform.Said());
  editor.OpenNamed(character);
  if (editor.Document().CurrentFile != character) {
    return Fail(platform.Said().empty() ? "could not open " + character : platform.Said());
  }

  QString error;
  SheetRenderer* renderer = LoadSheetRenderer(error);
  if (renderer == nullptr) return Fail("the sheet of " + character + " cannot be laid out: " + error.toStdString());
  const CharacterRecord& record = editor.Record();
  const std::string html = PreviewSheet(record, editor.CurrentCatalogs(), ExportOptions(record), record.StreetName);
  const QByteArray pdf = renderer->RenderPdf(ToQt(html), SheetBase(character), SheetPageLayout());
  if (pdf.isEmpty()) return Fail("the sheet of " + character + " could not be laid out as PDF");
  const IoResult written = WriteSheetFile(out, std::string_view(pdf.constData(), pdf.size()));
  if (!written.ok) return Fail(written.Describe("write").Utf8());
  return 0;
}

}  // namespace ivgen
