#include "rules/race.h"

#include <string>

#include <gtest/gtest.h>

#include "rules/attributes.h"
#include "rules_fixture.h"

namespace ivgen {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += (out.empty() ? "" : " | ") + line;
  return out;
}

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
};

TEST_F(RaceTest, EachRaceSetsItsModifiersRunMultiplierAndTraits) {
  struct Case {
    int race;
    const char* racial;
    const char* runMult;
    const char* name;
    const char* traits;
    const char* bodyModifier;
  };
  const std::vector<Case> cases = {
      {kElf, "0 1 0 2 0 0", "3", "Elf", "Low Light Vision", "0"},
      {kDwarf, "1 0 2 0 0 1", "2", "Dwarf", "Thermographic Vision | Resist. to Disease/Toxin (+2)", "0"},
      {kOrk, "3 0 2 -1 -1 0", "3", "Ork", "Low Light Vision", "0"},
      {kTroll, "5 -1 4 -2 -2 0", "3", "Troll", "Thermographic Vision | Dermal Armor | Reach (+1)", "1"},
      {kHuman, "0 0 0 0 0 0", "3", "Human", "", "0"},
  };
  for (const Case& c : cases) {
    ChooseRace(ctx, c.race);
    EXPECT_EQ(record.Rsel, c.race);
    EXPECT_EQ(Column(&AttributeRow::Racial), c.racial) << c.name;
    EXPECT_EQ(record.RunMult, c.runMult) << c.name;
    EXPECT_EQ(record.Race, c.name);
    EXPECT_EQ(Lines(record.RaceDesc), c.traits) << c.name;
    EXPECT_EQ(record.Attr[0].Modifier, c.bodyModifier) << c.name;
  }
  EXPECT_EQ(RaceCode(kOrk), "O");
  EXPECT_EQ(RaceCode(5), "");
  ChooseRace(ctx, 5);
  EXPECT_EQ(record.Rsel, kHuman);
}

TEST_F(RaceTest, DermalArmourComesAndGoesWithTheTroll) {
  ModifyAttributeS(ctx, "+2BOD", false);  // an item's Body bonus
  ChooseRace(ctx, kTroll);
  EXPECT_EQ(record.Attr[0].Modifier, "3");
  EXPECT_EQ(record.Attr[0].Total, "9");
  ChooseRace(ctx, kTroll);
  EXPECT_EQ(record.Attr[0].Modifier, "3");
  ChooseRace(ctx, kDwarf);
  EXPECT_EQ(record.Attr[0].Modifier, "2");
  EXPECT_EQ(record.Attr[0].Total, "4");
}

TEST_F(RaceTest, OnlyEnabledOptionsCanBeClicked) {
  ClickRace(ctx, kElf);
  EXPECT_EQ(record.Rsel, kHuman);
  EXPECT_EQ(record.Race, "");
  state.race.optionEnabled.fill(true);
  ClickRace(ctx, kElf);
  EXPECT_EQ(record.Race, "Elf");
}

TEST_F(RaceTest, MetatypeListOffersTheLinesOfTheRace) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kElf);
  EXPECT_EQ(Lines(state.race.metaList),
            "Night Elf      |0|2|0|2|0|0|3|Low Light Vision|F-Sun Sensitivity[]|Keen Ears|$ | "
            "Wood Elf       |1|1|0|1|-1|0|3|$");
  // The metatype supplies the modifiers: the race choice writes none of them.
  EXPECT_EQ(Column(&AttributeRow::Racial), "0 0 0 0 0 0");
  EXPECT_EQ(record.Race, "");

  ChooseMetatype(ctx, 1);
  ChooseRace(ctx, kHuman);  // human lines are for shapeshifters only
  EXPECT_EQ(state.race.metaList.size(), 2u);
  EXPECT_EQ(record.SelIndex, 1);
  ChooseRace(ctx, kTroll);
  EXPECT_EQ(Lines(state.race.metaList), "Stone Troll    |5|-2|5|-3|-2|0|3|F-Slow Wits[]|Dermal Armor|$");
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
  EXPECT_EQ(Lines({state.race.metaFields.begin(), state.race.metaFields.end()}), "0 | 2 | 0 | 2 | 0 | 0 | 3");
  EXPECT_EQ(Lines(record.RaceDesc), "Low Light Vision | F-Sun Sensitivity[] | Keen Ears");
  EXPECT_FALSE(state.race.shapeFieldsVisible);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"SCalcMaxUsed", "AlbinoChoice"}));

  // A shorter line leaves nothing of the longer one behind.
  ChooseMetatype(ctx, 1);
  EXPECT_EQ(Lines({state.race.metaFields.begin(), state.race.metaFields.end()}), "1 | 1 | 0 | 1 | -1 | 0 | 3");
  EXPECT_EQ(Lines(record.RaceDesc), "");
  EXPECT_EQ(record.SelIndex, 1);

  ChooseMetatype(ctx, 2);  // outside the list
  EXPECT_EQ(record.SelIndex, 1);
}

TEST_F(RaceTest, ShapeshifterFormsFillTheAnimalFields) {
  record.Shapeshift = true;
  ChooseRace(ctx, kHuman);
  ChooseMetatype(ctx, 0);
  EXPECT_TRUE(state.race.shapeFieldsVisible);
  EXPECT_EQ(state.race.modCaption, "SSWolf Race Mods");
  EXPECT_EQ(Lines({state.race.animalFields.begin(), state.race.animalFields.end()}), "2 | 1 | 1 | 4 | 1 | 1");
  EXPECT_EQ(Lines(record.RaceDesc), "Keen Smell | F-Allergy Silver[]");
  EXPECT_EQ(record.Animal.Attr[0].Modifier + record.Animal.Attr[1].Modifier + record.Animal.Attr[2].Modifier, "211");
  EXPECT_EQ(record.Animal.RunMult, "4");
  EXPECT_EQ(record.Animal.Reaction.Modifier, "1");
  EXPECT_EQ(record.Animal.Initative.Modifier, "1");

  // Another form hides the fields and keeps what they held.
  ChooseMetatype(ctx, 1);
  EXPECT_FALSE(state.race.shapeFieldsVisible);
  EXPECT_EQ(state.race.animalFields[3], "4");
  EXPECT_EQ(record.Animal.RunMult, "4");
}

TEST(MetatypeLine, NameAndFields) {
  EXPECT_EQ(MetatypeName("A Very Long Metatype Name|1|$"), "A Very Long Met");
  EXPECT_EQ(MetatypeName("Gnome|1|2|$"), "Gnome");
  EXPECT_EQ((MetatypeFields("Gnome          |1|2|Small|$")), (std::vector<std::string>{"1", "2", "Small"}));
  // Without the end marker the fields end at the last "|".
  EXPECT_EQ((MetatypeFields("Gnome|1|2|Small")), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(MetatypeFields("Gnome").empty());
  EXPECT_TRUE(MetatypeFields("").empty());
}

TEST_F(RaceTest, CompletionLiftsTheBaseToTheRacialFloor) {
  ChooseRace(ctx, kTroll);
  record.Attr[4].Base = "4";
  CompleteRacePage(ctx);
  EXPECT_EQ(Column(&AttributeRow::Base), "1 2 1 3 4 1");
  EXPECT_EQ(Column(&AttributeRow::Total), "7 1 5 1 2 1");
  EXPECT_EQ(hooks.calls[0], "GhoulCheck");

  // Base 2 with racial -4 comes up to a total of 1 as well.
  record.Attr[3].Base = "2";
  record.Attr[3].Racial = "-4";
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Attr[3].Base, "5");
  EXPECT_EQ(record.Attr[3].Total, "1");
}

TEST_F(RaceTest, CompletionAppliesTheMetatypeAndMovesItsFlaws) {
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  record.Edges = {"Ambidextrous\t[2]\t\t"};
  ChooseRace(ctx, kTroll);
  ChooseMetatype(ctx, 0);
  hooks.calls.clear();
  record.OnceThru = true;
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Race, "Stone Troll");
  EXPECT_EQ(Column(&AttributeRow::Racial), "5 -2 5 -3 -2 0");
  EXPECT_EQ(record.RunMult, "3");
  // The floor counts the metatype's modifiers.
  EXPECT_EQ(Column(&AttributeRow::Base), "1 3 1 4 3 1");
  EXPECT_EQ(Column(&AttributeRow::Total), "6 1 6 1 1 1");
  EXPECT_EQ(Lines(record.RaceDesc), "Dermal Armor");
  EXPECT_EQ(Lines(record.Edges), "Ambidextrous\t[2]\t\t | Slow Wits[]");
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"GhoulCheck", "AlbinoFlaw"}));

  // Once completed, the metatype can no longer be changed.
  state.race.metaList = {"Other|1|1|1|1|1|1|1|$"};
  ChooseMetatype(ctx, 0);
  EXPECT_EQ(state.race.modCaption, "Stone Troll Race Mods");
}

TEST_F(RaceTest, CompletionMovesFlawsFromTheLastLineToTheFirst) {
  record.RaceDesc = {"F-Night Blindness[]", "Low Light Vision", "F-Color Blindness[]"};
  CompleteRacePage(ctx);
  EXPECT_EQ(Lines(record.Edges), "Color Blindness[] | Night Blindness[]");
  EXPECT_EQ(Lines(record.RaceDesc), "Low Light Vision");
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"GhoulCheck"});  // no metatype, no albino flaw
}

TEST_F(RaceTest, CompletionOfAShapeshifterAndOfAMetatypeNeverChosen) {
  record.Shapeshift = true;
  ChooseRace(ctx, kHuman);
  ChooseMetatype(ctx, 0);
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Race, "SSWolf");
  EXPECT_EQ(record.Essence, 8.0);
  EXPECT_EQ(record.EssenceText, "8");
  EXPECT_EQ(Lines(record.Edges), "Allergy Silver[]");

  // The metatype option on and no subtype chosen: the base race stands.
  ResetRecordFields(record, "");
  ResetCreation(ctx);
  record.GeneratorPoints = true;
  record.PtsMeta = 1;
  ChooseRace(ctx, kDwarf);
  CompleteRacePage(ctx);
  EXPECT_EQ(record.Race, "Dwarf");
  EXPECT_EQ(Column(&AttributeRow::Racial), "1 0 2 0 0 1");
  EXPECT_EQ(record.RunMult, "2");
  EXPECT_EQ(Lines(record.RaceDesc), "Thermographic Vision | Resist. to Disease/Toxin (+2)");
}

}  // namespace
}  // namespace ivgen
