#include "purchase/spells.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/rules_fixture.h"

namespace ivgen {
namespace {

class SpellsTest : public RulesTest {
 protected:
  SpellsTest() {
    catalogs.spells.categories = {"Combat\tC", "Detection\tD"};
    catalogs.spells.SpellLines = {
        "Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t%IV3-170C", "Far Eyes\tM\t4\tS\tTouch\tM(F/2)\t%IV3-175D",
        "Blood Boil\tP\tBody\tI\tLOS\tD(F/2)\t%VA-22c",   "Old Hex\tM\tWill\tI\tLOS\tS(F/2)\t%IV3C",
        "Grave Chill\tM\tWill\tI\tLOS\tS(F/2)\t%XB-22C",
    };
    catalogs.traditions = {"Hermetic mage", "Totem: Crow", "Totem: Owl"};
    books.allowed = {"Core\tIV3", "Veiled Arts\tva"};
    record.MagicPts = 25;
  }

  // Chooses a spell of a category and adds it.
  bool Add(int category, int spell) {
    SelectSpellCategory(ctx, view, category);
    SelectSpell(view, spell);
    return AddSpell(ctx, view, books);
  }

  // A chosen spell standing at n points, n - 1 of them already raised.
  void ChosenAt(int n) {
    record.Spells = {"Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t[" + std::string(n < 10 ? "0" : "") + std::to_string(n) +
                     "]\tIV3-170"};
    record.SpellPointsUsed = static_cast<float>(n);
    SelectChosenSpell(ctx, view, 0);
  }

  SpellsView view;
  BookLists books;
};

TEST_F(SpellsTest, CategoryListsItsSpellsWhateverTheCaseOfTheCode) {
  SelectSpellCategory(ctx, view, 0);
  ASSERT_EQ(view.categorySpells.size(), 4u);
  EXPECT_EQ(SpellColumns(view.categorySpells[1]),
            (std::vector<std::string>{"Blood Boil", "P", "Body", "I", "LOS", "D(F/2)"}));
  SelectSpell(view, 2);
  SelectSpellCategory(ctx, view, 5);
  EXPECT_TRUE(view.categorySpells.empty());
  EXPECT_FALSE(AddSpell(ctx, view, books));
}

TEST_F(SpellsTest, AddedSpellsEnterAtOnePointAlsoPastThePointsAvailable) {
  record.MagicPts = 3;
  for (auto [category, spell] : std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}}) {
    EXPECT_TRUE(Add(category, spell));
  }
  EXPECT_EQ(record.Spells, (std::vector<std::string>{
                               "Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t[01]\tIV3-170",
                               // A short reference does not carry the category code along.
                               "Blood Boil\tP\tBody\tI\tLOS\tD(F/2)\t[01]\tVA-22",
                               "Old Hex\tM\tWill\tI\tLOS\tS(F/2)\t[01]\tIV3",
                               "Far Eyes\tM\t4\tS\tTouch\tM(F/2)\t[01]\tIV3-175",
                           }));
  EXPECT_EQ(state.attributes.spellPointsDisplay, "4/3");
  EXPECT_TRUE(state.attributes.spellsOverSpent);

  EXPECT_FALSE(Add(0, 3));
  EXPECT_EQ(record.Spells.size(), 4u);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"message [Illegal item] (OK) You can't get this spell!\\r\\nIt is "
                                                     "not in the allowed sourcebooks. -> OK"});
}

TEST_F(SpellsTest, SpinButtonsKeepTwoDigitsWithinTheLimits) {
  struct Case {
    int points;
    float magicPts;
    bool override;
    bool up;
    bool changed;
    const char* bracket;
  };
  const std::vector<Case> cases = {
      {1, 25, false, true, true, "[02]"},  {5, 25, false, true, true, "[06]"},   {6, 25, false, true, false, "[06]"},
      {6, 25, true, true, true, "[07]"},   {9, 9, true, true, true, "[10]"},     {3, 3, false, true, false, "[03]"},
      {99, 25, true, true, false, "[99]"}, {1, 25, false, false, false, "[01]"}, {10, 25, false, false, true, "[09]"},
  };
  for (const Case& c : cases) {
    record.MagicPts = c.magicPts;
    record.norules = c.override ? 1 : 0;
    ChosenAt(c.points);
    const bool changed = c.up ? RaiseSpellPoints(ctx, view) : LowerSpellPoints(ctx, view);
    EXPECT_EQ(changed, c.changed) << c.points << (c.up ? " up" : " down");
    EXPECT_NE(record.Spells[0].find(std::string("\t") + c.bracket + "\t"), std::string::npos) << record.Spells[0];
    EXPECT_EQ(SpellPoints(record.Spells[0]), record.SpellPointsUsed) << c.points;
  }
}

TEST_F(SpellsTest, RemovingASpellGivesItsPointsBack) {
  ChosenAt(4);
  EXPECT_TRUE(RemoveSpell(ctx, view));
  EXPECT_TRUE(record.Spells.empty());
  EXPECT_EQ(state.attributes.spellPointsDisplay, "0/25");
  EXPECT_FALSE(view.removeEnabled || view.spinnerEnabled);
  EXPECT_FALSE(RemoveSpell(ctx, view));
}

TEST_F(SpellsTest, SpellPointsAreBoughtWhileOneNuyenStaysLeftUpToFifty) {
  struct Case {
    int32_t left;
    bool override;
    float magicPts;
    bool bought;
    const char* moneyLeft;
  };
  const std::vector<Case> cases = {{25000, false, 25, false, "25000"},
                                   {25000, true, 25, false, "25000"},
                                   {25001, false, 25, true, "1"},
                                   {25001, false, 49, true, "1"},
                                   {25001, false, 50, false, "25001"},
                                   // A MAG code carried the points past fifty.
                                   {25001, false, 53, false, "25001"}};
  for (const Case& c : cases) {
    record.MagicPts = c.magicPts;
    record.Maxresources = 90000;
    record.NuyenSpent = 90000 - c.left;
    record.norules = c.override ? 1 : 0;
    view.moneyLeft = "?";
    EXPECT_EQ(BuySpellPoints(ctx, view), c.bought) << c.left << " " << c.magicPts;
    EXPECT_EQ(record.MagicPts, c.magicPts + (c.bought ? 1 : 0));
    EXPECT_EQ(record.Resources(), c.bought ? 1 : c.left);
    EXPECT_EQ(view.moneyLeft, c.magicPts < 50 ? c.moneyLeft : "?");
  }
}

TEST_F(SpellsTest, TraditionIsChosenAndFoundAgainByNameAfterAReload) {
  EXPECT_TRUE(Tradition(ctx, 2));
  EXPECT_FALSE(Tradition(ctx, 3));
  catalogs.traditions = {"Hermetic mage", "Totem: Owl"};
  EXPECT_TRUE(KeepTradition(ctx, "Totem: Owl"));
  EXPECT_EQ(TraditionName(record, catalogs), "Totem: Owl");
  catalogs.traditions = {"Hermetic mage"};
  EXPECT_TRUE(KeepTradition(ctx, "Totem: Owl"));
  EXPECT_EQ(record.Tradition, -1);
}

}  // namespace
}  // namespace ivgen
