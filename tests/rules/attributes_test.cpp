#include "rules/attributes.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "record/values.h"
#include "rules_fixture.h"

namespace ivgen {
namespace {

using AttributesTest = RulesTest;

const std::string kRacialMaxLine =
    "message [Ironveil Character Generator] (OK) No effect:cannot exceed racial maximum -> OK";

TEST_F(AttributesTest, EachCodeOfTheTableMovesItsOwnValue) {
  struct Case {
    const char* code;
    std::function<std::string(const CharacterRecord&)> read;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"+2BOD", [](auto& r) { return r.Attr[0].Modifier + "=" + r.Attr[0].Total; }, "2=3"},
      {"-2CHA", [](auto& r) { return r.Attr[3].Modifier + "=" + r.Attr[3].Total; }, "-2=-1"},
      {"+1WIL*", [](auto& r) { return r.Attr[5].Modifier; }, "1"},
      // Any sign other than "+" subtracts; a non-digit amount is 0.
      {"x2STR", [](auto& r) { return r.Attr[2].Modifier; }, "-2"},
      {"+ZQCK", [](auto& r) { return r.Attr[1].Modifier; }, "0"},
      {"+1RCT", [](auto& r) { return r.Reaction.Modifier; }, "1"},
      {"+2INI*", [](auto& r) { return r.Initative.Modifier; }, "2"},
      {"+3CPL", [](auto& r) { return r.CombatPool.Modifier; }, "3"},
      {"+2IMP", [](auto& r) { return IntText(r.ImpactBonus); }, "2"},
      {"+1BAL", [](auto& r) { return IntText(r.BallisticBonus); }, "1"},
      {"+1ROD", [](auto& r) { return r.Attr[0].BioModifier + "/" + r.Attr[0].Modifier + "=" + r.Attr[0].Total; },
       "1/0=2"},
      {"-1RIL", [](auto& r) { return r.Attr[5].BioModifier + "=" + r.Attr[5].Total; }, "-1=0"},
      {"+2VCR", [](auto& r) { return IntText(r.VcrLevel); }, "2"},
      {"+3ATR", [](auto& r) { return IntText(r.Attributes); }, "3"},
      {"+2XNT", [](auto& r) { return IntText(r.NaturalMax[4]); }, "8"},
      {"  +1RCT  ", [](auto& r) { return r.Reaction.Modifier; }, "1"},
      // A code outside the table changes nothing, and above all not Body.
      {"+1XYZ", [](auto& r) { return r.Attr[0].Modifier + "=" + r.Attr[0].Total; }, "0=1"},
      {"+1bod", [](auto& r) { return r.Attr[0].Modifier; }, "0"},
  };
  for (const Case& c : cases) {
    ResetRecordFields(record, "");
    ResetCreation(ctx);
    ModifyAttributeS(ctx, c.code, false);
    EXPECT_EQ(c.read(record), c.expected) << c.code;
  }
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(AttributesTest, AListAppliesEveryCodeAndTakesThemBack) {
  ModifyAttributeS(ctx, "+1RCT, +1INI", false);
  EXPECT_EQ(record.Reaction.Modifier, "1");
  EXPECT_EQ(record.Initative.Modifier, "1");

  ModifyAttributeS(ctx, "+1QCK,,+2STR", true);
  EXPECT_EQ(Column(&AttributeRow::Modifier), "0 -1 -2 0 0 0");
  EXPECT_EQ(Column(&AttributeRow::Total), "1 0 -1 1 1 1");
  ModifyAttributeS(ctx, "+1QCK,,+2STR", false);
  EXPECT_EQ(Column(&AttributeRow::Modifier), "0 0 0 0 0 0");

  ModifyAttributeS(ctx, "+2BOD", false);
  ModifyAttributeS(ctx, "-2BOD", false);
  EXPECT_EQ(record.Attr[0].Modifier, "0");
  ModifyAttributeS(ctx, "-2CHA,+1XYZ,+3WIL", false);
  ModifyAttributeS(ctx, "-2CHA,+1XYZ,+3WIL", true);
  EXPECT_EQ(Column(&AttributeRow::Modifier), "0 0 0 0 0 0");
}

TEST_F(AttributesTest, MagMovesSpellPointsBySixAndTakingBackUndoesIt) {
  record.MagicPts = 25;
  const std::vector<std::pair<const char*, float>> cases = {
      {"+1MAG", 31}, {"+9MAG", 31}, {"-1MAG", 19}, {"+0MAG", 19}, {"-9MAG", 19}};
  for (const auto& [code, expected] : cases) {
    record.MagicPts = 25;
    ModifyAttributeS(ctx, code, false);
    EXPECT_EQ(record.MagicPts, expected) << code;
    // Taking the code back gives exactly what it moved.
    ModifyAttributeS(ctx, code, true);
    EXPECT_EQ(record.MagicPts, 25) << code << " taken back";
  }
}

TEST_F(AttributesTest, CeilingCodesStopAtTheRacialMaximum) {
  ModifyAttributeS(ctx, "+3XOD", false);
  EXPECT_EQ(record.NaturalMax[0], 9);
  EXPECT_TRUE(platform.Log().empty());

  // The refused code shows its message; the other codes of the list still apply.
  ModifyAttributeS(ctx, "+1XOD,+1BOD", false);
  EXPECT_EQ(record.NaturalMax[0], 9);
  EXPECT_EQ(record.Attr[0].Modifier, "1");
  ASSERT_EQ(platform.Log().size(), 1u);
  EXPECT_EQ(platform.Log()[0], kRacialMaxLine);

  // Taking back the item whose code was refused leaves the ceiling where it was.
  ModifyAttributeS(ctx, "+1XOD,+1BOD", true);
  EXPECT_EQ(record.NaturalMax[0], 9);
  ModifyAttributeS(ctx, "+3XOD", true);
  EXPECT_EQ(record.NaturalMax[0], 6);
  // Taking back what was never applied changes nothing.
  ModifyAttributeS(ctx, "+2XOD", true);
  EXPECT_EQ(record.NaturalMax[0], 6);
  EXPECT_EQ(platform.Log().size(), 1u);
}

TEST_F(AttributesTest, CeilingIsRecomputedFromTheCodesStillThere) {
  ModifyAttributeS(ctx, "+3XCK", false);
  ModifyAttributeS(ctx, "+1XCK", false);  // refused at 9
  ModifyAttributeS(ctx, "+3XCK", true);
  // The remaining +1 now fits under the racial maximum.
  EXPECT_EQ(record.NaturalMax[1], 7);
  ModifyAttributeS(ctx, "-2XCK", false);
  EXPECT_EQ(record.NaturalMax[1], 5);
  ModifyAttributeS(ctx, "-2XCK", true);
  EXPECT_EQ(record.NaturalMax[1], 7);
}

TEST_F(AttributesTest, AttrvalueReadsTotalsByCode) {
  record.Attr[4].Base = "4";
  record.Attr[2].Base = "5";
  record.Reaction.Modifier = "2";
  RecalcDerived(ctx);
  const std::vector<std::pair<const char*, int>> cases = {{"BOD", 1}, {"STR", 5},  {"INT", 4}, {"KNO", 4}, {"RCT", 4},
                                                          {"REA", 4}, {"LAN", 10}, {"", 10},   {"bod", 10}};
  for (const auto& [code, expected] : cases) EXPECT_EQ(Attrvalue(record, code), expected) << code;
  record.Attr[0].Total = "abc";
  EXPECT_EQ(Attrvalue(record, "BOD"), 0);
}

TEST_F(AttributesTest, DerivedValuesFollowTheTotals) {
  record.Attr[1].Base = "5";  // Quickness
  record.Attr[4].Base = "4";  // Intelligence
  record.Attr[5].Base = "4";  // Willpower
  record.Attr[3].Base = "3";  // Charisma
  record.Attributes = 30;
  record.VcrLevel = 1;
  RecalcDerived(ctx);
  EXPECT_EQ(record.Reaction.Base, "4");  // Int(4.5)
  EXPECT_EQ(record.Reaction.Total, "4");
  EXPECT_EQ(record.Initative.Base + "+" + record.Initative.Total, "1+1");
  EXPECT_EQ(record.CombatPool.Base, "6");
  EXPECT_EQ(record.Pools.Combat, "6");
  EXPECT_EQ(record.Pools.Control, "6");  // Reaction base + 2 x VCR
  EXPECT_EQ(record.KnowledgeAllowance, 20);
  EXPECT_EQ(record.LanguageAllowance, 6);
  EXPECT_EQ(state.attributes.pointsDisplay, "18/30");
  EXPECT_FALSE(state.attributes.overSpent);
  // Mundane (magic E): no Magic, no spell or astral pool.
  EXPECT_EQ(record.Magic.Total, "0");
  EXPECT_EQ(record.Pools.Magic, "0");
  EXPECT_EQ(record.Pools.Astral, "0");

  record.Attr[4].Base = "5";
  RecalcDerived(ctx);
  EXPECT_EQ(record.KnowledgeAllowance, 25);
  EXPECT_EQ(record.LanguageAllowance, 7);
  record.Shapeshift = true;
  RecalcDerived(ctx);
  EXPECT_EQ(record.KnowledgeAllowance, 15);
  EXPECT_EQ(record.LanguageAllowance, 5);
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"SCalcMaxUsed"});
  // The animal form's natural values count as attribute points.
  record.Animal.Attr[0].Base = "4";
  record.Animal.Attr[1].Base = "3";
  record.Animal.Attr[2].Base = "2";
  RecalcDerived(ctx);
  EXPECT_EQ(state.attributes.pointsDisplay, "28/30");
  record.Animal.Attr[2].Base = "6";
  RecalcDerived(ctx);
  EXPECT_EQ(state.attributes.pointsDisplay, "32/30");
  EXPECT_TRUE(state.attributes.overSpent);
}

TEST_F(AttributesTest, MagicFollowsEssenceInTheSameRecalculation) {
  record.PriMagic = 0;
  record.Attr[4].Base = "4";
  record.Attr[5].Base = "5";
  record.Attr[3].Base = "3";
  record.Essence = 5.8;
  RecalcDerived(ctx);
  EXPECT_EQ(record.EssenceText, "5.8");
  EXPECT_EQ(record.Magic.Base, "5");
  EXPECT_EQ(record.Magic.Total, "5");
  EXPECT_EQ(record.Pools.Magic, "4");   // Int((5 + 4 + 5) / 3)
  EXPECT_EQ(record.Pools.Astral, "6");  // Int((4 + 5 + 3) / 2)

  record.Essence = 3.9;
  RecalcDerived(ctx);
  EXPECT_EQ(record.Magic.Total, "3");
  EXPECT_EQ(record.Pools.Magic, "4");  // Int((3 + 4 + 5) / 3)

  // An aspected magician keeps the astral pool as it was entered.
  record.PriMagic = 1;
  record.Pools.Astral = "2";
  RecalcDerived(ctx);
  EXPECT_EQ(record.Pools.Astral, "2");
  EXPECT_EQ(record.Magic.Total, "3");
}

TEST_F(AttributesTest, SpinButtonsRefuseSilentlyAtTheLimits) {
  record.Attributes = 30;
  record.Attr[0].Base = "6";
  RecalcDerived(ctx);

  EXPECT_FALSE(RaiseAttribute(ctx, 0));  // at NaturalMax
  EXPECT_EQ(record.Attr[0].Base, "6");

  EXPECT_TRUE(RaiseAttribute(ctx, 1));
  EXPECT_EQ(record.Attr[1].Base, "2");
  EXPECT_EQ(state.attributes.pointsDisplay, "12/30");

  // All points spent: the step is taken back, but the click still counts as an edit.
  for (AttributeRow& row : record.Attr) row.Base = "5";
  RecalcDerived(ctx);
  EXPECT_TRUE(RaiseAttribute(ctx, 2));
  EXPECT_EQ(Column(&AttributeRow::Base), "5 5 5 5 5 5");
  EXPECT_EQ(state.attributes.pointsDisplay, "30/30");

  EXPECT_TRUE(LowerAttribute(ctx, 2));
  EXPECT_EQ(record.Attr[2].Base, "4");
  record.Attr[2].Base = "1";
  EXPECT_TRUE(LowerAttribute(ctx, 2));
  EXPECT_EQ(record.Attr[2].Base, "1");

  RaiseAttribute(ctx, 6);
  LowerAttribute(ctx, -1);
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(AttributesTest, OverrideLimitsLiftsBothCeilingsAndShowsTheMarker) {
  record.norules = 1;
  record.Attributes = 6;
  record.Attr[0].Base = "6";
  RecalcDerived(ctx);
  RaiseAttribute(ctx, 0);
  EXPECT_EQ(record.Attr[0].Base, "7");
  EXPECT_EQ(state.attributes.pointsDisplay, "12/6");
  EXPECT_TRUE(state.attributes.overSpent);
  EXPECT_TRUE(state.attributes.overMaximum[0]);
  RaiseAttribute(ctx, 0);
  EXPECT_EQ(record.Attr[0].Base, "8");
  EXPECT_TRUE(state.attributes.overMaximum[0]);

  LowerAttribute(ctx, 0);
  EXPECT_TRUE(state.attributes.overMaximum[0]);  // 7 is still above 6
  LowerAttribute(ctx, 0);
  EXPECT_FALSE(state.attributes.overMaximum[0]);
}

TEST_F(AttributesTest, OverMaximumMarkerIsHiddenOnlyByTheSpinButtons) {
  record.norules = 1;
  record.Attributes = 30;
  record.Attr[3].Base = "6";
  RaiseAttribute(ctx, 3);
  ASSERT_TRUE(state.attributes.overMaximum[3]);
  // The ceiling rises past the base, yet recalculating does not hide the marker.
  ModifyAttributeS(ctx, "+2XHR", false);
  RecalcDerived(ctx);
  EXPECT_TRUE(state.attributes.overMaximum[3]);
  // Any spin of the row hides it first.
  RaiseAttribute(ctx, 3);
  EXPECT_EQ(record.Attr[3].Base, "8");
  EXPECT_FALSE(state.attributes.overMaximum[3]);
}

TEST_F(AttributesTest, SpellAndPowerPointDisplays) {
  record.MagicPts = 25;
  record.SpellPointsUsed = 12.5f;
  ShowSpellPoints(ctx);
  EXPECT_EQ(state.attributes.spellPointsDisplay, "12.5/25");
  EXPECT_FALSE(state.attributes.spellsOverSpent);
  record.SpellPointsUsed = 26;
  ShowSpellPoints(ctx);
  EXPECT_EQ(state.attributes.spellPointsDisplay, "26/25");
  EXPECT_TRUE(state.attributes.spellsOverSpent);

  record.PriMagic = 1;
  record.PowerPointsUsed = 1.5f;
  RecalcDerived(ctx);
  ShowPowerPoints(ctx);
  EXPECT_EQ(state.attributes.powerPointsDisplay, "1.5/6");
}

TEST(Rollsix, GivesEveryFaceAndNothingElse) {
  ScriptedPlatform platform;
  const std::vector<std::pair<double, int>> cases = {{0.0, 1},    {0.1666, 1}, {0.1667, 2}, {0.5, 4},
                                                     {0.8333, 5}, {0.9999, 6}, {1.0, 1},    {-0.2, 1}};
  for (const auto& [random, face] : cases) platform.QueueRandom(random);
  for (const auto& [random, face] : cases) EXPECT_EQ(Rollsix(platform), face) << random;
  for (int i = 0; i < 200; ++i) {
    const int face = Rollsix(platform);
    EXPECT_GE(face, 1);
    EXPECT_LE(face, 6);
  }
}

}  // namespace
}  // namespace ivgen
