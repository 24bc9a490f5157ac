// The Bioware page: the catalog tree, the type options, buying and removing, the installed list
// with the Bio-index, the Essence Index, the excessive-bioware warning and money left.
#pragma once

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/bioware.h"
#include "record/money.h"

namespace ivgen {

class BiowareUnit final : public Unit {
 public:
  BiowareUnit(UnitHost& host, BiowareView& view, const BookLists& books) : host_(host), view_(view), books_(books) {}

  const BiowareView& View() const { return view_; }

  /// A node of the catalog tree clicked.
  void ChooseItem(int node);
  /// The type options, 0 Standard, 1 Cultured, 2 Used.
  void ChooseType(int type);
  /// The buy button.
  void Buy();
  /// A double-click on a node of the catalog tree.
  void BuyItem(int node);
  /// An entry of the installed list clicked.
  void SelectInstalled(int index);
  /// The remove button.
  void Remove();

  // What the Editor runs for other pages, inside an action it is already running.
  void Recount(RulesContext& ctx) { RecountBioIndex(ctx, view_); }
  void Entered(RulesContext& ctx) override { Recount(ctx); }
  void Reset(RulesContext& ctx) override { ResetBioware(ctx, view_); }
  void Refresh(RulesContext& ctx) override { ShowMoneyLeft(ctx.record, view_); }
  /// Another book choice renumbers the tree: the chosen node would name another item.
  bool CatalogsReloaded(RulesContext&) override {
    view_.selectedItem = -1;
    view_.buyEnabled = false;
    ClearItemBoxes();
    return false;
  }

 private:
  void ClearItemBoxes() {
    for (std::string* box : {&view_.basePrice, &view_.bioIndexCost, &view_.calculatedPrice, &view_.notes}) box->clear();
  }

  UnitHost& host_;
  BiowareView& view_;
  const BookLists& books_;
};

}  // namespace ivgen
