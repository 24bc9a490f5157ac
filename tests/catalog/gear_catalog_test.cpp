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

TEST(LoadGear, TypeLinesFillTheTypeTable) {
  CatalogFolder folder;
  folder.Write("gear.dat", {
                               "xx5|Pistols|3|Damage|Weight|$Cost|",
                               "..7|Armour|2|$Price|Book|",
                               "..7|Clothing|3|Rating|$Cost|Book|",  // a later line replaces type 7
                               "..9|Too few|3|A|B|",                 // malformed: two of three names
                               "..65|Beyond|1|Book|",                // malformed: above 64
                               "..8|Wide|31|" + std::string(31 * 2, '|'),
                               "..X|Not a number|1|Book|",
                           });
  const auto gear = LoadGear(folder.Path());
  ASSERT_TRUE(gear.has_value());
  EXPECT_EQ(GearTypeName(*gear, 5), "Pistols");
  EXPECT_EQ(GearFieldCount(*gear, 5), 3);
  EXPECT_EQ(GearFieldName(*gear, 5, 3), "Cost");  // stored without its "$"
  EXPECT_EQ(GearFieldName(*gear, 5, 0), "");
  EXPECT_EQ(GearPriceField(*gear, 5), 2);
  EXPECT_EQ(GearTypeName(*gear, 7), "Clothing");
  EXPECT_EQ(GearPriceField(*gear, 7), 1);
  EXPECT_EQ(GearFieldName(*gear, 7, 3), "Book");
  for (int skipped : {8, 9, 0}) EXPECT_EQ(GearFieldCount(*gear, skipped), 0) << skipped;
  // Out-of-table questions answer empty instead of reading past the table.
  EXPECT_EQ(GearTypeName(*gear, 65), "");
  EXPECT_EQ(GearFieldName(*gear, 5, 4), "");
  EXPECT_EQ(GearFieldCount(*gear, -1), 0);
}

TEST(LoadGear, GroupNodesCarryTheirLineNumberCountingComments) {
  CatalogFolder folder;
  folder.Write("gear.dat", {
                               "! one",
                               "! two",
                               "! three",
                               "xx3|Firearms|2|$Cost|Book|",
                               "1 Weapons",
                               "2 Pistols",
                               Item('2', "Hold-out", "3|100|IV3-10|"),
                               "",  // skipped
                               "3 Tasers",
                           });
  const auto gear = LoadGear(folder.Path());
  ASSERT_TRUE(gear.has_value());
  ASSERT_EQ(gear->tree.size(), 3u);
  EXPECT_EQ(gear->tree[0], (TreeNode{"Weapons\t\t\t\t\t\t\t\t\t,5", 1}));
  EXPECT_EQ(gear->tree[1], (TreeNode{"Pistols\t\t\t\t\t\t\t\t\t,6", 2}));
  EXPECT_EQ(gear->tree[2], (TreeNode{"Tasers\t\t\t\t\t\t\t\t\t,9", 3}));
  EXPECT_TRUE(HasChildNodes(gear->tree, 0));
  EXPECT_TRUE(HasChildNodes(gear->tree, 1));
  EXPECT_FALSE(HasChildNodes(gear->tree, 2));
}

class ShowGearGroupTest : public ::testing::Test {
 protected:
  void Write(const std::vector<std::string>& lines) {
    folder_.Write("gear.dat", lines);
    gear_ = *LoadGear(folder_.Path());
  }
  std::optional<GearGroup> Show(size_t node, const BookLists& books) {
    return ShowGearGroup(folder_.Path(), gear_, node, books);
  }
  CatalogFolder folder_;
  GearCatalog gear_;
};

TEST_F(ShowGearGroupTest, ListsTheGroupsItemsUpToTheEndOfTheFile) {
  Write({
      "xx3|Firearms|3|Damage|$Cost|Book|",
      "1 Pistols",
      Item('1', "Hold-out", "3|4L|100|IV3-10|"),
      Item('1', "Heavy Pistol", "3|9M|450|IV3-11| extra text"),
      "1 Rifles",
      Item('1', "Sporting Rifle", "3|8S|900|IV3-12|"),
  });
  const auto pistols = Show(0, Allowing({"Core\tIV3"}));
  ASSERT_TRUE(pistols.has_value());
  EXPECT_EQ(pistols->title, "Pistols");
  EXPECT_EQ(pistols->items, (std::vector<std::string>{Listed("Hold-out", "3|4L|100|IV3-10|"),
                                                      Listed("Heavy Pistol", "3|9M|450|IV3-11| extra text")}));
  const auto rifles = Show(1, Allowing({"Core\tIV3"}));
  EXPECT_EQ(rifles->items, std::vector<std::string>{Listed("Sporting Rifle", "3|8S|900|IV3-12|")});
}

TEST_F(ShowGearGroupTest, PageReferenceMarkIsSetByTheFirstItemWithAPageAndNeverCleared) {
  Write({
      "xx3|Firearms|2|$Cost|Book|",
      "1 Mixed",
      Item('1', "Bare first", "3|100|AA|"),
      Item('1', "With page", "3|100|BB-12|"),
      Item('1', "Bare again", "3|100|CC|"),
      Item('1', "Allowed bare", "3|100|iv3|"),
  });
  const auto group = Show(0, Allowing({"Core\tIV3"}));
  EXPECT_EQ(group->items,
            (std::vector<std::string>{Listed("Bare first", "3|100|AA|"), Listed("Allowed bare", "3|100|iv3|")}));
}

TEST_F(ShowGearGroupTest, ReadsTheFileAgainOnEveryClick) {
  Write({"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Hold-out", "3|100|IV3-10|")});
  folder_.Write("gear.dat", {"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Changed", "3|120|IV3-10|"),
                             Item('1', "Added", "3|130|IV3-10|")});
  EXPECT_EQ(Show(0, Allowing({"Core\tIV3"}))->items,
            (std::vector<std::string>{Listed("Changed", "3|120|IV3-10|"), Listed("Added", "3|130|IV3-10|")}));
  folder_.Remove("gear.dat");
  const auto gone = Show(0, Allowing({"Core\tIV3"}));
  EXPECT_TRUE(gone->items.empty());
  EXPECT_FALSE(gone->file.ok);
}

TEST_F(ShowGearGroupTest, SkipsMalformedItemsAndIgnoresNodesWithChildren) {
  Write({
      "xx3|Firearms|2|$Cost|Book|",
      "1 Weapons",
      "2 Pistols",
      Item('2', "Short of bars", "3|100|"),
      Item('2', "Unknown type", "4|100|IV3-1|"),
      Item('2', "Too short", ""),
      Item('2', "Good", "3|100|IV3-1|"),
  });
  EXPECT_FALSE(Show(0, Allowing({"Core\tIV3"})).has_value());
  EXPECT_FALSE(Show(7, Allowing({"Core\tIV3"})).has_value());
  EXPECT_EQ(Show(1, Allowing({"Core\tIV3"}))->items, std::vector<std::string>{Listed("Good", "3|100|IV3-1|")});
}

TEST_F(ShowGearGroupTest, TitleWithACommaStillFindsItsItems) {
  Write({"xx3|Firearms|2|$Cost|Book|", "1 Knives, swords", Item('1', "Katana", "3|1000|IV3-5|")});
  const auto group = Show(0, Allowing({"Core\tIV3"}));
  EXPECT_EQ(group->title, "Knives, swords");
  EXPECT_EQ(group->items, std::vector<std::string>{Listed("Katana", "3|1000|IV3-5|")});
}

TEST(FieldIndex, FindsTheFirstFieldOfThatExactName) {
  GearCatalog gear;
  gear.types[3] = GearType{"Firearms", 4, {"", "Damage", "Weight", "weight", "Weight"}, 0};
  gear.types[0] = GearType{"Zero", 1, {"", "Weight"}, 0};
  EXPECT_EQ(FieldIndex(gear, 3, "Weight"), 2);
  EXPECT_EQ(FieldIndex(gear, 3, "weight"), 3);
  EXPECT_EQ(FieldIndex(gear, 3, "Range"), 0);
  EXPECT_EQ(FieldIndex(gear, 0, "Weight"), 0);
  EXPECT_EQ(FieldIndex(gear, 65, "Weight"), 0);
  EXPECT_EQ(FieldIndex(gear, -3, "Weight"), 0);
}

TEST(DivLineWhere, FindsTheFirstDividerOrGivesZero) {
  EXPECT_EQ(DivLineWhere({}), 0);
  EXPECT_EQ(DivLineWhere({"Knife\t3|", "Rope\t3|"}), 0);
  EXPECT_EQ(DivLineWhere({"Knife\t3|", "===Carried Gear below ======", "Rope", "==="}), 1);
}

}  // namespace
}  // namespace ivgen
