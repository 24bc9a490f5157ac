// ivgen-batch commands of the character as JSON: File > "Export as JSON..." and "Import JSON...",
// each with the file named on the line or chosen in the dialog, and the document printed.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// Adds the JSON commands; `terminal` takes the document's UTF-8 as it is.
void AddJsonCommands(Editor& editor, const ScriptedPlatform& platform, std::ostream& terminal,
                     std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
