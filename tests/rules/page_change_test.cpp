#include "rules/page_change.h"

#include <string>

#include <gtest/gtest.h>

#include "rules/attributes.h"
#include "rules/priorities.h"
#include "rules/race.h"
#include "rules_fixture.h"

namespace ivgen {
namespace {

using PageChangeTest = RulesTest;

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
}

TEST_F(PageChangeTest, MoneyOfAnExistingCharacter) {
  struct Case {
    bool points;
    bool override;
    const char* money;
    int32_t expected;
  };
  const std::vector<Case> cases = {
      {false, true, "150000", 150000}, {true, true, "150000", 150000}, {false, true, "0", 90000},
      {false, true, "", 90000},        {false, true, "-5", 90000},     {false, false, "150000", 90000},
      {true, true, "", 777},
  };
  for (const Case& c : cases) {
    SwitchPage(ctx, kPagePriorities);
    record.GeneratorPoints = c.points;
    record.norules = c.override ? 1 : 0;
    record.Maxresources = 777;
    SetMoneyText(ctx, c.money);
    SwitchPage(ctx, kPageRace);
    EXPECT_EQ(record.Maxresources, c.expected) << c.points << c.override << c.money;
  }
}

TEST_F(PageChangeTest, RaceOptionsFollowTheRacePriority) {
  struct Case {
    int row;
    bool override;
    std::array<bool, kRaceCount> offered;
  };
  const std::vector<Case> cases = {
      {0, false, {true, true, true, true, true}},     {1, false, {true, true, true, true, true}},
      {2, false, {true, true, true, true, true}},     {3, false, {true, false, true, true, false}},
      {4, false, {true, false, false, false, false}}, {4, true, {true, true, true, true, true}},
  };
  for (const Case& c : cases) {
    SwitchPage(ctx, kPagePriorities);
    record.norules = c.override ? 1 : 0;
    MoveArea(ctx, "Race", c.row);
    SwitchPage(ctx, kPageRace);
    EXPECT_EQ(state.race.optionEnabled, c.offered) << c.row << c.override;
  }
  EXPECT_EQ(hooks.calls.back(), "ShowMoneyLeft");
}

TEST_F(PageChangeTest, ANewCharacterAtRaceEIsNamedHuman) {
  MoveArea(ctx, "Race", 4);
  SwitchPage(ctx, kPageRace);
  EXPECT_EQ(record.Race, "Human");
  EXPECT_EQ(record.RunMult, "3");
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
  EXPECT_EQ(record.Race, "Human");
  EXPECT_EQ(Column(&AttributeRow::Racial), "0 0 0 0 0 0");
  EXPECT_FALSE(RaceNotOffered(record, state));
}

TEST_F(PageChangeTest, EnteringAPageRefreshesIt) {
  const std::vector<std::pair<int, std::string>> cases = {
      {kPageSkills, "RecountSkillPoints"}, {kPageCyberware, "RecountCyberwareEssence"},
      {kPageBioware, "RecountBioIndex"},   {kPageGear, "RefreshGearTotals"},
      {kPageContacts, "RefreshContacts"},  {kPageBooks, ""},
  };
  SwitchPage(ctx, kPageBioInfo);
  for (const auto& [page, refresh] : cases) {
    record.StreetName = "Kestrel";
    hooks.calls.clear();
    SwitchPage(ctx, page);
    std::vector<std::string> expected = {"OfferSheetName Kestrel"};
    if (!refresh.empty()) expected.push_back(refresh);
    EXPECT_EQ(hooks.calls, expected) << page;
  }
  SwitchPage(ctx, kPageAttributes);
  hooks.calls.clear();
  SwitchPage(ctx, kPageSkills);
  EXPECT_EQ(hooks.calls,
            (std::vector<std::string>{"OfferSheetName Kestrel", "ShowStandardView", "RecountSkillPoints"}));

  hooks.calls.clear();
  SwitchPage(ctx, kPageSkills);  // already showing
  SwitchPage(ctx, 12);
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(PageChangeTest, SpellAndPowerPagesShowTheirGroupsToThoseWhoCanUseThem) {
  SwitchPage(ctx, kPageSpells);
  EXPECT_FALSE(state.pages.spellGroupVisible);

  SwitchPage(ctx, kPagePriorities);
  MoveArea(ctx, "Magic", 1);
  ChooseAdept(ctx, 3);
  record.SpellPointsUsed = 5;
  SwitchPage(ctx, kPageSpells);
  EXPECT_TRUE(state.pages.spellGroupVisible);
  EXPECT_EQ(state.attributes.spellPointsDisplay, "5/35");
  SwitchPage(ctx, kPagePowers);
  EXPECT_FALSE(state.pages.powerGroupVisible);

  SwitchPage(ctx, kPagePriorities);
  ChooseAdept(ctx, 0);
  record.PowerPointsUsed = 2.5f;
  SwitchPage(ctx, kPagePowers);
  EXPECT_TRUE(state.pages.powerGroupVisible);
  EXPECT_EQ(state.attributes.powerPointsDisplay, "2.5/6");
  SwitchPage(ctx, kPageSpells);
  EXPECT_FALSE(state.pages.spellGroupVisible);

  // Spell points kept after magic moved to C do not let a mundane buy spells.
  SwitchPage(ctx, kPagePriorities);
  ChooseAdept(ctx, 1);
  MoveArea(ctx, "Magic", 2);
  EXPECT_EQ(record.MagicPts, 35);
  SwitchPage(ctx, kPageSpells);
  EXPECT_FALSE(state.pages.spellGroupVisible);
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
  EXPECT_EQ(record.Attr[3].Base, "3");
  EXPECT_EQ(record.Edges, std::vector<std::string>{"Bad Back[]"});
  EXPECT_EQ(state.attributes.pointsDisplay, "11/30");

  record.Attr[3].Base = "1";
  record.RaceDesc.push_back("F-Other[]");
  SwitchPage(ctx, kPageRace);
  SwitchPage(ctx, kPageAttributes);
  EXPECT_EQ(record.Attr[3].Base, "1");
  EXPECT_EQ(record.Edges.size(), 1u);
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "GhoulCheck"), 1);
}

TEST_F(PageChangeTest, MetatypeGroupShowsWithTheMetatypeOption) {
  SwitchPage(ctx, kPageRace);
  EXPECT_FALSE(state.race.metaGroupVisible);
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  SwitchPage(ctx, kPageSkills);
  SwitchPage(ctx, kPageRace);
  EXPECT_TRUE(state.race.metaGroupVisible);
  record.PtsMeta = 0;
  record.Shapeshift = true;
  SwitchPage(ctx, kPageSkills);
  SwitchPage(ctx, kPageRace);
  EXPECT_TRUE(state.race.metaGroupVisible);
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
  hooks.calls.clear();
  PageChange(ctx, kPagePriorities);
  EXPECT_EQ(state.pages.page, kPageRace);
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "ShowMoneyLeft"), 1);
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
