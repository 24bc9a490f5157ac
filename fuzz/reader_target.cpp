// The character file reader, through Open as the window runs it: any file with a character
// section opens to an unmodified character on the race page, any other is refused by name, and
// what a save then writes opens again to the same bytes.
#include <optional>

#include "fuzz_support.h"

namespace ivgen::fuzz {
namespace {

// What a save of the opened character writes; nothing when Open refused the file.
std::optional<std::string> OpenAndSave(ScriptedPlatform& platform, Editor& editor, const std::string& path) {
  platform.ClearLog();
  platform.QueueAnswer(path);
  editor.Open();
  if (editor.Document().CurrentFile.empty()) {
    Check(!platform.Log().empty() && platform.Log().back() == "message [" + std::string(kAppTitle) +
                                                                  "] (warning, OK) " + path + kNotACharacter + " -> OK",
          "a regular file that does not open holds no character");
    return std::nullopt;
  }
  Check(editor.Document().CurrentFile == path, "a regular file opens");
  Check(!editor.Document().Modified, "an opened character is not modified");
  Check(editor.CurrentPage() == kPageRace, "Open shows the race page");
  return editor.FileText();
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return ivgen::fuzz::SameOnTheSecondPass(data, size, "any.iv3", "saved.iv3", ivgen::fuzz::OpenAndSave,
                                          "a saved character opens as it was saved");
}
