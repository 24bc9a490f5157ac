#include "rules/point_generation.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/edges.h"
#include "rules/priorities.h"
#include "rules/race.h"
#include "rules_fixture.h"

namespace ivgen {
namespace {

const std::string kOverBudget = "message [Ironveil Character Generator] (OK) Cannot exceed maximum points! -> OK";

class PointGenerationTest : public RulesTest {
 protected:
  PointGenerationTest() {
    account.maxpoints = 120;
    ChoosePointGenerator(ctx);
    RecalcPoints(ctx, view, account);
  }
  std::vector<std::string> Done() {
    platform.ClearLog();
    PointGenerationDone(ctx, view, account);
    return platform.Log();
  }

  PointGenerationView view;
  BuildAccount account;
};

TEST_F(PointGenerationTest, EveryChoiceHasItsCost) {
  EXPECT_EQ(view.pointsDisplay, "39/120");  // as the dialog first opens
  SetActiveSkillsText(ctx, view, account, "0");
  EXPECT_EQ(view.pointsDisplay, "12/120");
  ChoosePointRace(ctx, view, account, 2);
  SetMetaVariants(ctx, view, account, true);
  SetMagicOption(ctx, view, account, true);
  ChooseResources(ctx, view, account, 5);
  SetAttributePointsText(ctx, view, account, "24");
  SetActiveSkillsText(ctx, view, account, "20");
  EXPECT_EQ(view.pointsDisplay, "133/120");
  ChoosePointMagic(ctx, view, account, 4);
  SetGhoulOption(ctx, view, account, true);
  SetOtakuOption(ctx, view, account, true);
  ChooseResources(ctx, view, account, 0);
  SetActiveSkillsText(ctx, view, account, "many");
  record.Edges = {"Edge\t[3]\t\t"};
  RecalcPoints(ctx, view, account);
  EXPECT_EQ(view.pointsDisplay, "126/120");  // 10+5+40+25-5+48+0, and the edge
  SetNoRulesOption(ctx, view, account, true);
  Done();
  EXPECT_EQ(record.Maxresources, 500);
}

TEST_F(PointGenerationTest, SpinButtonsKeepWithinTheBudget) {
  SetAttributePointsText(ctx, view, account, "46");  // 119 points
  RaiseAttributePoints(ctx, view, account);
  RaiseActiveSkills(ctx, view, account);
  RaiseActiveSkills(ctx, view, account);
  EXPECT_EQ(view.attributePoints + " " + view.activeSkills + " " + view.pointsDisplay, "46 28 120/120");
  for (int k = 0; k < 45; ++k) LowerAttributePoints(ctx, view, account);
  SetActiveSkillsText(ctx, view, account, "-3");
  LowerActiveSkills(ctx, view, account);
  EXPECT_EQ(view.attributePoints + " " + view.activeSkills, "6 0");
  record.norules = 1;
  LowerAttributePoints(ctx, view, account);
  SetActiveSkillsText(ctx, view, account, "200");
  RaiseAttributePoints(ctx, view, account);
  EXPECT_EQ(view.attributePoints, "6");
}

TEST_F(PointGenerationTest, ShapeShifterIsAHumanWithFiveThousand) {
  state.race.optionEnabled.fill(true);
  ClickRace(ctx, kTroll);
  ChooseResources(ctx, view, account, 4);
  ChoosePointRace(ctx, view, account, kShapeShifterChoice);
  EXPECT_EQ(record.Race, "Human");
  EXPECT_FALSE(ChooseResources(ctx, view, account, 7));
  EXPECT_TRUE(record.Shapeshift && state.race.metaGroupVisible && state.pages.unhideShifterVisible);
  EXPECT_EQ(Done(), std::vector<std::string>{"closed PointGeneration"});
  EXPECT_EQ(record.PriRace, 4);
  EXPECT_EQ(record.Maxresources, 5000);
  EXPECT_EQ(state.pages.page, kPageRace);

  ChoosePointRace(ctx, view, account, 1);
  EXPECT_FALSE(record.Shapeshift || state.race.metaGroupVisible || state.pages.unhideShifterVisible);
  EXPECT_TRUE(ChooseResources(ctx, view, account, 7));
}

TEST_F(PointGenerationTest, DoneOverBudgetKeepsWhatItWrote) {
  ChooseResources(ctx, view, account, 7);
  SetAttributePointsText(ctx, view, account, "40");
  EXPECT_EQ(Done(), std::vector<std::string>{kOverBudget});
  EXPECT_EQ(state.pages.page, kPageRace);
  EXPECT_EQ(record.Maxresources, 1000000);
  EXPECT_EQ(record.Attributes, 40);
  EXPECT_EQ(record.PtsSkills, 27);
  SetNoRulesOption(ctx, view, account, true);
  EXPECT_EQ(Done(), std::vector<std::string>{"closed PointGeneration"});
}

// Done grants the points bought and keeps what "ATR" and "MAG" codes chosen before it added, so
// removing those edges afterwards takes back only what they gave.
TEST_F(PointGenerationTest, DoneKeepsWhatAttributeAndMagicCodesAdded) {
  catalogs.edges.edges = {"Gifted\t[2]\t\t+2ATR", "Savant\t[3]\t\t+1MAG"};
  EdgesView edges;
  for (int edge : {0, 1}) {
    SelectEdge(ctx, edges, edge);
    ASSERT_TRUE(AddEdge(ctx, edges, account));
  }
  SetAttributePointsText(ctx, view, account, "20");
  SetMagicOption(ctx, view, account, true);
  ChoosePointMagic(ctx, view, account, 0);
  Done();
  EXPECT_EQ(record.Attributes, 22);
  EXPECT_EQ(record.PtsAttributes, 20);
  EXPECT_EQ(record.MagicPts, 31);
  for (int entry : {1, 0}) {
    SelectEntry(ctx, edges, entry);
    RemoveEdge(ctx, edges, account);
  }
  EXPECT_EQ(record.Attributes, 20);
  EXPECT_EQ(record.MagicPts, 25);
  Done();
  EXPECT_EQ(record.Attributes, 20);
  EXPECT_EQ(record.MagicPts, 25);
}

TEST_F(PointGenerationTest, DoneWritesTheMagic) {
  struct Case {
    bool magic;
    int choice;
    bool physAd;
    int priMagic, adept, magicPts;
  };
  const std::vector<Case> cases = {
      {false, 0, false, 2, -1, 0}, {true, 0, false, 0, -1, 25}, {true, 1, false, 1, 0, 0},
      {true, 3, false, 1, 2, 35},  {true, 0, true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SetMagicOption(ctx, view, account, c.magic);
    ChoosePointMagic(ctx, view, account, c.choice);
    SetPhysAdMagician(ctx, view, account, c.physAd);
    Done();
    EXPECT_EQ(std::vector<int>({record.PriMagic, record.Adept, static_cast<int>(record.MagicPts), record.PhysAdMagic}),
              std::vector<int>({c.priMagic, c.adept, c.magicPts, c.physAd}))
        << c.choice;
  }
  ChoosePointMagic(ctx, view, account, 2);  // clears the path of the magician
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_FALSE(SetPhysAdMagician(ctx, view, account, true));
}

TEST_F(PointGenerationTest, ChoicesSurviveASwitchOfMethodAndAFile) {
  SetMetaVariants(ctx, view, account, true);
  EXPECT_TRUE(state.race.metaGroupVisible);
  ChoosePriorityGenerator(ctx);
  EXPECT_FALSE(MetaOn(record) || state.race.metaGroupVisible);
  ChoosePointGenerator(ctx);
  EXPECT_TRUE(MetaOn(record) && state.race.metaGroupVisible);

  record.PtsAttributes = 20;
  record.PtsSkills = 30;
  record.PriMagic = 1;
  record.Adept = 3;
  RestorePointGeneration(ctx, view, account);
  EXPECT_EQ(view.magicChoice, 4);
  EXPECT_EQ(view.pointsDisplay, "100/120");  // metavariants, conjurer, 40 and 30
}

}  // namespace
}  // namespace ivgen
