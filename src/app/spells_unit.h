// The Spells page: the tradition or totem, the spell catalog by category, the character's spells
// with their points, and spell points bought with nuyen.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/spells.h"

namespace ivgen {

class SpellsUnit final : public Unit {
 public:
  SpellsUnit(UnitHost& host, SpellsView& view, const BookLists& books) : host_(host), view_(view), books_(books) {}

  const SpellsView& View() const { return view_; }
  /// The spell purchase group; the page change hides it while no spell points are available.
  bool GroupVisible() const { return host_.Creation().pages.spellGroupVisible; }
  /// Why the page offers no spells, in one line; "" while the group shows.
  std::string EmptyReason() const {
    return GroupVisible()
               ? ""
               : "No spells to buy: this character has no spell points (the Magic priority or build points grant none)";
  }
  /// "used/available" and its over-spent marker.
  const std::string& PointsDisplay() const { return host_.Creation().attributes.spellPointsDisplay; }
  bool OverSpent() const { return host_.Creation().attributes.spellsOverSpent; }
  std::string TraditionName() const;

  /// A line of the tradition list clicked; a number outside it does nothing.
  void ChooseTradition(int index);
  /// A line of the category list clicked.
  void SelectCategory(int index);
  /// A spell of the category clicked, and the add command (or a double-click).
  void SelectSpell(int index);
  void Add();
  /// The search box over the spell list: every category's spells it finds, with their category.
  void Search(std::string text);
  /// A match clicked: its category and its spell chosen, as clicking both would.
  void ChooseMatch(int index);
  /// A line of the character's spells clicked, its spin buttons and the remove command.
  void SelectChosen(int index);
  void Raise();
  void Lower();
  void Remove();
  /// "Buy Spell Pts for $25,000".
  void BuyPoints();

  /// After every action: what other pages may have changed (money left).
  void Refresh(RulesContext& ctx) override;
  /// A new character: none of its spells is chosen.
  void Reset(RulesContext& ctx) override;
  /// The catalogs were reloaded: the category the reload selected is listed again and the
  /// tradition chosen before is chosen again by its name.
  bool CatalogsReloaded(RulesContext& ctx) override;

 private:
  UnitHost& host_;
  SpellsView& view_;
  const BookLists& books_;
  /// The tradition chosen when the last action ended: a reload may move it in the list.
  std::string tradition_;
};

}  // namespace ivgen
