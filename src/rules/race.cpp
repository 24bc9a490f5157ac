#include "rules/race.h"

#include <algorithm>

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
  if (record.OnceThru || !InMetaList(view, index)) return false;

  record.SelIndex = static_cast<int16_t>(index);
  record.Animal.SSindex = static_cast<int16_t>(index);
  record.RaceDesc = ShowMetatypeLine(ctx, index);

  ShapeshiftGroup& animal = record.Animal;
  for (int k = 0; k < 3; ++k) animal.Attr[k].Modifier = view.animalFields[k];
  animal.RunMult = view.animalFields[3];
  animal.Reaction.Modifier = view.animalFields[4];
  animal.Initative.Modifier = view.animalFields[5];
  ctx.hooks.SCalcMaxUsed();
  ctx.hooks.AlbinoChoice();
  return true;
}

void ShowMetatype(RulesContext& ctx, int index) {
  if (InMetaList(ctx.state.race, index)) ShowMetatypeLine(ctx, index);
}

void CompleteRacePage(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  const RaceView& view = ctx.state.race;
  ctx.hooks.GhoulCheck();

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
    ctx.hooks.AlbinoFlaw();
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

void OfferRaces(RulesContext& ctx, bool keepRace) {
  CharacterRecord& record = ctx.record;
  auto& enabled = ctx.state.race.optionEnabled;
  // Choosing a race again would silently replace the transformed racial values and traits.
  if (GhoulTransformed(record)) {
    enabled.fill(false);
  } else if (record.OverrideLimits() || (record.PriRace != 3 && record.PriRace != 4)) {
    enabled.fill(true);
  } else if (record.PriRace == 3) {
    enabled = {true, false, true, true, false};
  } else {
    enabled = {true, false, false, false, false};
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

}  // namespace ivgen
