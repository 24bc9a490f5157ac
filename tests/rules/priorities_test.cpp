#include "rules/priorities.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "record/values.h"
#include "rules/attributes.h"
#include "rules/page_change.h"
#include "rules/race.h"
#include "rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;

class PrioritiesTest : public RulesTest {
 protected:
  // The magic side of the page: selected row, spell points, adept choice and what shows.
  std::string Magic() const {
    const PriorityView& p = state.priorities;
    return "row " + std::to_string(p.selectedRow) + ", " + GeneralNumber(record.MagicPts) + " points, adept " +
           std::to_string(record.Adept) + (p.adeptGroupVisible ? ", adept group" : "") +
           (p.physAdVisible ? ", path of the magician" : "") + (p.initiationEnabled ? ", initiation" : "");
  }
  void MagicTo(int row) {
    SelectPriorityRow(ctx, 4);
    for (int i = 4; i > row; --i) MoveAreaUp(ctx);
  }
};

TEST(PriorityTable, ValueTextsAndGrantsOfEveryAreaAndRow) {
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
  std::string grants;
  for (int row = 0; row < 6; ++row) {
    grants += std::to_string(AttributeGrant(row)) + "/" + std::to_string(SkillGrant(row)) + "/" +
              std::to_string(ResourceGrant(row)) + " ";
  }
  EXPECT_EQ(grants, "30/50/1000000 27/40/400000 24/34/90000 21/30/20000 18/27/5000 -1/-1/-1 ");
}

TEST_F(PrioritiesTest, MovingMagicUpTheTableAndDownAgain) {
  EXPECT_EQ(record.PriRace * 10 + record.PriMagic, 34);
  MagicTo(2);
  EXPECT_EQ(state.priorities.valueTexts[2], "Mundane");
  EXPECT_TRUE(MoveAreaUp(ctx));
  EXPECT_EQ(Joined(state.priorities.order), "Attributes | Magic | Skills | Resources | Race");
  EXPECT_EQ(state.priorities.valueTexts[1], "Aspected");
  EXPECT_EQ(Magic(), "row 1, 35 points, adept -1, adept group, initiation");
  MoveAreaUp(ctx);
  MoveAreaUp(ctx);  // nothing above row A
  EXPECT_EQ(Joined(state.priorities.valueTexts), "Magician | 27 points | 34 points | 20,000\xA5 | Human");
  EXPECT_EQ(Magic(), "row 0, 25 points, adept -1, path of the magician, initiation");

  MoveAreaDown(ctx);
  ChooseAdept(ctx, 2);
  MoveAreaDown(ctx);
  EXPECT_EQ(Magic(), "row 2, 35 points, adept -1");
  EXPECT_EQ(record.PriMagic, 2);
  SelectPriorityRow(ctx, 4);
  MoveAreaDown(ctx);  // nothing below row E
  EXPECT_EQ(state.priorities.order[4], "Race");
}

// Spell points already there stay whatever row is clicked, and a physical adept has none.
TEST_F(PrioritiesTest, ClickingRowsKeepsSpellPointsAndTheAdeptChoice) {
  MagicTo(0);
  ModifyAttributeS(ctx, "+1MAG", false);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(record.MagicPts, 31);
  ModifyAttributeS(ctx, "+1MAG", true);

  EXPECT_FALSE(ChooseAdept(ctx, 1)) << "the choice is hidden at A";
  SelectPriorityRow(ctx, 0);
  MoveAreaDown(ctx);
  for (const auto& [choice, shown] : std::vector<std::pair<int, const char*>>{{1, "row 1, 35 points, adept 1"},
                                                                              {4, "row 1, 35 points, adept 4"},
                                                                              {0, "row 1, 0 points, adept 0"},
                                                                              {5, "row 1, 0 points, adept 0"}}) {
    EXPECT_EQ(ChooseAdept(ctx, choice), choice != 5);
    EXPECT_EQ(Magic(), std::string(shown) + ", adept group, initiation") << choice;
  }
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(Magic(), "row 4, 0 points, adept 0, adept group, initiation");
}

TEST_F(PrioritiesTest, PathOfTheMagicianStaysAnAdept) {
  EXPECT_FALSE(SetPhysAdMagic(ctx, true)) << "hidden while magic is at E";
  EXPECT_EQ(record.PhysAdMagic, 0);
  MagicTo(0);
  SetPhysAdMagic(ctx, true);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(Magic(), "row 4, 0 points, adept 0, path of the magician, initiation");
  SetPhysAdMagic(ctx, false);
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_EQ(record.MagicPts, 0) << "not given back";
  SetPhysAdMagic(ctx, true);

  // Magic leaves row A: the option goes and is cleared.
  SelectPriorityRow(ctx, 0);
  MoveAreaDown(ctx);
  MoveAreaDown(ctx);
  EXPECT_EQ(record.PhysAdMagic, 0);
  EXPECT_EQ(Magic(), "row 2, 0 points, adept -1");
}

TEST_F(PrioritiesTest, InitiateGradeIsTheMagicModifierWhileTheOptionIsOn) {
  SetInitiation(ctx, true);  // disabled for a mundane
  EXPECT_EQ(record.Initiation, 0);
  MagicTo(0);
  SetInitiation(ctx, true);
  for (const auto& [text, magic] : std::vector<std::pair<const char*, const char*>>{
           {"2", "8"}, {"", "6"}, {"3 grades", "9"}, {"x", "6"}, {"1", "7"}}) {
    SetGradeText(ctx, text);
    EXPECT_EQ(record.Magic.Total, magic) << text;
  }
  EXPECT_EQ(record.Grade, 1);
  // Without the option the grade does not count, as the character file will not keep it.
  SetInitiation(ctx, false);
  EXPECT_EQ(record.Magic.Total, "6");
}

TEST_F(PrioritiesTest, OverrideLimitsEnablesAndClearsInitiation) {
  EXPECT_TRUE(SetOverrideLimits(ctx, true));
  EXPECT_EQ(record.norules, 1);
  EXPECT_TRUE(state.priorities.initiationEnabled);
  SetInitiation(ctx, true);
  SetGradeText(ctx, "2");
  EXPECT_EQ(record.Magic.Modifier, "2");
  SetOverrideLimits(ctx, false);
  EXPECT_EQ(std::to_string(record.norules) + std::to_string(record.Initiation) + record.Magic.Modifier +
                std::to_string(record.Grade),
            "0002");
}

TEST_F(PrioritiesTest, GeneratorMenus) {
  ChoosePointGenerator(ctx);
  EXPECT_TRUE(record.GeneratorPoints);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"dialog PointGeneration"});
  // Under build points the ranking no longer sets the priority values.
  MagicTo(3);
  EXPECT_EQ(record.PriRace * 10 + record.PriMagic, 34);

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
  EXPECT_EQ(record.PriRace * 10 + record.PriMagic, 43);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"closed PointGeneration"});

  // Away from page 0 the menu only switches the method.
  SwitchPage(ctx, kPageRace);
  platform.ClearLog();
  ChoosePointGenerator(ctx);
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(PrioritiesTest, OrderIsRestoredFromTheRowsOfAFile) {
  // The rows of race, magic, attributes, skills and resources; a damaged file naming a row twice
  // still gives each area exactly once.
  const std::pair<std::array<int16_t, 5>, const char*> cases[] = {
      {{0, 1, 4, 2, 3}, "Race | Magic | Skills | Resources | Attributes"},
      {{2, 2, 9, 0, 0}, "Skills | Attributes | Race | Resources | Magic"}};
  for (const auto& [rows, order] : cases) {
    std::tie(record.PriRace, record.PriMagic, record.PriAttributes, record.PriSkills, record.PriResources) =
        std::tuple(rows[0], rows[1], rows[2], rows[3], rows[4]);
    RestorePriorityOrder(ctx);
    ShowPriorityTable(ctx);
    EXPECT_EQ(Joined(state.priorities.order), order);
  }
  EXPECT_EQ(Joined(state.priorities.valueTexts), "50 points | 27 points | Troll/Elf | 20,000\xA5 | Mundane");
}

}  // namespace
}  // namespace ivgen
