// The yardstick of the start-up benchmark: a plain Qt window with as many empty tabs as ivgen has
// pages, shown the same way and ended the same way.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* tabs = new QTabWidget(&window);
  for (int i = 0; i < 12; ++i) tabs->addTab(new QWidget, QString("Page %1").arg(i + 1));
  window.setCentralWidget(tabs);
  window.resize(760, 560);
  window.show();
  if (qEnvironmentVariableIsSet("IVGEN_QUIT_WHEN_SHOWN")) QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
