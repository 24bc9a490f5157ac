#include "app/powers_unit.h"

namespace ivgen {

void PowersUnit::ShowPower(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    ivgen::ShowPower(ctx, view_, index);
    return false;
  });
}

void PowersUnit::Buy() {
  host_.Name("Buy");
  host_.Run([this](RulesContext& ctx) { return BuyPower(ctx, view_, books_); });
}

void PowersUnit::SelectOwned(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    SelectOwnedPower(ctx, view_, index);
    return false;
  });
}

void PowersUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemovePower(ctx, view_); });
}

void PowersUnit::Reset(RulesContext& ctx) { SelectOwnedPower(ctx, view_, -1); }

bool PowersUnit::CatalogsReloaded(RulesContext& ctx) {
  ivgen::ShowPower(ctx, view_, -1);
  return false;
}

}  // namespace ivgen
