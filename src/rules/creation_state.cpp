#include "rules/creation_state.h"

#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/priorities.h"

namespace ivgen {

// "###,###,###" leaves zero empty; a reason wants the digit.
std::string NuyenText(int64_t amount) { return amount == 0 ? "0" : FormatThousands(static_cast<double>(amount)); }

std::string NotEnoughNuyen(const CharacterRecord& record, int64_t price) {
  return "Not enough nuyen: " + NuyenText(price) + " needed, " + NuyenText(MoneyLeft(record)) + " left";
}

std::string RaceFixedReason(RaceFixedBy cause) {
  const char* how = "";
  switch (cause) {
    case RaceFixedBy::None:
    case RaceFixedBy::LeavingRacePage:
      how = "the race page was left for Attributes";
      break;
    case RaceFixedBy::Print:
      how = "the sheet was printed";
      break;
    case RaceFixedBy::Ghoul:
      how = "the ghoul transformation was rolled";
      break;
    case RaceFixedBy::OpenedFile:
      how = "the opened file had finished its race page";
      break;
  }
  return std::string("The race is fixed now (") + how + "); New starts over";
}

void StartCreation(RulesContext& ctx) {
  ctx.state.priorities.order = PriorityView{}.order;
  SelectPriorityRow(ctx, 0);
}

void ShowMoneyLeft(RulesContext& ctx) { ctx.state.money.gear = ctx.state.money.contacts = MoneyLeftText(ctx.record); }

void ResetCreation(RulesContext& ctx) {
  CreationState& state = ctx.state;
  CharacterRecord& record = ctx.record;
  state.attributes = AttributeView{};

  RaceView& race = state.race;
  race.optionEnabled.fill(false);
  race.metaList.clear();
  race.metaFields.fill("");
  race.animalFields.fill("");
  race.modCaption = "Unknown Race Mods";
  race.shapeFieldsVisible = false;
  race.trollArmour = false;
  race.fixedBy = RaceFixedBy::None;

  state.priorities.gradeText = "0";
  state.pages.spellGroupVisible = false;
  state.pages.powerGroupVisible = false;
  state.pages.unhideShifterVisible = false;
  state.pages.prioritiesDone = false;

  // The spell points match the magic row that New keeps, as if it had just been chosen.
  record.MagicPts = StartingSpellPoints(record);
  record.Magic.Modifier = "0";
  RecalcDerived(ctx);
  ShowSpellPoints(ctx);
  ShowPowerPoints(ctx);
  // The magic options follow the rows a new character keeps.
  ShowPriorityTable(ctx);
}

void RefreshCreationView(RulesContext& ctx) {
  const CharacterRecord& record = ctx.record;
  PriorityView& priorities = ctx.state.priorities;
  priorities.gradeEnabled = priorities.initiationEnabled && record.Initiation != 0;
  priorities.moneyVisible = record.OverrideLimits();
  ctx.state.attributes.essenceIndexText = GeneralNumber(record.Essence + 3);
}

}  // namespace ivgen
