#include "rules/race.h"

#include <string>

#include <gtest/gtest.h>

#include "rules/attributes.h"
#include "rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;

class RaceTest : public RulesTest {
 protected:
  RaceTest() {
    SetMetaLines({
        "E Night Elf      |0|2|0|2|0|0|3|Low Light Vision|F-Sun Sensitivity[]|Keen Ears|$",
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

TEST_F(RaceTest, OnlyEnabledOptionsCanBeClicked) {
  ClickRace(ctx, kElf);
  EXPECT_EQ(record.Rsel, kHuman);
  state.race.optionEnabled.fill(true);
  ClickRace(ctx, kElf);
  EXPECT_EQ(record.Race, "Elf");
}

TEST_F(RaceTest, MetatypeListOffersTheLinesOfTheRace) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kElf);
  EXPECT_EQ(Joined(state.race.metaList),
            "Night Elf      |0|2|0|2|0|0|3|Low Light Vision|F-Sun Sensitivity[]|Keen Ears|$ | "
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
  EXPECT_EQ(Joined(record.RaceDesc), "Low Light Vision | F-Sun Sensitivity[] | Keen Ears");
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
