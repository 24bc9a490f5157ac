// ivgen-batch commands of the Skills page: one verb per player action, and the page printed as a
// player reads it.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"

namespace ivgen {

/// Adds the Skills page's commands to a script runner's table.
void AddSkillsCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands);

/// A single value of the Skills page by name; nothing for a name it does not know.
std::optional<std::string> SkillsPrintable(const Editor& editor, const std::string& name);

}  // namespace ivgen
