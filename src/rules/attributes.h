// The six attributes and everything that follows from them: the modifier-code language through
// which items, edges, flaws and metatypes change them, the derived values, and the spin buttons.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "record/character_record.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kRacialMaxMessage = "No effect:cannot exceed racial maximum";

/// Applies a comma-separated list of modifier codes, or takes it back (reverse), code by code.
/// Blanks around a code are ignored; a code outside the table changes nothing.
void ModifyAttributeS(RulesContext& ctx, std::string_view list, bool reverse);

/// Applies one code (sign, digit, code, optional "*"); reverse undoes exactly what applying did.
/// Returns false when the code is not one of the table's, changing nothing.
bool ModifyAttribute(RulesContext& ctx, std::string_view code, bool reverse = false);

/// Attribute points granted, plus what the codes of the character's entries add to them.
int16_t GrantWithCodes(const RulesContext& ctx, int granted);

/// Spell points granted, plus what the "MAG" codes of the character's entries add to them.
float MagicGrantWithCodes(const RulesContext& ctx, float granted);

/// Totals of the six attributes; shows the over-maximum marker of a base above NaturalMax.
void RecalcAttributeTotals(RulesContext& ctx);

/// The attribute points the bases (and a shapeshifter's animal bases) spend.
int16_t AttributePointsSpent(const CharacterRecord& record);
/// The knowledge and language skill point allowances Intelligence's total grants.
int16_t KnowledgeAllowanceOf(const CharacterRecord& record);
int16_t LanguageAllowanceOf(const CharacterRecord& record);

/// The Magic total as Essence and the Magic modifier make it: the power points available.
std::string MagicTotalText(const CharacterRecord& record);

/// Recomputes the points used, totals, allowances, Reaction, Initiative, pools and Magic.
void RecalcDerived(RulesContext& ctx);

/// An attribute's total by code; "RCT"/"REA" give Reaction, "KNO" Intelligence, any other 10.
int16_t Attrvalue(const CharacterRecord& record, std::string_view code);

/// The spell points display and its over-spent marker.
void ShowSpellPoints(RulesContext& ctx);
/// The power points display.
void ShowPowerPoints(RulesContext& ctx);

/// The up button of attribute row i; refused, with a reason, at the ceiling or the points limit
/// (both lifted by Override Limits). An index outside 0..5 does nothing. True when a save would
/// write something new.
bool RaiseAttribute(RulesContext& ctx, int i);
/// Says that a raise was taken back because the attribute points ran out.
void RefuseAttributePoints(RulesContext& ctx);
/// The down button of attribute row i; the base never goes below 1.
bool LowerAttribute(RulesContext& ctx, int i);

/// RacialMax of each attribute from its racial modifier: Int((racial + 6) * 1.5).
void RecalcRacialMax(CharacterRecord& record);

/// One six-sided die from the platform's generator: 1 to 6, whatever the generator returns.
int16_t Rollsix(Platform& platform);

/// A cell of the record read as a number (leading number; empty or other text reads as 0).
double CellValue(std::string_view cell);
/// Adds a whole amount to a cell, written back as plain decimal text (a fraction is rounded).
void AddToCell(std::string& cell, int amount);

}  // namespace ivgen
