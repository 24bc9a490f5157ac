// The priorities page and what leaving it, or entering another page, does to the character.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/edges.h"
#include "rules/page_change.h"
#include "rules/priorities.h"
#include "rules/race.h"
#include "rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;
using PageChangeTest = RulesTest;

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
  MagicTo(2);
  EXPECT_EQ(state.priorities.valueTexts[2], "Mundane");
  EXPECT_TRUE(MoveAreaUp(ctx));
  EXPECT_EQ(Joined(state.priorities.order) + ": " + state.priorities.valueTexts[1],
            "Attributes | Magic | Skills | Resources | Race: Aspected");
  EXPECT_EQ(Magic(), "row 1, 35 points, adept -1, adept group, initiation");
  MoveAreaUp(ctx);
  MoveAreaUp(ctx);  // nothing above row A
  EXPECT_EQ(Joined(state.priorities.valueTexts), "Magician | 27 points | 34 points | 20,000\xA5 | Human");
  EXPECT_EQ(Magic(), "row 0, 25 points, adept -1, path of the magician, initiation");

  MoveAreaDown(ctx);
  ChooseAdept(ctx, 2);
  MoveAreaDown(ctx);
  EXPECT_EQ(Magic() + " at " + std::to_string(record.PriMagic), "row 2, 35 points, adept -1 at 2");
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
  EXPECT_FALSE(SetPhysAdMagic(ctx, true) || record.PhysAdMagic != 0) << "hidden while magic is at E";
  MagicTo(0);
  SetPhysAdMagic(ctx, true);
  for (int row = 0; row < kPriorityRows; ++row) SelectPriorityRow(ctx, row);
  EXPECT_EQ(Magic(), "row 4, 0 points, adept 0, path of the magician, initiation");
  SetPhysAdMagic(ctx, false);
  EXPECT_EQ(record.PhysAdMagic + record.MagicPts, 0) << "the spell points are not given back";
  SetPhysAdMagic(ctx, true);

  // Magic leaves row A: the option goes and is cleared.
  SelectPriorityRow(ctx, 0);
  MoveAreaDown(ctx);
  MoveAreaDown(ctx);
  EXPECT_EQ(Magic() + " " + std::to_string(record.PhysAdMagic), "row 2, 0 points, adept -1 0");
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
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"dialog PointGeneration"});
  // Under build points the ranking no longer sets the priority values.
  MagicTo(3);
  EXPECT_EQ(record.PriRace * 10 + record.PriMagic, 34);

  SwitchPage(ctx, kPageSkills);
  platform.ClearLog();
  ChoosePriorityGenerator(ctx);
  EXPECT_FALSE(record.GeneratorPoints);
  EXPECT_EQ("page " + std::to_string(state.pages.page) + ", race " + std::to_string(record.PriRace) + ", magic " +
                std::to_string(record.PriMagic),
            "page 0, race 4, magic 3");
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

// Moves the selected area to a row with the arrow buttons.
void MoveArea(RulesContext& ctx, const std::string& area, int row) {
  auto& order = ctx.state.priorities.order;
  const int from = static_cast<int>(std::find(order.begin(), order.end(), area) - order.begin());
  SelectPriorityRow(ctx, from);
  for (int i = from; i > row; --i) MoveAreaUp(ctx);
  for (int i = from; i < row; ++i) MoveAreaDown(ctx);
}

TEST_F(PageChangeTest, LeavingThePrioritiesPageAppliesTheGrants) {
  record.Maxresources = 1000000;
  MoveArea(ctx, "Resources", 4);
  SwitchPage(ctx, kPageRace);
  EXPECT_EQ(record.Maxresources, 5000);
  EXPECT_EQ(record.Attributes, 30);
  EXPECT_EQ(record.PtsSkills, 40);
  EXPECT_EQ(state.attributes.pointsDisplay, "6/30");

  // A changed ranking counts when the page is left again, not before.
  SwitchPage(ctx, kPagePriorities);
  MoveArea(ctx, "Skills", 0);
  EXPECT_EQ(record.PtsSkills, 40);
  SwitchPage(ctx, kPageGear);
  EXPECT_EQ(record.PtsSkills, 50);
  EXPECT_EQ(record.Attributes, 27);

  // What "ATR" and "MAG" codes added stays beside the grants, the magic row moved or not.
  catalogs.edges.edges = {"Gifted\t[2]\t\t+2ATR", "Savant\t[3]\t\t+1MAG"};
  EdgesView edges;
  BuildAccount account;
  account.maxpoints = 120;
  for (int edge : {0, 1}) {
    SelectEdge(ctx, edges, edge);
    ASSERT_TRUE(AddEdge(ctx, edges, account));
  }
  SwitchPage(ctx, kPagePriorities);
  MoveArea(ctx, "Magic", 0);
  SwitchPage(ctx, kPageRace);
  EXPECT_EQ(record.Attributes, 24 + 2);
  EXPECT_EQ(record.MagicPts, 25 + 6);
}

TEST_F(PageChangeTest, MoneyOfAnExistingCharacter) {
  // Build points, Override Limits, the money typed, the money granted.
  const std::tuple<bool, bool, const char*, int32_t> cases[] = {
      {false, true, "150000", 150000}, {true, true, "150000", 150000}, {false, true, "0", 90000},
      {false, true, "", 90000},        {false, true, "-5", 90000},     {false, false, "150000", 90000},
      {true, true, "", 777},
  };
  for (const auto& [points, override, money, expected] : cases) {
    SwitchPage(ctx, kPagePriorities);
    record.GeneratorPoints = points;
    record.norules = override ? 1 : 0;
    record.Maxresources = 777;
    SetMoneyText(ctx, money);
    SwitchPage(ctx, kPageRace);
    EXPECT_EQ(record.Maxresources, expected) << points << override << money;
  }
}

// Human, elf, dwarf, ork and troll as offered at each race priority.
TEST_F(PageChangeTest, RaceOptionsFollowTheRacePriority) {
  const std::tuple<int, bool, const char*> cases[] = {{0, false, "11111"}, {1, false, "11111"}, {2, false, "11111"},
                                                      {3, false, "10110"}, {4, false, "10000"}, {4, true, "11111"}};
  for (const auto& [row, override, offered] : cases) {
    SwitchPage(ctx, kPagePriorities);
    record.norules = override ? 1 : 0;
    MoveArea(ctx, "Race", row);
    SwitchPage(ctx, kPageRace);
    std::string shown;
    for (bool enabled : state.race.optionEnabled) shown += enabled ? "1" : "0";
    EXPECT_EQ(shown, offered) << row << override;
    // The gear and contacts pages show the money of the grant just applied.
    EXPECT_EQ(state.money.gear + " " + state.money.contacts, MoneyLeftText(record) + " " + MoneyLeftText(record));
  }
}

TEST_F(PageChangeTest, ARaceNoLongerOfferedIsToldOrReplaced) {
  MoveArea(ctx, "Race", 2);
  SwitchPage(ctx, kPageRace);
  ClickRace(ctx, kElf);
  EXPECT_FALSE(RaceNotOffered(record, state));

  // Race at D: the elf is no longer offered and the page says so until another race is chosen.
  SwitchPage(ctx, kPagePriorities);
  MoveArea(ctx, "Race", 3);
  SwitchPage(ctx, kPageRace);
  EXPECT_FALSE(state.race.optionEnabled[kElf]);
  EXPECT_TRUE(RaceNotOffered(record, state));
  ClickRace(ctx, kElf);
  EXPECT_EQ(record.Rsel, kElf);
  ClickRace(ctx, kOrk);
  EXPECT_FALSE(RaceNotOffered(record, state));

  // Race at E makes the character human.
  SwitchPage(ctx, kPagePriorities);
  MoveArea(ctx, "Race", 4);
  SwitchPage(ctx, kPageRace);
  EXPECT_EQ(record.Rsel, kHuman);
  EXPECT_EQ(record.Race + " " + record.RunMult + " " + Column(&AttributeRow::Racial), "Human 3 0 0 0 0 0 0");
  EXPECT_FALSE(RaceNotOffered(record, state));
}

// The purchase pages count their own totals when entered (their units, told by the Editor); the
// page change offers the sheet name and leaves the cyberware page's standard view.
TEST_F(PageChangeTest, EnteringAPageOffersTheSheetName) {
  record.StreetName = "Kestrel";
  SwitchPage(ctx, kPageBioInfo);
  for (const int page : {kPageSkills, kPageCyberware, kPageBioware, kPageGear, kPageContacts, kPageBooks}) {
    ctx.requests = {};
    SwitchPage(ctx, page);
    EXPECT_TRUE(ctx.requests.sheetName) << page;
    EXPECT_TRUE(hooks.calls.empty()) << page;
  }
  SwitchPage(ctx, kPageAttributes);
  ctx.requests = {};
  SwitchPage(ctx, kPageSkills);
  EXPECT_TRUE(ctx.requests.sheetName);
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"ShowStandardView"});

  hooks.calls.clear();
  ctx.requests = {};
  SwitchPage(ctx, kPageSkills);  // already showing
  SwitchPage(ctx, 12);
  EXPECT_FALSE(ctx.requests.sheetName);
  EXPECT_TRUE(hooks.calls.empty());
}

// Spell points kept after magic moved to C do not let a mundane buy spells.
TEST_F(PageChangeTest, SpellAndPowerPagesShowTheirGroupsToThoseWhoCanUseThem) {
  auto groups = [&] {
    SwitchPage(ctx, kPageSpells);
    std::string shown = state.pages.spellGroupVisible ? "spells " + state.attributes.spellPointsDisplay : "";
    SwitchPage(ctx, kPagePowers);
    shown += state.pages.powerGroupVisible ? "powers " + state.attributes.powerPointsDisplay : "";
    SwitchPage(ctx, kPagePriorities);
    return shown;
  };
  EXPECT_EQ(groups(), "");
  MoveArea(ctx, "Magic", 1);
  ChooseAdept(ctx, 3);
  record.SpellPointsUsed = 5;
  EXPECT_EQ(groups(), "spells 5/35");
  ChooseAdept(ctx, 0);
  record.PowerPointsUsed = 2.5f;
  EXPECT_EQ(groups(), "powers 2.5/6");
  ChooseAdept(ctx, 1);
  MoveArea(ctx, "Magic", 2);
  EXPECT_EQ(record.MagicPts, 35);
  EXPECT_EQ(groups(), "");
}

TEST_F(PageChangeTest, TheAttributesPageSetsRacialMaximaAndTheAnimalWindow) {
  MoveArea(ctx, "Race", 2);
  SwitchPage(ctx, kPageRace);
  ClickRace(ctx, kTroll);
  SwitchPage(ctx, kPageAttributes);
  EXPECT_EQ(record.RacialMax, (std::array<int16_t, kAttributeCount>{16, 7, 15, 6, 6, 9}));
  EXPECT_TRUE(platform.Log().empty());
  EXPECT_FALSE(state.pages.unhideShifterVisible);

  record.Shapeshift = true;
  SwitchPage(ctx, kPageRace);
  SwitchPage(ctx, kPageAttributes);
  EXPECT_TRUE(state.pages.unhideShifterVisible);
  SwitchPage(ctx, kPageSkills);
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{"dialog AnimalForm", "closed AnimalForm"}));
}

TEST_F(PageChangeTest, TheRacePageIsCompletedOnceOnTheWayToTheAttributes) {
  MoveArea(ctx, "Race", 2);
  SwitchPage(ctx, kPageAttributes);  // not from the race page
  EXPECT_FALSE(record.OnceThru);
  SwitchPage(ctx, kPageRace);
  ClickRace(ctx, kTroll);
  record.RaceDesc.push_back("F-Bad Back[]");
  SwitchPage(ctx, kPageAttributes);
  EXPECT_TRUE(record.OnceThru);
  EXPECT_EQ(record.Attr[3].Base + " " + test_support::Joined(record.Edges) + " " + state.attributes.pointsDisplay,
            "3 Bad Back[] 11/30");

  record.Attr[3].Base = "1";
  record.RaceDesc.push_back("F-Other[]");
  SwitchPage(ctx, kPageRace);
  SwitchPage(ctx, kPageAttributes);
  EXPECT_EQ(record.Attr[3].Base + " " + test_support::Joined(record.Edges), "1 Bad Back[]");
}

TEST_F(PageChangeTest, BuildPointsOpenTheirDialogOnThePrioritiesPage) {
  SwitchPage(ctx, kPageSkills);
  record.GeneratorPoints = true;
  record.Attributes = 12;
  SwitchPage(ctx, kPagePriorities);
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"dialog PointGeneration"});
  SwitchPage(ctx, kPageRace);
  // Build points keep their own grants.
  EXPECT_EQ(record.Attributes, 12);

  // Run on page 0 itself, the change moves on to the race page without running again.
  platform.ClearLog();
  state.pages.page = kPagePriorities;
  state.money = {};
  PageChange(ctx, kPagePriorities);
  EXPECT_EQ(state.pages.page, kPageRace);
  EXPECT_EQ(state.money.gear, MoneyLeftText(record));
  EXPECT_EQ(state.race.metaGroupVisible, MetaOn(record));
}

TEST_F(PageChangeTest, NewKeepsTheMagicRowsSpellPoints) {
  MoveArea(ctx, "Magic", 0);
  ModifyAttributeS(ctx, "+1MAG", false);
  ResetRecordFields(record, "");
  ResetCreation(ctx);
  EXPECT_EQ(record.MagicPts, 25);
  EXPECT_TRUE(state.priorities.physAdVisible);
  EXPECT_TRUE(state.priorities.initiationEnabled);
  EXPECT_EQ(record.Magic.Total, "6");

  MoveArea(ctx, "Magic", 1);
  ChooseAdept(ctx, 0);
  ResetRecordFields(record, "");
  ResetCreation(ctx);
  EXPECT_EQ(record.MagicPts, 0);
  EXPECT_EQ(record.Adept, 0);
  EXPECT_EQ(state.race.optionEnabled, (std::array<bool, kRaceCount>{}));
}

}  // namespace
}  // namespace ivgen
