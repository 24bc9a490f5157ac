// The sheet preview under the offscreen platform: for each sample character and the large
// character, the time from the end of the pause after a change (the name typed) to the new sheet
// painted on the pane, and the process's memory before the pane opens, with it open, and after it
// is closed again.
//   preview_bench [RUNS]      (default 7)

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "large_character.h"
#include "quiet_platform.h"
#include "sheet_view/sheet_document.h"
#include "ui/main_window.h"
#include "ui/sheet_preview.h"

namespace ivgen {
namespace {

// Resident memory in MB, from the kernel's own count.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// Waits for the pane's next sheet on screen, at most 60 s.
bool WaitPainted(SheetPreview* preview) {
  QEventLoop loop;
  QObject::connect(preview, &SheetPreview::Painted, &loop, &QEventLoop::quit);
  QTimer::singleShot(60000, &loop, [&loop] { loop.exit(1); });
  return loop.exec() == 0;
}

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

void Measure(Editor& editor, const std::string& name, int runs) {
  MainWindow window(editor, nullptr);
  window.resize(1008, 700);
  window.show();
  Settle();
  const double before = ResidentMb();
  auto* preview = window.findChild<SheetPreview*>("sheetPreview");
  auto* pause = preview->findChild<QTimer*>("regenerateDelay");
  preview->toggleViewAction()->trigger();
  if (!WaitPainted(preview)) std::printf("%s: the first sheet never came\n", name.c_str());
  Settle();
  const double open = ResidentMb();
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    const auto started = QObject::connect(pause, &QTimer::timeout, [&timer] { timer.start(); });
    editor.Texts().Set("StreetName", "Bench " + std::to_string(run));
    window.Refresh();
    const bool painted = WaitPainted(preview);
    QObject::disconnect(started);
    if (!painted) {
      std::printf("%s: no sheet after a change\n", name.c_str());
      return;
    }
    // The paint itself: the pane is repainted at once.
    preview->repaint();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  preview->toggleViewAction()->trigger();
  Settle();
  const double closed = ResidentMb();
  // Where the refresh goes: the sheet's text, made on the window's thread, and its layout.
  QElapsedTimer part;
  part.start();
  const std::string html = editor.Sheet().Preview();
  const double text = static_cast<double>(part.nsecsElapsed()) / 1e6;
  part.restart();
  SheetDocument::Lay(html, SheetPictureFolders(editor.Document().CurrentFile), SheetPageWidth());
  const double layout = static_cast<double>(part.nsecsElapsed()) / 1e6;
  std::sort(times.begin(), times.end());
  std::printf(
      "%-16s refresh median %7.1f ms, worst %7.1f ms (text %.1f ms, layout %.1f ms); memory %6.1f MB before, %6.1f "
      "open, %6.1f closed\n",
      name.c_str(), times[times.size() / 2], times.back(), text, layout, before, open, closed);
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  using namespace ivgen;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  QuietPlatform platform;
  Editor editor(platform, IVGEN_BUNDLED_DATA "/", "");
  if (!editor.Startup()) {
    std::fprintf(stderr, "the bundled catalogs did not load\n");
    return 1;
  }
  for (const char* sample : {"razorback", "lanternjack", "greymane"}) {
    editor.OpenNamed(std::string(IVGEN_BUNDLED_DATA) + "/samples/" + sample + ".iv3");
    Measure(editor, sample, runs);
  }
  Editor large(platform, IVGEN_BUNDLED_DATA "/", "");
  large.Startup();
  BuildLargeCharacter(large);
  Measure(large, "large character", runs);
  return 0;
}
