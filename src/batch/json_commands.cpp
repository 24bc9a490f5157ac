#include "batch/json_commands.h"

namespace ivgen {

void AddJsonCommands(Editor& editor, std::ostream& terminal, std::map<std::string, BatchCommand>& commands) {
  // Without a path the menu command asks for one, as the window does.
  commands["export-json"] = [&editor](const ScriptLine& line, std::string&) {
    const std::string path = PathArgument(line);
    path.empty() ? editor.ExportJson() : editor.ExportJsonTo(path);
    return true;
  };
  commands["import-json"] = [&editor](const ScriptLine& line, std::string&) {
    const std::string path = PathArgument(line);
    path.empty() ? editor.ImportJson() : editor.ImportJsonNamed(path);
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
