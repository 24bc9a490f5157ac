// The race page: the five races with their modifiers and traits, the metatypes of the catalog,
// and the completion that applies the race selections for good.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kRaceWarning = "Warning: Don't leave this page until all race selections are complete.";
/// Shown on the race page while the chosen race is not one the race priority offers.
inline constexpr const char* kRaceNotOffered = "The chosen race is not offered at this race priority: choose again.";
inline constexpr const char* kUnknownRaceMods = "Unknown Race Mods";
/// What the ghoul transformation puts before the race text.
inline constexpr const char* kGhoulPrefix = "Ghoul-";
/// The race description line the transformation adds; the race name can be retyped, this cannot.
inline constexpr const char* kGhoulTrait = "Immunity to VITAS plague";

struct RaceInfo {
  const char* name;
  char code;
  /// Body, Quickness, Strength, Charisma, Intelligence, Willpower.
  std::array<int, kAttributeCount> modifiers;
  int runMult;
  std::vector<const char*> traits;
};

/// The five races, by Rsel (0 Human to 4 Troll).
const std::array<RaceInfo, kRaceCount>& Races();

/// The one-letter code of race i ("H", "E", "D", "O", "T"); "" outside 0..4.
std::string_view RaceCode(int i);

/// `Meta`: metatypes are offered while build points bought "MetaVariants" or a shapeshifter.
bool MetaOn(const CharacterRecord& record);

/// The ghoul transformation has run: its name leads the race text.
bool GhoulTransformed(const CharacterRecord& record);

/// Sets the race: its modifiers, run multiplier, name and traits, or with the metatype option
/// (or a shapeshifter) the metatypes it offers. A race outside 0..4 does nothing.
void ChooseRace(RulesContext& ctx, int i);
/// A race option clicked; refused while the option is disabled. True when the race was chosen,
/// which changes what a save writes.
bool ClickRace(RulesContext& ctx, int i);

/// A line of the metatype list clicked: its modifiers, traits and animal-form fields. Does
/// nothing after the race-page completion or for an index outside the list.
bool ChooseMetatype(RulesContext& ctx, int index);
/// The metatype group shows line `index` as choosing it would, changing nothing of the
/// character: an opened character's metatype was applied before it was saved.
void ShowMetatype(RulesContext& ctx, int index);

/// Shows or hides the animal-form fields of the metatype group.
void ShowShapeFields(RulesContext& ctx, bool visible);

/// The name of a metatype list line: its first 15 characters before the first "|", trimmed.
std::string MetatypeName(std::string_view line);
/// The fields of a metatype list line: each piece after the name that a "|" ends.
std::vector<std::string> MetatypeFields(std::string_view line);

/// The first move from the race page to the attributes page: metatype values, the racial floor,
/// racial flaws moved to the edge and flaw list.
void CompleteRacePage(RulesContext& ctx);

/// Enables exactly the races the race priority offers (all five under Override Limits); at
/// priority E the race becomes Human unless keepRace.
void OfferRaces(RulesContext& ctx, bool keepRace = false);

/// The chosen race is one the race page no longer offers.
bool RaceNotOffered(const CharacterRecord& record, const CreationState& state);

}  // namespace ivgen
