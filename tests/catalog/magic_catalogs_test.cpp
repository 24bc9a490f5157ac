#include "catalog/magic_catalogs.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;
using testing::Columns;

std::string Spell(std::string_view book, std::string_view name, std::string_view drain, std::string_view category) {
  return Columns({{1, book}, {11, name}, {40, "M"}, {45, "LOS"}, {52, "P"}, {57, "Inst"}, {64, drain}, {76, category}});
}

TEST(LoadSpells, BuildsEntriesWithDrainCutAfterTheFirstParenthesis) {
  CatalogFolder folder;
  folder.Write("spells.dat", {
                                 "! spells",
                                 "#Combat spells/C",
                                 Spell("IV3-190", "Manabolt", "(F/2)+1S", "C"),
                                 Spell("IV3-191", "Stunbolt", "Deadly", "C"),
                                 Spell("XX-3", "Other book", "(F/2)", "C"),
                             });
  const auto spells = LoadSpells(folder.Path(), "[IV3]");
  ASSERT_TRUE(spells.has_value());
  EXPECT_EQ(spells->categories, std::vector<std::string>{"Combat spells\tC"});
  EXPECT_EQ(spells->SpellLines, (std::vector<std::string>{"Manabolt\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-190C",
                                                          "Stunbolt\tM\tLOS\tP\tInst  \t\t%IV3-191C"}));
}

TEST(LoadSpells, CategoriesAreUnfilteredAndALowerCaseCodeListsUnderItsCategory) {
  CatalogFolder folder;
  folder.Write("spells.dat", {
                                 "#Combat/ spells C",
                                 "#Detection, no slash D",  // malformed: skipped
                                 "#Health/H",
                                 Spell("IV3-1", "Heal", "(F/2)", "h"),
                                 Spell("IV3-2", "Manabolt", "(F/2)", "C"),
                                 Spell("IV3-3", "Antidote", "(F/2)", "H"),
                             });
  const auto spells = LoadSpells(folder.Path(), "");
  EXPECT_EQ(spells->categories, (std::vector<std::string>{"Combat\tC", "Health\tH"}));
  EXPECT_TRUE(spells->SpellLines.empty());
  const auto allowed = LoadSpells(folder.Path(), "[IV3]");
  const auto health = SpellsInCategory(*allowed, allowed->categories[1]);
  ASSERT_EQ(health.size(), 2u);
  EXPECT_EQ(health[0].substr(0, 5), "Heal\t");
  EXPECT_EQ(health[1].substr(0, 9), "Antidote\t");
  EXPECT_TRUE(SpellsInCategory(*allowed, "").empty());
}

TEST(LoadSpells, StopsAtFourHundredSpells) {
  CatalogFolder folder;
  std::vector<std::string> lines{"#Combat/C"};
  for (int i = 0; i < 405; ++i) lines.push_back(Spell("IV3-1", "Spell " + std::to_string(i), "(F)", "C"));
  folder.Write("spells.dat", lines);
  const auto spells = LoadSpells(folder.Path(), "[IV3]");
  ASSERT_EQ(spells->SpellLines.size(), 400u);
  EXPECT_EQ(spells->SpellLines.back().substr(0, 10), "Spell 399\t");
}

TEST(LoadPowers, EntriesHoldFiveFieldsWithTheBookFromColumnsOneToNine) {
  CatalogFolder folder;
  folder.Write(
      "powers.dat",
      {
          "! powers",
          Columns(
              {{1, "IV3-169"}, {11, "Improved Reflexes 1"}, {40, "2"}, {50, "+1RCT,+1INI"}, {70, "one extra die  "}}),
          Columns({{1, "XX-1"}, {11, "Other book"}, {40, ".5"}}),
      });
  const auto powers = LoadPowers(folder.Path(), "[IV3]");
  ASSERT_TRUE(powers.has_value());
  EXPECT_EQ(*powers, std::vector<std::string>{"Improved Reflexes 1\t2\t+1RCT,+1INI\tIV3-169\tone extra die"});
}

TEST(LoadTraditions, HermeticMageComesFirst) {
  CatalogFolder folder;
  folder.Write("totems.dat",
               {Columns({{1, "IV3-120"}, {11, "Shamanic: Bear   "}}), Columns({{1, "XX-3"}, {11, "Shamanic: Other"}})});
  EXPECT_EQ(*LoadTraditions(folder.Path(), "[IV3]"), (std::vector<std::string>{"Hermetic mage", "Shamanic: Bear"}));
  EXPECT_EQ(*LoadTraditions(folder.Path(), ""), std::vector<std::string>{"Hermetic mage"});
}

}  // namespace
}  // namespace ivgen
