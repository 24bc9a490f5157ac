#include "app/cyberware_unit.h"

namespace ivgen {

void CyberwareUnit::ChooseItem(int node) {
  host_.Run([this, node](RulesContext& ctx) {
    ShowCyberwareItem(ctx, view_, node);
    // A category or nothing chosen: the boxes must not go on showing the item before.
    if (!view_.buyEnabled) ClearItemBoxes();
    return false;
  });
}

void CyberwareUnit::ChooseGrade(int grade) {
  host_.Run([this, grade](RulesContext& ctx) {
    SelectCyberGrade(ctx, view_, grade);
    return false;
  });
}

void CyberwareUnit::SetUsed(bool used) {
  host_.Run([this, used](RulesContext& ctx) {
    SetCyberUsed(ctx, view_, used);
    return false;
  });
}

void CyberwareUnit::Buy() {
  host_.Name("Buy");
  host_.Run([this](RulesContext& ctx) { return BuyCyberware(ctx, view_, books_); });
}

void CyberwareUnit::BuyItem(int node) {
  host_.Name("Buy");
  host_.Run([this, node](RulesContext& ctx) {
    ShowCyberwareItem(ctx, view_, node);
    return BuyCyberware(ctx, view_, books_);
  });
}

void CyberwareUnit::SelectInstalled(int index) {
  host_.Run([this, index](RulesContext& ctx) {
    SelectInstalledCyberware(ctx, view_, index);
    return false;
  });
}

void CyberwareUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveCyberware(ctx, view_); });
}

void CyberwareUnit::ShowLimbs() {
  host_.Name("Cyber Arms/Legs");
  host_.Run([this](RulesContext& ctx) {
    ShowCyberLimbsView(ctx, view_);
    return false;
  });
}

void CyberwareUnit::ShowStandard() {
  host_.Name("Standard View");
  host_.Run([this](RulesContext& ctx) {
    ShowStandardView(ctx, view_);
    return false;
  });
}

}  // namespace ivgen
