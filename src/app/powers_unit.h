// The Phys. Adept page: the adept power catalog and the character's powers.
#pragma once

#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "purchase/powers.h"

namespace ivgen {

class PowersUnit {
 public:
  PowersUnit(UnitHost& host, const BookLists& books) : host_(host), books_(books) {}

  const PowersView& View() const { return view_; }
  /// The power group; the page change shows it only for a physical adept.
  bool GroupVisible() const { return host_.Creation().pages.powerGroupVisible; }
  /// "used/Magic total".
  const std::string& PointsDisplay() const { return host_.Creation().attributes.powerPointsDisplay; }

  /// A line of the power catalog clicked, and the buy command (or a double-click).
  void ShowPower(int index);
  void Buy();
  /// A line of the character's powers clicked, and the remove command.
  void SelectOwned(int index);
  void Remove();

  /// A new character: none of its powers is chosen.
  void NewCharacter();
  /// The catalogs were reloaded: no catalog power is chosen.
  void CatalogsReloaded();

 private:
  UnitHost& host_;
  const BookLists& books_;
  PowersView view_;
};

}  // namespace ivgen
