// ivgen-batch commands of the point-generation and edges and flaws dialogs, the ghoul button,
// the albino option and the shapeshifter's animal-form window.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// Adds the commands to a script runner's table. A dialog's controls answer only while that
/// dialog is the one in front; the main window's only while no modal dialog is open.
void AddPointsCommands(Editor& editor, const ScriptedPlatform& platform, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands);

/// BuildPointsUsed, EdgeSum and the two points displays (`points`, `edge-points`) by name.
std::optional<std::string> PointsPrintable(const Editor& editor, const std::string& name);

}  // namespace ivgen
