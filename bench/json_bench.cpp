// Export and import of the large character (ten times a typical one) as JSON: the document alone
// and each command as the window runs it (the export with its recalculation, the import with its
// file, its check and the replay of an opened file).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/editor.h"
#include "json/character_json.h"
#include "large_character.h"
#include "quiet_platform.h"
#include "record/text_file.h"

namespace ivgen {
namespace {

// The save prompt before each import is answered No: the character may go.
class LettingGo final : public QuietPlatform {
 public:
  Answer Message(const ShownText&, const std::string&, Icon, Buttons buttons) override {
    return buttons == Buttons::YesNoCancel ? Answer::No : Answer::Ok;
  }
};

struct Large {
  LettingGo platform;
  Editor editor{platform, IVGEN_BUNDLED_DATA "/", ""};
  std::string path = (std::filesystem::temp_directory_path() / "ivgen-json-bench.json").string();
  bool ready = false;

  Large() {
    if (!editor.Startup()) return;
    BuildLargeCharacter(editor);
    ready = ReplaceFile(path, editor.JsonText()).ok;
  }
  ~Large() { std::filesystem::remove(path); }
};

Large& Character() {
  static Large large;
  return large;
}

void Counters(benchmark::State& state, const Large& large) {
  const CharacterRecord& record = large.editor.Record();
  state.counters["entries"] =
      static_cast<double>(record.Gear.size() + record.Skills.size() + record.Spells.size() + record.Cyberware.size() +
                          record.Bioware.size() + record.Contacts.size());
  state.counters["bytes"] = static_cast<double>(ReadWholeFile(large.path).value_or("").size());
}

void BM_ExportDocument(benchmark::State& state) {
  Large& large = Character();
  if (!large.ready) return state.SkipWithError("the large character was not built");
  for (auto _ : state) benchmark::DoNotOptimize(CharacterJson(large.editor.Record()));
  Counters(state, large);
}
BENCHMARK(BM_ExportDocument)->Unit(benchmark::kMillisecond);

void BM_ExportCommand(benchmark::State& state) {
  Large& large = Character();
  if (!large.ready) return state.SkipWithError("the large character was not built");
  for (auto _ : state) benchmark::DoNotOptimize(large.editor.JsonText());
}
BENCHMARK(BM_ExportCommand)->Unit(benchmark::kMillisecond);

void BM_ImportDocument(benchmark::State& state) {
  Large& large = Character();
  if (!large.ready) return state.SkipWithError("the large character was not built");
  const std::string document = ReadWholeFile(large.path).value_or("");
  JsonProblem problem;
  for (auto _ : state) benchmark::DoNotOptimize(ReadCharacterJson(document, "", problem));
}
BENCHMARK(BM_ImportDocument)->Unit(benchmark::kMillisecond);

void BM_ImportCommand(benchmark::State& state) {
  Large& large = Character();
  if (!large.ready) return state.SkipWithError("the large character was not built");
  for (auto _ : state) large.editor.ImportJsonNamed(large.path);
  if (large.editor.Record().Gear.size() < 300) state.SkipWithError("the import did not read the character");
}
BENCHMARK(BM_ImportCommand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ivgen

BENCHMARK_MAIN();
