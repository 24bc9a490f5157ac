// The settings file: read at start-up, checked by --check-data, and written back by the Options
// dialog, which must write exactly its five lines and read back the numbers it took.
#include "app/settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  using fuzz::Check;
  const std::string_view bytes = fuzz::Bytes(data, size);
  fuzz::ProgramFolder& folder = fuzz::Folder();
  folder.Write(kSettingsFileName, bytes);
  CheckSettingsFile(folder.PathOf(kSettingsFileName));
  if (!HasByteOrderMark(bytes)) {
    const Settings plain = SettingsFrom(IniFile::Parse(bytes));
    const Settings marked = SettingsFrom(IniFile::Parse(std::string(kByteOrderMark) + std::string(bytes)));
    Check(plain.maxpoints == marked.maxpoints && plain.MaxAbsEpts == marked.MaxAbsEpts &&
              plain.DefaultGIF == marked.DefaultGIF && plain.MaxFlawEdge == marked.MaxFlawEdge,
          "a byte order mark changes no setting");
  }

  ScriptedPlatform platform;
  Editor editor(platform, folder.Path(), "");
  if (!editor.Startup()) return 0;
  editor.Options().Open();
  if (!editor.Options().Done()) return 0;
  const auto written = ReadWholeFile(folder.PathOf(kSettingsFileName));
  Check(written.has_value() && SplitLines(*written).size() == 5, "the Options dialog writes five lines");
  const Settings reread = SettingsFrom(IniFile::Parse(*written));
  Check(reread.maxpoints == editor.CurrentSettings().maxpoints &&
            reread.MaxAbsEpts == editor.CurrentSettings().MaxAbsEpts,
        "the numbers the dialog took are the numbers read back");
  return 0;
}
