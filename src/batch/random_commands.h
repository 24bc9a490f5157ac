// Random characters from ivgen-batch: the command line's `random` (several characters saved to a
// folder, or the list of archetypes) and the script's `random`, which makes one the current
// character.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// `ivgen-batch random ARGUMENTS`: `--list`, or `ARCHETYPE [--seed N] [--count N] [--out FOLDER]`.
/// Prints one line per character on `out`; returns the exit status: 0 when every character was
/// written and passes `check --strict`, 3 when one does not, 2 for a wrong argument or an unknown
/// archetype (said on `err`).
int RunRandomCommand(Editor& editor, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

/// The script's `random ARCHETYPE [SEED]` and `random --list`.
void AddRandomCommands(Editor& editor, ScriptedPlatform& platform, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
