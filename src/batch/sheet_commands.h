// ivgen-batch commands of Print to HTML: the menu command, the "Print Options" dialog's controls,
// the dialog printed as a player reads it, and one command that prints a sheet to a named file.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// Adds the commands of the character sheet to a script runner's table.
void AddSheetCommands(Editor& editor, ScriptedPlatform& platform, std::ostream& out,
                      std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
