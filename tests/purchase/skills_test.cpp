// Skills bought, raised, specialized, reordered and refused, and the point costs the recount
// charges for stored entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "purchase/skills.h"
#include "rules/rules_fixture.h"
#include "support/joined.h"

namespace ivgen {
namespace {
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

// The search finds a skill by its name or its category's and a specialization by its own name,
// in every category; a match chosen is the clicks that add it, and the match the page marks
// follows what is chosen, however it was chosen.
TEST_F(SkillsTest, SearchFindsSkillsAndSpecializationsInEveryCategory) {
  auto found = [this](const std::string& text) {
    SearchSkillCatalog(ctx, view, text);
    std::vector<std::string> shown;
    for (const CatalogMatch& match : view.search.matches) shown.push_back(match.name + " [" + match.group + "]");
    return test_support::Joined(shown);
  };
  const std::pair<const char*, const char*> cases[] = {
      {"PISTOL", "Pistols (QCK) [Combat] | Heavy Pistols [Combat / Pistols (QCK)]"},
      {"tongues", "Sperethiel (LAN) [Tongues]"},
      {"write", "Read/Write [Tongues / Sperethiel (LAN)]"},
      {"model", "Specific model-> [Combat / Pistols (QCK)]"},
      {"pistols (str)", ""},
      {"", ""},
  };
  for (const auto& [text, matches] : cases) EXPECT_EQ(found(text), matches) << text;
  EXPECT_FALSE(view.search.NoMatches());  // an empty box is no search

  found("pistol");
  ChooseSkillMatch(ctx, view, 1);
  EXPECT_EQ(std::to_string(view.category) + std::to_string(view.skill) + std::to_string(view.specialization), "000");
  ShowChosenSkillMatch(view);
  EXPECT_EQ(view.search.chosen, 1);
  EXPECT_TRUE(AddSkill(ctx, view));
  EXPECT_EQ(List(), "Pistols (QCK)/Heavy Pistols\t[1/3]");
  // Another specialization of the skill is not a match: the skill's match stands for it.
  SelectSpecialization(ctx, view, 1);
  ShowChosenSkillMatch(view);
  EXPECT_EQ(view.search.chosen, 0);
  SelectSkillCategory(ctx, view, 2);
  ShowChosenSkillMatch(view);
  EXPECT_EQ(view.search.chosen, -1);
  ChooseSkillMatch(ctx, view, 2);
  EXPECT_EQ(view.category, 2) << "an index outside the matches chooses nothing";
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
    EXPECT_EQ(view.removeEnabled && view.spinnerEnabled && view.orderEnabled && view.adjustersEnabled, selected >= 0)
        << action;
    EXPECT_EQ(view.removeEnabled || view.spinnerEnabled || view.orderEnabled || view.adjustersEnabled, selected >= 0)
        << action;
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
