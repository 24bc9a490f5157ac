#include "rules/page_change.h"

#include "record/values.h"
#include "rules/attributes.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

namespace {

// Entering a page brings its totals up to date; the purchase pages count theirs in their units,
// which the Editor tells after the change.
void RefreshPage(RulesContext& ctx, int page) {
  CharacterRecord& record = ctx.record;
  PageState& view = ctx.state.pages;
  switch (page) {
    case kPageSpells:
      // A mundane character's spells are not saved, so it is offered none to buy.
      view.spellGroupVisible = record.MagicUser() && record.MagicPts > 0;
      if (view.spellGroupVisible) ShowSpellPoints(ctx);
      break;
    case kPagePowers:
      RecalcDerived(ctx);
      view.powerGroupVisible = record.Adept == 0;
      if (view.powerGroupVisible) ShowPowerPoints(ctx);
      break;
    default:
      break;
  }
}

}  // namespace

void ApplyPriorityGrants(RulesContext& ctx) {
  CharacterRecord& record = ctx.record;
  if (const int points = AttributeGrant(record.PriAttributes); points >= 0) {
    record.Attributes = GrantWithCodes(ctx, points);
  }
  if (const int skills = SkillGrant(record.PriSkills); skills >= 0) record.PtsSkills = static_cast<int16_t>(skills);
  if (const int32_t nuyen = ResourceGrant(record.PriResources); nuyen >= 0) record.Maxresources = nuyen;
}

bool SwitchPage(RulesContext& ctx, int page) {
  PageState& view = ctx.state.pages;
  if (page < 0 || page > kPageContacts || page == view.page) return false;
  const int previous = view.page;
  view.page = page;
  return PageChange(ctx, previous);
}

namespace {

// An opened character holds its grants, money and race already: leaving the priorities page
// does not apply them again, and the race options are offered without choosing one.
bool ChangePage(RulesContext& ctx, int previousPage, bool opened) {
  CharacterRecord& record = ctx.record;
  PageState& view = ctx.state.pages;
  const int32_t moneyBefore = record.Maxresources;
  bool moneyTyped = false;

  ctx.requests.sheetName = true;
  RecalcDerived(ctx);

  if (view.page == kPagePriorities && record.GeneratorPoints) ctx.platform.RunDialog(Dialog::PointGeneration);
  if (previousPage == kPageAttributes) ctx.hooks.ShowStandardView();

  if (opened) {
    view.prioritiesDone = true;
    ShowMoneyLeft(ctx);
    OfferRaces(ctx, /*keepRace=*/true);
  } else if (previousPage == kPagePriorities) {
    if (record.GeneratorPoints) {
      if (view.page <= kPagePriorities) {
        // Set directly: the switch belongs to this page change and must not start another.
        view.page = kPageRace;
        ctx.platform.RunDialog(Dialog::PointGeneration);
      }
    } else {
      ApplyPriorityGrants(ctx);
      view.prioritiesDone = true;
    }
    // An empty or zero "Money" field keeps the grant: only a real sum is an existing
    // character's money.
    const int32_t money = CLng(Val(ctx.state.priorities.moneyText));
    if (record.OverrideLimits() && money > 0) {
      moneyTyped = money != moneyBefore;
      record.Maxresources = money;
    }
    ShowMoneyLeft(ctx);
    // Whatever page comes next, the race options follow the race priority just left.
    OfferRaces(ctx);
    // The new grant shows in the points display at once.
    RecalcDerived(ctx);
  }

  // A modal dialog above may have moved the editor to another page.
  const int page = view.page;
  if (!record.OnceThru && previousPage == kPageRace && page == kPageAttributes) {
    record.OnceThru = true;
    ctx.state.race.fixedBy = RaceFixedBy::LeavingRacePage;
    CompleteRacePage(ctx);
  }

  if (page == kPageRace) ctx.state.race.metaGroupVisible = MetaOn(record) || record.Shapeshift;

  if (page == kPageAttributes) {
    RecalcRacialMax(record);
    RecalcDerived(ctx);
    if (record.Shapeshift) {
      ctx.platform.ShowDialog(Dialog::AnimalForm);
    } else {
      ctx.platform.CloseDialog(Dialog::AnimalForm);
    }
    view.unhideShifterVisible = record.Shapeshift;
  }
  if (previousPage == kPageAttributes) ctx.platform.CloseDialog(Dialog::AnimalForm);

  RefreshPage(ctx, page);
  return moneyTyped;
}

}  // namespace

bool PageChange(RulesContext& ctx, int previousPage) { return ChangePage(ctx, previousPage, false); }

void ShowOpenedCharacter(RulesContext& ctx) {
  PageState& view = ctx.state.pages;
  const int previous = view.page;
  view.page = kPageRace;
  ChangePage(ctx, previous, true);
}

}  // namespace ivgen
