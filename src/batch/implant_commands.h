// ivgen-batch commands of the Cyberware and Bioware pages: one verb per player action, and the
// pages printed as a player reads them.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"

namespace ivgen {

/// Adds the commands of the two pages to a script runner's table.
void AddImplantCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
