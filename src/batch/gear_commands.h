// ivgen-batch commands of the Gear page: one verb per player action, and the page printed as a
// player reads it.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"

namespace ivgen {

/// Adds the Gear page's commands to a script runner's table.
void AddGearCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
