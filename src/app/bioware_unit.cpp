#include "app/bioware_unit.h"

namespace ivgen {

void BiowareUnit::ChooseItem(int node) {
  host_.Run([this, node](RulesContext& ctx) {
    ShowBiowareItem(ctx, view_, node);
    // A category or nothing chosen: the boxes must not go on showing the item before.
    if (!view_.buyEnabled) ClearItemBoxes();
    return false;
  });
}

void BiowareUnit::ChooseType(int type) {
  host_.Run([this, type](RulesContext& ctx) {
    SelectBiowareType(ctx, view_, type);
    return false;
  });
}

void BiowareUnit::Buy() {
  host_.Name("Buy");
  host_.Run([this](RulesContext& ctx) { return BuyBioware(ctx, view_, books_); });
}

void BiowareUnit::BuyItem(int node) {
  host_.Name("Buy");
  host_.Run([this, node](RulesContext& ctx) {
    ShowBiowareItem(ctx, view_, node);
    return BuyBioware(ctx, view_, books_);
  });
}

void BiowareUnit::SelectInstalled(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    SelectInstalledBioware(ctx, view_, index);
    return false;
  });
}

void BiowareUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveBioware(ctx, view_); });
}

}  // namespace ivgen
