// The Phys. Adept page: the adept power catalog and the character's powers.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/powers.h"

namespace ivgen {

class PowersUnit final : public Unit {
 public:
  PowersUnit(UnitHost& host, PowersView& view, const BookLists& books) : host_(host), view_(view), books_(books) {}

  const PowersView& View() const { return view_; }
  /// The power group; the page change shows it only for a physical adept.
  bool GroupVisible() const { return host_.Creation().pages.powerGroupVisible; }
  /// Why the page offers no powers, in one line; "" while the group shows.
  std::string EmptyReason() const {
    return GroupVisible() ? "" : "No adept powers: only a physical adept buys powers (Adept on the Priorities page)";
  }
  /// "used/Magic total".
  const std::string& PointsDisplay() const { return host_.Creation().attributes.powerPointsDisplay; }

  /// A line of the power catalog clicked, and the buy command (or a double-click).
  void ShowPower(int index);
  void Buy();
  /// A line of the character's powers clicked, and the remove command.
  void SelectOwned(int index);
  void Remove();

  /// A new character: none of its powers is chosen.
  void Reset(RulesContext& ctx) override;
  /// The catalogs were reloaded: no catalog power is chosen.
  bool CatalogsReloaded(RulesContext& ctx) override;

 private:
  UnitHost& host_;
  PowersView& view_;
  const BookLists& books_;
};

}  // namespace ivgen
