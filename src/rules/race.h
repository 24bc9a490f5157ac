// The race page: the five races with their modifiers and traits, the metatypes of the catalog,
// the completion that applies the race selections for good, and the special kinds of character.
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

/// The races a race priority row offers: all five at A to C (and outside the table), Human,
/// Dwarf and Ork at D, Human alone at E.
std::array<bool, kRaceCount> RacesOffered(int raceRow);

/// Enables exactly the races the race priority offers (all five under Override Limits); at
/// priority E the race becomes Human unless keepRace.
void OfferRaces(RulesContext& ctx, bool keepRace = false);

/// The chosen race is one the race page no longer offers.
bool RaceNotOffered(const CharacterRecord& record, const CreationState& state);

// Special kinds of character: the ghoul's one-time transformation, the albino option of the
// metatype group, and the shapeshifter's animal form with its own window.

inline constexpr int kAlbinoFlawCount = 5;
/// Captions of the "Albino Flaw" choices.
inline constexpr std::array<const char*, kAlbinoFlawCount> kAlbinoFlawCaptions = {
    "Bio-Rejection", "Color Blind", "Low Pain Tol.", "Night Blindness", "Sensitive System"};
/// The animal form's natural values run from 1 to this.
inline constexpr int kAnimalMaximum = 6;

/// The animal form's Combat Pool: half of the animal Quickness total and the character's own
/// Intelligence and Willpower totals, rounded down.
std::string AnimalCombatPool(const CharacterRecord& record);

/// The caption of albino choice i; "none" outside 0..4.
inline const char* AlbinoFlawCaption(int choice) {
  return choice >= 0 && choice < kAlbinoFlawCount ? kAlbinoFlawCaptions[choice] : "none";
}
/// The flaw line the race-page completion adds for albino choice i; "" outside 0..4.
std::string AlbinoFlawLine(int choice);

/// New: the ghoul button hidden, the albino option off, the animal-form window closed.
void ResetSpecials(RulesContext& ctx, SpecialsView& view);
/// Follows the record into what only depends on it (the albino option's enabled state).
void RefreshSpecials(RulesContext& ctx, SpecialsView& view);

/// Race-page completion: the ghoul button shows when the ghoul option was bought.
void GhoulCheck(RulesContext& ctx, SpecialsView& view);
/// An opened character: a ghoul bought and past the race page, not yet transformed, keeps its
/// button.
void RestoreGhoulButton(RulesContext& ctx, SpecialsView& view);
/// "Begin Ghoul": the transformation, its Willpower test and the message with the successes.
/// Refused while the button is hidden. True when it ran.
bool BeginGhoul(RulesContext& ctx, SpecialsView& view);

/// "Albino" switched; refused while disabled or when it already is in that state. Switching on
/// adds 1 to the metatype Willpower field and the albino lines; switching off takes nothing back.
bool SetAlbino(RulesContext& ctx, SpecialsView& view, bool on);
/// A metatype was chosen: an "Albino" option that is on applies again to the new metatype.
void AlbinoChoice(RulesContext& ctx, SpecialsView& view);
/// A choice of the "Albino Flaw" group; refused while the group is hidden or outside 0..4.
bool ChooseAlbinoFlaw(RulesContext& ctx, SpecialsView& view, int choice);
/// Race-page completion with a metatype: the chosen albino flaw joins the race description.
void AlbinoFlaw(RulesContext& ctx, SpecialsView& view);

/// The animal form's totals, Reaction, combat pool, the points used and the over-limit marker.
void SCalcMaxUsed(RulesContext& ctx, SpecialsView& view);
/// The spin buttons of animal attribute i (0 Body, 1 Quickness, 2 Strength). The natural value
/// stays within 1..6 (Override Limits lifts the top) and within the attribute points. True when
/// the value changed.
bool RaiseAnimalAttribute(RulesContext& ctx, SpecialsView& view, int i);
bool LowerAnimalAttribute(RulesContext& ctx, SpecialsView& view, int i);
/// "Hide" of the animal-form window.
void HideAnimalForm(RulesContext& ctx);
/// "Unhide Shifter" on the attributes page; refused while the button is hidden.
bool UnhideShifter(RulesContext& ctx);

}  // namespace ivgen
