// Loading every catalog of a folder, compared with only reading the same files' lines, on the
// bundled data (scale 1) and on the same data with each file's lines repeated ten times. Catalogs
// whose tables have a fixed size (skills, spells, metatypes, ranges) stay as they are in the
// larger folder, since their loaders stop at the limit and the repeated lines would never be
// parsed. The repetitions of the benchmarks are interleaved. Another folder can be measured by
// setting IVGEN_BENCH_DATA.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/catalog_loading.h"
#include "catalog/catalogs.h"
#include "quiet_platform.h"
#include "record/text_file.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

std::string SourceFolder() {
  const char* chosen = std::getenv("IVGEN_BENCH_DATA");
  return chosen != nullptr && *chosen != '\0' ? std::string(chosen) : std::string(IVGEN_BUNDLED_DATA);
}

std::vector<fs::path> CatalogFiles(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".dat") files.push_back(entry.path());
  }
  return files;
}

// A copy of the source folder with every catalog's lines repeated `scale` times.
std::string ScaledFolder(int scale) {
  if (scale == 1) return SourceFolder();
  const fs::path folder = fs::temp_directory_path() / ("ivgen-bench-x" + std::to_string(scale));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const fs::path& file : CatalogFiles(SourceFolder())) {
    const std::string bytes = ReadWholeFile(file.string()).value_or("");
    std::string repeated;
    const std::string name = file.filename().string();
    const bool bounded = name == "skills.dat" || name == "spells.dat" || name == "meta.dat" || name == "range.dat";
    for (int i = 0; i < (bounded ? 1 : scale); ++i) {
      repeated += bytes;
      if (!bytes.empty() && bytes.back() != '\n') repeated += "\r\n";
    }
    ReplaceFile((folder / file.filename()).string(), repeated);
  }
  return folder.string() + "/";
}

const std::string& Folder(int scale) {
  static const std::string single = ScaledFolder(1);
  static const std::string tenfold = ScaledFolder(10);
  return scale == 1 ? single : tenfold;
}

int64_t FolderBytes(const std::string& folder) {
  int64_t bytes = 0;
  std::error_code error;
  for (const fs::path& file : CatalogFiles(folder)) bytes += static_cast<int64_t>(fs::file_size(file, error));
  return bytes;
}

void LoadEveryCatalog(benchmark::State& state) {
  const std::string& folder = Folder(static_cast<int>(state.range(0)));
  QuietPlatform platform;
  for (auto _ : state) {
    BookLists books;
    Catalogs catalogs;
    if (!LoadStartupLists(folder, books, catalogs.skills, platform)) {
      state.SkipWithError("books.dat or skills.dat cannot be opened");
      break;
    }
    ReloadDatafiles(folder, books, catalogs, platform, ReloadTrigger::StartUp);
    benchmark::DoNotOptimize(catalogs);
  }
  state.SetBytesProcessed(state.iterations() * FolderBytes(folder));
}
BENCHMARK(LoadEveryCatalog)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void ReadCatalogLinesOnly(benchmark::State& state) {
  const std::string& folder = Folder(static_cast<int>(state.range(0)));
  const std::vector<fs::path> files = CatalogFiles(folder);
  for (auto _ : state) {
    size_t lines = 0;
    for (const fs::path& file : files) lines += SplitLines(ReadWholeFile(file.string()).value_or("")).size();
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * FolderBytes(folder));
}
BENCHMARK(ReadCatalogLinesOnly)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  // Interleaved, so a drift in the machine's speed falls on both sides alike.
  std::vector<char*> arguments(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string repetitions = "--benchmark_repetitions=5";
  arguments.insert(arguments.begin() + 1, {interleave.data(), repetitions.data()});
  argc = static_cast<int>(arguments.size());
  argv = arguments.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::temp_directory_path() / "ivgen-bench-x10", error);
  return 0;
}
