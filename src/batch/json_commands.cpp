#include "batch/json_commands.h"

namespace ivgen {

void AddJsonCommands(Editor& editor, const ScriptedPlatform& platform, std::ostream& terminal,
                     std::map<std::string, BatchCommand>& commands) {
  // Without a path the menu command asks for one, as the window does; a path on the line goes
  // where a dialog's answer would.
  commands["export-json"] = [&editor, &platform](const ScriptLine& line, std::string&) {
    const std::string path = PathArgument(line);
    path.empty() ? editor.ExportJson() : editor.ExportJsonTo(platform.NamedPath(path));
    return true;
  };
  commands["import-json"] = [&editor, &platform](const ScriptLine& line, std::string&) {
    const std::string path = PathArgument(line);
    path.empty() ? editor.ImportJson() : editor.ImportJsonNamed(platform.NamedPath(path));
    return true;
  };
  // One document line per output line; the document is UTF-8 already.
  commands["show-json"] = NoArguments([&editor, &terminal] {
    const std::string document = editor.JsonText();
    for (size_t start = 0; start < document.size();) {
      size_t end = document.find("\r\n", start);
      if (end == std::string::npos) end = document.size();
      terminal << document.substr(start, end - start) << "\n";
      start = end + 2;
    }
  });
}

}  // namespace ivgen
