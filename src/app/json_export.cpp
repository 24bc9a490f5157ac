#include "app/json_export.h"

#include "app/editor.h"
#include "platform/scripted_platform.h"

namespace ivgen {

namespace {

int Fail(std::ostream& err, const std::string& why) {
  err << "ivgen: " << why << "\n";
  return 1;
}

}  // namespace

int ExportJsonMain(int argc, const char* const* argv, const std::string& programFolder, std::ostream& err) {
  if (argc != 4) {
    err << "usage: ivgen " << kExportJsonOption << " CHARACTER.iv3 OUT.json\n";
    return 2;
  }
  const std::string character = argv[2];
  UnattendedPlatform platform;
  Editor editor(platform, programFolder, "");
  if (!editor.Startup()) return Fail(err, platform.Said());
  editor.OpenNamed(character);
  if (editor.Document().CurrentFile != character) {
    return Fail(err, platform.Said().empty() ? "could not open " + character : platform.Said());
  }
  if (!editor.ExportJsonTo(argv[3])) return Fail(err, platform.Said());
  return 0;
}

}  // namespace ivgen
