#include "app/points_unit.h"

#include "rules/race.h"

namespace ivgen {

void PointsUnit::TakeSettings() {
  // The Options dialog may have changed them since the last action.
  account_.maxpoints = settings_.maxpoints;
  account_.MaxAbsEpts = settings_.MaxAbsEpts;
  account_.MaxFlawEdge = settings_.MaxFlawEdge;
}

void PointsUnit::Show(const std::function<void(RulesContext&)>& rule) {
  Run([&rule](RulesContext& ctx) {
    rule(ctx);
    return false;
  });
}

void PointsUnit::Run(const Action& action) {
  host_.Run([this, &action](RulesContext& ctx) {
    TakeSettings();
    return action(ctx);
  });
}

void PointsUnit::Activate() {
  Show([&](RulesContext& ctx) { RecalcPoints(ctx, generation_, account_); });
}

void PointsUnit::ChooseRace(int choice) {
  host_.Name("Choose Race");
  Run([&](RulesContext& ctx) { return ChoosePointRace(ctx, generation_, account_, choice); });
}

void PointsUnit::SetMetaVariants(bool on) {
  host_.Name("Metavariants");
  Run([&](RulesContext& ctx) { return ivgen::SetMetaVariants(ctx, generation_, account_, on); });
}

void PointsUnit::SetGhoul(bool on) {
  host_.Name("Ghoul");
  Run([&](RulesContext& ctx) { return SetGhoulOption(ctx, generation_, account_, on); });
}

void PointsUnit::SetOtaku(bool on) {
  host_.Name("Otaku");
  Run([&](RulesContext& ctx) { return SetOtakuOption(ctx, generation_, account_, on); });
}

void PointsUnit::SetNoRules(bool on) {
  host_.Name("No Rules");
  Run([&](RulesContext& ctx) { return SetNoRulesOption(ctx, generation_, account_, on); });
}

void PointsUnit::SetMagic(bool on) {
  host_.Name("Magic");
  Run([&](RulesContext& ctx) { return SetMagicOption(ctx, generation_, account_, on); });
}

void PointsUnit::ChooseMagic(int choice) {
  host_.Name("Magic Choice");
  Run([&](RulesContext& ctx) { return ChoosePointMagic(ctx, generation_, account_, choice); });
}

void PointsUnit::SetPhysAdMagician(bool on) {
  host_.Name("Path of the Magician");
  Run([&](RulesContext& ctx) { return ivgen::SetPhysAdMagician(ctx, generation_, account_, on); });
}

void PointsUnit::ChooseResources(int choice) {
  host_.Name("Resources");
  Run([&](RulesContext& ctx) { return ivgen::ChooseResources(ctx, generation_, account_, choice); });
}

void PointsUnit::SetAttributePoints(std::string text) {
  host_.Name("Attribute Points");
  Show([&](RulesContext& ctx) { SetAttributePointsText(ctx, generation_, account_, text); });
}

void PointsUnit::SetActiveSkills(std::string text) {
  host_.Name("Active Skill Points");
  Show([&](RulesContext& ctx) { SetActiveSkillsText(ctx, generation_, account_, text); });
}

void PointsUnit::RaiseAttributePoints() {
  host_.Name("Raise Attribute Points");
  Show([&](RulesContext& ctx) { ivgen::RaiseAttributePoints(ctx, generation_, account_); });
}

void PointsUnit::LowerAttributePoints() {
  host_.Name("Lower Attribute Points");
  Show([&](RulesContext& ctx) { ivgen::LowerAttributePoints(ctx, generation_, account_); });
}

void PointsUnit::RaiseActiveSkills() {
  host_.Name("Raise Active Skill Points");
  Show([&](RulesContext& ctx) { ivgen::RaiseActiveSkills(ctx, generation_, account_); });
}

void PointsUnit::LowerActiveSkills() {
  host_.Name("Lower Active Skill Points");
  Show([&](RulesContext& ctx) { ivgen::LowerActiveSkills(ctx, generation_, account_); });
}

void PointsUnit::OpenEdgesFromPoints() {
  Show([&](RulesContext& ctx) { ivgen::OpenEdgesFromPoints(ctx, generation_, edges_, account_); });
}

void PointsUnit::Done() {
  host_.Name("Done");
  Run([&](RulesContext& ctx) { return PointGenerationDone(ctx, generation_, account_); });
}

void PointsUnit::OpenEdges() {
  Show([&](RulesContext& ctx) { ivgen::OpenEdges(ctx, edges_, account_); });
}

void PointsUnit::SelectEdge(int index) {
  Show([&](RulesContext& ctx) { ivgen::SelectEdge(ctx, edges_, index); });
}

void PointsUnit::SelectFlaw(int index) {
  Show([&](RulesContext& ctx) { ivgen::SelectFlaw(ctx, edges_, index); });
}

void PointsUnit::SelectEntry(int index) {
  Show([&](RulesContext& ctx) { ivgen::SelectEntry(ctx, edges_, index); });
}

void PointsUnit::AddEdge() {
  host_.Name("Add");
  Run([&](RulesContext& ctx) { return ivgen::AddEdge(ctx, edges_, account_); });
}

void PointsUnit::AddFlaw() {
  host_.Name("Add");
  Run([&](RulesContext& ctx) { return ivgen::AddFlaw(ctx, edges_, account_); });
}

void PointsUnit::Remove() {
  host_.Name("Remove");
  Run([&](RulesContext& ctx) { return RemoveEdge(ctx, edges_, account_); });
}

void PointsUnit::EdgesDone() {
  host_.Name("Done");
  Show([&](RulesContext& ctx) { ivgen::EdgesDone(ctx, edges_, account_); });
}

void PointsUnit::BeginGhoul() {
  host_.Name("Ghoul Test");
  Run([&](RulesContext& ctx) { return ivgen::BeginGhoul(ctx, specials_); });
}

void PointsUnit::SetAlbino(bool on) {
  host_.Name("Albino");
  Run([&](RulesContext& ctx) { return ivgen::SetAlbino(ctx, specials_, on); });
}

void PointsUnit::ChooseAlbinoFlaw(int choice) {
  host_.Name("Albino Flaw");
  Run([&](RulesContext& ctx) { return ivgen::ChooseAlbinoFlaw(ctx, specials_, choice); });
}

void PointsUnit::RaiseAnimal(int i) {
  host_.Name("Raise Animal Form");
  Run([&](RulesContext& ctx) { return RaiseAnimalAttribute(ctx, specials_, i); });
}

void PointsUnit::LowerAnimal(int i) {
  host_.Name("Lower Animal Form");
  Run([&](RulesContext& ctx) { return LowerAnimalAttribute(ctx, specials_, i); });
}

void PointsUnit::HideAnimalForm() {
  Show([](RulesContext& ctx) { ivgen::HideAnimalForm(ctx); });
}

void PointsUnit::UnhideShifter() {
  Show([](RulesContext& ctx) { ivgen::UnhideShifter(ctx); });
}

void PointsUnit::Reset(RulesContext& ctx) {
  account_.BuildPointsUsed = 0;
  edges_ = EdgesView{};
  CatalogsReloaded(ctx);
  ResetSpecials(ctx, specials_);
  // New sets the method to priorities, so metatypes are no longer offered.
  ctx.state.race.metaGroupVisible = MetaOn(ctx.record) || ctx.record.Shapeshift;
}

void PointsUnit::RestorePointGeneration(RulesContext& ctx) {
  TakeSettings();
  ivgen::RestorePointGeneration(ctx, generation_, account_);
}

void PointsUnit::CalcEdgePts(RulesContext& ctx) {
  TakeSettings();
  ivgen::CalcEdgePts(ctx, edges_, account_);
}

void PointsUnit::Refresh(RulesContext& ctx) {
  TakeSettings();
  // The dialog counts again whenever it comes back into view; under points it always may.
  if (ctx.record.GeneratorPoints) RecalcPoints(ctx, generation_, account_);
  ivgen::CalcEdgePts(ctx, edges_, account_);
  RefreshSpecials(ctx, specials_);
}

}  // namespace ivgen
