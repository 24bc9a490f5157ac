#include "rules/race.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace ivgen {
namespace {

class SpecialsTest : public RulesTest {
 protected:
  SpecialsTest() { record.GeneratorPoints = true; }
  SpecialsView view;
};

TEST_F(SpecialsTest, GhoulTransformationByTheWillpowerTest) {
  struct Case {
    const char* will;  // base and racial
    std::vector<int> faces;
    const char* successes;
    const char* racial;  // Body to Willpower afterwards
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"3 0", {6, 2, 6}, "2", "2 0 1 -2 -1 0", {"mostly intact personallity"}},
      {"1 -1", {}, "0", "2 0 1 -3 -3 -1", {"Inability to deal w/Metas well", "Mentally, an animal"}},
      {"2 0", {1, 6}, "1", "2 0 1 -2 -2 0", {"Semblance of personallity left"}},
      {"3 0", {6, 6, 6}, "3", "2 0 1 -1 -1 0", {"almost complete retention", "of personality and intellect"}},
      {"5 0", {6, 6, 6, 6, 1}, "4", "2 0 1 -1 -1 1", {}},
  };
  for (const Case& c : cases) {
    ResetRecordFields(record, "");
    ResetSpecials(ctx, view);
    record.GeneratorPoints = true;
    record.PtsGhoul = 1;
    record.Race = "Human";
    record.Attr[5].Base = std::string(1, c.will[0]);
    record.Attr[5].Racial = std::string(c.will + 2);
    GhoulCheck(ctx, view);
    for (int face : c.faces) platform.QueueRandom((face - 0.5) / 6);
    state.race.optionEnabled.fill(true);
    platform.ClearLog();
    ASSERT_TRUE(BeginGhoul(ctx, view));
    EXPECT_EQ(platform.Log()[0], "message [Ironveil Character Generator] (OK) Ghoul Transformation complete:" +
                                     std::string(c.successes) + " successes -> OK");
    EXPECT_EQ(Column(&AttributeRow::Racial), c.racial) << c.successes;
    std::vector<std::string> desc = {"Dual-natured being", "Immunity to VITAS plague"};
    desc.insert(desc.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(record.RaceDesc, desc) << c.successes;
  }
  EXPECT_EQ(record.Race + " " + record.RunMult + " " + record.EssenceText, "Ghoul-Human 4 5");
  EXPECT_EQ(record.Edges, (std::vector<std::string>{"Mild Allergy Sunlight []", "Enhance Hearing (+2 Per. test) []",
                                                    "Enhance Smell (+2 Per. test) []", "Blind []",
                                                    "Sensitive System []", "Dietary Req. raw flesh []"}));
  // Once only, and no race choice can wipe it.
  EXPECT_FALSE(BeginGhoul(ctx, view));
  EXPECT_EQ(state.race.optionEnabled, (std::array<bool, kRaceCount>{}));
  // The option is bought with build points.
  ResetSpecials(ctx, view);
  record.GeneratorPoints = false;
  GhoulCheck(ctx, view);
  EXPECT_FALSE(view.ghoulButtonVisible);
}

TEST_F(SpecialsTest, AlbinoAppliesOnEverySwitchOn) {
  EXPECT_FALSE(SetAlbino(ctx, view, true));  // disabled without MetaVariants
  record.PtsMeta = 1;
  state.race.metaFields[5] = "1";
  SetAlbino(ctx, view, true);
  SetAlbino(ctx, view, false);
  SetAlbino(ctx, view, true);
  EXPECT_EQ(state.race.metaFields[5], "3");
  EXPECT_EQ(record.RaceDesc,
            (std::vector<std::string>{"Albino", "F-Mild Allergy Sunlight[]", "Albino", "F-Mild Allergy Sunlight[]"}));

  record.RaceDesc.clear();
  AlbinoChoice(ctx, view);  // a new metatype
  ChooseAlbinoFlaw(ctx, view, 2);
  AlbinoFlaw(ctx, view);  // the race-page completion
  EXPECT_EQ(record.RaceDesc,
            (std::vector<std::string>{"Albino", "F-Mild Allergy Sunlight[]", "F-Low Pain Tolerance[]"}));
  record.OnceThru = true;
  EXPECT_FALSE(SetAlbino(ctx, view, false));
}

TEST_F(SpecialsTest, AnimalForm) {
  record.Shapeshift = true;
  record.Attributes = 16;
  record.Attr[4] = {"4", "0", "0", "0", "4"};
  record.Attr[5] = {"3", "0", "0", "0", "3"};
  record.Animal.Attr[1] = {"4", "3", "0"};
  record.Animal.Reaction.Modifier = "1";
  record.Animal.Initative.Modifier = "2";
  SCalcMaxUsed(ctx, view);
  const ShapeshiftGroup& animal = record.Animal;
  EXPECT_EQ(animal.Attr[1].Total + " " + animal.Reaction.Base + " " + animal.Reaction.Total + " " +
                animal.Initative.Total + " " + view.combatPool,
            "7 5 6 3 7");
  EXPECT_EQ(state.attributes.pointsDisplay, "17/16");
  EXPECT_TRUE(view.overLimit);

  // 1 to 6 whatever points remain; no step past the points without Override Limits.
  record.Attributes = 30;
  for (int k = 0; k < 8; ++k) RaiseAnimalAttribute(ctx, view, 0);
  EXPECT_EQ(view.pointsDisplay, "22/30");
  for (int k = 0; k < 8; ++k) LowerAnimalAttribute(ctx, view, 0);
  EXPECT_EQ(animal.Attr[0].Base, "1");
  // A step taken back, and Down at 1, still mark the character changed, as the attribute buttons do.
  record.Attributes = 17;
  EXPECT_TRUE(RaiseAnimalAttribute(ctx, view, 2));
  EXPECT_EQ(animal.Attr[2].Base, "1");
  EXPECT_TRUE(LowerAnimalAttribute(ctx, view, 2));
  record.norules = 1;
  for (int k = 0; k < 7; ++k) RaiseAnimalAttribute(ctx, view, 2);
  EXPECT_EQ(animal.Attr[2].Base, "8");
  EXPECT_TRUE(view.overLimit);
}

}  // namespace
}  // namespace ivgen
