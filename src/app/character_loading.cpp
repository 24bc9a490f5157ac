#include "app/character_loading.h"

#include <vector>

#include "entry/list_entries.h"
#include "purchase/contacts.h"
#include "purchase/cyberware.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/page_change.h"
#include "rules/point_generation.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

namespace {

// What the file stores that replaying the rules would change: modifier codes add attribute and
// spell points, the magic options move spell points, the race choice renames the race.
struct StoredValues {
  int32_t Maxresources;
  int32_t NuyenSpent;
  int16_t Attributes;
  float MagicPts;
};

void KeepWithin(int16_t& index, int count) {
  if (index < 0 || index >= count) index = -1;
}

// An option outside its choices is ignored: the first one, as a missing key reads, so what a save
// then writes opens to the same character.
void FirstIfOutside(int16_t& option, int count) {
  if (option < 0 || option >= count) option = 0;
}

// An entry's modifier codes apply as buying it applied them.
void ApplyCodes(RulesContext& ctx, const std::string& codes) {
  if (!codes.empty()) ModifyAttributeS(ctx, codes, false);
}

void ReadGeneration(RulesContext& ctx, const CharacterFile& file, const LoadRecounts& recounts) {
  CharacterRecord& record = ctx.record;
  const bool rowsRead = file.ReadGeneration(record);
  FirstIfOutside(record.Rsel, kRaceCount);
  if (record.GeneratorPoints) {
    FirstIfOutside(record.PtsRsel, kPointRaceCount);
    FirstIfOutside(record.PtsResourceSel, kResourceCount);
    record.PtsAttributes = record.Attributes;
    // The race priority "Done" gave decides which races the race page offers.
    SetPointRacePriority(record);
    const int16_t metatype = record.SelIndex;
    ChooseRace(ctx, record.Rsel);
    recounts.pointGeneration(ctx);
    // The dialog's path-of-the-magician tick is what lets the character buy "Magical Power".
    record.PhysAdMagic = record.PtsPhysAdMagic != 0 ? 1 : 0;
    // The race choice starts a new metatype list; the file's choice in it stays.
    record.SelIndex = metatype;
    KeepWithin(record.SelIndex, static_cast<int>(ctx.state.race.metaList.size()));
    // A completed race page keeps its metatype values; the group still shows which it was.
    if (record.OnceThru || !ChooseMetatype(ctx, record.SelIndex)) ShowMetatype(ctx, record.SelIndex);
    record.Animal.SSindex = record.SelIndex;
  } else {
    if (rowsRead) RestorePriorityOrder(ctx);
    ChooseRace(ctx, record.Rsel);
    ShowPriorityTable(ctx);
    if (const int skills = SkillGrant(record.PriSkills); skills >= 0) record.PtsSkills = static_cast<int16_t>(skills);
  }
}

}  // namespace

void LoadCharacter(RulesContext& ctx, const CharacterFile& file, const std::string& defaultGif,
                   const LoadRecounts& recounts) {
  CharacterRecord& record = ctx.record;
  // The file's gear list brings its own divider.
  record.Gear.clear();

  const bool overrideWas = record.OverrideLimits();
  file.ReadCharacter(record, defaultGif);
  const std::string raceName = record.Race;
  const int16_t initiation = record.Initiation;
  // The option takes the file's state as a click would: its handling runs only when that state
  // differs, and it clears the initiation, which the file's replaces.
  if (const bool fileOverride = record.OverrideLimits(); fileOverride != overrideWas) {
    record.norules = overrideWas ? 1 : 0;
    SetOverrideLimits(ctx, fileOverride);
  }
  record.Initiation = initiation;
  if (initiation != 0) {
    ctx.state.priorities.initiationEnabled = true;
    SetGradeText(ctx, IntText(record.Grade));
  }
  StoredValues stored{record.Maxresources, 0, record.Attributes, record.MagicPts};

  ReadGeneration(ctx, file, recounts);
  ChooseRace(ctx, record.Rsel);
  // The path-of-the-magician tick shows what the file holds; ticking it again would change nothing.
  // A race name the player typed stays; a file without one gets the race's.
  if (!raceName.empty()) record.Race = raceName;
  record.RaceDesc = file.List(kRaceDescList);

  file.ReadAttributes(record);
  stored.NuyenSpent = record.NuyenSpent;
  // Ceiling codes are checked against the racial maxima of the cells just read.
  RecalcRacialMax(record);
  RecalcDerived(ctx);
  // The maxima the codes below raise are not in yet: a marker set now would be false and, as only
  // the spin buttons hide one, would stay. The replay and later recalculations set the true ones.
  ctx.state.attributes.overMaximum = {};
  if (record.Shapeshift) file.ReadShapeshift(record);
  file.ReadDicePools(record);

  for (const std::string& entry : file.List(kCyberList)) {
    record.Cyberware.push_back(entry);
    ShowMoneyLeft(ctx);
    ApplyCodes(ctx, ParseEntry<CyberwareEntry>(entry).codes);
  }
  recounts.cyberwareEssence(ctx);
  for (const std::string& entry : file.List(kBioList)) {
    record.Bioware.push_back(entry);
    ApplyCodes(ctx, ParseEntry<BiowareEntry>(entry).codes);
    recounts.bioIndex(ctx);
  }
  for (const std::string& entry : file.List(kEdgeList)) {
    record.Edges.push_back(entry);
    ApplyCodes(ctx, ParseEntry<EdgeEntry>(entry).description);
  }
  recounts.edgePoints(ctx);
  record.Skills = file.List(kSkillList);
  recounts.skillPoints(ctx);
  // Only a physical adept has powers: a save would drop the others' list but keep its codes.
  const std::vector<std::string> powers = record.Adept == 0 ? file.List(kPowerList) : std::vector<std::string>{};
  for (const std::string& entry : powers) {
    record.Powers.push_back(entry);
    const PowerEntry power = ParseEntry<PowerEntry>(entry);
    record.PowerPointsUsed += static_cast<float>(HeldAmount(power.Cost()));
    ShowPowerPoints(ctx);
    ApplyCodes(ctx, power.codes);
  }
  // The skill points were counted before the powers' codes and with the knowledge and language
  // points of the attributes as read, before any implant, edge or power raised them: counted
  // again with all of them in, a character saves the points it was saved with.
  RecalcDerived(ctx);
  recounts.skillPoints(ctx);

  if (std::optional<int16_t> tradition = file.Tradition()) {
    KeepWithin(*tradition, static_cast<int>(ctx.catalogs.traditions.size()));
    record.Tradition = *tradition;
  }
  for (const std::string& entry : file.List(kSpellList)) {
    record.Spells.push_back(entry);
    if (const size_t open = entry.find('['); open != std::string::npos) {
      record.SpellPointsUsed += static_cast<float>(HeldAmount(Val(std::string_view(entry).substr(open + 1))));
    }
    ShowSpellPoints(ctx);
  }

  record.TotalWeight = file.TotalWeight();
  record.Gear = file.List(kGearList);
  record.Description = file.Description();
  record.Contacts = file.List(kContactList);
  record.Level1Contacts = CountLevel1Contacts(record);

  record.Maxresources = stored.Maxresources;
  record.NuyenSpent = stored.NuyenSpent;
  record.Attributes = stored.Attributes;
  if (record.GeneratorPoints) {
    // The file's points hold what the codes added; the dialog shows only those bought, or its
    // next Done would add the codes twice.
    record.PtsAttributes = CInt(stored.Attributes - ctx.state.attributes.codePoints);
    recounts.pointGeneration(ctx);
  }
  record.MagicPts = stored.MagicPts;
  ShowSpellPoints(ctx);
  // The "Money" field shows an existing character's money, so leaving the priorities page
  // later keeps it.
  if (record.OverrideLimits()) SetMoneyText(ctx, IntText(record.Maxresources));
  ShowOpenedCharacter(ctx);
  ctx.state.race.fixedBy = record.OnceThru ? RaceFixedBy::OpenedFile : RaceFixedBy::None;
}

}  // namespace ivgen
