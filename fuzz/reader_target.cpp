// The character file reader, through Open as the window runs it: any file opens to an unmodified
// character on the race page, and what a save then writes opens again to the same bytes.
#include "fuzz_support.h"

namespace ivgen::fuzz {
namespace {

std::string OpenAndSave(ScriptedPlatform& platform, Editor& editor, const std::string& path) {
  platform.QueueAnswer(path);
  editor.Open();
  Check(editor.Document().CurrentFile == path, "a regular file opens");
  Check(!editor.Document().Modified, "an opened character is not modified");
  Check(editor.CurrentPage() == kPageRace, "Open shows the race page");
  return editor.FileText();
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  fuzz::ProgramFolder& folder = fuzz::Folder();
  folder.Reset();
  ScriptedPlatform platform;
  Editor editor(platform, folder.Path(), "");
  if (!editor.Startup()) return 0;
  folder.Write("any.iv3", fuzz::Bytes(data, size));
  const std::string saved = fuzz::OpenAndSave(platform, editor, folder.PathOf("any.iv3"));
  folder.Write("saved.iv3", saved);
  fuzz::Check(fuzz::OpenAndSave(platform, editor, folder.PathOf("saved.iv3")) == saved,
              "a saved character opens as it was saved");
  return 0;
}
