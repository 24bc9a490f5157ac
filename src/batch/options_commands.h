// ivgen-batch commands of the Options dialog: the menu command that opens it, its four fields,
// Browse, Done and Cancel.
#pragma once

#include <map>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// Adds the dialog's commands to a script runner's table; its controls answer only while it is
/// the dialog in front.
void AddOptionsCommands(Editor& editor, const ScriptedPlatform& platform,
                        std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
