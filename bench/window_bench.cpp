// The window on a character ten times a typical one, under the offscreen platform: each step is a
// real click (a page's tab, a row of its list, a button), timed until the event loop is idle,
// painting included. Each run opens a fresh window, since a page's first visit builds its lists
// once; prints each step's median and worst over the runs, as wall time and processor time.
//   window_bench [RUNS]      (default 5)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "large_character.h"
#include "quiet_platform.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

// Runs the event loop until nothing is left to do: posted events, then a zero timer behind them.
void WaitIdle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Wall time, and the processor time this process took, which a machine busy with other work
// inflates far less.
struct Time {
  double wall = 0;
  double cpu = 0;
};

template <typename Click>
Time Timed(Click click) {
  QElapsedTimer timer;
  const double cpu = CpuMs();
  timer.start();
  click();
  WaitIdle();
  return {static_cast<double>(timer.nsecsElapsed()) / 1e6, CpuMs() - cpu};
}

void ClickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

void ClickRow(QTreeWidget* list, int row) {
  if (QTreeWidgetItem* item = list->topLevelItem(row)) {
    list->scrollToItem(item);
    ClickAt(list->viewport(), list->visualItemRect(item).center());
  }
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  using namespace ivgen;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  QuietPlatform platform;
  Editor editor(platform, IVGEN_BUNDLED_DATA "/", "");
  if (!editor.Startup()) {
    std::fprintf(stderr, "the bundled catalogs did not load\n");
    return 1;
  }
  BuildLargeCharacter(editor);
  const CharacterRecord& record = editor.Record();
  std::printf("character: %zu gear, %zu skills, %zu implants, %zu spells, %zu contacts\n", record.Gear.size(),
              record.Skills.size(), record.Cyberware.size() + record.Bioware.size(), record.Spells.size(),
              record.Contacts.size());

  // The worst time of each step over the runs, in the order first taken.
  std::vector<std::string> order;
  std::map<std::string, std::vector<Time>> times;
  auto note = [&](const std::string& step, Time time) {
    if (!times.contains(step)) order.push_back(step);
    times[step].push_back(time);
  };
  struct Page {
    int index;
    const char* list;
    const char* button;
  };
  const std::vector<Page> pages = {{kPageSkills, "characterSkills", "skillMoveDown"},
                                   {kPageCyberware, "installedCyberware", nullptr},
                                   {kPageBioware, "installedBioware", nullptr},
                                   {kPageSpells, "chosenSpells", "spellUp"},
                                   {kPageGear, "gearOwned", "gearDown"},
                                   {kPageContacts, "contactList", "contactDown"},
                                   {kPageAttributes, nullptr, nullptr},
                                   {kPagePriorities, nullptr, nullptr}};
  for (int run = 0; run < runs; ++run) {
    editor.SelectPage(kPagePriorities);
    MainWindow window(editor, nullptr);
    window.resize(1024, 720);
    window.show();
    WaitIdle();
    QTabBar* tabs = window.Pages()->tabBar();
    for (const Page& page : pages) {
      const std::string name = window.Pages()->tabText(page.index).remove('&').toStdString();
      note("visit " + name, Timed([&] { ClickAt(tabs, tabs->tabRect(page.index).center()); }));
      if (page.list == nullptr) continue;
      auto* list = window.findChild<QTreeWidget*>(page.list);
      const int middle = list->topLevelItemCount() / 2;
      note("row in " + name, Timed([&] { ClickRow(list, middle); }));
      if (page.button == nullptr) continue;
      auto* button = window.findChild<QAbstractButton*>(page.button);
      note("button on " + name, Timed([&] { ClickAt(button, button->rect().center()); }));
    }
  }
  // The worst run holds what the process does once (fonts, style); the median is a page's first
  // visit in a window that has done those.
  auto median = [](std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  Time slowest;
  std::printf("%-22s %10s %10s %10s %10s\n", "step", "wall med", "cpu med", "wall max", "cpu max");
  for (const std::string& step : order) {
    std::vector<double> wall, cpu;
    for (const Time& time : times[step]) wall.push_back(time.wall), cpu.push_back(time.cpu);
    std::printf("%-22s %10.2f %10.2f %10.2f %10.2f\n", step.c_str(), median(wall), median(cpu),
                *std::max_element(wall.begin(), wall.end()), *std::max_element(cpu.begin(), cpu.end()));
    slowest.wall = std::max(slowest.wall, median(wall));
    slowest.cpu = std::max(slowest.cpu, median(cpu));
  }
  std::printf("slowest step (median of %d runs): %.2f ms wall, %.2f ms cpu\n", runs, slowest.wall, slowest.cpu);
  return 0;
}
