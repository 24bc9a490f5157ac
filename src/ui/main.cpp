// ivgen: the desktop character generator.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <iostream>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "app/json_export.h"
#include "app/settings.h"
#include "platform/program_folder.h"
#include "ui/about_dialog.h"
#include "ui/artwork.h"
#include "ui/command_line.h"
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

// What the line asks for when it is not the window: the exit status.
int WithoutWindow(const ivgen::CommandLine& line, int argc, char** argv) {
  switch (line.action) {
    case ivgen::CommandLine::Action::Help:
      std::cout << ivgen::CommandLineHelp();
      return 0;
    case ivgen::CommandLine::Action::Version:
      std::cout << "ivgen " << ivgen::kVersionText << "\n";
      return 0;
    case ivgen::CommandLine::Action::ExportPdf:
      return ivgen::ExportPdfMain(line.exportFrom, line.exportTo, argc, argv);
    case ivgen::CommandLine::Action::ExportJson: {
      const char* const arguments[] = {argv[0], ivgen::kExportJsonOption, line.exportFrom.c_str(),
                                       line.exportTo.c_str()};
      return ivgen::ExportJsonMain(4, arguments, ivgen::ProgramFolder(), std::cerr);
    }
    default:
      std::cerr << "ivgen: " << line.error << "\n\n" << ivgen::CommandLineHelp();
      return 2;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  if (ivgen::ReadBeforeApplication(raw)) return WithoutWindow(ivgen::ReadCommandLine(raw), argc, argv);

  QApplication app(argc, argv);
  // Qt has taken its own options away; what is left is ivgen's.
  const ivgen::CommandLine line = ivgen::ReadCommandLine(QApplication::arguments());
  if (line.action != ivgen::CommandLine::Action::Window) return WithoutWindow(line, argc, argv);
  const std::string commandLine = line.settings;
  const std::string character = line.character;
  QApplication::setOrganizationName("ivgen");
  QApplication::setApplicationName("ivgen");
  QApplication::setWindowIcon(ivgen::WindowIcon());
  // Wayland shells find the menu entry, and so the icon, by this name.
  QGuiApplication::setDesktopFileName("org.ivgen.Ivgen");

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
