#include "app/cyberware_unit.h"

namespace ivgen {

void CyberwareUnit::ChooseGrade(int grade) {
  RunOnView([grade](RulesContext& ctx, CyberwareView& view) { SelectCyberGrade(ctx, view, grade); });
}

void CyberwareUnit::SetUsed(bool used) {
  RunOnView([used](RulesContext& ctx, CyberwareView& view) { SetCyberUsed(ctx, view, used); });
}

void CyberwareUnit::ShowLimbs() {
  host_.Name("Cyber Arms/Legs");
  RunOnView(&ShowCyberLimbsView);
}

void CyberwareUnit::ShowStandard() {
  host_.Name("Standard View");
  RunOnView(&ShowStandardView);
}

}  // namespace ivgen
