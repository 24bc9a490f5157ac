#include "catalog/gear_catalog.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;

// An item line: level digit, " * ", the name in 30 columns, a separator, then the data.
std::string Item(char level, std::string name, std::string_view data) {
  name.resize(30, ' ');
  return std::string(1, level) + " * " + name + " " + std::string(data);
}

// What the shop list shows for that item.
std::string Listed(std::string name, std::string_view data) {
  name.resize(30, ' ');
  return name + "\t" + std::string(data);
}

BookLists Allowing(std::vector<std::string> entries) {
  BookLists books;
  books.allowed = std::move(entries);
  return books;
}

// A later line replaces a type; a type short of names, above 64 or not a number is skipped, and
// questions outside the table answer empty instead of reading past it. A group node carries its
// line number, comments and blank lines counted.
TEST(LoadGear, TypeLinesAndGroupNodes) {
  CatalogFolder folder;
  folder.Write("gear.dat", {"! one", "! two", "xx5|Pistols|3|Damage|Weight|$Cost|", "..7|Armour|2|$Price|Book|",
                            "..7|Clothing|3|Rating|$Cost|Book|", "..9|Too few|3|A|B|", "..65|Beyond|1|Book|",
                            "..8|Wide|31|" + std::string(31 * 2, '|'), "..X|Not a number|1|Book|", "1 Weapons",
                            "2 Pistols", Item('2', "Hold-out", "5|100|IV3-10|"), "", "3 Tasers"});
  const auto gear = LoadGear(folder.Path());
  ASSERT_TRUE(gear.has_value());
  // Name, field count, price field and fields 0 to 4, stored without the "$".
  auto type = [&](int t) {
    std::string out = GearTypeName(*gear, t) + " " + std::to_string(GearFieldCount(*gear, t)) + " $" +
                      std::to_string(GearPriceField(*gear, t));
    for (int field = 0; field < 5; ++field) out += "|" + GearFieldName(*gear, t, field);
    return out;
  };
  EXPECT_EQ(type(5) + " / " + type(7), "Pistols 3 $2||Damage|Weight|Cost| / Clothing 3 $1||Rating|Cost|Book|");
  for (int skipped : {8, 9, 0, 65, -1}) EXPECT_EQ(type(skipped), " 0 $0|||||") << skipped;
  EXPECT_EQ(std::to_string(FieldIndex(*gear, 5, "Weight")) + std::to_string(FieldIndex(*gear, 5, "weight")) +
                std::to_string(FieldIndex(*gear, 65, "Weight")) + std::to_string(FieldIndex(*gear, -3, "Weight")),
            "2000");
  EXPECT_EQ(gear->tree, (CatalogTree{{"Weapons\t\t\t\t\t\t\t\t\t,10", 1},
                                     {"Pistols\t\t\t\t\t\t\t\t\t,11", 2},
                                     {"Tasers\t\t\t\t\t\t\t\t\t,14", 3}}));
  EXPECT_TRUE(HasChildNodes(gear->tree, 0) && HasChildNodes(gear->tree, 1) && !HasChildNodes(gear->tree, 2));
}

// Items are listed from the group's line to the next group or the end of the file; malformed
// items are skipped; the page-reference mark is set by the first item with a page and never
// cleared, so later bare codes are filtered.
TEST(ShowGearGroup, ListsTheGroupsWellFormedItemsOfAllowedBooks) {
  CatalogFolder folder;
  const std::string types = "xx3|Firearms|2|$Cost|Book|";
  const struct {
    std::vector<std::string> lines;
    size_t node;
    std::vector<std::string> items;  // {"<none>"} when the node lists nothing
  } cases[] = {
      {{types, "1 Pistols", Item('1', "Hold-out", "3|100|IV3-10|"), Item('1', "Heavy Pistol", "3|450|IV3-11| extra"),
        "1 Rifles", Item('1', "Sporting Rifle", "3|900|IV3-12|")},
       0,
       {Listed("Hold-out", "3|100|IV3-10|"), Listed("Heavy Pistol", "3|450|IV3-11| extra")}},
      {{types, "1 Pistols", "1 Knives, swords", Item('1', "Katana", "3|1000|IV3-5|")},
       1,
       {Listed("Katana", "3|1000|IV3-5|")}},
      {{types, "1 Mixed", Item('1', "Bare first", "3|100|AA|"), Item('1', "With page", "3|100|BB-12|"),
        Item('1', "Bare again", "3|100|CC|"), Item('1', "Allowed bare", "3|100|iv3|")},
       0,
       {Listed("Bare first", "3|100|AA|"), Listed("Allowed bare", "3|100|iv3|")}},
      {{types, "1 Weapons", "2 Pistols", Item('2', "Short of bars", "3|100|"),
        Item('2', "Unknown type", "4|100|IV3-1|"), Item('2', "Too short", ""), Item('2', "Good", "3|100|IV3-1|")},
       1,
       {Listed("Good", "3|100|IV3-1|")}},
      {{types, "1 Weapons", "2 Pistols"}, 0, {"<none>"}},  // a node with children
      {{types, "1 Weapons"}, 7, {"<none>"}},
  };
  for (const auto& c : cases) {
    folder.Write("gear.dat", c.lines);
    const GearCatalog gear = *LoadGear(folder.Path());
    const auto group = ShowGearGroup(folder.Path(), gear, c.node, Allowing({"Core\tIV3"}));
    EXPECT_EQ(group ? group->items : std::vector<std::string>{"<none>"}, c.items) << c.lines[1];
    if (group) {
      EXPECT_EQ(group->title, c.lines[c.node + 1].substr(2));
    }
  }
}

TEST(ShowGearGroup, ReadsTheFileAgainOnEveryClick) {
  CatalogFolder folder;
  folder.Write("gear.dat", {"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Hold-out", "3|100|IV3-10|")});
  const GearCatalog gear = *LoadGear(folder.Path());
  folder.Write("gear.dat", {"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Changed", "3|120|IV3-10|")});
  EXPECT_EQ(ShowGearGroup(folder.Path(), gear, 0, Allowing({"Core\tIV3"}))->items,
            std::vector<std::string>{Listed("Changed", "3|120|IV3-10|")});
  folder.Remove("gear.dat");
  const auto gone = ShowGearGroup(folder.Path(), gear, 0, Allowing({"Core\tIV3"}));
  EXPECT_TRUE(gone->items.empty());
  EXPECT_FALSE(gone->file.ok);
}

}  // namespace
}  // namespace ivgen
