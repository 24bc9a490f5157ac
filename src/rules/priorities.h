// The priority system: the ranking of the five areas, the table of what each row grants, the
// magic options of the priorities page and the switch between priorities and build points.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/creation_state.h"

namespace ivgen {

/// The letters of the priority rows, row 0 to row 4.
inline constexpr std::array<std::string_view, kPriorityRows> kRowLetters = {"A", "B", "C", "D", "E"};

/// The five areas, as the priority order names them.
inline constexpr std::array<std::string_view, kPriorityRows> kAreaNames = {"Race", "Magic", "Attributes", "Skills",
                                                                           "Resources"};
/// Captions of the "Adept (Aspected)" choices, Adept 0 to 4.
inline constexpr std::array<std::string_view, 5> kAdeptChoices = {"Physical", "Elementalist", "Sorcerer", "Conjurer",
                                                                  "Shamanist"};

/// What row 0..4 grants an area: attribute points, active skill points, nuyen. Rows outside
/// 0..4 grant nothing (-1).
int AttributeGrant(int row);
int SkillGrant(int row);
int32_t ResourceGrant(int row);

/// The value column's text for an area at a row ("30 points", "1,000,000\xA5", "Mundane").
std::string PriorityValueText(std::string_view area, int row);

/// Spell points a new character starts with for its magic row and adept choice.
float StartingSpellPoints(const CharacterRecord& record);

/// Recomputes the five priority values, the value column and the magic options from the order.
/// Does nothing under build points.
void ShowPriorityTable(RulesContext& ctx);

/// A row of either column clicked: selects it in both. A row outside 0..4 does nothing.
void SelectPriorityRow(RulesContext& ctx, int row);
/// The arrow buttons: the selected area moves one row; nothing happens at the ends.
bool MoveAreaUp(RulesContext& ctx);
bool MoveAreaDown(RulesContext& ctx);

/// Rebuilds the order from the record's five priority values (a character being opened).
/// Areas whose rows are missing or taken twice fill the free rows in the first ranking's order.
void RestorePriorityOrder(RulesContext& ctx);

/// A choice of the "Adept (Aspected)" group (0 "Physical" to 4 "Shamanist"). Refused while the
/// group is hidden or for a choice outside 0..4.
bool ChooseAdept(RulesContext& ctx, int choice);
/// "PhysAd: Path of the Magician" switched; refused while the option is hidden.
bool SetPhysAdMagic(RulesContext& ctx, bool on);
/// "Override Limits (Existing Char)" switched (also the menu item "Existing Character").
bool SetOverrideLimits(RulesContext& ctx, bool on);
/// "Initiation/Geas Mod" switched; refused while the option is disabled.
bool SetInitiation(RulesContext& ctx, bool on);
/// The grade field typed: the initiate grade, which is the Magic modifier while Initiation is on.
bool SetGradeText(RulesContext& ctx, std::string_view text);
/// The "Money" field typed.
void SetMoneyText(RulesContext& ctx, std::string_view text);

/// The menu item "Priority": back to priorities and page 0; true when what a save writes changed.
bool ChoosePriorityGenerator(RulesContext& ctx);
/// The menu item "Point System": build points; opens their dialog when page 0 shows. True when
/// the character was under priorities.
bool ChoosePointGenerator(RulesContext& ctx);

}  // namespace ivgen
