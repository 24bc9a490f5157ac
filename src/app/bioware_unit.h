// The Bioware page: the catalog tree, the type options, buying and removing, the installed list
// with the Bio-index, the Essence Index, the excessive-bioware warning and money left.
#pragma once

#include <array>

#include "app/implant_unit.h"
#include "purchase/bioware.h"
#include "record/money.h"

namespace ivgen {

struct BiowareRules {
  using View = BiowareView;
  static constexpr auto ShowItem = &ShowBiowareItem;
  static constexpr auto Buy = &BuyBioware;
  static constexpr auto SelectInstalled = &SelectInstalledBioware;
  static constexpr auto Remove = &RemoveBioware;
  static constexpr auto Recount = &RecountBioIndex;
  static constexpr auto Reset = &ResetBioware;
  static constexpr auto Show = &ShowMoneyLeftNow<View>;
  static constexpr auto Tree = &Catalogs::bioware;
  static constexpr std::array kItemBoxes = {&View::basePrice, &View::bioIndexCost, &View::calculatedPrice,
                                            &View::notes,     &View::book,         &View::note};
};

class BiowareUnit final : public ImplantUnit<BiowareRules> {
 public:
  using ImplantUnit::ImplantUnit;

  /// The type options, 0 Standard, 1 Cultured, 2 Used.
  void ChooseType(int type);
};

}  // namespace ivgen
