// The Gear page: the gear tree and the shop list of a group, buying by count, the character's gear
// list with its divider, carried weight and money left.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/gear.h"
#include "record/money.h"
#include "record/values.h"

namespace ivgen {

class GearUnit final : public Unit {
 public:
  GearUnit(UnitHost& host, GearView& view, const BookLists& books, const std::string& folder)
      : host_(host), view_(view), books_(books), folder_(folder) {}

  const GearView& View() const { return view_; }

  /// A node of the gear tree clicked; only a node without children lists its group.
  void ClickGroup(size_t node);
  /// The search box above the gear tree: every group's items it finds, with their groups.
  void Search(std::string text);
  /// A match clicked: its group listed and its item chosen, as clicking both would. A
  /// double-click buys it.
  void ChooseMatch(int index);
  void BuyMatch(int index);
  /// An entry of the shop list clicked.
  void ChooseItem(int index);
  /// The number-of-items box.
  void SetCount(std::string text);
  /// The buy button.
  void Buy();
  /// A double-click on a shop entry: chosen and bought.
  void BuyItem(int index);
  /// An entry of the character's gear list clicked.
  void ChooseOwned(int index);
  void Remove();
  /// The up and down buttons beside the gear list.
  void MoveUp();
  void MoveDown();

  /// Entering the page: the carried weight and money left again.
  void Entered(RulesContext& ctx) override { RecountGearWeight(ctx, view_); }
  /// Open: the carried weight the file holds, as the page shows it until it recounts.
  void ShowOpenedWeight() { view_.totalWeight = GeneralNumber(host_.Record().TotalWeight); }
  /// The money left as of the last purchase, refund or visit, and the match chosen now.
  void Refresh(RulesContext& ctx) override {
    view_.moneyLeft = ctx.state.money.gear;
    ShowChosenGearMatch(view_);
  }
  /// Other books list other items: the search finds them again.
  bool CatalogsReloaded(RulesContext& ctx) override;
  /// New: nothing of the fresh gear list is chosen.
  void Reset(RulesContext& ctx) override { ResetGearPage(ctx, view_); }

 private:
  UnitHost& host_;
  GearView& view_;
  const BookLists& books_;
  const std::string& folder_;
};

}  // namespace ivgen
