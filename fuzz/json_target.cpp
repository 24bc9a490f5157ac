// The JSON importer, through Import JSON as the window runs it: a document it refuses leaves the
// character as it was and says why; one it takes becomes a modified character without a file,
// whose document imports again to the same document.
#include <optional>

#include "fuzz_support.h"

namespace ivgen::fuzz {
namespace {

const std::string kRefused = std::string("message [") + kAppTitle + "] (warning, OK) ";

// The document of what an import made of the file; nothing when the import refused it.
std::optional<std::string> Import(ScriptedPlatform& platform, Editor& editor, const std::string& path) {
  const std::string before = editor.FileText();
  const bool modified = editor.Document().Modified;
  platform.ClearLog();
  // The save prompt comes first when the character has changes: they may go.
  if (modified) platform.QueueAnswer("No");
  editor.ImportJsonNamed(path);
  const std::vector<std::string>& log = platform.Log();
  if (!log.empty() && log.back().starts_with(kRefused + path + " was not imported: /")) {
    Check(editor.FileText() == before && editor.Document().Modified == modified, "a refused document changes nothing");
    return std::nullopt;
  }
  Check(log.size() == (modified ? 1u : 0u), "a document taken shows nothing but the save prompt");
  Check(editor.Document().CurrentFile.empty() && editor.Document().Modified, "an import has no file and is modified");
  return editor.JsonText();
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return ivgen::fuzz::SameOnTheSecondPass(data, size, "any.json", "again.json", ivgen::fuzz::Import,
                                          "an imported character's document imports to the same document");
}
