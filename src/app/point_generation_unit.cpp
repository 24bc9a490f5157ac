#include "app/point_generation_unit.h"

namespace ivgen {

void PointGenerationUnit::Activate() {
  Run(ViewOnly([&](RulesContext& ctx) { RecalcPoints(ctx, view_, account_); }));
}

void PointGenerationUnit::ChooseRace(int choice) {
  host_.Name("Choose Race");
  Run([&](RulesContext& ctx) { return ChoosePointRace(ctx, view_, account_, choice); });
}

void PointGenerationUnit::SetMetaVariants(bool on) {
  host_.Name("Metavariants");
  Run([&](RulesContext& ctx) { return ivgen::SetMetaVariants(ctx, view_, account_, on); });
}

void PointGenerationUnit::SetGhoul(bool on) {
  host_.Name("Ghoul");
  Run([&](RulesContext& ctx) { return SetGhoulOption(ctx, view_, account_, on); });
}

void PointGenerationUnit::SetOtaku(bool on) {
  host_.Name("Otaku");
  Run([&](RulesContext& ctx) { return SetOtakuOption(ctx, view_, account_, on); });
}

void PointGenerationUnit::SetNoRules(bool on) {
  host_.Name("No Rules");
  Run([&](RulesContext& ctx) { return SetNoRulesOption(ctx, view_, account_, on); });
}

void PointGenerationUnit::SetMagic(bool on) {
  host_.Name("Magic");
  Run([&](RulesContext& ctx) { return SetMagicOption(ctx, view_, account_, on); });
}

void PointGenerationUnit::ChooseMagic(int choice) {
  host_.Name("Magic Choice");
  Run([&](RulesContext& ctx) { return ChoosePointMagic(ctx, view_, account_, choice); });
}

void PointGenerationUnit::SetPhysAdMagician(bool on) {
  host_.Name("Path of the Magician");
  Run([&](RulesContext& ctx) { return ivgen::SetPhysAdMagician(ctx, view_, account_, on); });
}

void PointGenerationUnit::ChooseResources(int choice) {
  host_.Name("Resources");
  Run([&](RulesContext& ctx) { return ivgen::ChooseResources(ctx, view_, account_, choice); });
}

void PointGenerationUnit::SetAttributePoints(std::string text) {
  host_.Name("Attribute Points");
  Run(ViewOnly([&](RulesContext& ctx) { SetAttributePointsText(ctx, view_, account_, text); }));
}

void PointGenerationUnit::SetActiveSkills(std::string text) {
  host_.Name("Active Skill Points");
  Run(ViewOnly([&](RulesContext& ctx) { SetActiveSkillsText(ctx, view_, account_, text); }));
}

void PointGenerationUnit::RaiseAttributePoints() {
  host_.Name("Raise Attribute Points");
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::RaiseAttributePoints(ctx, view_, account_); }));
}

void PointGenerationUnit::LowerAttributePoints() {
  host_.Name("Lower Attribute Points");
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::LowerAttributePoints(ctx, view_, account_); }));
}

void PointGenerationUnit::RaiseActiveSkills() {
  host_.Name("Raise Active Skill Points");
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::RaiseActiveSkills(ctx, view_, account_); }));
}

void PointGenerationUnit::LowerActiveSkills() {
  host_.Name("Lower Active Skill Points");
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::LowerActiveSkills(ctx, view_, account_); }));
}

void PointGenerationUnit::OpenEdgesFromPoints() {
  Run(ViewOnly([&](RulesContext& ctx) { ivgen::OpenEdgesFromPoints(ctx, view_, edges_, account_); }));
}

void PointGenerationUnit::Done() {
  host_.Name("Done");
  Run([&](RulesContext& ctx) { return PointGenerationDone(ctx, view_, account_); });
}

void PointGenerationUnit::RestorePointGeneration(RulesContext& ctx) {
  TakeBuildLimits(settings_, account_);
  ivgen::RestorePointGeneration(ctx, view_, account_);
}

void PointGenerationUnit::Refresh(RulesContext& ctx) {
  TakeBuildLimits(settings_, account_);
  // The dialog counts again whenever it comes back into view; under points it always may.
  if (ctx.record.GeneratorPoints) RecalcPoints(ctx, view_, account_);
}

}  // namespace ivgen
