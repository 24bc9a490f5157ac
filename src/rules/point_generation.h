// Point-based generation: the dialog "Character Generation Using Points", which buys the race,
// options, magic, resources, attribute points and active skills from one pool of build points
// and on "Done" writes them into the character.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/creation_state.h"
#include "rules/edges.h"

namespace ivgen {

inline constexpr const char* kOverBudgetMessage = "Cannot exceed maximum points!";
inline constexpr int kPointRaceCount = 4;
inline constexpr int kPointMagicCount = 6;
inline constexpr int kResourceCount = 8;
/// The race choice that makes a shapeshifter.
inline constexpr int kShapeShifterChoice = 3;

inline constexpr std::array<const char*, kPointRaceCount> kPointRaceCaptions = {
    "Human (0 Points)", "Dwarf/Ork (5 Pts)", "Elf/Troll (10 Pts)", "Shape Shifter (25 Pts)"};
inline constexpr std::array<const char*, kPointMagicCount> kPointMagicCaptions = {
    "Full Mage/Shaman (30 pts)", "Physical Adept (25 pts)", "Elementalist (25 Pts)",
    "Sorcerer (25 Pts)",         "Conjurer (25 Pts)",       "Shamanist (25 Pts)"};
inline constexpr std::array<const char*, kResourceCount> kResourceCaptions = {"500",  "5K",   "20K",  "90K",
                                                                              "200K", "400K", "650K", "1000K"};
/// The cost label beside each resource choice.
inline constexpr std::array<const char*, kResourceCount> kResourceLabels = {
    "(-5 Pts)", "(0 Pts)", "(5 Pts)", "(10 Pts)", "(15 Pts)", "(20 Pts)", "(25 Pts)", "(30 Pts)"};
/// Nuyen granted by resource choice 0 to 7.
inline constexpr std::array<int32_t, kResourceCount> kResourceNuyen = {500,    5000,   20000,  90000,
                                                                       200000, 400000, 650000, 1000000};

/// What the dialog shows that is not a saved choice of the character. The race and resource
/// choices and the four options are the record's PointSys fields; the magic choice and the two
/// numbers reach the record when "Done" writes them.
struct PointGenerationView {
  bool magic = false;
  /// 0 "Full Mage/Shaman" to 5 "Shamanist"; -1 for none.
  int magicChoice = 0;
  /// "PhysAd:Magician": shown only with choice 0.
  bool physAdVisible = true;
  /// "Attribute Points" and "Active Skills" as typed.
  std::string attributePoints = "6";
  std::string activeSkills = "27";
  /// "Points": (BuildPointsUsed + EdgeSum) "/" maxpoints.
  std::string pointsDisplay = "0/0";
  /// The resources group; a shapeshifter starts with 5K.
  bool resourcesEnabled = true;
  bool operator==(const PointGenerationView&) const = default;
};

/// Build points of a dialog state: race, options, resources, magic, 2 per attribute point and 1
/// per active skill point. A number field that does not start with a number counts 0.
int16_t PointCost(const CharacterRecord& record, const PointGenerationView& view);

/// Recomputes BuildPointsUsed and the points display.
void RecalcPoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);

/// The dialog's fields from the record's saved choices, as a character file leaves them.
void RestorePointGeneration(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);

// The dialog's controls. Each returns true when it changed what a save writes; a choice outside
// its range, or a control that is hidden or disabled, does nothing.

/// A race choice, 0 "Human" to 3 "Shape Shifter".
bool ChoosePointRace(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice);
bool SetMetaVariants(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
bool SetGhoulOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
bool SetOtakuOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
/// "NoRules (Existing Character)": also switches Override Limits.
bool SetNoRulesOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
bool SetMagicOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
/// A magic choice, 0 to 5; refused while "Magic" is off.
bool ChoosePointMagic(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice);
/// "PhysAd:Magician"; refused unless "Magic" is on with choice 0.
bool SetPhysAdMagician(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on);
/// A resource choice, 0 "500" to 7 "1000K"; refused while the group is disabled.
bool ChooseResources(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice);
/// Typing in "Attribute Points" or "Active Skills".
void SetAttributePointsText(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, std::string_view text);
void SetActiveSkillsText(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, std::string_view text);
/// The spin buttons: attribute points never below 6 and active skills never below 0; a step up
/// must fit within maxpoints. Override Limits lifts both limits of the attribute points.
void RaiseAttributePoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);
void LowerAttributePoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);
void RaiseActiveSkills(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);
void LowerActiveSkills(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);
/// "Edges && Flaws": opens the edges and flaws dialog; the points are counted again after it.
void OpenEdgesFromPoints(RulesContext& ctx, PointGenerationView& view, EdgesView& edges, BuildAccount& account);
/// The race priority the dialog's race choice gives (Human and the shapeshifter E, Dwarf/Ork D,
/// Elf/Troll C): it decides which races the race page offers.
void SetPointRacePriority(CharacterRecord& record);

/// "Done": writes the choices into the character (Attributes: the points bought plus what the
/// "ATR" codes of its entries add); within maxpoints (or with Override Limits) it
/// applies the race, moves to the race page and closes, otherwise it shows
/// "Cannot exceed maximum points!" and stays open with the values written. Returns true.
bool PointGenerationDone(RulesContext& ctx, PointGenerationView& view, BuildAccount& account);

}  // namespace ivgen
