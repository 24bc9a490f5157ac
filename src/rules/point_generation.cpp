#include "rules/point_generation.h"

#include "record/values.h"
#include "rules/attributes.h"
#include "rules/essence.h"
#include "rules/page_change.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr std::array<int, kPointRaceCount> kRaceCosts = {0, 5, 10, 25};
constexpr int kMinimumAttributePoints = 6;

int ResourceCost(int choice) {
  if (choice == 0) return -5;
  return choice >= 2 && choice < kResourceCount ? 5 * (choice - 1) : 0;
}

int MagicCost(const PointGenerationView& view) {
  if (!view.magic) return 0;
  return view.magicChoice == 0 ? 30 : 25;
}

// Whether `step` more build points still fit within maxpoints.
bool Fits(RulesContext& ctx, const PointGenerationView& view, const BuildAccount& account, int step) {
  return PointCost(ctx.record, view) + EdgeSum(ctx.record) + step <= account.maxpoints || ctx.record.OverrideLimits();
}

void StepField(std::string& field, double step) { field = GeneralNumber(Val(field) + step); }

bool SetCheck(int16_t& field, bool on) {
  const int16_t state = on ? 1 : 0;
  if (field == state) return false;
  field = state;
  return true;
}

void ApplyPhysAdMagician(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  if (record.PtsPhysAdMagic != 0) {
    record.MagicPts = MagicGrantWithCodes(ctx, 0);
    record.Adept = 0;
    record.PhysAdMagic = 1;
  } else {
    record.PhysAdMagic = 0;
  }
}

// Done's magic: full magic, aspected (Adept names the aspect, 0 the physical adept) or none.
void WriteMagic(RulesContext& ctx, const PointGenerationView& view) {
  CharacterRecord& record = ctx.record;
  record.PriMagic = 2;
  record.Adept = -1;
  float granted = 0;
  if (view.magic && view.magicChoice == 0) {
    record.PriMagic = 0;
    granted = 25;
  } else if (view.magic) {
    record.PriMagic = 1;
    granted = 35;
    if (view.magicChoice > 0) record.Adept = static_cast<int16_t>(view.magicChoice - 1);
    if (view.magicChoice == 1) granted = 0;
  }
  // The codes of entries chosen before Done keep what they add, as the attribute points' do.
  record.MagicPts = MagicGrantWithCodes(ctx, granted);
}

}  // namespace

int16_t PointCost(const CharacterRecord& record, const PointGenerationView& view) {
  const int race = record.PtsRsel >= 0 && record.PtsRsel < kPointRaceCount ? kRaceCosts[record.PtsRsel] : 0;
  const int options = 5 * (record.PtsMeta != 0) + 10 * (record.PtsGhoul != 0) + 30 * (record.PtsOtaku != 0);
  return CInt(race + options + ResourceCost(record.PtsResourceSel) + MagicCost(view) + 2 * Val(view.attributePoints) +
              Val(view.activeSkills));
}

void RecalcPoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  account.BuildPointsUsed = PointCost(ctx.record, view);
  view.pointsDisplay = IntText(account.BuildPointsUsed + EdgeSum(ctx.record)) + "/" + IntText(account.maxpoints);
}

void RestorePointGeneration(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  const CharacterRecord& record = ctx.record;
  view.attributePoints = IntText(record.PtsAttributes);
  view.activeSkills = IntText(record.PtsSkills);
  view.magic = record.MagicUser();
  if (record.PriMagic == 0) view.magicChoice = 0;
  // A hand-written aspect outside the five leaves the choice as it was.
  if (record.PriMagic == 1 && record.Adept >= 0 && record.Adept < kPointMagicCount - 1) {
    view.magicChoice = record.Adept + 1;
  }
  view.physAdVisible = view.magicChoice == 0;
  view.resourcesEnabled = record.PtsRsel != kShapeShifterChoice;
  RecalcPoints(ctx, view, account);
}

bool ChoosePointRace(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice) {
  if (choice < 0 || choice >= kPointRaceCount) return false;
  CharacterRecord& record = ctx.record;
  const CharacterRecord before = record;
  record.PtsRsel = static_cast<int16_t>(choice);
  if (choice == kShapeShifterChoice) {
    view.resourcesEnabled = false;
    record.PtsResourceSel = 1;
    ctx.state.race.metaGroupVisible = true;
    if (!GhoulTransformed(record)) ChooseRace(ctx, kHuman);
    ctx.state.pages.unhideShifterVisible = true;
    record.Shapeshift = true;
  } else {
    record.Shapeshift = false;
    ctx.state.pages.unhideShifterVisible = false;
    view.resourcesEnabled = true;
    if (record.PtsMeta == 0) ctx.state.race.metaGroupVisible = false;
  }
  RecalcPoints(ctx, view, account);
  // A radio button reports a click on the choice already made as well.
  return record != before;
}

bool SetMetaVariants(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  const bool changed = SetCheck(ctx.record.PtsMeta, on);
  RecalcPoints(ctx, view, account);
  ctx.state.race.metaGroupVisible = MetaOn(ctx.record);
  return changed;
}

bool SetGhoulOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  const bool changed = SetCheck(ctx.record.PtsGhoul, on);
  RecalcPoints(ctx, view, account);
  return changed;
}

bool SetOtakuOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  const bool changed = SetCheck(ctx.record.PtsOtaku, on);
  RecalcPoints(ctx, view, account);
  return changed;
}

bool SetNoRulesOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  const bool changed = SetCheck(ctx.record.PtsNoRules, on);
  RecalcPoints(ctx, view, account);
  // The priorities page's option follows, with everything its own switch does.
  if (ctx.record.OverrideLimits() != on) SetOverrideLimits(ctx, on);
  return changed;
}

bool SetMagicOption(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  view.magic = on;
  // Without magic there is no path of the magician: the hidden option would make Done turn a
  // mundane character into a physical adept.
  bool changed = false;
  if (!on && ctx.record.PtsPhysAdMagic != 0) {
    ctx.record.PtsPhysAdMagic = 0;
    ApplyPhysAdMagician(ctx);
    changed = true;
  }
  RecalcPoints(ctx, view, account);
  return changed;
}

bool ChoosePointMagic(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice) {
  if (!view.magic || choice < 0 || choice >= kPointMagicCount) return false;
  CharacterRecord& record = ctx.record;
  view.magicChoice = choice;
  view.physAdVisible = choice == 0;
  bool changed = false;
  if (choice != 0 && record.PtsPhysAdMagic != 0) {
    // Clearing the hidden option switches it off as a click would.
    record.PtsPhysAdMagic = 0;
    ApplyPhysAdMagician(ctx);
    changed = true;
  }
  RecalcPoints(ctx, view, account);
  return changed;
}

bool SetPhysAdMagician(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, bool on) {
  if (!view.magic || !view.physAdVisible || !SetCheck(ctx.record.PtsPhysAdMagic, on)) return false;
  ApplyPhysAdMagician(ctx);
  RecalcPoints(ctx, view, account);
  return true;
}

bool ChooseResources(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, int choice) {
  if (!view.resourcesEnabled || choice < 0 || choice >= kResourceCount) return false;
  const bool changed = ctx.record.PtsResourceSel != choice;
  ctx.record.PtsResourceSel = static_cast<int16_t>(choice);
  RecalcPoints(ctx, view, account);
  return changed;
}

void SetAttributePointsText(RulesContext& ctx, PointGenerationView& view, BuildAccount& account,
                            std::string_view text) {
  view.attributePoints = std::string(text);
  RecalcPoints(ctx, view, account);
}

void SetActiveSkillsText(RulesContext& ctx, PointGenerationView& view, BuildAccount& account, std::string_view text) {
  view.activeSkills = std::string(text);
  RecalcPoints(ctx, view, account);
}

void RaiseAttributePoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  if (Fits(ctx, view, account, 2)) StepField(view.attributePoints, 1);
  RecalcPoints(ctx, view, account);
}

void LowerAttributePoints(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  // One point for each of the six attributes is the floor.
  if (Val(view.attributePoints) > kMinimumAttributePoints || ctx.record.OverrideLimits())
    StepField(view.attributePoints, -1);
  RecalcPoints(ctx, view, account);
}

void RaiseActiveSkills(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  if (Fits(ctx, view, account, 1)) StepField(view.activeSkills, 1);
  RecalcPoints(ctx, view, account);
}

void LowerActiveSkills(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  if (Val(view.activeSkills) <= 0) {
    view.activeSkills = "0";
  } else {
    StepField(view.activeSkills, -1);
  }
  RecalcPoints(ctx, view, account);
}

void OpenEdgesFromPoints(RulesContext& ctx, PointGenerationView& view, EdgesView& edges, BuildAccount& account) {
  RecalcPoints(ctx, view, account);
  OpenEdges(ctx, edges, account);
  RecalcPoints(ctx, view, account);
}

void SetPointRacePriority(CharacterRecord& record) {
  if (record.PtsRsel == 0 || record.Shapeshift) {
    record.PriRace = 4;
  } else if (record.PtsRsel == 1) {
    record.PriRace = 3;
  } else if (record.PtsRsel == 2) {
    record.PriRace = 2;
  }
}

bool PointGenerationDone(RulesContext& ctx, PointGenerationView& view, BuildAccount& account) {
  CharacterRecord& record = ctx.record;
  // Showing page 0 under points opens the dialog, and leaving it runs Done: only a Done that
  // changes the character is an edit.
  const CharacterRecord before = record;
  record.GeneratorPoints = true;
  ctx.state.pages.prioritiesDone = true;
  // New keeps the dialog's choices but not the shapeshifter they made; the choice makes it again.
  if (record.PtsRsel == kShapeShifterChoice && !record.Shapeshift) {
    ChoosePointRace(ctx, view, account, kShapeShifterChoice);
  }
  SetPointRacePriority(record);
  const int resource = record.PtsResourceSel;
  record.Maxresources = resource >= 0 && resource < kResourceCount ? kResourceNuyen[resource] : kResourceNuyen[0];
  WriteMagic(ctx, view);
  record.PtsAttributes = CInt(Val(view.attributePoints));
  record.Attributes = GrantWithCodes(ctx, record.PtsAttributes);
  record.PtsSkills = CInt(Val(view.activeSkills));
  RecalcPoints(ctx, view, account);

  // The values are all written before the one page change, so the race page offers the races of
  // the new race choice and shows the new money left, over budget too.
  auto toRacePage = [&ctx] {
    ctx.state.pages.page = kPageRace;
    PageChange(ctx, kPagePriorities);
  };
  if (account.BuildPointsUsed + EdgeSum(record) > account.maxpoints && !record.OverrideLimits()) {
    toRacePage();
    ctx.platform.Message(kOverBudgetMessage, kAppTitle, Icon::None, Buttons::Ok);
    return record != before;
  }
  // A transformed ghoul keeps its racial values: the race options are closed to it as well.
  if (!GhoulTransformed(record)) ChooseRace(ctx, record.Rsel);
  // A shapeshifter who became another race loses the Essence of 8 now, not at the next visit to
  // the cyberware page.
  record.Essence = InstalledEssence(record);
  ctx.requests.cyberwareEssence = true;
  toRacePage();
  if (!view.magic || view.magicChoice != 0) record.PtsPhysAdMagic = 0;
  ApplyPhysAdMagician(ctx);
  ctx.platform.CloseDialog(Dialog::PointGeneration);
  return record != before;
}

}  // namespace ivgen
