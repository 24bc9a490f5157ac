// Open: a character file brought back into the editor. The reader puts the file's values into
// the record; between its steps the rules that derive the rest run again (the race, the
// modifier codes, the recounts), in the order of the file's sections.
#pragma once

#include <functional>
#include <string>

#include "charfile/character_reader.h"
#include "rules/creation_state.h"

namespace ivgen {

/// Reads the file into the record, which New has just reset, and shows the race page. What the
/// file stores comes out as saved: money granted and left, attribute and spell points, the race
/// name; an index outside its list (race, option, metatype, tradition) selects nothing.
/// The pages' units count their totals between the file's steps, in the file's order.
struct LoadRecounts {
  std::function<void(RulesContext&)> pointGeneration, cyberwareEssence, bioIndex, edgePoints, skillPoints;
};

void LoadCharacter(RulesContext& ctx, const CharacterFile& file, const std::string& defaultGif,
                   const LoadRecounts& recounts);

}  // namespace ivgen
