// ivgen-batch commands of the texts the player types: the BioInfo page's identity texts and
// description, and the Attributes page's typed pools.
#pragma once

#include <map>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"

namespace ivgen {

/// Adds `set` and `description` to a script runner's table.
void AddTextsCommands(Editor& editor, std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
