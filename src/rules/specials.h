// Special kinds of character: the ghoul's one-time transformation, the albino option of the
// metatype group, and the shapeshifter's animal form with its own window.
#pragma once

#include <array>
#include <string>

#include "rules/creation_state.h"

namespace ivgen {

inline constexpr int kAlbinoFlawCount = 5;
/// Captions of the "Albino Flaw" choices.
inline constexpr std::array<const char*, kAlbinoFlawCount> kAlbinoFlawCaptions = {
    "Bio-Rejection", "Color Blind", "Low Pain Tol.", "Night Blindness", "Sensitive System"};
/// The animal form's natural values run from 1 to this.
inline constexpr int kAnimalMaximum = 6;

/// What the ghoul button, the albino option and the animal-form window show.
struct SpecialsView {
  /// "Begin Ghoul" on the attributes page.
  bool ghoulButtonVisible = false;
  /// "Albino": enabled exactly while "MetaVariants" is ticked.
  bool albinoEnabled = false;
  bool albino = false;
  /// The "Albino Flaw" group shows while "Albino" is on; its choice 0 to 4.
  bool albinoFlawVisible = false;
  int albinoFlaw = 0;
  /// "Combat Pool" of the animal form.
  std::string combatPool = "0";
  /// "Used/Max": the attribute points display, as the attributes page shows it.
  std::string pointsDisplay = "6/0";
  /// More attribute points used than granted.
  bool overLimit = false;
  bool operator==(const SpecialsView&) const = default;
};

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
