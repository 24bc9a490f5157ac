// Actions on a large character (ten times a typical one: about 300 gear entries, 100 skills, 50
// implants, 60 spells and 40 contacts), each run as the window runs it: the rule, one refresh of
// every unit, and an undo step. Reports the time per action and what 500 undo steps of this
// character hold in memory.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "app/editor.h"
#include "large_character.h"
#include "quiet_platform.h"

namespace ivgen {
namespace {

// Resident memory of this process in kB.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
  }
  return 0;
}

void BM_ActionOnALargeCharacter(benchmark::State& state) {
  QuietPlatform platform;
  Editor editor(platform, IVGEN_BUNDLED_DATA "/", "");
  if (!editor.Startup()) {
    state.SkipWithError("the bundled catalogs did not load");
    return;
  }
  BuildLargeCharacter(editor);
  const CharacterRecord& record = editor.Record();
  state.counters["gear"] = static_cast<double>(record.Gear.size());
  state.counters["skills"] = static_cast<double>(record.Skills.size());
  state.counters["implants"] = static_cast<double>(record.Cyberware.size() + record.Bioware.size());
  state.counters["spells"] = static_cast<double>(record.Spells.size());
  state.counters["contacts"] = static_cast<double>(record.Contacts.size());

  // A raise and a lower, a gear entry moved, a page change: each keeps an undo step.
  const long before = ResidentKb();
  int step = 0;
  for (auto _ : state) {
    switch (step++ % 4) {
      case 0:
        editor.Attributes().Raise(step % kAttributeCount);
        break;
      case 1:
        editor.Attributes().Lower(step % kAttributeCount);
        break;
      case 2:
        editor.Gear().ChooseOwned(static_cast<int>(record.Gear.size()) / 2);
        editor.Gear().MoveDown();
        break;
      default:
        editor.SelectPage(step % 8 == 3 ? kPageGear : kPageAttributes);
        break;
    }
  }
  state.counters["rss_growth_kB"] = static_cast<double>(ResidentKb() - before);
}
// Enough iterations to fill the 500-step history several times over.
BENCHMARK(BM_ActionOnALargeCharacter)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ivgen

BENCHMARK_MAIN();
