// Random characters from the shipped archetypes: finished by the rules' own judge, the same for a
// seed whatever came before, saved and reopened byte for byte, and a build that cannot finish
// says where and why.
#include "app/random_character.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/program_test.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

const std::string kBundledSettings = ReadWholeFile(IVGEN_BUNDLED_DATA "/ivgen.ini").value_or("");

class RandomCharacterTest : public test_support::ProgramTest {
 protected:
  const Archetype& Named(const RandomCharacters& characters, const std::string& name) {
    const Archetype* archetype = characters.Archetypes()->Find(name);
    EXPECT_NE(archetype, nullptr) << name;
    return *archetype;
  }
};

// A die value falls on the option whose share of the weights it lands in; weights of 0 (and
// below) are never drawn.
TEST(WeightedPick, MapsTheDieOntoTheWeightsInOrder) {
  const struct {
    double r;
    std::vector<int> weights;
    std::optional<size_t> picked;
  } cases[] = {
      {0.0, {1, 2, 1}, 0},     {0.2499, {1, 2, 1}, 0},      {0.25, {1, 2, 1}, 1}, {0.7499, {1, 2, 1}, 1},
      {0.75, {1, 2, 1}, 2},    {0.9999999, {1, 2, 1}, 2},   {0.5, {0, 3, 0}, 1},  {0.0, {0, -4, 5}, 2},
      {0.3, {}, std::nullopt}, {0.3, {0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeightedPick(c.r, c.weights), c.picked) << c.r << " over " << c.weights.size() << " weights";
  }
  EXPECT_EQ(SeedFromDie(0.0), 1u);
  EXPECT_EQ(SeedFromDie(0.9999999999), 999999u);
}

class EveryArchetype : public RandomCharacterTest, public ::testing::WithParamInterface<const char*> {};

// Two hundred seeds of each archetype: check --strict finds nothing, the file a save writes opens
// again to the same bytes, and the sheet prints the character.
TEST_P(EveryArchetype, FinishesTwoHundredSeedsThatReopenAndPrint) {
  Editor& editor = Start(kBundledSettings);
  RandomCharacters characters(editor);
  const Archetype& archetype = Named(characters, GetParam());
  ScriptedPlatform readerPlatform;
  Editor reader(readerPlatform, Folder(), "");
  ASSERT_TRUE(reader.Startup());
  std::set<std::string> texts;
  for (uint64_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const RandomOutcome outcome = characters.Build(archetype, seed);
    ASSERT_TRUE(outcome.Passes()) << outcome.Summary();
    const std::string path = Path("character.iv3");
    std::string problem;
    ASSERT_TRUE(characters.SaveBuilt(path, problem)) << problem;
    const std::string saved = Read("character.iv3");
    texts.insert(saved);
    reader.OpenNamed(path);
    ASSERT_EQ(reader.Record().StreetName, outcome.streetName);
    ASSERT_EQ(reader.FileText(), saved);
    const std::string sheet = reader.Sheet().Preview();
    ASSERT_NE(sheet.find(outcome.streetName), std::string::npos);
    ASSERT_NE(sheet.find(archetype.name), std::string::npos);
  }
  // A new seed gives a new character.
  EXPECT_GT(texts.size(), 190u);
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryArchetype,
                         ::testing::Values("Street Samurai", "Decker", "Rigger", "Hermetic Mage", "Shaman",
                                           "Physical Adept", "Face", "Ghoul Scavenger", "Shapeshifter"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, ' ');
                           return name;
                         });

// A character depends on its seed alone: not on the characters built before it, nor on what the
// player did to the current character.
TEST_F(RandomCharacterTest, ASeedGivesTheSameCharacterWhateverCameBefore) {
  Editor& editor = Start(kBundledSettings);
  RandomCharacters first(editor);
  first.Build(Named(first, "Face"), 7);
  const std::string face = first.Built().CurrentDocument().record.StreetName;
  std::string problem;
  ASSERT_TRUE(first.SaveBuilt(Path("a.iv3"), problem));

  editor.Priorities().MoveDown();
  editor.Texts().Set("KarmaTotal", "12");
  RandomCharacters second(editor);
  second.Build(Named(second, "Shapeshifter"), 3);
  second.Build(Named(second, "Face"), 7);
  ASSERT_TRUE(second.SaveBuilt(Path("b.iv3"), problem));
  EXPECT_EQ(Read("a.iv3"), Read("b.iv3"));
  EXPECT_EQ(second.Built().Record().StreetName, face);
}

// Several characters to a folder: one line each, names made unique, and a build that stops is
// named with its step and written nowhere.
TEST_F(RandomCharacterTest, ABatchNamesEveryCharacterAndWritesOnlyFinishedOnes) {
  Write("archetypes.dat",
        "#Twin\r\nMethod         Priority\r\nOrder        1 Attributes|Skills|Resources|Race|Magic\r\n"
        "Race         1 Human\r\nAttribute    1 Body\r\nSkill        1 Pistols (QCK)\r\nSkill        1 Gang Lore "
        "(KNO)\r\n"
        "Skill        1 English (LAN)\r\nFiller       1 Tenement Lifestyle\r\nStreet       1 Twin/Set\r\n"
        "#Spendthrift\r\nMethod         Priority\r\nOrder        1 Resources|Attributes|Skills|Race|Magic\r\n"
        "Race         1 Human\r\nAttribute    1 Body\r\nSkill        1 Pistols (QCK)\r\nSkill        1 Gang Lore "
        "(KNO)\r\n"
        "Skill        1 English (LAN)\r\nFiller       1 Power Focus, Force 1\r\nStreet       1 Midas\r\n");
  Editor& editor = Start(kBundledSettings);
  RandomCharacters characters(editor);
  fs::create_directory(Path("out"));
  Write("out/Twin-Set.iv3", "someone else's");
  RandomBatch twins(characters, Named(characters, "twin"), 40, 3, Path("out"));
  std::vector<std::string> lines;
  while (!twins.Done()) lines.push_back(twins.Next());
  EXPECT_EQ(lines, (std::vector<std::string>{"Twin-Set 2.iv3 | Twin | seed 40 | Nothing left to do",
                                             "Twin-Set 3.iv3 | Twin | seed 41 | Nothing left to do",
                                             "Twin-Set 4.iv3 | Twin | seed 42 | Nothing left to do"}));
  EXPECT_TRUE(twins.AllPass());
  EXPECT_EQ(Read("out/Twin-Set.iv3"), "someone else's");

  // The money the filler would spend stays: the focus's book is not allowed, so no group lists it.
  RandomBatch rich(characters, Named(characters, "Spendthrift"), 1, 1, Path("rich"));
  EXPECT_EQ(rich.Next(),
            "- | Spendthrift | seed 1 | not built: Gear: 1,000,000 nuyen left and no Filler line costs that little "
            "(line 19: gear \"Power Focus, Force 1\" is not listed by any group of gear.dat in use)");
  EXPECT_FALSE(rich.AllPass());
  EXPECT_FALSE(fs::exists(Path("rich")) && !fs::is_empty(Path("rich")));
}

// Build points past the settings' maxpoints are a Build line the archetype cannot use.
TEST_F(RandomCharacterTest, BuildPointsAreHeldToTheSettingsInUse) {
  Editor& editor = Start("[Character Generator]\r\nmaxpoints=90\r\n");
  RandomCharacters characters(editor);
  const RandomOutcome outcome = characters.Build(Named(characters, "Ghoul Scavenger"), 1);
  EXPECT_FALSE(outcome.Built());
  EXPECT_EQ(outcome.failure.substr(0, outcome.failure.find(" (")), "Priorities: no usable Build line");
  EXPECT_NE(outcome.failure.find("more than maxpoints 90"), std::string::npos) << outcome.failure;
}

// Random Character in place of the current one: the save prompt first, then the character is the
// current one, unsaved, with a history of its own; a build that stops is told and New's character
// stays.
TEST_F(RandomCharacterTest, TheCurrentCharacterIsReplacedAsNewWouldReplaceIt) {
  Editor& editor = Start(kBundledSettings);
  RandomCharacters characters(editor);
  const Archetype& decker = Named(characters, "Decker");
  editor.Priorities().MoveDown();
  ASSERT_TRUE(editor.CanUndo());
  RandomOutcome outcome;
  platform_.QueueAnswer("Cancel");
  EXPECT_FALSE(MakeRandomCurrent(editor, platform_, decker, 12, outcome));
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_TRUE(editor.CanUndo());

  platform_.QueueAnswer("No");
  ASSERT_TRUE(MakeRandomCurrent(editor, platform_, decker, 12, outcome));
  EXPECT_EQ(Log().front().substr(0, 23), "message [New character]");
  EXPECT_EQ(editor.Record().StreetName, outcome.streetName);
  EXPECT_EQ(editor.Record().Archetype, "Decker");
  EXPECT_TRUE(editor.Todo().Lines().empty());
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_EQ(editor.Document().DefaultSaveName, outcome.streetName);
  EXPECT_FALSE(editor.CanUndo());
  characters.Build(decker, 12);
  EXPECT_TRUE(characters.Built().Record() == editor.Record());

  Write("archetypes.dat", "#Nobody\r\nMethod         Priority\r\n");
  platform_.ClearLog();
  platform_.QueueAnswer("No");
  RandomCharacters nobody(editor);
  EXPECT_FALSE(MakeRandomCurrent(editor, platform_, Named(nobody, "Nobody"), 1, outcome));
  EXPECT_EQ(Log().back(),
            "message [Random Character] (warning, OK) Nobody, seed 1, could not be built.\\r\\nBioInfo: no street name "
            "to draw (line 1: no Street line: every character needs a street name) -> OK");
  EXPECT_EQ(editor.Record().StreetName, "");
  EXPECT_FALSE(editor.Document().Modified);
}

}  // namespace
}  // namespace ivgen
