#include "app/gear_unit.h"

namespace ivgen {

void GearUnit::ClickGroup(size_t node) {
  host_.Run(ViewOnly([this, node](RulesContext& ctx) { ClickGearGroup(ctx, view_, folder_, books_, node); }));
}

void GearUnit::Search(std::string text) {
  host_.Run(ViewOnly([this, &text](RulesContext& ctx) { SearchGearItems(ctx, view_, folder_, books_, text); }));
}

void GearUnit::ChooseMatch(int index) {
  host_.Run(ViewOnly([this, index](RulesContext& ctx) { ChooseGearMatch(ctx, view_, folder_, books_, index); }));
}

void GearUnit::BuyMatch(int index) {
  ChooseMatch(index);
  if (view_.search.chosen == index) Buy();
}

bool GearUnit::CatalogsReloaded(RulesContext& ctx) {
  SearchGearItems(ctx, view_, folder_, books_, view_.search.text);
  return false;
}

void GearUnit::ChooseItem(int index) {
  host_.Run(ViewOnly([this, index](RulesContext& ctx) { ShowGearItem(ctx, view_, books_, index); }));
}

void GearUnit::SetCount(std::string text) { SetGearCount(view_, std::move(text)); }

void GearUnit::Buy() {
  host_.Name("Buy");
  host_.Run([this](RulesContext& ctx) { return BuyGear(ctx, view_); });
}

void GearUnit::BuyItem(int index) {
  ChooseItem(index);
  if (view_.shopSelected == index) Buy();
}

void GearUnit::ChooseOwned(int index) {
  host_.Run(ViewOnly([this, index](RulesContext& ctx) { SelectOwnedGear(ctx, view_, index); }));
}

void GearUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveGear(ctx, view_); });
}

// Reordering is not a change the save prompt asks about.
void GearUnit::MoveUp() {
  host_.Name("Move");
  host_.Run(ViewOnly([this](RulesContext& ctx) { MoveGearUp(ctx, view_); }));
}

void GearUnit::MoveDown() {
  host_.Name("Move");
  host_.Run(ViewOnly([this](RulesContext& ctx) { MoveGearDown(ctx, view_); }));
}

}  // namespace ivgen
