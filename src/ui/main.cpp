// ivgen: the desktop character generator.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "app/settings.h"
#include "platform/program_folder.h"
#include "ui/about_dialog.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/pdf_export.h"
#include "ui/qt_platform.h"

namespace {

void Centre(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.x() + (screen.width() - window.width()) / 2, screen.y() + (screen.height() - window.height()) / 2);
}

// For the start-up benchmark: end as soon as the first window has been shown and painted.
void QuitOnceShownIfAsked() {
  if (qEnvironmentVariableIsSet("IVGEN_QUIT_WHEN_SHOWN")) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == ivgen::kExportPdfOption) return ivgen::ExportPdfMain(argc, argv);
  // The command line names the settings file; read it before Qt takes its own options away.
  std::vector<const char*> arguments(argv, argv + argc);
  std::string commandLine = ivgen::CommandLineText(argc, arguments.data());
  // A file manager starts the program with the character double-clicked; that names no settings.
  std::string character;
  if (ivgen::NamesCharacter(commandLine)) character = std::exchange(commandLine, "");

  QApplication app(argc, argv);
  QApplication::setOrganizationName("ivgen");
  QApplication::setApplicationName("ivgen");
  QApplication::setWindowIcon(ivgen::WindowIcon());

  ivgen::QtPlatform platform;
  ivgen::Editor editor(platform, ivgen::ProgramFolder(), commandLine);

  // The splash deletes itself when closed, by a click or by a prompt during start-up.
  QPointer<ivgen::SplashWindow> splash = new ivgen::SplashWindow(QString("version ") + ivgen::kVersionText);
  QObject::connect(splash, &ivgen::SplashWindow::Clicked, splash, [&editor, splash] {
    editor.Info().HideSplash();
    splash->close();
  });
  platform.SetSplash(splash);
  Centre(*splash);
  splash->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

  if (!editor.Startup()) return 1;
  if (!editor.Info().About().splashVisible && splash) splash->close();

  ivgen::MainWindow window(editor, &platform);
  if (!window.RestoredPlace()) Centre(window);
  window.show();
  if (!character.empty()) QTimer::singleShot(0, &window, [&window, character] { window.OpenNamed(character); });
  QuitOnceShownIfAsked();
  return QApplication::exec();
}
