// The Cyberware page: the catalog tree, the grade and used options, buying and removing, the
// installed list with Essence and money left, and the cyber limbs view.
#pragma once

#include <array>

#include "app/implant_unit.h"
#include "purchase/cyberware.h"

namespace ivgen {

struct CyberwareRules {
  using View = CyberwareView;
  static constexpr auto ShowItem = &ShowCyberwareItem;
  static constexpr auto Buy = &BuyCyberware;
  static constexpr auto SelectInstalled = &SelectInstalledCyberware;
  static constexpr auto Remove = &RemoveCyberware;
  static constexpr auto Recount = &RecountCyberwareEssence;
  static constexpr auto Reset = &ResetCyberware;
  static constexpr auto Show = &ShowEssenceAndMoney;
  static constexpr auto Tree = &Catalogs::cyberware;
  static constexpr std::array kItemBoxes = {
      &View::basePrice,       &View::essenceCost,     &View::notes, &View::streetIndex,
      &View::calculatedPrice, &View::modifiedEssence, &View::book,  &View::note};
};

class CyberwareUnit final : public ImplantUnit<CyberwareRules> {
 public:
  using ImplantUnit::ImplantUnit;

  /// The grade options, 0 Standard to 3 Delta, and the used option.
  void ChooseGrade(int grade);
  void SetUsed(bool used);
  /// The "Cyber Arms/Legs" and "Standard View" options.
  void ShowLimbs();
  void ShowStandard();

  /// The Standard View, for another page's action that is already running.
  void StandardView(RulesContext& ctx) { ShowStandardView(ctx, view_); }
};

}  // namespace ivgen
