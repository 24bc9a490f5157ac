// Spells and adept powers bought, raised and refused; the scenarios follow a whole magician and
// adept, so here are the limits and refusals they do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "purchase/powers.h"
#include "purchase/spells.h"
#include "record/money.h"
#include "rules/rules_fixture.h"
#include "support/joined.h"

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

  EXPECT_FALSE(Add(0, 3));  // of a book not allowed
  EXPECT_EQ(record.Spells.size(), 4u);
}

TEST_F(SpellsTest, SpinButtonsKeepTwoDigitsWithinTheLimits) {
  // Points before, spell points, Override Limits, up or down, whether it changed, the points after.
  const struct {
    int points;
    float magicPts;
    bool override, up, changed;
    const char* bracket;
  } cases[] = {
      {1, 25, false, true, true, "[02]"},  {5, 25, false, true, true, "[06]"},   {6, 25, false, true, false, "[06]"},
      {6, 25, true, true, true, "[07]"},   {9, 9, true, true, true, "[10]"},     {3, 3, false, true, false, "[03]"},
      {99, 25, true, true, false, "[99]"}, {1, 25, false, false, false, "[01]"}, {10, 25, false, false, true, "[09]"},
  };
  for (const auto& c : cases) {
    record.MagicPts = c.magicPts;
    record.norules = c.override ? 1 : 0;
    ChosenAt(c.points);
    const bool changed = c.up ? RaiseSpellPoints(ctx, view) : LowerSpellPoints(ctx, view);
    EXPECT_EQ(changed, c.changed) << c.points << (c.up ? " up" : " down");
    EXPECT_NE(record.Spells[0].find(std::string("\t") + c.bracket + "\t"), std::string::npos) << record.Spells[0];
    EXPECT_EQ(SpellPoints(record.Spells[0]), record.SpellPointsUsed) << c.points;
  }
  // Removing a spell gives its points back; the spin buttons it leaves enabled act on nothing.
  EXPECT_TRUE(RemoveSpell(ctx, view));
  EXPECT_EQ(record.Spells.size() + record.SpellPointsUsed, 0);
  EXPECT_EQ(state.attributes.spellPointsDisplay, "0/25");
  EXPECT_FALSE(view.removeEnabled || RemoveSpell(ctx, view) || RaiseSpellPoints(ctx, view));
}

TEST_F(SpellsTest, SpellPointsAreBoughtWhileOneNuyenStaysLeftUpToFifty) {
  // Money left, Override Limits, spell points before (a MAG code carried the last past fifty),
  // whether one was bought, and the money the page shows.
  const std::tuple<int32_t, bool, float, bool, const char*> cases[] = {
      {25000, false, 25, false, "25000"}, {25000, true, 25, false, "25000"}, {25001, false, 25, true, "1"},
      {25001, false, 49, true, "1"},      {25001, false, 50, false, "?"},    {25001, false, 53, false, "?"}};
  for (const auto& [left, override, magicPts, bought, moneyLeft] : cases) {
    record.MagicPts = magicPts;
    record.Maxresources = 90000;
    record.NuyenSpent = 90000 - left;
    record.norules = override ? 1 : 0;
    view.moneyLeft = "?";
    EXPECT_EQ(BuySpellPoints(ctx, view), bought) << left << " " << magicPts;
    EXPECT_EQ(record.MagicPts, magicPts + (bought ? 1 : 0));
    EXPECT_EQ(MoneyLeft(record), bought ? 1 : left);
    EXPECT_EQ(view.moneyLeft, moneyLeft);
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
  EXPECT_EQ(record.Tradition, 0) << "a tradition no longer listed falls back to the first entry";
  record.Tradition = -1;
  EXPECT_TRUE(KeepTradition(ctx, ""));
  EXPECT_EQ(record.Tradition, 0) << "the first load chooses the first entry";
}

enum CatalogPower { kTemperedBody, kIronPalm, kHonedSkill, kMagicalPower, kSpiritShout, kQuickenedNerves, kEidetic };

class PowersTest : public RulesTest {
 protected:
  PowersTest() {
    catalogs.powers = {
        "Tempered Body\t0.50\t+1BOD\tIV3-151\tBody one higher.",
        "Iron Palm*\t0.50\t\tIV3-153\tHarder blows per level.",
        "Honed Skill* ->\t0.25\t\tIV3-152\tA named skill gains a die per level.",
        "Magical Power (6 Spell Pts)\t1.00\t+1MAG\tIV3-157\tSix spell points.",
        "Spirit Shout\t1.00\t\tXB-70\tA stunning cry.",
        "Quickened Nerves (1)\t1.50\t+1RCT,+1INI\tIV3-150\tOne more initiative die.",
        "Eidetic Sense\t0.125\t\tIV3\tRemembers everything.",
    };
    books.allowed = {"Core\tIV3"};
    record.Adept = 0;
    record.Magic.Total = "6";
  }

  bool Buy(int power, const std::vector<std::string>& answers = {}) {
    for (const std::string& answer : answers) platform.QueueAnswer(answer);
    ShowPower(ctx, view, power);
    return BuyPower(ctx, view, books);
  }

  PowersView view;
  BookLists books;
};

// A level below 1 is level 1; a cancelled target buys nothing; costs show two decimals.
TEST_F(PowersTest, BoughtPowersWithTheirTargetAndLevel) {
  const struct {
    CatalogPower power;
    std::vector<std::string> answers;
    const char* nameAndCost;  // "" when nothing is bought
    const char* display;
  } cases[] = {
      {kIronPalm, {"3"}, "Iron Palm*[3]\t1.50", "1.5/6"},
      {kIronPalm, {"-4"}, "Iron Palm*\t0.50", "0.5/6"},
      {kHonedSkill, {""}, "", "0/6"},
      {kEidetic, {}, "Eidetic Sense\t0.12", "0.12/6"},
  };
  for (const auto& c : cases) {
    record.Powers.clear();
    record.PowerPointsUsed = 0;
    state.attributes.powerPointsDisplay = "0/6";
    platform.ClearLog();
    EXPECT_EQ(Buy(c.power, c.answers), *c.nameAndCost != '\0') << c.nameAndCost;
    const std::string owned = record.Powers.empty() ? "" : record.Powers[0];
    EXPECT_EQ(owned.substr(0, owned.find('\t', owned.find('\t') + 1)), c.nameAndCost);
    EXPECT_EQ(state.attributes.powerPointsDisplay, c.display) << c.nameAndCost;
    EXPECT_EQ(platform.Log().size(), c.answers.size()) << c.nameAndCost;
  }
}

TEST_F(PowersTest, RefusedPowersSayWhy) {
  record.PriMagic = 0;
  EXPECT_FALSE(Buy(kMagicalPower));
  record.PhysAdMagic = 1;
  record.PriMagic = 1;
  EXPECT_FALSE(Buy(kMagicalPower));
  EXPECT_FALSE(Buy(kSpiritShout));
  EXPECT_TRUE(record.Powers.empty());
  const std::string magician =
      "message [Ironveil Character Generator] (OK) Priority A plus Path of Magician only -> OK";
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{magician, magician,
                                                      "message [Illegal item] (OK) You can't get this item!\\r\\nIt "
                                                      "is not in the allowed sourcebooks. -> OK"}));
  record.PriMagic = 0;
  EXPECT_TRUE(Buy(kMagicalPower));
  EXPECT_EQ(record.MagicPts, 6);
}

TEST_F(PowersTest, PowerPointsReachTheMagicTotalAndNoFurther) {
  EXPECT_TRUE(Buy(kIronPalm, {"9"}) && Buy(kQuickenedNerves));
  EXPECT_EQ(state.attributes.powerPointsDisplay, "6/6");
  EXPECT_FALSE(Buy(kEidetic));  // silently, as the adept scenario shows
  record.norules = 1;
  EXPECT_TRUE(Buy(kTemperedBody));
  EXPECT_EQ(state.attributes.powerPointsDisplay, "6.5/6");
}

TEST_F(PowersTest, RemovalGivesBackTheEntrysCostAndTakesItsCodesBack) {
  Buy(kEidetic);
  Buy(kQuickenedNerves);
  Buy(kTemperedBody);
  EXPECT_EQ(record.Attr[0].Modifier + record.Reaction.Modifier + record.Initative.Modifier, "111");
  SelectOwnedPower(ctx, view, 1);
  EXPECT_EQ(view.shownCost + " " + view.shownNote, "1.50 One more initiative die.");
  EXPECT_TRUE(RemovePower(ctx, view));
  EXPECT_FALSE(view.removeEnabled || RemovePower(ctx, view));
  for (int i : {1, 0}) {
    SelectOwnedPower(ctx, view, i);
    RemovePower(ctx, view);
  }
  EXPECT_EQ(record.Attr[0].Modifier + record.Reaction.Modifier + record.Initative.Modifier + " " +
                state.attributes.powerPointsDisplay,
            "000 0/6");
  EXPECT_TRUE(record.Powers.empty());
}

}  // namespace
}  // namespace ivgen
