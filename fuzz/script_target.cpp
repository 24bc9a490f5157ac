// The script reader and the commands it drives, over small catalogs. Answers are left out, so no
// file dialog gets a path: whatever the script does, it writes nothing outside its folder.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  std::string script;
  for (const std::string& line : SplitLines(fuzz::Bytes(data, size))) {
    ScriptLine parsed;
    std::string error;
    if (ParseScriptLine(line, parsed, error) && parsed.verb == "answer") continue;
    script += line + "\n";
  }
  fuzz::ProgramFolder& folder = fuzz::Folder();
  folder.Reset();  // books-save and options-done change the folder
  ScriptedPlatform platform;
  Editor editor(platform, folder.Path(), "");
  if (editor.Startup()) fuzz::RunScript(platform, editor, script);
  return 0;
}
