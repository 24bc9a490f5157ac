#include "app/priorities_unit.h"

#include "rules/priorities.h"

namespace ivgen {

void PrioritiesUnit::SelectRow(int row) {
  host_.Run(ViewOnly([row](RulesContext& ctx) { SelectPriorityRow(ctx, row); }));
}

void PrioritiesUnit::MoveUp() {
  host_.Name("Move Priority");
  host_.Run([](RulesContext& ctx) { return MoveAreaUp(ctx); });
}

void PrioritiesUnit::MoveDown() {
  host_.Name("Move Priority");
  host_.Run([](RulesContext& ctx) { return MoveAreaDown(ctx); });
}

void PrioritiesUnit::ChooseAdept(int choice) {
  host_.Name("Adept Choice");
  host_.Run([choice](RulesContext& ctx) { return ivgen::ChooseAdept(ctx, choice); });
}

void PrioritiesUnit::SetPhysAdMagic(bool on) {
  host_.Name("Path of the Magician");
  host_.Run([on](RulesContext& ctx) { return ivgen::SetPhysAdMagic(ctx, on); });
}

void PrioritiesUnit::SetOverrideLimits(bool on) {
  host_.Name("Override Limits");
  host_.Run([on](RulesContext& ctx) { return ivgen::SetOverrideLimits(ctx, on); });
}

void PrioritiesUnit::ToggleExistingCharacter() { SetOverrideLimits(!host_.Record().OverrideLimits()); }

void PrioritiesUnit::SetInitiation(bool on) {
  host_.Name("Initiation");
  host_.Run([on](RulesContext& ctx) { return ivgen::SetInitiation(ctx, on); });
}

void PrioritiesUnit::SetGradeText(std::string text) {
  host_.Name("Grade");
  host_.Run([&text](RulesContext& ctx) { return ivgen::SetGradeText(ctx, text); });
}

void PrioritiesUnit::SetMoneyText(std::string text) {
  host_.Name("Money");
  host_.Run(ViewOnly([&text](RulesContext& ctx) { ivgen::SetMoneyText(ctx, text); }));
}

void PrioritiesUnit::ChoosePriorityGenerator() {
  host_.Name("Priority System");
  host_.Run([](RulesContext& ctx) { return ivgen::ChoosePriorityGenerator(ctx); });
}

void PrioritiesUnit::ChoosePointGenerator() {
  host_.Name("Point System");
  host_.Run([](RulesContext& ctx) { return ivgen::ChoosePointGenerator(ctx); });
}

}  // namespace ivgen
