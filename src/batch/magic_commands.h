// ivgen-batch commands of the Spells and Phys. Adept pages: one verb per player action, and the
// pages printed as a player reads them.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"

namespace ivgen {

/// Adds the commands of the two pages to a script runner's table.
void AddMagicCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands);

/// A single value of the two pages by name; nothing for a name they do not know.
std::optional<std::string> MagicPrintable(const Editor& editor, const std::string& name);

}  // namespace ivgen
