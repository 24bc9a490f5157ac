#include "batch/texts_commands.h"

namespace ivgen {

void AddTextsCommands(Editor& editor, std::map<std::string, BatchCommand>& commands) {
  TextsUnit& texts = editor.Texts();
  commands["set"] = [&texts](const ScriptLine& line, std::string& error) {
    if (line.words.empty() || !texts.Set(line.words[0], TextArgument(line, 1))) {
      error = "expects the name of a text the player types and its value";
      return false;
    }
    return true;
  };
  commands["description"] = [&texts](const ScriptLine& line, std::string&) {
    texts.SetDescription(TextArgument(line, 0));
    return true;
  };
}

}  // namespace ivgen
