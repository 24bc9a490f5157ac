#include "ui/pdf_export.h"

#include <QGuiApplication>
#include <iostream>
#include <string>

#include "app/editor.h"
#include "platform/program_folder.h"
#include "platform/scripted_platform.h"
#include "sheet/print_sheet.h"
#include "ui/qt_text.h"
#include "ui/sheet_preview.h"

namespace ivgen {

namespace {

// No one is there to answer: every prompt takes its first button, and what a message said is
// kept for standard error.
class UnattendedPlatform : public ScriptedPlatform {
 public:
  Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override {
    said_ = text.Utf8();
    return ScriptedPlatform::Message(text, title, icon, buttons);
  }
  const std::string& Said() const { return said_; }

 private:
  std::string said_;
};

// Qt's own remarks (a missing runtime folder, a font substituted) are kept, and told only when
// the export fails: a successful export prints nothing.
std::string& QtRemarks() {
  static std::string remarks;
  return remarks;
}

void KeepRemark(QtMsgType, const QMessageLogContext&, const QString& message) {
  QtRemarks() += message.toStdString() + "\n";
}

int Fail(const std::string& why) {
  std::cerr << QtRemarks() << "ivgen: " << why << "\n";
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
  qInstallMessageHandler(KeepRemark);
  // Fonts and pictures need a GUI application, but no window is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  UnattendedPlatform platform;
  Editor editor(platform, ProgramFolder(), "");
  if (!editor.Startup()) return Fail(platform.Said());
  editor.OpenNamed(character);
  if (editor.Document().CurrentFile != character) {
    return Fail(platform.Said().empty() ? "could not open " + character : platform.Said());
  }

  const CharacterRecord& record = editor.Record();
  const std::string html = PreviewSheet(record, editor.CurrentCatalogs(), ExportOptions(record), record.StreetName);
  QString error;
  const QByteArray pdf = SheetPdf(html, SheetPictureFolders(character), SheetPageLayout(), error);
  if (pdf.isEmpty()) return Fail("the sheet of " + character + " could not be laid out as PDF: " + error.toStdString());
  const IoResult written = WriteSheetFile(out, std::string_view(pdf.constData(), pdf.size()));
  if (!written.ok) return Fail(written.Describe("write").Utf8());
  return 0;
}

}  // namespace ivgen
