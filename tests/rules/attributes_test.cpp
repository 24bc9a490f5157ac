// The attribute and race pages: modifier codes, derived values, ceilings and the race chosen.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "record/values.h"
#include "rules/attributes.h"
#include "rules/race.h"
#include "rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using AttributesTest = RulesTest;
using test_support::Joined;

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
  EXPECT_EQ(record.Reaction.Modifier + record.Initative.Modifier, "11");
  ModifyAttributeS(ctx, "+1QCK,,+2STR", true);
  EXPECT_EQ(Column(&AttributeRow::Modifier) + " = " + Column(&AttributeRow::Total), "0 -1 -2 0 0 0 = 1 0 -1 1 1 1");
  ModifyAttributeS(ctx, "+1QCK,,+2STR", false);
  ModifyAttributeS(ctx, "-2CHA,+1XYZ,+3WIL", false);
  ModifyAttributeS(ctx, "-2CHA,+1XYZ,+3WIL", true);
  EXPECT_EQ(Column(&AttributeRow::Modifier), "0 0 0 0 0 0");
}

TEST_F(AttributesTest, MagMovesSpellPointsBySixAndTakingBackUndoesIt) {
  for (const auto& [code, expected] : std::vector<std::pair<const char*, float>>{
           {"+1MAG", 31}, {"+9MAG", 31}, {"-1MAG", 19}, {"+0MAG", 19}, {"-9MAG", 19}}) {
    record.MagicPts = 25;
    ModifyAttributeS(ctx, code, false);
    EXPECT_EQ(record.MagicPts, expected) << code;
    ModifyAttributeS(ctx, code, true);
    EXPECT_EQ(record.MagicPts, 25) << code << " taken back";
  }
}

// A ceiling code past the racial maximum is refused with a message, the rest of its list still
// applies, and the ceiling is always recomputed from the codes still there.
TEST_F(AttributesTest, CeilingCodesStopAtTheRacialMaximum) {
  const struct {
    const char* list;
    bool takeBack;
    int bodyCeiling, quicknessCeiling;
    size_t messages;
  } steps[] = {
      {"+3XOD", false, 9, 6, 0}, {"+1XOD,+1BOD", false, 9, 6, 1}, {"+1XOD,+1BOD", true, 9, 6, 1},
      {"+3XOD", true, 6, 6, 1},  {"+2XOD", true, 6, 6, 1},        {"+3XCK", false, 6, 9, 1},
      {"+1XCK", false, 6, 9, 2}, {"+3XCK", true, 6, 7, 2},        {"-2XCK", false, 6, 5, 2},
      {"-2XCK", true, 6, 7, 2},
  };
  for (const auto& s : steps) {
    ModifyAttributeS(ctx, s.list, s.takeBack);
    EXPECT_EQ(std::to_string(record.NaturalMax[0]) + " " + std::to_string(record.NaturalMax[1]),
              std::to_string(s.bodyCeiling) + " " + std::to_string(s.quicknessCeiling))
        << s.list << (s.takeBack ? " taken back" : "");
    EXPECT_EQ(platform.Log().size(), s.messages) << s.list;
  }
  EXPECT_EQ(platform.Log()[0],
            "message [Ironveil Character Generator] (OK) No effect:cannot exceed racial maximum -> OK");
  EXPECT_EQ(record.Attr[0].Modifier, "0");
}

// A skill's linked value: knowledge reads Intelligence, a language or a code outside the table 10.
TEST_F(AttributesTest, AttrvalueReadsTotalsByCode) {
  record.Attr[4].Base = "4";
  record.Attr[2].Base = "5";
  record.Reaction.Modifier = "2";
  RecalcDerived(ctx);
  std::string values;
  for (const char* code : {"BOD", "STR", "INT", "KNO", "RCT", "REA", "LAN", "", "bod"}) {
    values += std::to_string(Attrvalue(record, code)) + " ";
  }
  EXPECT_EQ(values, "1 5 4 4 4 4 10 10 10 ");
  record.Attr[0].Total = "abc";
  EXPECT_EQ(Attrvalue(record, "BOD"), 0);
}

// The scenarios show the derived values of an elf and a shapeshifter; here the Control pool, twice
// the VCR level over its base.
TEST_F(AttributesTest, DerivedValuesFollowTheTotals) {
  for (const auto& [row, base] : {std::pair{1, "5"}, {4, "4"}, {5, "4"}, {3, "3"}}) record.Attr[row].Base = base;
  record.Attributes = 30;
  record.VcrLevel = 1;
  RecalcDerived(ctx);
  EXPECT_EQ(record.Reaction.Total + " " + record.Pools.Control + " " + state.attributes.pointsDisplay, "4 6 18/30");
  EXPECT_EQ(record.Magic.Total + record.Pools.Magic + record.Pools.Astral, "000") << "mundane";
}

TEST_F(AttributesTest, MagicFollowsEssenceInTheSameRecalculation) {
  record.PriMagic = 0;
  for (const auto& [row, base] : {std::pair{4, "4"}, {5, "5"}, {3, "3"}}) record.Attr[row].Base = base;
  // Essence and magic priority (1: aspected, who keeps the astral pool as entered); then the
  // Essence text, Magic base and total, and the magic and astral pools: Int((5 + 4 + 5) / 3) and
  // Int((4 + 5 + 3) / 2).
  const std::tuple<double, int, const char*> cases[] = {
      {5.8, 0, "5.8 5 5 4 6"}, {3.9, 0, "3.9 3 3 4 6"}, {3.9, 1, "3.9 3 3 4 2"}};
  for (const auto& [essence, priMagic, expected] : cases) {
    record.Essence = essence;
    record.PriMagic = static_cast<int16_t>(priMagic);
    record.Pools.Astral = "2";
    RecalcDerived(ctx);
    EXPECT_EQ(record.EssenceText + " " + record.Magic.Base + " " + record.Magic.Total + " " + record.Pools.Magic + " " +
                  record.Pools.Astral,
              expected);
  }
}

TEST_F(AttributesTest, OverrideLimitsLiftsBothCeilingsAndShowsTheMarkerUntilASpin) {
  record.norules = 1;
  record.Attributes = 6;
  record.Attr[0].Base = "6";
  RecalcDerived(ctx);
  RaiseAttribute(ctx, 0);
  RaiseAttribute(ctx, 0);
  EXPECT_EQ(record.Attr[0].Base + " " + state.attributes.pointsDisplay, "8 13/6");
  EXPECT_TRUE(state.attributes.overSpent);
  EXPECT_TRUE(state.attributes.overMaximum[0]);
  LowerAttribute(ctx, 0);
  EXPECT_TRUE(state.attributes.overMaximum[0]) << "7 is still above 6";
  // The ceiling rises past the base, yet only a spin of the row hides the marker.
  ModifyAttributeS(ctx, "+2XOD", false);
  RecalcDerived(ctx);
  EXPECT_TRUE(state.attributes.overMaximum[0]);
  RaiseAttribute(ctx, 0);
  EXPECT_EQ(record.Attr[0].Base, "8");
  EXPECT_FALSE(state.attributes.overMaximum[0]);
  EXPECT_FALSE(RaiseAttribute(ctx, 6) || LowerAttribute(ctx, -1));
  EXPECT_TRUE(platform.Log().empty());
}

TEST(Rollsix, GivesEveryFaceAndNothingElse) {
  ScriptedPlatform platform;
  std::string faces;
  for (double random : {0.0, 0.1666, 0.1667, 0.5, 0.8333, 0.9999, 1.0, -0.2}) platform.QueueRandom(random);
  for (int i = 0; i < 8; ++i) faces += std::to_string(Rollsix(platform));
  EXPECT_EQ(faces, "11245611");
  for (int i = 0; i < 200; ++i) {
    const int face = Rollsix(platform);
    EXPECT_TRUE(face >= 1 && face <= 6) << face;
  }
}

class RaceTest : public RulesTest {
 protected:
  RaceTest() {
    SetMetaLines({
        "E Night Elf      | 0|2|0|2|0|0|3|Low Light Vision|F-Sun Sensitivity[]|Keen Ears (+1) |$",
        "D Hill Dwarf     |2|0|2|0|0|1|2|Thermographic Vision|$",
        "E Wood Elf       |1|1|0|1|-1|0|3|$",
        "H SSWolf         |0|0|0|-1|0|0|3|2|1|1|4|1|1|Keen Smell|F-Allergy Silver[]|$",
        "H Mountain Man   |1|0|1|0|0|0|3|$",
        "TxStone Troll    |5|-2|5|-3|-2|0|3|F-Slow Wits[]|Dermal Armor|$",
        "E",
    });
  }
  // What the race page and the attribute table show of the race.
  std::string Look() const {
    return record.Race + ": " + Column(&AttributeRow::Racial) + " x" + record.RunMult + " [" + Joined(record.RaceDesc) +
           "] body " + record.Attr[0].Modifier;
  }
};

TEST_F(RaceTest, EachRaceSetsItsModifiersRunMultiplierAndTraits) {
  const std::vector<std::pair<int, const char*>> cases = {
      {kElf, "Elf: 0 1 0 2 0 0 x3 [Low Light Vision] body 0"},
      {kDwarf, "Dwarf: 1 0 2 0 0 1 x2 [Thermographic Vision | Resist. to Disease/Toxin (+2)] body 0"},
      {kOrk, "Ork: 3 0 2 -1 -1 0 x3 [Low Light Vision] body 0"},
      {kTroll, "Troll: 5 -1 4 -2 -2 0 x3 [Thermographic Vision | Dermal Armor | Reach (+1)] body 1"},
      {kHuman, "Human: 0 0 0 0 0 0 x3 [] body 0"},
  };
  for (const auto& [race, look] : cases) {
    ChooseRace(ctx, race);
    EXPECT_EQ(record.Rsel, race);
    EXPECT_EQ(Look(), look);
  }
  EXPECT_EQ(RaceCode(kOrk), "O");
  EXPECT_EQ(RaceCode(5), "");
  ChooseRace(ctx, 5);
  EXPECT_EQ(record.Rsel, kHuman);
}

TEST_F(RaceTest, DermalArmourComesAndGoesWithTheTroll) {
  ModifyAttributeS(ctx, "+2BOD", false);  // an item's Body bonus
  ChooseRace(ctx, kTroll);
  ChooseRace(ctx, kTroll);
  EXPECT_EQ(record.Attr[0].Modifier + "=" + record.Attr[0].Total, "3=9");
  ChooseRace(ctx, kDwarf);
  EXPECT_EQ(record.Attr[0].Modifier + "=" + record.Attr[0].Total, "2=4");
}

TEST_F(RaceTest, MetatypeListOffersTheLinesOfTheRace) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kElf);
  EXPECT_EQ(Joined(state.race.metaList),
            "Night Elf      | 0|2|0|2|0|0|3|Low Light Vision|F-Sun Sensitivity[]|Keen Ears (+1) |$ | "
            "Wood Elf       |1|1|0|1|-1|0|3|$");
  // The metatype supplies the modifiers: the race choice writes none of them.
  EXPECT_EQ(Look(), ": 0 0 0 0 0 0 x3 [] body 0");

  ChooseMetatype(ctx, 1);
  ChooseRace(ctx, kHuman);  // human lines are for shapeshifters only
  EXPECT_EQ(state.race.metaList.size(), 2u);
  EXPECT_EQ(record.SelIndex, 1);
  ChooseRace(ctx, kTroll);
  EXPECT_EQ(Joined(state.race.metaList), "Stone Troll    |5|-2|5|-3|-2|0|3|F-Slow Wits[]|Dermal Armor|$");
  EXPECT_EQ(record.SelIndex, -1);
  EXPECT_EQ(record.Attr[0].Modifier, "0");  // a troll metatype brings its own traits

  record.PtsMeta = 0;
  record.Shapeshift = true;
  ChooseRace(ctx, kHuman);
  EXPECT_EQ(state.race.metaList.size(), 2u);
  EXPECT_TRUE(state.race.metaList[0].starts_with("SSWolf"));
}

TEST_F(RaceTest, ChoosingAMetatypeFillsItsFields) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kElf);
  ChooseMetatype(ctx, 0);
  EXPECT_EQ(state.race.modCaption, "Night Elf Race Mods");
  EXPECT_EQ(Joined(state.race.metaFields), "0 | 2 | 0 | 2 | 0 | 0 | 3");
  EXPECT_EQ(Joined(record.RaceDesc), "Low Light Vision | F-Sun Sensitivity[] | Keen Ears (+1) ");
  EXPECT_FALSE(state.race.shapeFieldsVisible);
  // A shorter line leaves nothing of the longer one behind; a choice outside the list is none.
  ChooseMetatype(ctx, 1);
  ChooseMetatype(ctx, 2);
  EXPECT_EQ(Joined(state.race.metaFields), "1 | 1 | 0 | 1 | -1 | 0 | 3");
  EXPECT_EQ(Joined(record.RaceDesc), "");
  EXPECT_EQ(record.SelIndex, 1);
}

// The shapeshifter scenario shows a form's animal values; another form hides the fields and keeps
// what they held.
TEST_F(RaceTest, AnotherShapeshifterFormHidesTheAnimalFields) {
  record.Shapeshift = true;
  ChooseRace(ctx, kHuman);
  ChooseMetatype(ctx, 0);
  EXPECT_TRUE(state.race.shapeFieldsVisible);
  EXPECT_EQ(state.race.modCaption + ": " + Joined(record.RaceDesc),
            "SSWolf Race Mods: Keen Smell | F-Allergy Silver[]");
  ChooseMetatype(ctx, 1);
  EXPECT_FALSE(state.race.shapeFieldsVisible);
  EXPECT_EQ(state.race.animalFields[3] + record.Animal.RunMult, "44");
}

// A name is cut to fifteen characters; without the end marker the fields end at the last "|".
TEST(MetatypeLine, NameAndFields) {
  EXPECT_EQ(MetatypeName("A Very Long Metatype Name|1|$") + "|" + MetatypeName("Gnome|1|2|$"), "A Very Long Met|Gnome");
  EXPECT_EQ(Joined(MetatypeFields("Gnome          |1|2|Small|$")), "1 | 2 | Small");
  EXPECT_EQ(Joined(MetatypeFields("Gnome|1|2|Small")), "1 | 2");
  EXPECT_TRUE(MetatypeFields("Gnome").empty() && MetatypeFields("").empty());
}

TEST_F(RaceTest, CompletionLiftsTheBaseToTheRacialFloor) {
  ChooseRace(ctx, kTroll);
  record.Attr[4].Base = "4";
  CompleteRacePage(ctx);
  EXPECT_EQ(Column(&AttributeRow::Base) + " = " + Column(&AttributeRow::Total), "1 2 1 3 4 1 = 7 1 5 1 2 1");
  // Base 2 with racial -4 comes up to a total of 1 as well.
  record.Attr[3].Base = "2";
  record.Attr[3].Racial = "-4";
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Attr[3].Base + "=" + record.Attr[3].Total, "5=1");
}

TEST_F(RaceTest, CompletionAppliesTheMetatypeAndMovesItsFlaws) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  record.Edges = {"Ambidextrous\t[2]\t\t"};
  ChooseRace(ctx, kTroll);
  ChooseMetatype(ctx, 0);
  record.OnceThru = true;
  CompleteRacePage(ctx);
  EXPECT_EQ(Look(), "Stone Troll: 5 -2 5 -3 -2 0 x3 [Dermal Armor] body 0");
  // The floor counts the metatype's modifiers.
  EXPECT_EQ(Column(&AttributeRow::Base) + " = " + Column(&AttributeRow::Total), "1 3 1 4 3 1 = 6 1 6 1 1 1");
  EXPECT_EQ(Joined(record.Edges), "Ambidextrous\t[2]\t\t | Slow Wits[]");

  // Once completed, the metatype can no longer be changed.
  state.race.metaList = {"Other|1|1|1|1|1|1|1|$"};
  ChooseMetatype(ctx, 0);
  EXPECT_EQ(state.race.modCaption, "Stone Troll Race Mods");
}

TEST_F(RaceTest, CompletionMovesFlawsFromTheLastLineToTheFirst) {
  record.RaceDesc = {"F-Night Blindness[]", "Low Light Vision", "F-Color Blindness[]"};
  CompleteRacePage(ctx);
  EXPECT_EQ(Joined(record.Edges), "Color Blindness[] | Night Blindness[]");
  EXPECT_EQ(Joined(record.RaceDesc), "Low Light Vision");
}

TEST_F(RaceTest, CompletionOfAShapeshifterAndOfAMetatypeNeverChosen) {
  record.Shapeshift = true;
  ChooseRace(ctx, kHuman);
  ChooseMetatype(ctx, 0);
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Race + " " + record.EssenceText + " " + Joined(record.Edges), "SSWolf 8 Allergy Silver[]");

  // The metatype option on and no subtype chosen: the base race stands.
  ResetRecordFields(record, "");
  ResetCreation(ctx);
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kDwarf);
  CompleteRacePage(ctx);
  EXPECT_EQ(Look(), "Dwarf: 1 0 2 0 0 1 x2 [Thermographic Vision | Resist. to Disease/Toxin (+2)] body 0");
}

}  // namespace
}  // namespace ivgen
