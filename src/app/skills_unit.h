// The Skills page: the catalog's categories, skills and specializations, the character's skill
// list with its rating spinner, adjusters and order, and the three pools of skill points.
#pragma once

#include <functional>

#include "app/unit_host.h"
#include "purchase/skills.h"

namespace ivgen {

class SkillsUnit final : public Unit {
 public:
  SkillsUnit(UnitHost& host, SkillsView& view) : host_(host), view_(view) {}

  const SkillsView& View() const { return view_; }

  /// Clicks in the category, skill and specialization lists; a row outside a list chooses none.
  void SelectCategory(int category);
  void SelectCatalogSkill(int row);
  void SelectSpecialization(int row);
  /// The search box over the skill list: every category's skills and specializations it finds.
  void Search(std::string text);
  /// A match clicked: its category, skill and specialization chosen, as clicking them would.
  void ChooseMatch(int index);
  /// The add command, also run by a double-click on a skill or a specialization.
  void Add();
  /// "Further Specialization in Skill".
  void AddFurther();

  /// A click in the character's skill list.
  void Select(int index);
  /// The rating spinner.
  void Raise();
  void Lower();
  /// "Base Skill" and "Spec. Skill" (step +1 or -1).
  void AdjustBase(int step);
  void AdjustSpecialization(int step);
  void Remove();
  /// The reorder buttons; the order is kept without marking the character changed.
  void MoveUp();
  void MoveDown();

  /// A new character: the category list, no entry selected, the pools recounted.
  void Reset(RulesContext& ctx) override;
  /// The seams other pages reach through the Editor's hooks, inside the action that runs.
  void Recount(RulesContext& ctx) { RecountSkillPoints(ctx, view_); }
  void Entered(RulesContext& ctx) override { Recount(ctx); }
  /// The character's list and the override view ("Base Skill", "Spec. Skill") follow the record
  /// whatever changed it: an Open, the option, the point dialog.
  void Refresh(RulesContext& ctx) override {
    RefreshSkillList(ctx.record, view_);
    ShowOverrideView(ctx, view_);
    ShowChosenSkillMatch(view_);
  }

 private:
  /// Runs a step that changes nothing a save writes.
  void Quietly(const std::function<void(RulesContext&)>& step);

  UnitHost& host_;
  SkillsView& view_;
};

}  // namespace ivgen
