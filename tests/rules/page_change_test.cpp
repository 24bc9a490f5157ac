#include "rules/page_change.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "rules/attributes.h"
#include "rules/priorities.h"
#include "rules/race.h"
#include "rules_fixture.h"
#include "support/joined.h"

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
  }
  EXPECT_EQ(hooks.calls.back(), "ShowMoneyLeft");
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

TEST_F(PageChangeTest, EnteringAPageRefreshesIt) {
  const std::pair<int, std::string> cases[] = {
      {kPageSkills, " | RecountSkillPoints"}, {kPageCyberware, " | RecountCyberwareEssence"},
      {kPageBioware, " | RecountBioIndex"},   {kPageGear, " | RefreshGearTotals"},
      {kPageContacts, " | RefreshContacts"},  {kPageBooks, ""}};
  record.StreetName = "Kestrel";
  SwitchPage(ctx, kPageBioInfo);
  for (const auto& [page, refresh] : cases) {
    hooks.calls.clear();
    SwitchPage(ctx, page);
    EXPECT_EQ(test_support::Joined(hooks.calls), "OfferSheetName Kestrel" + refresh) << page;
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
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "GhoulCheck"), 1);
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
