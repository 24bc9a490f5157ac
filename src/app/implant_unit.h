// What the Cyberware and Bioware pages' units share: choosing in the catalog tree, buying the
// chosen item, choosing and removing an entry of the installed list, and the page's totals.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "catalog/catalog_search.h"

namespace ivgen {

/// One implant page's unit. `Rules` gives the page's view (`View`), the detail boxes an item
/// fills (`kItemBoxes`), its catalog tree (`Tree`) and its rules: `ShowItem`, `Buy`, `SelectInstalled`, `Remove`,
/// `Recount` (the total the page counts on entry), `Reset` and `Show` (what Refresh brings up to date).
template <typename Rules>
class ImplantUnit : public Unit {
 public:
  using ViewType = typename Rules::View;

  ImplantUnit(UnitHost& host, ViewType& view, const BookLists& books) : host_(host), view_(view), books_(books) {}

  const ViewType& View() const { return view_; }

  /// A node of the catalog tree clicked.
  void ChooseItem(int node) {
    host_.Run([this, node](RulesContext& ctx) {
      Rules::ShowItem(ctx, view_, node);
      // A category or nothing chosen: the boxes must not go on showing the item before.
      if (!view_.buyEnabled) ClearItemBoxes();
      return false;
    });
  }
  /// The search box over the tree: the items it finds, under their categories.
  void Search(std::string text) {
    host_.Run(ViewOnly([this, &text](RulesContext& ctx) {
      view_.search.matches = SearchCatalogTree(ctx.catalogs.*Rules::Tree, text);
      view_.search.text = std::move(text);
    }));
  }
  /// A match clicked: its node in the tree.
  void ChooseMatch(int index) {
    if (const CatalogMatch* match = MatchAt(view_.search, index)) ChooseItem(match->itemAt);
  }
  /// The buy button.
  void Buy() {
    host_.Name("Buy");
    host_.Run([this](RulesContext& ctx) { return Rules::Buy(ctx, view_, books_); });
  }
  /// A double-click on a node of the catalog tree.
  void BuyItem(int node) {
    host_.Name("Buy");
    host_.Run([this, node](RulesContext& ctx) {
      Rules::ShowItem(ctx, view_, node);
      return Rules::Buy(ctx, view_, books_);
    });
  }
  /// An entry of the installed list clicked.
  void SelectInstalled(int index) {
    RunOnView([index](RulesContext& ctx, ViewType& view) { Rules::SelectInstalled(ctx, view, index); });
  }
  /// The remove button.
  void Remove() {
    host_.Name("Remove");
    host_.Run([this](RulesContext& ctx) {
      if (!Rules::Remove(ctx, view_)) return false;
      // The boxes showed the entry that is gone.
      ClearItemBoxes();
      return true;
    });
  }

  // What the Editor runs for other pages, inside an action it is already running.
  void Recount(RulesContext& ctx) { Rules::Recount(ctx, view_); }
  void Entered(RulesContext& ctx) override { Recount(ctx); }
  void Reset(RulesContext& ctx) override { Rules::Reset(ctx, view_); }
  void Refresh(RulesContext& ctx) override {
    Rules::Show(ctx.record, view_);
    view_.search.chosen =
        FindMatch(view_.search, [this](const CatalogMatch& match) { return match.itemAt == view_.selectedItem; });
  }
  /// Another book choice renumbers the tree: the chosen node would name another item.
  bool CatalogsReloaded(RulesContext& ctx) override {
    view_.selectedItem = -1;
    view_.buyEnabled = false;
    ClearItemBoxes();
    view_.search.matches = SearchCatalogTree(ctx.catalogs.*Rules::Tree, view_.search.text);
    return false;
  }

 protected:
  ~ImplantUnit() = default;

  /// An action that changes only what the page shows: an option of the page.
  template <typename Rule>
  void RunOnView(Rule rule) {
    host_.Run(ViewOnly([this, rule](RulesContext& ctx) { rule(ctx, view_); }));
  }

  UnitHost& host_;
  ViewType& view_;

 private:
  void ClearItemBoxes() {
    for (std::string ViewType::*box : Rules::kItemBoxes) (view_.*box).clear();
  }

  const BookLists& books_;
};

}  // namespace ivgen
