// A new character with 10,000 nuyen, a few gear types as gear.dat would define them, and the
// sourcebook IV3 allowed.
#pragma once

#include <string>
#include <vector>

#include "purchase/contacts.h"
#include "purchase/gear.h"
#include "rules/rules_fixture.h"

namespace ivgen {

class PurchaseTest : public RulesTest {
 protected:
  PurchaseTest() {
    record.Maxresources = 10000;
    DefineType(1, {"Concealability", "Weight", "$Cost", "Book-Page"});
    DefineType(3, {"Ammunition", "Weight", "$Cost", "Book-Page"});
    DefineType(5, {"Mount", "Weight", "$Cost", "Book-Page"});
    DefineType(6, {"Mount", "Weight", "$Cost", "Book-Page"});
    DefineType(16, {"Level", "$Cost", "Book-Page"});
    books.allowed = {"Core Rules\tIV3"};
    books.notAllowed = {"Grey Lanes\tGL"};
  }

  void DefineType(int number, std::vector<std::string> names) {
    GearType& type = catalogs.gear.types[static_cast<size_t>(number)];
    type.fieldCount = static_cast<int>(names.size());
    type.fieldNames = {""};
    for (std::string& name : names) {
      if (name[0] == '$') {
        type.priceField = static_cast<int>(type.fieldNames.size()) - 1;
        name.erase(0, 1);
      }
      type.fieldNames.push_back(name);
    }
  }

  /// Offers one shop item, as ShowGearGroup lists it, chosen in the shop list.
  void Offer(const std::string& name, const std::string& data) {
    view.shopItems = {name + std::string(kGearNameWidth - name.size(), ' ') + "\t" + data};
    ShowGearItem(ctx, view, books, 0);
  }

  bool Buy(const std::string& name, const std::string& data, const std::string& count = "1") {
    Offer(name, data);
    SetGearCount(view, count);
    return BuyGear(ctx, view, books);
  }

  BookLists books;
  GearView view;
  ContactsView contacts;
};

}  // namespace ivgen
