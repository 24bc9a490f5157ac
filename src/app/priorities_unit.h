// The Priorities page and the Character Gen. menu: the ranking of the five areas, the magic
// options, Override Limits and the choice of generation method.
#pragma once

#include <string>

#include "app/unit_host.h"

namespace ivgen {

class PrioritiesUnit final : public Unit {
 public:
  explicit PrioritiesUnit(UnitHost& host) : host_(host) {}

  const PriorityView& View() const { return host_.Creation().priorities; }

  /// A row of the priority table clicked, 0 (A) to 4 (E); another number does nothing.
  void SelectRow(int row);
  /// The arrows beside the priority table; nothing happens at the ends.
  void MoveUp();
  void MoveDown();
  /// "Adept (Aspected)": 0 "Physical" to 4 "Shamanist"; refused while the group is hidden.
  void ChooseAdept(int choice);
  /// "PhysAd: Path of the Magician"; refused while hidden.
  void SetPhysAdMagic(bool on);
  /// "Override Limits (Existing Char)"; the menu item "Existing Character" toggles it.
  void SetOverrideLimits(bool on);
  void ToggleExistingCharacter();
  /// "Initiation/Geas Mod" (refused while disabled) and its grade field.
  void SetInitiation(bool on);
  void SetGradeText(std::string text);
  /// The "Money" field of an existing character.
  void SetMoneyText(std::string text);
  /// The menu items "Priority" and "Point System".
  void ChoosePriorityGenerator();
  void ChoosePointGenerator();

  /// New: what the priority, race and attribute pages show for a new character.
  void Reset(RulesContext& ctx) override { ResetCreation(ctx); }
  /// The flags and texts of the three creation pages that follow from the record.
  void Refresh(RulesContext& ctx) override { RefreshCreationView(ctx); }

 private:
  UnitHost& host_;
};

}  // namespace ivgen
