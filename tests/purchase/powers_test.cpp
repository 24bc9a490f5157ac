#include "purchase/powers.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/rules_fixture.h"

namespace ivgen {
namespace {

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

TEST_F(PowersTest, BoughtPowersWithTheirTargetAndLevel) {
  struct Case {
    CatalogPower power;
    std::vector<std::string> answers;
    const char* nameAndCost;  // "" when nothing is bought
    const char* display;
    size_t prompts;
  };
  const std::vector<Case> cases = {
      {kIronPalm, {"3"}, "Iron Palm*[3]\t1.50", "1.5/6", 1},
      {kHonedSkill, {"Pistols", "2"}, "Honed Skill* -> Pistols[2]\t0.50", "0.5/6", 2},
      {kIronPalm, {"lots"}, "Iron Palm*\t0.50", "0.5/6", 1},
      {kIronPalm, {"-4"}, "Iron Palm*\t0.50", "0.5/6", 1},
      {kIronPalm, {""}, "", "0/6", 1},
      {kHonedSkill, {""}, "", "0/6", 1},
      {kEidetic, {}, "Eidetic Sense\t0.12", "0.12/6", 0},
  };
  for (const Case& c : cases) {
    record.Powers.clear();
    record.PowerPointsUsed = 0;
    state.attributes.powerPointsDisplay = "0/6";
    platform.ClearLog();
    EXPECT_EQ(Buy(c.power, c.answers), *c.nameAndCost != '\0') << c.nameAndCost;
    const std::string owned = record.Powers.empty() ? "" : record.Powers[0];
    EXPECT_EQ(owned.substr(0, owned.find('\t', owned.find('\t') + 1)), c.nameAndCost);
    EXPECT_EQ(state.attributes.powerPointsDisplay, c.display) << c.nameAndCost;
    EXPECT_EQ(platform.Log().size(), c.prompts) << c.nameAndCost;
  }
  Buy(kHonedSkill, {"Pistols", "2"});
  EXPECT_EQ(platform.Log(),
            (std::vector<std::string>{"input [Ironveil Character Generator] Enter Specific -> \"Pistols\"",
                                      "input [Ironveil Character Generator] Enter Level -> \"2\""}));
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
  EXPECT_TRUE(Buy(kIronPalm, {"9"}));
  EXPECT_TRUE(Buy(kQuickenedNerves));
  EXPECT_EQ(state.attributes.powerPointsDisplay, "6/6");
  platform.ClearLog();
  EXPECT_FALSE(Buy(kEidetic));
  EXPECT_TRUE(platform.Log().empty());
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
  EXPECT_FALSE(view.removeEnabled);
  EXPECT_FALSE(RemovePower(ctx, view));
  for (int i : {1, 0}) {
    SelectOwnedPower(ctx, view, i);
    RemovePower(ctx, view);
  }
  EXPECT_EQ(record.Attr[0].Modifier + record.Reaction.Modifier + record.Initative.Modifier, "000");
  EXPECT_TRUE(record.Powers.empty());
  EXPECT_EQ(state.attributes.powerPointsDisplay, "0/6");
}

}  // namespace
}  // namespace ivgen
