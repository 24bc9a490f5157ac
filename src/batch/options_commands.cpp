#include "batch/options_commands.h"

#include <utility>

namespace ivgen {

void AddOptionsCommands(Editor& editor, const ScriptedPlatform& platform,
                        std::map<std::string, BatchCommand>& commands) {
  OptionsUnit& options = editor.Options();
  // The dialog's controls exist only while it is open: without it a Done would write blank settings.
  auto inOptions = [&platform](BatchCommand command) {
    return InWindow(platform, Dialog::Options, "the Options dialog", std::move(command));
  };
  commands["options"] = NoArguments([&options] { options.Open(); });
  commands["options-browse"] = inOptions(NoArguments([&options] { options.Browse(); }));
  commands["options-done"] = inOptions(NoArguments([&options] { options.Done(); }));
  commands["options-cancel"] = inOptions(NoArguments([&options] { options.Cancel(); }));
  commands["options-set"] = inOptions([&options](const ScriptLine& line, std::string& error) {
    static const char* const kKeys[] = {"maxpoints", "MaxAbsEpts", "DefaultGIF", "MaxFlawEdge"};
    if (line.words.empty()) {
      error = "expects a field name and its text";
      return false;
    }
    for (const char* key : kKeys) {
      if (line.words[0] == key) {
        options.SetField(key, TextArgument(line, 1));
        return true;
      }
    }
    error = "unknown Options field '" + line.words[0] + "'";
    return false;
  });
}

}  // namespace ivgen
