#include "rules/attributes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "record/entries.h"
#include "record/values.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr std::array<std::string_view, kAttributeCount> kBioCodes = {"ROD", "RCK", "RTR", "RHA", "RNT", "RIL"};
constexpr std::array<std::string_view, kAttributeCount> kCeilingCodes = {"XOD", "XCK", "XTR", "XHR", "XNT", "XIL"};

int IndexOf(const std::array<std::string_view, kAttributeCount>& codes, std::string_view code) {
  const auto it = std::find(codes.begin(), codes.end(), code);
  return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}

template <typename T>
void AddHeld(T& value, double amount) {
  const double sum = static_cast<double>(value) + amount;
  value = static_cast<T>(std::clamp(sum, static_cast<double>(std::numeric_limits<T>::lowest()),
                                    static_cast<double>(std::numeric_limits<T>::max())));
}

std::string FloorText(double value) { return IntText(IntFloor(value)); }

// NaturalMax of one attribute as the X-codes the character still has leave it: each code in the
// order it came, a code that would pass RacialMax counting for nothing.
int16_t CeilingFromCodes(const CharacterRecord& record, const AttributeView& view, int i) {
  int ceiling = 6;
  for (const auto& [index, amount] : view.ceilingCodes) {
    if (index == i && ceiling + amount <= record.RacialMax[i]) ceiling += amount;
  }
  return static_cast<int16_t>(std::clamp(ceiling, -32768, 32767));
}

void ApplyCeilingCode(RulesContext& ctx, int i, int amount, bool reverse) {
  CharacterRecord& record = ctx.record;
  auto& codes = ctx.state.attributes.ceilingCodes;
  if (reverse) {
    // Taking back undoes only what applying did, so a refused code does not lower the ceiling.
    const auto it = std::find(codes.rbegin(), codes.rend(), std::pair<int, int>{i, amount});
    if (it == codes.rend()) return;
    codes.erase(std::next(it).base());
    record.NaturalMax[i] = CeilingFromCodes(record, ctx.state.attributes, i);
    RecalcAttributeTotals(ctx);
    return;
  }
  codes.emplace_back(i, amount);
  if (record.NaturalMax[i] + amount > record.RacialMax[i]) {
    ctx.platform.Message(kRacialMaxMessage, kAppTitle, Icon::None, Buttons::Ok);
    return;
  }
  AddHeld(record.NaturalMax[i], amount);
  RecalcAttributeTotals(ctx);
}

}  // namespace

double CellValue(std::string_view cell) { return Val(cell); }

void AddToCell(std::string& cell, int amount) { cell = IntText(static_cast<int64_t>(CLng(CellValue(cell))) + amount); }

void ModifyAttributeS(RulesContext& ctx, std::string_view list, bool reverse) {
  for (const std::string& piece : Split(list, ',')) {
    if (Trim(piece).empty()) continue;
    ModifyAttribute(ctx, piece, reverse);
  }
}

bool ModifyAttribute(RulesContext& ctx, std::string_view codeText, bool reverse) {
  const std::string text = Trim(codeText);
  if (text.size() < 3) return false;
  const char digit = text[1];
  int amount = (digit >= '0' && digit <= '9') ? digit - '0' : 0;
  if (text[0] != '+') amount = -amount;
  std::string code = text.substr(2);
  if (!code.empty() && code.back() == '*') code.pop_back();

  CharacterRecord& record = ctx.record;
  // Taking a code back is applying its opposite; for MAG the opposite of the direction it moved.
  const int signedAmount = reverse ? -amount : amount;

  if (const int i = IndexOf(kAttributeCodes, code); i >= 0) {
    AddToCell(record.Attr[i].Modifier, signedAmount);
  } else if (const int b = IndexOf(kBioCodes, code); b >= 0) {
    AddToCell(record.Attr[b].BioModifier, signedAmount);
  } else if (const int x = IndexOf(kCeilingCodes, code); x >= 0) {
    ApplyCeilingCode(ctx, x, amount, reverse);
    return true;
  } else if (code == "RCT") {
    AddToCell(record.Reaction.Modifier, signedAmount);
  } else if (code == "INI") {
    AddToCell(record.Initative.Modifier, signedAmount);
  } else if (code == "CPL") {
    AddToCell(record.CombatPool.Modifier, signedAmount);
  } else if (code == "IMP") {
    AddHeld(record.ImpactBonus, signedAmount);
  } else if (code == "BAL") {
    AddHeld(record.BallisticBonus, signedAmount);
  } else if (code == "VCR") {
    AddHeld(record.VcrLevel, signedAmount);
  } else if (code == "ATR") {
    AddHeld(record.Attributes, signedAmount);
    ctx.state.attributes.codePoints += signedAmount;
  } else if (code == "MAG") {
    const float step = amount > 0 ? 6.0f : -6.0f;
    const float moved = reverse ? -step : step;
    record.MagicPts += moved;
    ctx.state.attributes.magicCodePoints += moved;
  } else {
    return false;
  }
  RecalcAttributeTotals(ctx);
  return true;
}

int16_t GrantWithCodes(const RulesContext& ctx, int granted) {
  return static_cast<int16_t>(std::clamp(granted + ctx.state.attributes.codePoints, -32768, 32767));
}

float MagicGrantWithCodes(const RulesContext& ctx, float granted) {
  return granted + ctx.state.attributes.magicCodePoints;
}

void RecalcAttributeTotals(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  for (int i = 0; i < kAttributeCount; ++i) {
    AttributeRow& row = record.Attr[i];
    const double base = CellValue(row.Base);
    const double total = base + CellValue(row.Racial) + CellValue(row.Modifier) + CellValue(row.BioModifier);
    row.Total = IntText(CLng(total));
    if (base > record.NaturalMax[i]) ctx.state.attributes.overMaximum[i] = true;
  }
}

int16_t AttributePointsSpent(const CharacterRecord& record) {
  double used = 0;
  for (const AttributeRow& row : record.Attr) used += CellValue(row.Base);
  if (record.Shapeshift) {
    for (const DerivedRow& row : record.Animal.Attr) used += CellValue(row.Base);
  }
  return CInt(used);
}

int16_t KnowledgeAllowanceOf(const CharacterRecord& record) {
  const double intelligence = CellValue(record.Attr[kIntelligence].Total);
  return record.Shapeshift ? CInt(intelligence * 3) : CInt(intelligence * 5);
}

int16_t LanguageAllowanceOf(const CharacterRecord& record) {
  const double intelligence = CellValue(record.Attr[kIntelligence].Total);
  return record.Shapeshift ? CInt(intelligence) : CInt(IntFloor(intelligence * 1.5));
}

std::string MagicTotalText(const CharacterRecord& record) {
  const std::string base = record.MagicUser() ? FloorText(record.Essence) : "0";
  return IntText(CLng(CellValue(base) + CellValue(record.Magic.Modifier)));
}

void RecalcDerived(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  AttributeView& view = ctx.state.attributes;
  record.AttributePointsUsed = AttributePointsSpent(record);

  RecalcAttributeTotals(ctx);
  const double quickness = CellValue(record.Attr[kQuickness].Total);
  const double charisma = CellValue(record.Attr[kCharisma].Total);
  const double intelligence = CellValue(record.Attr[kIntelligence].Total);
  const double willpower = CellValue(record.Attr[kWillpower].Total);
  record.KnowledgeAllowance = KnowledgeAllowanceOf(record);
  record.LanguageAllowance = LanguageAllowanceOf(record);
  view.pointsDisplay = IntText(record.AttributePointsUsed) + "/" + IntText(record.Attributes);

  const int32_t reactionBase = IntFloor((quickness + intelligence) / 2);
  record.Reaction.Base = IntText(reactionBase);
  record.Initative.Base = "1";
  record.Reaction.Total = IntText(static_cast<int64_t>(reactionBase) + CLng(CellValue(record.Reaction.Modifier)));
  record.Initative.Total = IntText(1 + static_cast<int64_t>(CLng(CellValue(record.Initative.Modifier))));

  record.EssenceText = GeneralNumber(record.Essence);

  record.CombatPool.Base = FloorText((quickness + intelligence + willpower) / 2);
  record.Pools.Control = FloorText(reactionBase + 2.0 * record.VcrLevel);

  // The Magic base follows Essence before the total is taken, so Magic, the spell pool and the
  // power points never lag one recalculation behind a change of Essence.
  const bool magicUser = record.MagicUser();
  record.Magic.Base = magicUser ? FloorText(record.Essence) : "0";

  record.CombatPool.Total = IntText(CLng(CellValue(record.CombatPool.Base) + CellValue(record.CombatPool.Modifier)));
  record.Pools.Combat = record.CombatPool.Total;
  const double magicTotal = CellValue(record.Magic.Base) + CellValue(record.Magic.Modifier);
  record.Magic.Total = MagicTotalText(record);

  if (magicUser) {
    record.Pools.Magic = FloorText((magicTotal + intelligence + willpower) / 3);
    // An aspected character keeps whatever astral pool was entered.
    if (record.PriMagic == 0) record.Pools.Astral = FloorText((intelligence + willpower + charisma) / 2);
  } else {
    record.Pools.Magic = "0";
    record.Pools.Astral = "0";
  }

  if (record.Shapeshift) SCalcMaxUsed(ctx, ctx.state.specials);

  view.overSpent = record.AttributePointsUsed > record.Attributes;
}

int16_t Attrvalue(const CharacterRecord& record, std::string_view code) {
  if (const int i = IndexOf(kAttributeCodes, code); i >= 0) return CInt(CellValue(record.Attr[i].Total));
  if (code == "RCT" || code == "REA") return CInt(CellValue(record.Reaction.Total));
  if (code == "KNO") return CInt(CellValue(record.Attr[kIntelligence].Total));
  return 10;
}

void ShowSpellPoints(RulesContext& ctx) {
  const CharacterRecord& record = ctx.record;
  ctx.state.attributes.spellPointsDisplay =
      GeneralNumber(record.SpellPointsUsed) + "/" + GeneralNumber(record.MagicPts);
  ctx.state.attributes.spellsOverSpent = record.SpellPointsUsed > record.MagicPts;
}

void ShowPowerPoints(RulesContext& ctx) {
  ctx.state.attributes.powerPointsDisplay = GeneralNumber(ctx.record.PowerPointsUsed) + "/" + ctx.record.Magic.Total;
}

void RefuseAttributePoints(RulesContext& ctx) {
  Refuse(ctx, "Not enough attribute points: " + IntText(ctx.record.AttributePointsUsed) + " of " +
                  IntText(ctx.record.Attributes) + " spent");
}

bool RaiseAttribute(RulesContext& ctx, int i) {
  if (i < 0 || i >= kAttributeCount) return false;
  CharacterRecord& record = ctx.record;
  bool& marker = ctx.state.attributes.overMaximum[i];
  marker = false;
  const bool override = record.OverrideLimits();
  const int32_t base = CLng(CellValue(record.Attr[i].Base));
  if (!(base < record.NaturalMax[i] || override)) {
    return Refuse(ctx,
                  std::string(kAttributeKeys[i]) + " is at its racial maximum (" + IntText(record.NaturalMax[i]) + ")");
  }

  record.Attr[i].Base = IntText(static_cast<int64_t>(base) + 1);
  if (base + 1 > record.NaturalMax[i]) marker = true;
  RecalcDerived(ctx);
  if (record.AttributePointsUsed > record.Attributes && !override) {
    record.Attr[i].Base = IntText(base);
    RecalcDerived(ctx);
    RefuseAttributePoints(ctx);
  }
  // Modified was set before the points were checked; a step taken back leaves it set.
  return true;
}

bool LowerAttribute(RulesContext& ctx, int i) {
  if (i < 0 || i >= kAttributeCount) return false;
  CharacterRecord& record = ctx.record;
  bool& marker = ctx.state.attributes.overMaximum[i];
  marker = false;
  const int32_t base = CLng(CellValue(record.Attr[i].Base));
  if (base > 1) {
    record.Attr[i].Base = IntText(static_cast<int64_t>(base) - 1);
    if (base - 1 > record.NaturalMax[i]) marker = true;
  }
  // The button counts as an edit even where the base stays at 1.
  RecalcDerived(ctx);
  return true;
}

void RecalcRacialMax(CharacterRecord& record) {
  for (int i = 0; i < kAttributeCount; ++i) {
    record.RacialMax[i] = CInt(IntFloor((CellValue(record.Attr[i].Racial) + 6) * 1.5));
  }
}

int16_t Rollsix(Platform& platform) {
  const double r = platform.NextRandom();
  // A generator that strays outside [0, 1) still gives a face of the die.
  const double face = std::floor((r >= 0 && r < 1 ? r : 0) * 6) + 1;
  return static_cast<int16_t>(std::clamp(face, 1.0, 6.0));
}

}  // namespace ivgen
