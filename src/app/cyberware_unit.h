// The Cyberware page: the catalog tree, the grade and used options, buying and removing, the
// installed list with Essence and money left, and the cyber limbs view.
#pragma once

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/cyberware.h"

namespace ivgen {

class CyberwareUnit final : public Unit {
 public:
  CyberwareUnit(UnitHost& host, CyberwareView& view, const BookLists& books)
      : host_(host), view_(view), books_(books) {}

  const CyberwareView& View() const { return view_; }

  /// A node of the catalog tree clicked.
  void ChooseItem(int node);
  /// The grade options, 0 Standard to 3 Delta, and the used option.
  void ChooseGrade(int grade);
  void SetUsed(bool used);
  /// The buy button.
  void Buy();
  /// A double-click on a node of the catalog tree.
  void BuyItem(int node);
  /// An entry of the installed list clicked.
  void SelectInstalled(int index);
  /// The remove button.
  void Remove();
  /// The "Cyber Arms/Legs" and "Standard View" options.
  void ShowLimbs();
  void ShowStandard();

  // What the Editor runs for other pages, inside an action it is already running.
  void Recount(RulesContext& ctx) { RecountCyberwareEssence(ctx, view_); }
  void Entered(RulesContext& ctx) override { Recount(ctx); }
  void StandardView(RulesContext& ctx) { ShowStandardView(ctx, view_); }
  void Reset(RulesContext& ctx) override { ResetCyberware(ctx, view_); }
  void Refresh(RulesContext& ctx) override { ShowEssenceAndMoney(ctx.record, view_); }
  /// Another book choice renumbers the tree: the chosen node would name another item.
  bool CatalogsReloaded(RulesContext&) override {
    view_.selectedItem = -1;
    view_.buyEnabled = false;
    ClearItemBoxes();
    return false;
  }

 private:
  void ClearItemBoxes() {
    for (std::string* box : {&view_.basePrice, &view_.essenceCost, &view_.notes, &view_.streetIndex,
                             &view_.calculatedPrice, &view_.modifiedEssence})
      box->clear();
  }

  UnitHost& host_;
  CyberwareView& view_;
  const BookLists& books_;
};

}  // namespace ivgen
