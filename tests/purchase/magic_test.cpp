// Spells, adept powers and skills bought, raised and refused; the scenarios follow a whole
// magician, adept and skilled character, so here are the limits and refusals they do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "purchase/powers.h"
#include "purchase/skills.h"
#include "purchase/spells.h"
#include "record/money.h"
#include "rules/rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {

class SpellsTest : public RulesTest {
 protected:
  SpellsTest() {
    catalogs.spells.categories = {"Combat\tC", "Detection\tD"};
    catalogs.spells.SpellLines = {
        "Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t%IV3-170C", "Far Eyes\tM\t4\tS\tTouch\tM(F/2)\t%IV3-175D",
        "Blood Boil\tP\tBody\tI\tLOS\tD(F/2)\t%VA-22c",   "Old Hex\tM\tWill\tI\tLOS\tS(F/2)\t%IV3C",
        "Grave Chill\tM\tWill\tI\tLOS\tS(F/2)\t%XB-22C",
    };
    catalogs.traditions = {"Hermetic mage", "Totem: Crow", "Totem: Owl"};
    books.allowed = {"Core\tIV3", "Veiled Arts\tva"};
    record.MagicPts = 25;
  }

  // Chooses a spell of a category and adds it.
  bool Add(int category, int spell) {
    SelectSpellCategory(ctx, view, category);
    SelectSpell(view, spell);
    return AddSpell(ctx, view, books);
  }

  // A chosen spell standing at n points, n - 1 of them already raised.
  void ChosenAt(int n) {
    record.Spells = {"Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t[" + std::string(n < 10 ? "0" : "") + std::to_string(n) +
                     "]\tIV3-170"};
    record.SpellPointsUsed = static_cast<float>(n);
    SelectChosenSpell(ctx, view, 0);
  }

  SpellsView view;
  BookLists books;
};

TEST_F(SpellsTest, AddedSpellsEnterAtOnePointAlsoPastThePointsAvailable) {
  record.MagicPts = 3;
  for (auto [category, spell] : std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}}) {
    EXPECT_TRUE(Add(category, spell));
  }
  EXPECT_EQ(record.Spells, (std::vector<std::string>{
                               "Mind Spike\tM\tWill\tI\tLOS\tM(F/2)\t[01]\tIV3-170",
                               // A short reference does not carry the category code along.
                               "Blood Boil\tP\tBody\tI\tLOS\tD(F/2)\t[01]\tVA-22",
                               "Old Hex\tM\tWill\tI\tLOS\tS(F/2)\t[01]\tIV3",
                               "Far Eyes\tM\t4\tS\tTouch\tM(F/2)\t[01]\tIV3-175",
                           }));
  EXPECT_EQ(state.attributes.spellPointsDisplay, "4/3");
  EXPECT_TRUE(state.attributes.spellsOverSpent);

  EXPECT_FALSE(Add(0, 3));  // of a book not allowed
  EXPECT_EQ(record.Spells.size(), 4u);
}

TEST_F(SpellsTest, SpinButtonsKeepTwoDigitsWithinTheLimits) {
  // Points before, spell points, Override Limits, up or down, whether it changed, the points after.
  const struct {
    int points;
    float magicPts;
    bool override, up, changed;
    const char* bracket;
  } cases[] = {
      {1, 25, false, true, true, "[02]"},  {5, 25, false, true, true, "[06]"},   {6, 25, false, true, false, "[06]"},
      {6, 25, true, true, true, "[07]"},   {9, 9, true, true, true, "[10]"},     {3, 3, false, true, false, "[03]"},
      {99, 25, true, true, false, "[99]"}, {1, 25, false, false, false, "[01]"}, {10, 25, false, false, true, "[09]"},
  };
  for (const auto& c : cases) {
    record.MagicPts = c.magicPts;
    record.norules = c.override ? 1 : 0;
    ChosenAt(c.points);
    const bool changed = c.up ? RaiseSpellPoints(ctx, view) : LowerSpellPoints(ctx, view);
    EXPECT_EQ(changed, c.changed) << c.points << (c.up ? " up" : " down");
    EXPECT_NE(record.Spells[0].find(std::string("\t") + c.bracket + "\t"), std::string::npos) << record.Spells[0];
    EXPECT_EQ(SpellPoints(record.Spells[0]), record.SpellPointsUsed) << c.points;
  }
  // Removing a spell gives its points back; the spin buttons it leaves enabled act on nothing.
  EXPECT_TRUE(RemoveSpell(ctx, view));
  EXPECT_EQ(record.Spells.size() + record.SpellPointsUsed, 0);
  EXPECT_EQ(state.attributes.spellPointsDisplay, "0/25");
  EXPECT_FALSE(view.removeEnabled || RemoveSpell(ctx, view) || RaiseSpellPoints(ctx, view));
}

TEST_F(SpellsTest, SpellPointsAreBoughtWhileOneNuyenStaysLeftUpToFifty) {
  // Money left, Override Limits, spell points before (a MAG code carried the last past fifty),
  // whether one was bought, and the money the page shows.
  const std::tuple<int32_t, bool, float, bool, const char*> cases[] = {
      {25000, false, 25, false, "25000"}, {25000, true, 25, false, "25000"}, {25001, false, 25, true, "1"},
      {25001, false, 49, true, "1"},      {25001, false, 50, false, "?"},    {25001, false, 53, false, "?"}};
  for (const auto& [left, override, magicPts, bought, moneyLeft] : cases) {
    record.MagicPts = magicPts;
    record.Maxresources = 90000;
    record.NuyenSpent = 90000 - left;
    record.norules = override ? 1 : 0;
    view.moneyLeft = "?";
    EXPECT_EQ(BuySpellPoints(ctx, view), bought) << left << " " << magicPts;
    EXPECT_EQ(record.MagicPts, magicPts + (bought ? 1 : 0));
    EXPECT_EQ(MoneyLeft(record), bought ? 1 : left);
    EXPECT_EQ(view.moneyLeft, moneyLeft);
  }
}

TEST_F(SpellsTest, TraditionIsChosenAndFoundAgainByNameAfterAReload) {
  EXPECT_TRUE(Tradition(ctx, 2));
  EXPECT_FALSE(Tradition(ctx, 3));
  catalogs.traditions = {"Hermetic mage", "Totem: Owl"};
  EXPECT_TRUE(KeepTradition(ctx, "Totem: Owl"));
  EXPECT_EQ(TraditionName(record, catalogs), "Totem: Owl");
  catalogs.traditions = {"Hermetic mage"};
  EXPECT_TRUE(KeepTradition(ctx, "Totem: Owl"));
  EXPECT_EQ(record.Tradition, 0) << "a tradition no longer listed falls back to the first entry";
  record.Tradition = -1;
  EXPECT_TRUE(KeepTradition(ctx, ""));
  EXPECT_EQ(record.Tradition, 0) << "the first load chooses the first entry";
}

enum CatalogPower { kTemperedBody, kIronPalm, kHonedSkill, kMagicalPower, kSpiritShout, kQuickenedNerves, kEidetic };

class PowersTest : public RulesTest {
 protected:
  PowersTest() {
    catalogs.powers = {
        "Tempered Body\t0.50\t+1BOD\tIV3-151\tBody one higher.",
        "Iron Palm*\t0.50\t\tIV3-153\tHarder blows per level.",
        "Honed Skill* ->\t0.25\t\tIV3-152\tA named skill gains a die per level.",
        "Magical Power (6 Spell Pts)\t1.00\t+1MAG\tIV3-157\tSix spell points.",
        "Spirit Shout\t1.00\t\tXB-70\tA stunning cry.",
        "Quickened Nerves (1)\t1.50\t+1RCT,+1INI\tIV3-150\tOne more initiative die.",
        "Eidetic Sense\t0.125\t\tIV3\tRemembers everything.",
    };
    books.allowed = {"Core\tIV3"};
    record.Adept = 0;
    record.Magic.Total = "6";
  }

  bool Buy(int power, const std::vector<std::string>& answers = {}) {
    for (const std::string& answer : answers) platform.QueueAnswer(answer);
    ShowPower(ctx, view, power);
    return BuyPower(ctx, view, books);
  }

  PowersView view;
  BookLists books;
};

// A level below 1 is level 1; a cancelled target buys nothing; costs show two decimals.
TEST_F(PowersTest, BoughtPowersWithTheirTargetAndLevel) {
  const struct {
    CatalogPower power;
    std::vector<std::string> answers;
    const char* nameAndCost;  // "" when nothing is bought
    const char* display;
  } cases[] = {
      {kIronPalm, {"3"}, "Iron Palm*[3]\t1.50", "1.5/6"},
      {kIronPalm, {"-4"}, "Iron Palm*\t0.50", "0.5/6"},
      {kHonedSkill, {""}, "", "0/6"},
      {kEidetic, {}, "Eidetic Sense\t0.12", "0.12/6"},
  };
  for (const auto& c : cases) {
    record.Powers.clear();
    record.PowerPointsUsed = 0;
    state.attributes.powerPointsDisplay = "0/6";
    platform.ClearLog();
    EXPECT_EQ(Buy(c.power, c.answers), *c.nameAndCost != '\0') << c.nameAndCost;
    const std::string owned = record.Powers.empty() ? "" : record.Powers[0];
    EXPECT_EQ(owned.substr(0, owned.find('\t', owned.find('\t') + 1)), c.nameAndCost);
    EXPECT_EQ(state.attributes.powerPointsDisplay, c.display) << c.nameAndCost;
    EXPECT_EQ(platform.Log().size(), c.answers.size()) << c.nameAndCost;
  }
}

TEST_F(PowersTest, RefusedPowersSayWhy) {
  record.PriMagic = 0;
  EXPECT_FALSE(Buy(kMagicalPower));
  record.PhysAdMagic = 1;
  record.PriMagic = 1;
  EXPECT_FALSE(Buy(kMagicalPower));
  EXPECT_FALSE(Buy(kSpiritShout));
  EXPECT_TRUE(record.Powers.empty());
  const std::string magician =
      "message [Ironveil Character Generator] (OK) Priority A plus Path of Magician only -> OK";
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{magician, magician,
                                                      "message [Illegal item] (OK) You can't get this item!\\r\\nIt "
                                                      "is not in the allowed sourcebooks. -> OK"}));
  record.PriMagic = 0;
  EXPECT_TRUE(Buy(kMagicalPower));
  EXPECT_EQ(record.MagicPts, 6);
}

TEST_F(PowersTest, PowerPointsReachTheMagicTotalAndNoFurther) {
  EXPECT_TRUE(Buy(kIronPalm, {"9"}) && Buy(kQuickenedNerves));
  EXPECT_EQ(state.attributes.powerPointsDisplay, "6/6");
  EXPECT_FALSE(Buy(kEidetic));  // silently, as the adept scenario shows
  record.norules = 1;
  EXPECT_TRUE(Buy(kTemperedBody));
  EXPECT_EQ(state.attributes.powerPointsDisplay, "6.5/6");
}

TEST_F(PowersTest, RemovalGivesBackTheEntrysCostAndTakesItsCodesBack) {
  Buy(kEidetic);
  Buy(kQuickenedNerves);
  Buy(kTemperedBody);
  EXPECT_EQ(record.Attr[0].Modifier + record.Reaction.Modifier + record.Initative.Modifier, "111");
  SelectOwnedPower(ctx, view, 1);
  EXPECT_EQ(view.shownCost + " " + view.shownNote, "1.50 One more initiative die.");
  EXPECT_TRUE(RemovePower(ctx, view));
  EXPECT_FALSE(view.removeEnabled || RemovePower(ctx, view));
  for (int i : {1, 0}) {
    SelectOwnedPower(ctx, view, i);
    RemovePower(ctx, view);
  }
  EXPECT_EQ(record.Attr[0].Modifier + record.Reaction.Modifier + record.Initative.Modifier + " " +
                state.attributes.powerPointsDisplay,
            "000 0/6");
  EXPECT_TRUE(record.Powers.empty());
}

class SkillsTest : public RulesTest {
 protected:
  SkillsTest() {
    catalogs.skills = LoadSkills(IVGEN_TEST_DATA).value();
    ShowSkillCategories(ctx, view);
    record.PtsSkills = 50;
    record.KnowledgeAllowance = 20;
    record.LanguageAllowance = 6;
  }

  /// Runs one action of the page: "add C S P" (rows of tests/purchase/data/skills.dat, -1 for
  /// none), "further C S P", "select N", "raise", "lower", "base+", "specialization-", "remove", "up", ...
  bool Do(const std::string& action) {
    int c = -1, s = -1, p = -1, n = -1;
    if (std::sscanf(action.c_str(), "add %d %d %d", &c, &s, &p) == 3 ||
        std::sscanf(action.c_str(), "further %d %d %d", &c, &s, &p) == 3) {
      SelectSkillCategory(ctx, view, c);
      SelectCatalogSkill(ctx, view, s);
      SelectSpecialization(ctx, view, p);
      return action[0] == 'a' ? AddSkill(ctx, view) : AddKnowledgeSpecialization(ctx, view);
    }
    if (std::sscanf(action.c_str(), "select %d", &n) == 1) return SelectSkill(ctx, view, n), false;
    if (action == "raise") return RaiseSkill(ctx, view);
    if (action == "lower") return LowerSkill(ctx, view);
    if (action.starts_with("base")) return AdjustBaseRating(ctx, view, action[4] == '+' ? 1 : -1);
    if (action.starts_with("specialization"))
      return AdjustSpecializationRating(ctx, view, action.back() == '+' ? 1 : -1);
    if (action == "remove") return RemoveSkill(ctx, view);
    return action == "up" ? MoveSkillUp(ctx, view) : MoveSkillDown(ctx, view);
  }
  void SetTotal(int attribute, const char* total) { record.Attr[static_cast<size_t>(attribute)].Total = total; }
  /// The three pools as the page shows them.
  std::string Pools() const {
    auto one = [](const SkillPoolView& p) { return p.display + (p.stop ? " STOP" : ""); };
    return one(view.active) + ", " + one(view.knowledge) + ", " + one(view.language);
  }
  std::string List() const { return List(record.Skills); }
  static std::string List(const std::vector<std::string>& lines) { return test_support::Joined(lines); }

  SkillsView view;
};

// What each rating costs, as the recount charges it; the random actions below hold every step of
// the page to the same costs.
TEST_F(SkillsTest, RecountOfStoredEntries) {
  SetTotal(2, "2");  // Strength
  SetTotal(4, "3");  // Intelligence
  record.KnowledgeAllowance = 4;
  record.PtsSkills = 3;
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"Brawling (STR)\t[4/6]"}, "8/3 STOP, 0/4, 0/6"},
      // Knowledge and language beyond their allowance are paid from active points.
      {{"Gang Lore (KNO)\t[5]"}, "3/3, 4/4, 0/6"},
      {{"Gang Lore (KNO)\t[5]", "Brawling (STR)\t[1]"}, "4/3 STOP, 4/4, 0/6"},
      {{"Sperethiel (LAN)\t[11]"}, "6/3 STOP, 0/4, 6/6"},
      // A specialization at 0 is a plain skill; brackets and TABs in a name are no ratings.
      {{"Brawling (STR)\t[2/0]", "Brawling (STR)/Old [9/9]\t[1]", "Brawling (STR)/A\tB [5]\t[0]"}, "3/3, 0/4, 0/6"},
      {{"Brawling (STR)\t", "Brawling (STR)\t[x/y]", "No code\t[2]"}, "2/3, 0/4, 0/6"},
  };
  for (const auto& [list, pools] : cases) {
    record.Skills = list;
    RecountSkillPoints(ctx, view);
    EXPECT_EQ(Pools(), pools) << list.front();
  }
}

TEST_F(SkillsTest, SpinnerCeilingsFloorAndPool) {
  SetTotal(2, "6");
  // The entry, the action, Override Limits, the active allowance and the entry afterwards.
  const std::tuple<const char*, const char*, int16_t, int16_t, const char*> cases[] = {
      {"Brawling (STR)\t[6/7]", "raise", 0, 50, "Brawling (STR)\t[6/7]"},
      {"Brawling (STR)\t[5/7]", "raise", 0, 50, "Brawling (STR)\t[5/7]"},
      {"Brawling (STR)\t[6]", "raise", 0, 50, "Brawling (STR)\t[6]"},
      {"Brawling (STR)\t[5/6]", "raise", 0, 50, "Brawling (STR)\t[6/7]"},
      {"Brawling (STR)\t[6/7]", "raise", 1, 50, "Brawling (STR)\t[7/8]"},
      {"Brawling (STR)\t[6/7]", "raise", 1, 7, "Brawling (STR)\t[6/7]"},  // Override keeps the pool
      {"Brawling (STR)\t[1/3]", "lower", 0, 50, "Brawling (STR)\t[1/3]"},
      {"Brawling (STR)\t[2/4]", "lower", 0, 50, "Brawling (STR)\t[1/3]"},
      {"Brawling (STR)/Ring [2]\t[2]", "lower", 0, 50, "Brawling (STR)/Ring [2]\t[1]"},
      {"Brawling (STR)\t[3/5]", "specialization+", 0, 50, "Brawling (STR)\t[3/5]"},  // adjusters need Override
      {"Brawling (STR)\t[3/5]", "base+", 1, 0, "Brawling (STR)\t[4/5]"},             // and pay no heed to the pool
      {"Brawling (STR)\t[3/1]", "specialization-", 1, 0, "Brawling (STR)\t[3]"},
  };
  for (const auto& [entry, action, override, allowance, after] : cases) {
    record.norules = override;
    record.PtsSkills = allowance;
    record.Skills = {entry};
    RecountSkillPoints(ctx, view);
    SelectSkill(ctx, view, 0);
    EXPECT_EQ(Do(action), std::string(after) != entry) << entry << " " << action;
    EXPECT_EQ(record.Skills[0], after) << entry << " " << action;
  }
}

TEST_F(SkillsTest, RefusedAddsSpendNothing) {
  SetTotal(1, "1");
  // The action, the specialization typed (nullptr: none asked) and the active allowance.
  const std::tuple<const char*, const char*, int16_t> cases[] = {
      {"add 0 -1 -1", nullptr, 50}, {"add 0 0 0", nullptr, 2},  // a specialization over Quickness 1 checks 3
      {"add 0 0 1", "", 50},        {"add 0 0 1", "  ", 50},   {"add 0 0 1", "Ares [old]", 50},
      {"add 0 0 1", "A~B", 50},     {"add 0 0 1", "Ares", 1},  {"further 0 0 -1", nullptr, 50},
  };
  for (const auto& [action, answer, allowance] : cases) {
    record.PtsSkills = allowance;
    RecountSkillPoints(ctx, view);
    platform.ClearLog();
    if (answer != nullptr) platform.QueueAnswer(answer);
    EXPECT_FALSE(Do(action)) << action;
    EXPECT_EQ(List() + Pools(), "0/" + std::to_string(allowance) + ", 0/20, 0/6");
    EXPECT_EQ(
        List(platform.Log()),
        answer == nullptr ? "" : "input [Specialization] Enter Specific model -> \"" + std::string(answer) + "\"");
  }
  platform.QueueAnswer(" Ares Predator ");
  record.PtsSkills = 50;
  EXPECT_TRUE(Do("add 0 0 1"));
  EXPECT_EQ(List(), "Pistols (QCK)/Ares Predator\t[1/3]");
}

TEST_F(SkillsTest, KnowledgeSpecializationTypedByThePlayer) {
  SetTotal(4, "1");  // the check is 2 whatever Intelligence is; the recount charges 3
  record.KnowledgeAllowance = 2;
  for (const char* answer : {"", "Pier 9 ", "Docks"}) platform.QueueAnswer(answer);
  EXPECT_FALSE(Do("further 1 0 0"));
  EXPECT_TRUE(view.furtherVisible && view.furtherEnabled);
  EXPECT_TRUE(Do("further 1 0 0"));
  EXPECT_FALSE(Do("further 1 0 -1"));  // the pool is spent
  const std::string prompt = "input [Knowledge skill] Enter knowledge specialization -> ";
  EXPECT_EQ(platform.Log(), (std::vector<std::string>{prompt + "\"\"", prompt + "\"Pier 9 \"", prompt + "\"Docks\""}));
  EXPECT_EQ(List() + ", " + Pools(), "Gang Lore (KNO)/Harbour crews/Pier 9\t[1/3], 1/50, 2/2, 0/6");
}

TEST_F(SkillsTest, RemoveAndReorderKeepTheSelectionOnItsEntry) {
  record.Skills = {"Brawling (STR)\t[3/5]", "Pistols (QCK)\t[2]"};
  const std::vector<std::tuple<const char*, bool, const char*, int>> steps = {
      {"up", false, "Brawling (STR)\t[3/5] | Pistols (QCK)\t[2]", -1},
      {"select 0", false, "Brawling (STR)\t[3/5] | Pistols (QCK)\t[2]", 0},
      {"up", false, "Brawling (STR)\t[3/5] | Pistols (QCK)\t[2]", 0},
      {"down", true, "Pistols (QCK)\t[2] | Brawling (STR)\t[3/5]", 1},
      {"down", false, "Pistols (QCK)\t[2] | Brawling (STR)\t[3/5]", 1},
      {"remove", true, "Pistols (QCK)\t[2]", -1},
      {"remove", false, "Pistols (QCK)\t[2]", -1},
  };
  for (const auto& [action, changed, list, selected] : steps) {
    EXPECT_EQ(Do(action), changed) << action;
    EXPECT_EQ(List(), list) << action;
    EXPECT_EQ(view.selected, selected) << action;
    EXPECT_EQ(view.removeEnabled && view.spinnerEnabled, selected >= 0) << action;
  }
  EXPECT_EQ(view.names, std::vector<std::string>{"Pistols (QCK)"});
  EXPECT_EQ(view.ratings, std::vector<std::string>{"[2]"});
}

// Whatever the player does within the pools, the step costs agree with the recount, so no
// action of the page alone shows a "STOP" (with linked attributes above 1: at 1 the further
// specialization is checked at 2 while the recount charges 3, as the rules have it).
TEST_F(SkillsTest, RandomActionsNeverOverspend) {
  std::mt19937 random(7);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  record.PtsSkills = 9;
  record.KnowledgeAllowance = 7;
  record.LanguageAllowance = 3;
  for (AttributeRow& row : record.Attr) row.Total = std::to_string(2 + pick(3));
  const std::vector<std::string> actions = {"raise", "raise", "raise", "lower", "lower", "remove"};
  size_t longest = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::vector<std::string> before = record.Skills;
    platform.QueueAnswer("Typed");
    Do("select " + std::to_string(pick(static_cast<int>(record.Skills.size()) + 1)));
    const std::string action = pick(4) == 0 ? (pick(2) == 0 ? "add " : "further ") + std::to_string(pick(3)) + " " +
                                                  std::to_string(pick(2)) + " " + std::to_string(pick(3) - 1)
                                            : actions[static_cast<size_t>(pick(6))];
    const bool changed = Do(action);
    ASSERT_EQ(changed, record.Skills != before) << i << " " << action;
    ASSERT_EQ(Pools().find("STOP"), std::string::npos) << i << ": " << Pools();
    longest = std::max(longest, record.Skills.size());
  }
  EXPECT_GT(longest, 3u);
}

}  // namespace
}  // namespace ivgen
