// The script reader and the commands it drives, over small catalogs, the file commands included:
// every path a file dialog returns, or a command names, is taken inside the input's own fresh
// folder, so Save, Save As, Open, Print (print-sheet too) and the JSON export and import write and
// read there and nowhere else.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  fuzz::ProgramFolder& folder = fuzz::Folder();
  folder.Reset();
  ConfinedPlatform platform(folder.Path());
  Editor editor(platform, folder.Path(), "");
  if (!editor.Startup()) return 0;
  std::ostringstream out;
  std::ostringstream errors;
  std::istringstream script{std::string(fuzz::Bytes(data, size))};
  ScriptRunner runner(platform, editor, out);
  runner.Run(script, "fuzz", errors);
  return 0;
}
