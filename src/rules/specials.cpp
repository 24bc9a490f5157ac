#include "rules/specials.h"

#include <algorithm>
#include <vector>

#include "record/values.h"
#include "rules/attributes.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr int kAnimalQuickness = 1;

constexpr std::array<const char*, 6> kGhoulFlaws = {
    "Mild Allergy Sunlight []", "Enhance Hearing (+2 Per. test) []", "Enhance Smell (+2 Per. test) []", "Blind []",
    "Sensitive System []",      "Dietary Req. raw flesh []"};

// What is left of the person, by the successes of the Willpower test (4 or more: the last row).
struct GhoulOutcome {
  int charisma;
  int intelligence;
  int willpower;
  std::vector<const char*> lines;
};
const std::array<GhoulOutcome, 5>& GhoulOutcomes() {
  static const std::array<GhoulOutcome, 5> outcomes = {{
      {-2, -2, 0, {"Inability to deal w/Metas well", "Mentally, an animal"}},
      {-1, -1, 0, {"Semblance of personallity left"}},
      {-1, 0, 0, {"mostly intact personallity"}},
      {0, 0, 0, {"almost complete retention", "of personality and intellect"}},
      {0, 0, 1, {}},
  }};
  return outcomes;
}

void AddToRacial(CharacterRecord& record, int i, int amount) { AddToCell(record.Attr[i].Racial, amount); }

// The albino lines and the metatype's extra Willpower; applied on every switch-on.
void ApplyAlbino(RulesContext& ctx) {
  AddToCell(ctx.state.race.metaFields[kWillpower], 1);
  ctx.record.RaceDesc.emplace_back("Albino");
  ctx.record.RaceDesc.emplace_back("F-Mild Allergy Sunlight[]");
}

bool ValidAnimal(const CharacterRecord& record, int i) { return record.Shapeshift && i >= 0 && i < 3; }

}  // namespace

std::string AlbinoFlawLine(int choice) {
  static constexpr std::array<const char*, kAlbinoFlawCount> kLines = {"F-Bio-Rejection[]", "F-Color Blindness[]",
                                                                       "F-Low Pain Tolerance[]", "F-Night Blindness[]",
                                                                       "F-Sensitive System[]"};
  return choice >= 0 && choice < kAlbinoFlawCount ? kLines[choice] : "";
}

void ResetSpecials(RulesContext& ctx, SpecialsView& view) {
  view = SpecialsView{};
  // A new character has no animal form: the window would offer spin buttons that do nothing.
  ctx.platform.CloseDialog(Dialog::AnimalForm);
  RefreshSpecials(ctx, view);
}

void RefreshSpecials(RulesContext& ctx, SpecialsView& view) {
  // After the race-page completion the metatype's values are applied for good.
  view.albinoEnabled = ctx.record.PtsMeta != 0 && !ctx.record.OnceThru;
}

void GhoulCheck(RulesContext& ctx, SpecialsView& view) {
  // The option is bought with build points; under priorities it buys nothing.
  if (ctx.record.PtsGhoul != 0 && ctx.record.GeneratorPoints) view.ghoulButtonVisible = true;
}

void RestoreGhoulButton(RulesContext& ctx, SpecialsView& view) {
  const CharacterRecord& record = ctx.record;
  view.ghoulButtonVisible =
      record.GeneratorPoints && record.PtsGhoul != 0 && record.OnceThru && !GhoulTransformed(record);
}

bool BeginGhoul(RulesContext& ctx, SpecialsView& view) {
  if (!view.ghoulButtonVisible) return false;
  CharacterRecord& record = ctx.record;
  record.OnceThru = true;
  view.ghoulButtonVisible = false;

  AddToRacial(record, kBody, 2);
  AddToRacial(record, kStrength, 1);
  AddToRacial(record, kCharisma, -1);
  AddToRacial(record, kIntelligence, -1);
  AddToCell(record.RunMult, 1);
  // Only what the page shows: the next RecalcDerived counts both from Essence again.
  record.EssenceText = GeneralNumber(record.Essence - 1);
  AddToCell(record.Magic.Base, -1);
  record.Race = kGhoulPrefix + record.Race;
  OfferRaces(ctx);
  record.Edges.insert(record.Edges.end(), kGhoulFlaws.begin(), kGhoulFlaws.end());
  record.RaceDesc.emplace_back("Dual-natured being");
  record.RaceDesc.emplace_back(kGhoulTrait);

  const AttributeRow& will = record.Attr[kWillpower];
  // A hand-written file can hold any Willpower; no character comes near the cap, and no test hangs.
  constexpr int kMostDice = 100;
  const int dice = std::min(IntFloor(CellValue(will.Base) + CellValue(will.Racial)), kMostDice);
  int successes = 0;
  for (int k = 0; k < dice; ++k) {
    if (Rollsix(ctx.platform) > 5) ++successes;
  }
  const GhoulOutcome& outcome = GhoulOutcomes()[std::min(successes, 4)];
  AddToRacial(record, kCharisma, outcome.charisma);
  AddToRacial(record, kIntelligence, outcome.intelligence);
  AddToRacial(record, kWillpower, outcome.willpower);
  record.RaceDesc.insert(record.RaceDesc.end(), outcome.lines.begin(), outcome.lines.end());

  ctx.platform.Message("Ghoul Transformation complete:" + IntText(successes) + " successes", kAppTitle, Icon::None,
                       Buttons::Ok);
  return true;
}

bool SetAlbino(RulesContext& ctx, SpecialsView& view, bool on) {
  RefreshSpecials(ctx, view);
  if (!view.albinoEnabled || view.albino == on) return false;
  view.albino = on;
  view.albinoFlawVisible = on;
  if (on) ApplyAlbino(ctx);
  return true;
}

void AlbinoChoice(RulesContext& ctx, SpecialsView& view) {
  if (view.albino) ApplyAlbino(ctx);
}

bool ChooseAlbinoFlaw(RulesContext& /*ctx*/, SpecialsView& view, int choice) {
  if (!view.albinoFlawVisible || choice < 0 || choice >= kAlbinoFlawCount || choice == view.albinoFlaw) return false;
  view.albinoFlaw = choice;
  return true;
}

void AlbinoFlaw(RulesContext& ctx, SpecialsView& view) {
  if (view.albino && view.albinoFlaw >= 0 && view.albinoFlaw < kAlbinoFlawCount) {
    ctx.record.RaceDesc.push_back(AlbinoFlawLine(view.albinoFlaw));
  }
}

std::string AnimalCombatPool(const CharacterRecord& record) {
  const double quickness = CellValue(record.Animal.Attr[kAnimalQuickness].Total);
  const double intelligence = CellValue(record.Attr[kIntelligence].Total);
  const double willpower = CellValue(record.Attr[kWillpower].Total);
  return IntText(IntFloor((quickness + intelligence + willpower) / 2));
}

void SCalcMaxUsed(RulesContext& ctx, SpecialsView& view) {
  CharacterRecord& record = ctx.record;
  ShapeshiftGroup& animal = record.Animal;
  double used = 0;
  for (const AttributeRow& row : record.Attr) used += CellValue(row.Base);
  // The metatype list runs this for every metatype; only a shapeshifter has an animal form.
  if (record.Shapeshift) {
    for (const DerivedRow& row : animal.Attr) used += CellValue(row.Base);
  }
  record.AttributePointsUsed = CInt(used);
  view.pointsDisplay = IntText(record.AttributePointsUsed) + "/" + IntText(record.Attributes);
  ctx.state.attributes.pointsDisplay = view.pointsDisplay;

  for (DerivedRow& row : animal.Attr) row.Total = IntText(IntFloor(CellValue(row.Base) + CellValue(row.Modifier)));
  const double quickness = CellValue(animal.Attr[kAnimalQuickness].Total);
  const double intelligence = CellValue(record.Attr[kIntelligence].Total);
  view.combatPool = AnimalCombatPool(record);
  const int32_t reaction = IntFloor((quickness + intelligence) / 2);
  animal.Reaction.Base = IntText(reaction);
  animal.Reaction.Total = IntText(IntFloor(reaction + CellValue(animal.Reaction.Modifier)));
  animal.Initative.Total = IntText(IntFloor(CellValue(animal.Initative.Base) + CellValue(animal.Initative.Modifier)));
  view.overLimit = record.AttributePointsUsed > record.Attributes;
}

bool RaiseAnimalAttribute(RulesContext& ctx, SpecialsView& view, int i) {
  CharacterRecord& record = ctx.record;
  if (!ValidAnimal(record, i)) return false;
  view.overLimit = false;
  const bool override = record.OverrideLimits();
  std::string& cell = record.Animal.Attr[i].Base;
  const int32_t value = CLng(CellValue(cell));
  if (!(value < kAnimalMaximum || override)) return false;
  cell = IntText(static_cast<int64_t>(value) + 1);
  SCalcMaxUsed(ctx, view);
  // The step taken back still counts as a change, as the attribute buttons count it.
  if (record.AttributePointsUsed > record.Attributes && !override) {
    cell = IntText(value);
    SCalcMaxUsed(ctx, view);
  }
  return true;
}

bool LowerAnimalAttribute(RulesContext& ctx, SpecialsView& view, int i) {
  CharacterRecord& record = ctx.record;
  if (!ValidAnimal(record, i)) return false;
  view.overLimit = false;
  std::string& cell = record.Animal.Attr[i].Base;
  const int32_t value = CLng(CellValue(cell));
  // Down at 1 changes nothing but still recounts and marks the character, as the attribute
  // buttons do.
  if (value > 1) cell = IntText(static_cast<int64_t>(value) - 1);
  SCalcMaxUsed(ctx, view);
  return true;
}

void HideAnimalForm(RulesContext& ctx) { ctx.platform.CloseDialog(Dialog::AnimalForm); }

bool UnhideShifter(RulesContext& ctx) {
  if (!ctx.state.pages.unhideShifterVisible) return false;
  ctx.platform.ShowDialog(Dialog::AnimalForm);
  return true;
}

}  // namespace ivgen
