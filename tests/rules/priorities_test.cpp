#include "rules/priorities.h"

#include <string>

#include <gtest/gtest.h>

#include "rules/attributes.h"
#include "rules/page_change.h"
#include "rules/race.h"
#include "rules_fixture.h"

namespace ivgen {
namespace {

using PrioritiesTest = RulesTest;

std::string Joined(const std::array<std::string, kPriorityRows>& texts) {
  std::string out;
  for (const std::string& text : texts) out += (out.empty() ? "" : " | ") + text;
  return out;
}

TEST(PriorityTable, ValueTextsOfEveryAreaAndRow) {
  const std::vector<std::pair<const char*, std::array<const char*, kPriorityRows>>> table = {
      {"Race", {"--------", "--------", "Troll/Elf", "Dwarf/Ork", "Human"}},
      {"Magic", {"Magician", "Aspected", "Mundane", "Mundane", "Mundane"}},
      {"Attributes", {"30 points", "27 points", "24 points", "21 points", "18 points"}},
      {"Skills", {"50 points", "40 points", "34 points", "30 points", "27 points"}},
      {"Resources", {"1,000,000\xA5", "400,000\xA5", "90,000\xA5", "20,000\xA5", "5,000\xA5"}},
  };
  for (const auto& [area, texts] : table) {
    for (int row = 0; row < kPriorityRows; ++row) EXPECT_EQ(PriorityValueText(area, row), texts[row]) << area << row;
    EXPECT_EQ(PriorityValueText(area, 5), "");
  }
  const std::vector<std::array<int, 3>> grants = {{30, 50, 1000000}, {27, 40, 400000}, {24, 34, 90000},
                                                  {21, 30, 20000},   {18, 27, 5000},   {-1, -1, -1}};
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ((std::array<int, 3>{AttributeGrant(row), SkillGrant(row), ResourceGrant(row)}), grants[row]) << row;
  }
}

TEST_F(PrioritiesTest, StartUpShowsTheFirstRanking) {
  EXPECT_EQ(Joined(state.priorities.order), "Attributes | Skills | Resources | Race | Magic");
  EXPECT_EQ(Joined(state.priorities.valueTexts), "30 points | 40 points | 90,000\xA5 | Dwarf/Ork | Mundane");
  EXPECT_EQ(state.priorities.selectedRow, 0);
  EXPECT_EQ(record.PriRace, 3);
  EXPECT_EQ(record.PriMagic, 4);
  EXPECT_FALSE(state.priorities.adeptGroupVisible);
  EXPECT_FALSE(state.priorities.physAdVisible);
  EXPECT_FALSE(state.priorities.initiationEnabled);
  EXPECT_EQ(record.MagicPts, 0);
}

TEST_F(PrioritiesTest, MovingMagicUpTheTableAndDownAgain) {
  SelectPriorityRow(ctx, 4);
  MoveAreaUp(ctx);
  MoveAreaUp(ctx);
  EXPECT_EQ(state.priorities.valueTexts[2], "Mundane");
  EXPECT_TRUE(MoveAreaUp(ctx));
  EXPECT_EQ(Joined(state.priorities.order), "Attributes | Magic | Skills | Resources | Race");
  EXPECT_EQ(state.priorities.valueTexts[1], "Aspected");
  EXPECT_EQ(record.MagicPts, 35);
  EXPECT_TRUE(state.priorities.adeptGroupVisible);
  EXPECT_EQ(record.Adept, -1);
  EXPECT_FALSE(state.priorities.physAdVisible);
  EXPECT_TRUE(state.priorities.initiationEnabled);

  MoveAreaUp(ctx);
  EXPECT_EQ(state.priorities.selectedRow, 0);
  EXPECT_EQ(Joined(state.priorities.valueTexts), "Magician | 27 points | 34 points | 20,000\xA5 | Human");
  EXPECT_EQ(record.MagicPts, 25);
  EXPECT_FALSE(state.priorities.adeptGroupVisible);
  EXPECT_TRUE(state.priorities.physAdVisible);
  MoveAreaUp(ctx);  // nothing above row A
  EXPECT_EQ(state.priorities.order[0], "Magic");

  MoveAreaDown(ctx);
  EXPECT_EQ(record.MagicPts, 35);
  ChooseAdept(ctx, 2);
  EXPECT_EQ(record.Adept, 2);
  MoveAreaDown(ctx);
  EXPECT_EQ(state.priorities.valueTexts[2], "Mundane");
  EXPECT_FALSE(state.priorities.adeptGroupVisible);
  EXPECT_EQ(record.Adept, -1);
  EXPECT_EQ(record.PriMagic, 2);

  SelectPriorityRow(ctx, 4);
  MoveAreaDown(ctx);  // nothing below row E
  EXPECT_EQ(state.priorities.order[4], "Race");
}

TEST_F(PrioritiesTest, ClickingRowsKeepsSpellPointsAlreadyThere) {
  SelectPriorityRow(ctx, 4);
  for (int i = 0; i < 4; ++i) MoveAreaUp(ctx);
  ModifyAttributeS(ctx, "+1MAG", false);
  EXPECT_EQ(record.MagicPts, 31);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(record.MagicPts, 31);

  // A physical adept at B stays at 0 spell points whatever row is clicked.
  SelectPriorityRow(ctx, 0);
  MoveAreaDown(ctx);
  ChooseAdept(ctx, 0);
  EXPECT_EQ(record.MagicPts, 0);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(record.MagicPts, 0);
  EXPECT_EQ(record.Adept, 0);
}

TEST_F(PrioritiesTest, PathOfTheMagicianStaysAnAdept) {
  SetPhysAdMagic(ctx, true);  // hidden while magic is at E
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_EQ(record.Adept, -1);

  SelectPriorityRow(ctx, 4);
  for (int i = 0; i < 4; ++i) MoveAreaUp(ctx);
  SetPhysAdMagic(ctx, true);
  EXPECT_EQ(record.Adept, 0);
  EXPECT_EQ(record.MagicPts, 0);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(record.Adept, 0);
  EXPECT_EQ(record.MagicPts, 0);

  SetPhysAdMagic(ctx, false);
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_EQ(record.MagicPts, 0);  // not given back
  SetPhysAdMagic(ctx, true);

  // Magic leaves row A: the option goes and is cleared.
  SelectPriorityRow(ctx, 0);
  MoveAreaDown(ctx);
  MoveAreaDown(ctx);
  EXPECT_FALSE(state.priorities.physAdVisible);
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_EQ(record.Adept, -1);
}

TEST_F(PrioritiesTest, AdeptChoiceOnlyWhileTheGroupShows) {
  EXPECT_FALSE(ChooseAdept(ctx, 1));
  EXPECT_EQ(record.Adept, -1);

  SelectPriorityRow(ctx, 4);
  for (int i = 0; i < 3; ++i) MoveAreaUp(ctx);
  const std::vector<std::pair<int, float>> cases = {{0, 0}, {1, 35}, {4, 35}, {0, 0}};
  for (const auto& [choice, points] : cases) {
    EXPECT_TRUE(ChooseAdept(ctx, choice));
    EXPECT_EQ(record.Adept, choice);
    EXPECT_EQ(record.MagicPts, points) << choice;
  }
  ChooseAdept(ctx, 5);
  EXPECT_EQ(record.Adept, 0);
}

TEST_F(PrioritiesTest, OverrideLimitsEnablesAndClearsInitiation) {
  EXPECT_TRUE(SetOverrideLimits(ctx, true));
  EXPECT_EQ(record.norules, 1);
  EXPECT_TRUE(state.priorities.initiationEnabled);
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"RefreshOverrideView"});

  SetInitiation(ctx, true);
  SetGradeText(ctx, "2");
  EXPECT_EQ(record.Magic.Modifier, "2");
  SetOverrideLimits(ctx, false);
  EXPECT_EQ(record.norules, 0);
  EXPECT_EQ(record.Initiation, 0);
  EXPECT_EQ(record.Magic.Modifier, "0");
  EXPECT_EQ(record.Grade, 2);
}

TEST_F(PrioritiesTest, InitiateGradeIsTheMagicModifier) {
  SetInitiation(ctx, true);  // disabled for a mundane
  EXPECT_EQ(record.Initiation, 0);

  SelectPriorityRow(ctx, 4);
  for (int i = 0; i < 4; ++i) MoveAreaUp(ctx);
  SetInitiation(ctx, true);
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"2", "8"}, {"", "6"}, {"3 grades", "9"}, {"x", "6"}, {"1", "7"}};
  for (const auto& [text, magic] : cases) {
    SetGradeText(ctx, text);
    EXPECT_EQ(record.Magic.Total, magic) << text;
  }
  EXPECT_EQ(record.Grade, 1);
  // Without the option the grade does not count, as the character file will not keep it.
  SetInitiation(ctx, false);
  EXPECT_EQ(record.Magic.Total, "6");
}

TEST_F(PrioritiesTest, GeneratorMenus) {
  ChoosePointGenerator(ctx);
  EXPECT_TRUE(record.GeneratorPoints);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"dialog PointGeneration"});

  // Under build points the ranking no longer sets the priority values.
  SelectPriorityRow(ctx, 4);
  MoveAreaUp(ctx);
  EXPECT_EQ(record.PriMagic, 4);
  EXPECT_EQ(record.PriRace, 3);

  record.PtsMeta = 1;
  state.race.metaGroupVisible = true;
  SwitchPage(ctx, kPageSkills);
  platform.ClearLog();
  ChoosePriorityGenerator(ctx);
  EXPECT_FALSE(record.GeneratorPoints);
  // The dialog keeps its option; metatypes are no longer offered.
  EXPECT_EQ(record.PtsMeta, 1);
  EXPECT_FALSE(MetaOn(record));
  EXPECT_FALSE(state.race.metaGroupVisible);
  EXPECT_EQ(state.pages.page, kPagePriorities);
  EXPECT_EQ(record.PriMagic, 3);
  EXPECT_EQ(record.PriRace, 4);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"closed PointGeneration"});

  // Away from page 0 the menu only switches the method.
  SwitchPage(ctx, kPageRace);
  platform.ClearLog();
  ChoosePointGenerator(ctx);
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(PrioritiesTest, OrderIsRestoredFromTheRowsOfAFile) {
  record.PriRace = 0;
  record.PriMagic = 1;
  record.PriAttributes = 4;
  record.PriSkills = 2;
  record.PriResources = 3;
  RestorePriorityOrder(ctx);
  ShowPriorityTable(ctx);
  EXPECT_EQ(Joined(state.priorities.order), "Race | Magic | Skills | Resources | Attributes");
  EXPECT_EQ(Joined(state.priorities.valueTexts), "-------- | Aspected | 34 points | 20,000\xA5 | 18 points");

  // A damaged file naming a row twice still gives each area exactly once.
  record.PriRace = 2;
  record.PriMagic = 2;
  record.PriAttributes = 9;
  record.PriSkills = 0;
  record.PriResources = 0;
  RestorePriorityOrder(ctx);
  EXPECT_EQ(Joined(state.priorities.order), "Skills | Attributes | Race | Resources | Magic");
}

}  // namespace
}  // namespace ivgen
