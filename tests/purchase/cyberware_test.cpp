#include "purchase/cyberware.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/line_syntax.h"
#include "record/entries.h"
#include "rules/rules_fixture.h"

namespace ivgen {
namespace {

const std::string kIllegal =
    "message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK";
const std::string kInsufficient = "message [Ironveil Character Generator] (OK) Insufficient nuyen or Essence -> OK";

class CyberwareTest : public RulesTest {
 protected:
  CyberwareTest() {
    books.allowed = {"Core\tIV3"};
    record.Maxresources = 1000000;
  }

  // Adds a catalog item (name, Essence, price, book, codes, street index, note, capacity, group)
  // under one category and returns its node.
  int Item(std::vector<std::string> fields) {
    if (catalogs.cyberware.empty()) catalogs.cyberware.push_back({TreeEntry({"Bodyware", "", "", "IV3-1"}), 1});
    catalogs.cyberware.push_back({TreeEntry(fields), 2});
    return static_cast<int>(catalogs.cyberware.size()) - 1;
  }

  bool Buy(int node, int grade = kGradeStandard, bool used = false) {
    SelectCyberGrade(ctx, view, grade);
    SetCyberUsed(ctx, view, used);
    ShowCyberwareItem(ctx, view, node);
    return BuyCyberware(ctx, view, books);
  }

  bool Remove(int index) {
    SelectInstalledCyberware(ctx, view, index);
    return RemoveCyberware(ctx, view);
  }

  BookLists books;
  CyberwareView view;
};

TEST_F(CyberwareTest, GradesAndUsedSetPriceEssenceAndEntry) {
  struct Case {
    const char* essence;
    const char* price;
    int grade;
    bool used;
    const char* shown;  // calculated price, modified Essence
    const char* entry;
    int32_t spent;
    const char* essenceLeft;
  };
  const std::vector<Case> cases = {
      {"0.5", "10000", kGradeAlpha, false, "20,000 0.40", "Jack(A)\t0.40\t20000\tIV3-5\t\t2\tnote\t\t!1", 20000,
       "5.60"},
      {"0.5", "1001", kGradeDelta, true, "4,004 0.25", "Jack(D)-used\t0.25\t4004\tIV3-5\t\t2\tnote\t\t!3", 4004,
       "5.75"},
      {"0.25", "5", kGradeStandard, true, "2 0.25", "Jack-used\t0.25\t2\tIV3-5\t\t2\tnote\t\t!0", 2, "5.75"},
      {"0.25", "1500", kGradeBeta, false, "6,000 0.15", "Jack(B)\t0.15\t6000\tIV3-5\t\t2\tnote\t\t!2", 6000, "5.85"},
      // A price of 0 shows as an empty box.
      {"0.1", "0", kGradeStandard, false, " 0.10", "Jack\t0.10\t0\tIV3-5\t\t2\tnote\t\t!0", 0, "5.90"},
  };
  for (const Case& c : cases) {
    catalogs.cyberware.clear();
    record.Cyberware.clear();
    record.NuyenSpent = 0;
    const int node = Item({"Jack", c.essence, c.price, "IV3-5", "", "2", "note", "", ""});
    ASSERT_TRUE(Buy(node, c.grade, c.used)) << c.entry;
    EXPECT_EQ(view.calculatedPrice + " " + view.modifiedEssence, c.shown);
    EXPECT_EQ(view.notes, "IV3-5note");
    EXPECT_EQ(record.Cyberware, std::vector<std::string>{c.entry});
    EXPECT_EQ(record.NuyenSpent, c.spent) << c.entry;
    EXPECT_EQ(view.essence, c.essenceLeft) << c.entry;
    EXPECT_EQ(view.moneyLeft, std::to_string(1000000 - c.spent));
    // Choosing the entry shows its grade again.
    SelectCyberGrade(ctx, view, kGradeStandard);
    SelectInstalledCyberware(ctx, view, 0);
    EXPECT_EQ(view.grade, c.grade);
    EXPECT_EQ(view.essenceCost + " " + view.basePrice + view.calculatedPrice,
              TabField(c.entry, 1) + " " + TabField(c.entry, 2));
  }
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(CyberwareTest, RefusalsChangeNothing) {
  const int big = Item({"Frame", "5.50", "1000", "IV3-9", "+1BOD", "3", "", "", ""});
  const int half = Item({"Spur", "0.5", "1000", "iv3-9", "", "3", "", "", ""});
  const int other = Item({"Relic", "0.1", "10", "XX-2", "", "3", "", "", ""});
  const int category = 0;
  ASSERT_TRUE(Buy(big));
  // Essence exactly equal to the cost is enough, and leaves nothing.
  ASSERT_TRUE(Buy(half));
  EXPECT_EQ(view.essence, "0.00");
  EXPECT_EQ(record.EssenceText, "0");
  platform.ClearLog();
  const CharacterRecord before = record;

  struct Case {
    int node;
    int32_t maxresources;
    const char* message;
  };
  const std::vector<Case> cases = {{other, 1000000, kIllegal.c_str()},
                                   {half, 1000000, kInsufficient.c_str()},
                                   {category, 0, nullptr},
                                   {-1, 0, nullptr}};
  for (const Case& c : cases) {
    EXPECT_FALSE(Buy(c.node)) << c.node;
    EXPECT_EQ(platform.Log(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(record.Cyberware, before.Cyberware);
    EXPECT_EQ(record.NuyenSpent, before.NuyenSpent);
    EXPECT_EQ(record.Attr[0].Total, before.Attr[0].Total);
    platform.ClearLog();
  }
  // Money short with Essence to spare.
  Remove(1);
  record.Maxresources = record.NuyenSpent + 999;
  EXPECT_FALSE(Buy(half));
  EXPECT_EQ(platform.Log(), std::vector<std::string>{kInsufficient});
}

TEST_F(CyberwareTest, CapacityCoversAccessoriesOfItsGroup) {
  const int eyes = Item({"Eyes", "0.2", "100", "IV3-1", "", "1", "", "0.50", "E"});
  const int lens = Item({"Lens", "0.2", "100", "IV3-1", "", "1", "", "", "E"});
  const int ear = Item({"Ear filter", "0.1", "100", "IV3-1", "", "1", "", "", "R"});
  struct Step {
    int node;
    const char* essence;
  };
  // The ear accessory has no capacity of its own group to fall into.
  const std::vector<Step> steps = {{eyes, "5.80"}, {lens, "5.80"}, {lens, "5.80"}, {lens, "5.70"}, {ear, "5.60"}};
  for (const Step& s : steps) {
    Buy(s.node);
    EXPECT_EQ(view.essence, s.essence);
  }
  // Without the capacity item every accessory costs in full.
  Remove(0);
  EXPECT_EQ(view.essence, "5.30");
  EXPECT_EQ(record.EssenceText, "5.3");
  // A shapeshifter keeps the Essence of 8 the race page gave it.
  record.Shapeshift = record.OnceThru = true;
  RecountCyberwareEssence(ctx, view);
  EXPECT_EQ(view.essence, "7.30");
}

TEST_F(CyberwareTest, OverrideLimitsTakesEssenceButNoNuyenAndRemovalRefunds) {
  const int node = Item({"Wired", "2.00", "55000", "IV3-8", "+2RCT,+1INI,+1STR", "4", "", "", ""});
  const std::string strength = record.Attr[2].Total, reaction = record.Reaction.Total;
  record.norules = 1;
  record.Maxresources = 0;
  ASSERT_TRUE(Buy(node));
  EXPECT_EQ(record.NuyenSpent, 0);
  EXPECT_EQ(view.essence, "4.00");
  EXPECT_EQ(record.Attr[2].Total, "2");
  EXPECT_EQ(record.Initative.Total, "2");

  record.norules = 0;
  ASSERT_TRUE(Remove(0));
  EXPECT_EQ(record.NuyenSpent, -55000);
  EXPECT_EQ(view.moneyLeft, "55000");
  EXPECT_EQ(view.essence, "6.00");
  EXPECT_EQ(record.Attr[2].Total, strength);
  EXPECT_EQ(record.Reaction.Total, reaction);
  EXPECT_EQ(record.Initative.Total, "1");
  EXPECT_FALSE(view.removeEnabled);
  EXPECT_FALSE(RemoveCyberware(ctx, view));
}

TEST_F(CyberwareTest, LimbsViewShowsFourAndPutsBackWhatItSavedOnce) {
  const int arms = Item({"Cyber Arms", "2", "50000", "IV3-13", "", "3", "", "", ""});
  const int legs = Item({"Cyber Legs", "2", "45000", "IV3-13", "", "3", "", "", ""});
  record.Attr[2].Base = "3";
  record.Attr[1].Base = "5";
  Buy(arms);
  EXPECT_TRUE(view.limbsFrameVisible);
  ShowCyberLimbsView(ctx, view);
  ShowCyberLimbsView(ctx, view);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "45");
  EXPECT_EQ(record.Attr[2].Total, "4");
  ShowStandardView(ctx, view);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "35");

  // Nothing stale comes back: not after a change, not into a new character.
  record.Attr[2].Base = "6";
  ShowStandardView(ctx, view);
  Buy(legs);
  ShowCyberLimbsView(ctx, view);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "44");
  ResetRecordFields(record, "");
  ResetCyberware(ctx, view);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "11");
  EXPECT_FALSE(view.limbsFrameVisible || view.limbsView);
}

}  // namespace
}  // namespace ivgen
