#include "app/skills_unit.h"

namespace ivgen {

void SkillsUnit::Quietly(const std::function<void(RulesContext&)>& step) {
  host_.Run([&step](RulesContext& ctx) {
    step(ctx);
    return false;
  });
}

void SkillsUnit::SelectCategory(int category) {
  Quietly([&](RulesContext& ctx) { SelectSkillCategory(ctx, view_, category); });
}

void SkillsUnit::SelectCatalogSkill(int row) {
  Quietly([&](RulesContext& ctx) { ivgen::SelectCatalogSkill(ctx, view_, row); });
}

void SkillsUnit::SelectSpecialization(int row) {
  Quietly([&](RulesContext& ctx) { ivgen::SelectSpecialization(ctx, view_, row); });
}

void SkillsUnit::Search(std::string text) {
  Quietly([&](RulesContext& ctx) { SearchSkillCatalog(ctx, view_, text); });
}

void SkillsUnit::ChooseMatch(int index) {
  Quietly([&](RulesContext& ctx) { ChooseSkillMatch(ctx, view_, index); });
}

void SkillsUnit::Add() {
  host_.Name("Add");
  host_.Run([this](RulesContext& ctx) { return AddSkill(ctx, view_); });
}

void SkillsUnit::AddFurther() {
  host_.Name("Add Specialization");
  host_.Run([this](RulesContext& ctx) { return AddKnowledgeSpecialization(ctx, view_); });
}

void SkillsUnit::Select(int index) {
  Quietly([&](RulesContext& ctx) { SelectSkill(ctx, view_, index); });
}

void SkillsUnit::Raise() {
  host_.Name("Raise");
  host_.Run([this](RulesContext& ctx) { return RaiseSkill(ctx, view_); });
}

void SkillsUnit::Lower() {
  host_.Name("Lower");
  host_.Run([this](RulesContext& ctx) { return LowerSkill(ctx, view_); });
}

void SkillsUnit::AdjustBase(int step) {
  host_.Name("Adjust Base Skill");
  host_.Run([this, step](RulesContext& ctx) { return AdjustBaseRating(ctx, view_, step); });
}

void SkillsUnit::AdjustSpecialization(int step) {
  host_.Name("Adjust Spec. Skill");
  host_.Run([this, step](RulesContext& ctx) { return AdjustSpecializationRating(ctx, view_, step); });
}

void SkillsUnit::Remove() {
  host_.Name("Remove");
  host_.Run([this](RulesContext& ctx) { return RemoveSkill(ctx, view_); });
}

// Reordering leaves the character unmodified, as for every list with up and down buttons.
void SkillsUnit::MoveUp() {
  host_.Name("Move");
  Quietly([&](RulesContext& ctx) { MoveSkillUp(ctx, view_); });
}

void SkillsUnit::MoveDown() {
  host_.Name("Move");
  Quietly([&](RulesContext& ctx) { MoveSkillDown(ctx, view_); });
}

void SkillsUnit::Reset(RulesContext& ctx) {
  ShowSkillCategories(ctx, view_);
  SelectSkill(ctx, view_, -1);
  RecountSkillPoints(ctx, view_);
}

}  // namespace ivgen
