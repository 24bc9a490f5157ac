#include "rules/race.h"

#include <algorithm>
#include <vector>

#include "record/entries.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

constexpr size_t kNameWidth = 15;

bool ValidRace(int i) { return i >= 0 && i < kRaceCount; }

// The dermal armour of a troll is one point of the Body modifier; it is added and taken back
// rather than written, so what items gave the modifier survives a change of race.
void SetTrollArmour(RulesContext& ctx, bool troll) {
  bool& armour = ctx.state.race.trollArmour;
  if (armour == troll) return;
  std::string& cell = ctx.record.Attr[kBody].Modifier;
  cell = IntText(static_cast<int64_t>(CLng(CellValue(cell))) + (troll ? 1 : -1));
  armour = troll;
}

void ApplyBaseRace(RulesContext& ctx, int i) {
  const RaceInfo& race = Races()[i];
  CharacterRecord& record = ctx.record;
  for (int k = 0; k < kAttributeCount; ++k) record.Attr[k].Racial = IntText(race.modifiers[k]);
  record.RunMult = IntText(race.runMult);
  record.Race = race.name;
  record.RaceDesc.assign(race.traits.begin(), race.traits.end());
  SetTrollArmour(ctx, i == kTroll);
}

std::string WholeText(std::string_view field) { return IntText(CInt(Val(field))); }

}  // namespace

bool MetaOn(const CharacterRecord& record) {
  return record.GeneratorPoints && (record.PtsMeta != 0 || record.Shapeshift);
}

bool GhoulTransformed(const CharacterRecord& record) {
  return record.Race.starts_with(kGhoulPrefix) ||
         std::find(record.RaceDesc.begin(), record.RaceDesc.end(), kGhoulTrait) != record.RaceDesc.end();
}

const std::array<RaceInfo, kRaceCount>& Races() {
  static const std::array<RaceInfo, kRaceCount> races = {{
      {"Human", 'H', {0, 0, 0, 0, 0, 0}, 3, {}},
      {"Elf", 'E', {0, 1, 0, 2, 0, 0}, 3, {"Low Light Vision"}},
      {"Dwarf", 'D', {1, 0, 2, 0, 0, 1}, 2, {"Thermographic Vision", "Resist. to Disease/Toxin (+2)"}},
      {"Ork", 'O', {3, 0, 2, -1, -1, 0}, 3, {"Low Light Vision"}},
      {"Troll", 'T', {5, -1, 4, -2, -2, 0}, 3, {"Thermographic Vision", "Dermal Armor", "Reach (+1)"}},
  }};
  return races;
}

std::string_view RaceCode(int i) {
  static constexpr std::array<std::string_view, kRaceCount> kCodes = {"H", "E", "D", "O", "T"};
  return ValidRace(i) ? kCodes[i] : std::string_view();
}

void ChooseRace(RulesContext& ctx, int i) {
  if (!ValidRace(i)) return;
  CharacterRecord& record = ctx.record;
  RaceView& view = ctx.state.race;
  record.Rsel = static_cast<int16_t>(i);
  const bool meta = MetaOn(record);
  if (!meta && !record.Shapeshift) {
    ApplyBaseRace(ctx, i);
  } else {
    // A metatype or animal form is no base troll: its dermal armour goes with the base race.
    SetTrollArmour(ctx, false);
  }

  if ((meta && i > 0) || (record.Shapeshift && i == 0)) {
    const char code = RaceCode(i)[0];
    std::vector<std::string> offered;
    for (const std::string& line : ctx.catalogs.metaLines) {
      if (line.size() > 2 && line[0] == code) offered.push_back(line.substr(2));
    }
    // Choosing the same race again (as opening a file does) keeps the subtype chosen.
    if (offered != view.metaList) {
      view.metaList = std::move(offered);
      record.SelIndex = -1;
      record.Animal.SSindex = -1;
    }
  }
  RecalcDerived(ctx);
}

bool ClickRace(RulesContext& ctx, int i) {
  if (!ValidRace(i) || !ctx.state.race.optionEnabled[i]) return false;
  // A radio button reports a click on the race already chosen as well.
  const CharacterRecord before = ctx.record;
  ChooseRace(ctx, i);
  return ctx.record != before;
}

std::string MetatypeName(std::string_view line) {
  const std::string_view name = line.substr(0, std::min(line.find('|'), line.size()));
  return Trim(name.substr(0, std::min(name.size(), kNameWidth)));
}

std::vector<std::string> MetatypeFields(std::string_view line) {
  std::vector<std::string> pieces = Split(line, '|');
  // The name comes first; what follows the last "|" (the "$" end marker) is no field.
  if (pieces.size() < 2) return {};
  return std::vector<std::string>(pieces.begin() + 1, pieces.end() - 1);
}

void ShowShapeFields(RulesContext& ctx, bool visible) { ctx.state.race.shapeFieldsVisible = visible; }

namespace {

// The metatype group shows list line `index`: its caption, modifier and animal-form fields.
// Returns the line's other fields, its traits.
std::vector<std::string> ShowMetatypeLine(RulesContext& ctx, int index) {
  RaceView& view = ctx.state.race;
  const std::string line = view.metaList[index];
  view.modCaption = MetatypeName(line) + " Race Mods";
  const bool shapeForm = line.starts_with("SS");
  ShowShapeFields(ctx, shapeForm);

  // A line with fewer fields than the last one leaves no modifier of that one behind.
  view.metaFields.fill("");
  if (shapeForm) view.animalFields.fill("");
  std::vector<std::string> traits;
  const std::vector<std::string> fields = MetatypeFields(line);
  for (size_t k = 0; k < fields.size(); ++k) {
    // The numbers lose their blanks, as a reopened file would take them; a trait reads as written.
    if (k < kMetaFieldCount) {
      view.metaFields[k] = Trim(fields[k]);
    } else if (shapeForm && k < kMetaFieldCount + kAnimalFieldCount) {
      view.animalFields[k - kMetaFieldCount] = Trim(fields[k]);
    } else {
      traits.push_back(fields[k]);
    }
  }
  return traits;
}

bool InMetaList(const RaceView& view, int index) {
  return index >= 0 && index < static_cast<int>(view.metaList.size());
}

}  // namespace

bool ChooseMetatype(RulesContext& ctx, int index) {
  CharacterRecord& record = ctx.record;
  RaceView& view = ctx.state.race;
  if (!InMetaList(view, index)) return false;
  if (record.OnceThru) return Refuse(ctx, RaceFixedReason(view.fixedBy));

  record.SelIndex = static_cast<int16_t>(index);
  record.Animal.SSindex = static_cast<int16_t>(index);
  record.RaceDesc = ShowMetatypeLine(ctx, index);

  ShapeshiftGroup& animal = record.Animal;
  for (int k = 0; k < 3; ++k) animal.Attr[k].Modifier = view.animalFields[k];
  animal.RunMult = view.animalFields[3];
  animal.Reaction.Modifier = view.animalFields[4];
  animal.Initative.Modifier = view.animalFields[5];
  SCalcMaxUsed(ctx, ctx.state.specials);
  AlbinoChoice(ctx, ctx.state.specials);
  return true;
}

void ShowMetatype(RulesContext& ctx, int index) {
  if (InMetaList(ctx.state.race, index)) ShowMetatypeLine(ctx, index);
}

void CompleteRacePage(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  const RaceView& view = ctx.state.race;
  GhoulCheck(ctx, ctx.state.specials);

  if (MetaOn(record) || record.Shapeshift) {
    const int index = record.SelIndex;
    if (index >= 0 && index < static_cast<int>(view.metaList.size())) {
      record.Race = MetatypeName(view.metaList[index]);
      for (int k = 0; k < kAttributeCount; ++k) record.Attr[k].Racial = WholeText(view.metaFields[k]);
      record.RunMult = WholeText(view.metaFields[kAttributeCount]);
    } else if (ValidRace(record.Rsel)) {
      // No subtype was chosen: the character is of the base race.
      ApplyBaseRace(ctx, record.Rsel);
    }
    if (record.Shapeshift) record.Essence = 8.0;
    AlbinoFlaw(ctx, ctx.state.specials);
  }

  // The floor comes after the metatype's modifiers, so a negative one cannot leave a total
  // below 1.
  for (AttributeRow& row : record.Attr) {
    const double racial = CellValue(row.Racial);
    if (CellValue(row.Base) + racial < 1) row.Base = IntText(CLng(1 - racial));
  }

  auto& desc = record.RaceDesc;
  for (size_t k = desc.size(); k-- > 0;) {
    if (!desc[k].starts_with("F-")) continue;
    record.Edges.push_back(desc[k].substr(2));
    desc.erase(desc.begin() + static_cast<std::ptrdiff_t>(k));
  }
  RecalcDerived(ctx);
}

std::array<bool, kRaceCount> RacesOffered(int raceRow) {
  if (raceRow == 3) return {true, false, true, true, false};
  if (raceRow == 4) return {true, false, false, false, false};
  return {true, true, true, true, true};
}

void OfferRaces(RulesContext& ctx, bool keepRace) {
  CharacterRecord& record = ctx.record;
  auto& enabled = ctx.state.race.optionEnabled;
  // Choosing a race again would silently replace the transformed racial values and traits.
  if (GhoulTransformed(record)) {
    enabled.fill(false);
  } else if (record.OverrideLimits()) {
    enabled.fill(true);
  } else {
    enabled = RacesOffered(record.PriRace);
  }
  // Race at E selects Human, also when Override Limits offers every race: a new character is
  // human without the race ever having been chosen, and gets its name.
  if (!GhoulTransformed(record) && record.PriRace == 4 && !keepRace && (record.Rsel != kHuman || record.Race.empty())) {
    ChooseRace(ctx, kHuman);
  }
}

bool RaceNotOffered(const CharacterRecord& record, const CreationState& state) {
  const auto& enabled = state.race.optionEnabled;
  const bool anyOffered = std::find(enabled.begin(), enabled.end(), true) != enabled.end();
  return anyOffered && ValidRace(record.Rsel) && !enabled[record.Rsel];
}

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
  ctx.state.race.fixedBy = RaceFixedBy::Ghoul;
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
  if (!(value < kAnimalMaximum || override)) {
    return Refuse(
        ctx, "Animal-form " + std::string(kAttributeKeys[i]) + " is at its maximum (" + IntText(kAnimalMaximum) + ")");
  }
  cell = IntText(static_cast<int64_t>(value) + 1);
  SCalcMaxUsed(ctx, view);
  // The step taken back still counts as a change, as the attribute buttons count it.
  if (record.AttributePointsUsed > record.Attributes && !override) {
    cell = IntText(value);
    SCalcMaxUsed(ctx, view);
    RefuseAttributePoints(ctx);
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
