#include "app/json_export.h"

#include "app/editor.h"
#include "platform/scripted_platform.h"

namespace ivgen {

namespace {

// No one is there to answer: every prompt takes its first button, and the last message is kept
// to say why the export failed.
class UnattendedPlatform final : public ScriptedPlatform {
 public:
  Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override {
    said_ = text.Utf8();
    return ScriptedPlatform::Message(text, title, icon, buttons);
  }
  const std::string& Said() const { return said_; }

 private:
  std::string said_;
};

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
