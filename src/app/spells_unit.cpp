#include "app/spells_unit.h"

#include "record/money.h"

namespace ivgen {

std::string SpellsUnit::TraditionName() const { return ivgen::TraditionName(host_.Record(), host_.CurrentCatalogs()); }

void SpellsUnit::ChooseTradition(int index) {
  host_.Name("Choose Tradition");
  host_.Run([index](RulesContext& ctx) { return Tradition(ctx, index); });
}

void SpellsUnit::SelectCategory(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    SelectSpellCategory(ctx, view_, index);
    return false;
  });
}

void SpellsUnit::SelectSpell(int index) {
  host_.Run([this, index](RulesContext&) {
    ivgen::SelectSpell(view_, index);
    return false;
  });
}

void SpellsUnit::Search(std::string text) {
  host_.Run(ViewOnly([this, &text](RulesContext& ctx) { SearchSpellCatalog(ctx, view_, text); }));
}

void SpellsUnit::ChooseMatch(int index) {
  host_.Run(ViewOnly([this, index](RulesContext& ctx) { ChooseSpellMatch(ctx, view_, index); }));
}

void SpellsUnit::Add() {
  host_.Name("Add");
  host_.Run([this](RulesContext& ctx) { return AddSpell(ctx, view_, books_); });
}

void SpellsUnit::SelectChosen(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    SelectChosenSpell(ctx, view_, index);
    return false;
  });
}

void SpellsUnit::Raise() {
  host_.Name("Raise");
  host_.Run([this](RulesContext& ctx) { return RaiseSpellPoints(ctx, view_); });
}

void SpellsUnit::Lower() {
  host_.Name("Lower");
  host_.Run([this](RulesContext& ctx) { return LowerSpellPoints(ctx, view_); });
}

void SpellsUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveSpell(ctx, view_); });
}

void SpellsUnit::BuyPoints() {
  host_.Name("Buy Spell Points");
  host_.Run([this](RulesContext& ctx) { return BuySpellPoints(ctx, view_); });
}

void SpellsUnit::Refresh(RulesContext& ctx) {
  ShowMoneyLeftNow(ctx.record, view_);
  ShowChosenSpellMatch(view_);
  tradition_ = TraditionName();
}

void SpellsUnit::Reset(RulesContext& ctx) { SelectChosenSpell(ctx, view_, -1); }

bool SpellsUnit::CatalogsReloaded(RulesContext& ctx) {
  // The first category; an empty list has none to show.
  SelectSpellCategory(ctx, view_, 0);
  // Other books list other spells, in other places.
  SearchSpellCatalog(ctx, view_, view_.search.text);
  return KeepTradition(ctx, tradition_);
}

}  // namespace ivgen
