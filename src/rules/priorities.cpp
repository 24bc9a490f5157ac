#include "rules/priorities.h"

#include <algorithm>
#include <tuple>

#include "record/entries.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/page_change.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr std::array<int, kPriorityRows> kAttributePoints = {30, 27, 24, 21, 18};
constexpr std::array<int, kPriorityRows> kSkillPoints = {50, 40, 34, 30, 27};
constexpr std::array<int32_t, kPriorityRows> kNuyen = {1000000, 400000, 90000, 20000, 5000};
constexpr std::array<const char*, kPriorityRows> kRaceTexts = {"--------", "--------", "Troll/Elf", "Dwarf/Ork",
                                                               "Human"};
constexpr std::array<const char*, kPriorityRows> kMagicTexts = {"Magician", "Aspected", "Mundane", "Mundane",
                                                                "Mundane"};
constexpr const char* kYen = "\xA5";

bool ValidRow(int row) { return row >= 0 && row < kPriorityRows; }

int16_t* PriorityField(CharacterRecord& record, std::string_view area) {
  if (area == "Race") return &record.PriRace;
  if (area == "Magic") return &record.PriMagic;
  if (area == "Attributes") return &record.PriAttributes;
  if (area == "Skills") return &record.PriSkills;
  if (area == "Resources") return &record.PriResources;
  return nullptr;
}

// The Magic modifier is the initiate grade while "Initiation/Geas Mod" is on: the character file
// keeps the grade only then, so the Magic shown matches what a reopened file gives.
void ApplyGrade(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  record.Magic.Modifier = IntText(record.Initiation != 0 ? record.Grade : 0);
  RecalcDerived(ctx);
}

}  // namespace

int AttributeGrant(int row) { return ValidRow(row) ? kAttributePoints[row] : -1; }
int SkillGrant(int row) { return ValidRow(row) ? kSkillPoints[row] : -1; }
int32_t ResourceGrant(int row) { return ValidRow(row) ? kNuyen[row] : -1; }

std::string PriorityValueText(std::string_view area, int row) {
  if (!ValidRow(row)) return "";
  if (area == "Race") return kRaceTexts[row];
  if (area == "Magic") return kMagicTexts[row];
  if (area == "Attributes") return IntText(kAttributePoints[row]) + " points";
  if (area == "Skills") return IntText(kSkillPoints[row]) + " points";
  if (area == "Resources") return FormatThousands(kNuyen[row]) + kYen;
  return "";
}

float StartingSpellPoints(const CharacterRecord& record) {
  if (record.PhysAdMagic != 0) return 0;
  if (record.PriMagic == 0) return 25;
  if (record.PriMagic == 1) return record.Adept == 0 ? 0 : 35;
  return 0;
}

void ShowPriorityTable(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  if (record.GeneratorPoints) return;
  PriorityView& view = ctx.state.priorities;

  const int16_t previousMagic = record.PriMagic;
  for (int i = 0; i < kPriorityRows; ++i) {
    const std::string& area = view.order[i];
    if (int16_t* field = PriorityField(record, area)) *field = static_cast<int16_t>(i);
    view.valueTexts[i] = PriorityValueText(area, i);
    if (area != "Magic") continue;
    // A physical adept on the path of the magician stays an adept, or the next save would drop
    // the powers.
    if (i == 0 && record.PhysAdMagic != 0) {
      record.Adept = 0;
    } else if (i != 1) {
      record.Adept = -1;
    }
    view.adeptGroupVisible = i == 1;
  }

  // Spell points follow the magic row only when it moves, so clicking rows never wipes spell
  // points bought or granted by codes.
  if (record.PriMagic != previousMagic) {
    if (record.PriMagic == 0) record.MagicPts = MagicGrantWithCodes(ctx, 25);
    if (record.PriMagic == 1) record.MagicPts = MagicGrantWithCodes(ctx, 35);
  }
  // The path of the magician exists only at magic A; moving away clears the hidden option.
  if (record.PriMagic != 0) record.PhysAdMagic = 0;
  if (record.PriMagic != previousMagic && (record.Adept == 0 || record.PhysAdMagic != 0)) {
    record.MagicPts = MagicGrantWithCodes(ctx, 0);
  }

  // The options follow the rows just applied, so they never lag one click behind.
  view.physAdVisible = record.PriMagic == 0;
  view.initiationEnabled = record.PriMagic == 0 || record.PriMagic == 1 || record.Adept >= 0;
}

void SelectPriorityRow(RulesContext& ctx, int row) {
  if (!ValidRow(row)) return;
  ctx.state.priorities.selectedRow = row;
  ShowPriorityTable(ctx);
}

bool MoveAreaUp(RulesContext& ctx) {
  PriorityView& view = ctx.state.priorities;
  const int i = view.selectedRow;
  if (!ValidRow(i) || i == 0) return false;
  std::swap(view.order[i - 1], view.order[i]);
  view.selectedRow = i - 1;
  ShowPriorityTable(ctx);
  return true;
}

bool MoveAreaDown(RulesContext& ctx) {
  PriorityView& view = ctx.state.priorities;
  const int i = view.selectedRow;
  if (!ValidRow(i) || i == kPriorityRows - 1) return false;
  std::swap(view.order[i], view.order[i + 1]);
  view.selectedRow = i + 1;
  ShowPriorityTable(ctx);
  return true;
}

void RestorePriorityOrder(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  // The order in which a character file places the areas.
  constexpr std::array<std::string_view, kPriorityRows> kPlacing = {"Race", "Attributes", "Skills", "Magic",
                                                                    "Resources"};
  std::array<std::string, kPriorityRows> order;
  std::vector<std::string_view> unplaced;
  for (std::string_view area : kPlacing) {
    const int row = *PriorityField(record, area);
    if (ValidRow(row) && order[row].empty()) {
      order[row] = area;
    } else {
      unplaced.push_back(area);
    }
  }
  // A damaged file may name a row twice; the areas left over take the free rows, so each area
  // still stands exactly once.
  std::stable_sort(unplaced.begin(), unplaced.end(), [](std::string_view a, std::string_view b) {
    const std::array<std::string_view, kPriorityRows> first = {"Attributes", "Skills", "Resources", "Race", "Magic"};
    return std::find(first.begin(), first.end(), a) < std::find(first.begin(), first.end(), b);
  });
  auto next = unplaced.begin();
  for (std::string& slot : order) {
    if (slot.empty() && next != unplaced.end()) slot = *next++;
  }
  ctx.state.priorities.order = order;
}

bool ChooseAdept(RulesContext& ctx, int choice) {
  if (!ctx.state.priorities.adeptGroupVisible || choice < 0 || choice >= static_cast<int>(kAdeptChoices.size())) {
    return false;
  }
  ctx.record.Adept = static_cast<int16_t>(choice);
  ctx.record.MagicPts = MagicGrantWithCodes(ctx, choice == 0 ? 0 : 35);
  return true;
}

bool SetPhysAdMagic(RulesContext& ctx, bool on) {
  if (!ctx.state.priorities.physAdVisible) return false;
  CharacterRecord& record = ctx.record;
  // Ticking it again would take back spell points a "Magical Power" gave since.
  if ((record.PhysAdMagic != 0) == on) return false;
  if (on) {
    record.MagicPts = MagicGrantWithCodes(ctx, 0);
    record.Adept = 0;
    record.PhysAdMagic = 1;
  } else {
    record.PhysAdMagic = 0;
  }
  return true;
}

bool SetOverrideLimits(RulesContext& ctx, bool on) {
  CharacterRecord& record = ctx.record;
  // Only a switch clears the initiation tick; setting the state it has changes nothing.
  if (record.OverrideLimits() == on) return false;
  record.norules = on ? 1 : 0;
  ctx.state.priorities.initiationEnabled = true;
  record.Initiation = 0;
  ApplyGrade(ctx);
  return true;
}

bool SetInitiation(RulesContext& ctx, bool on) {
  if (!ctx.state.priorities.initiationEnabled) return false;
  const int16_t state = on ? 1 : 0;
  if (ctx.record.Initiation == state) return false;
  ctx.record.Initiation = state;
  ApplyGrade(ctx);
  return true;
}

bool SetGradeText(RulesContext& ctx, std::string_view text) {
  CharacterRecord& record = ctx.record;
  ctx.state.priorities.gradeText = std::string(text);
  const int16_t grade = Trim(text).empty() ? 0 : CInt(Val(text));
  const bool changed = grade != record.Grade && record.Initiation != 0;
  record.Grade = grade;
  ApplyGrade(ctx);
  return changed;
}

void SetMoneyText(RulesContext& ctx, std::string_view text) { ctx.state.priorities.moneyText = std::string(text); }

bool ChoosePriorityGenerator(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  // What the switch may rewrite: the method, and the values the ranking shown sets again.
  auto written = [&record] {
    return std::tuple(record.GeneratorPoints, record.PriRace, record.PriMagic, record.PriAttributes, record.PriSkills,
                      record.PriResources, record.Adept, record.MagicPts, record.PhysAdMagic);
  };
  const auto before = written();
  record.GeneratorPoints = false;
  ctx.platform.CloseDialog(Dialog::PointGeneration);
  ctx.state.race.metaGroupVisible = false;
  ctx.state.priorities.edgesButtonVisible = true;
  // Build points may have set the race and magic values; they follow the ranking shown again.
  ShowPriorityTable(ctx);
  SwitchPage(ctx, kPagePriorities);
  return written() != before;
}

bool ChoosePointGenerator(RulesContext& ctx) {
  const bool changed = !ctx.record.GeneratorPoints;
  ctx.record.GeneratorPoints = true;
  // The dialog's "MetaVariants" and shapeshifter, kept from before, offer metatypes again.
  ctx.state.race.metaGroupVisible = MetaOn(ctx.record) || ctx.record.Shapeshift;
  if (ctx.state.pages.page == kPagePriorities) ctx.platform.RunDialog(Dialog::PointGeneration);
  return changed;
}

}  // namespace ivgen
